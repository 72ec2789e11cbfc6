// The command-line converter, run as users run it: the real binary, real files, real pipes.
#include "conversion_run.h"
#include "input_file.h"
#include "text_encoding.h"
#include "token_cases.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

class ConvertCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("pelmark-cli-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path write(const std::string &name, const std::string &bytes)
    {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    static std::string read(const fs::path &path)
    {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }

    static std::string quote(const std::string &arg)
    {
        std::string quoted = "'";
        for (char c : arg)
            quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return quoted + "'";
    }

    // Runs the converter with `args`, feeding `stdinBytes` to its standard input.
    Result run(const std::vector<std::string> &args, const std::string &stdinBytes = {})
    {
        return runFrom(args, write("stdin", stdinBytes));
    }

    // Runs the converter with `args` and the file `in` as its standard input.
    Result runFrom(const std::vector<std::string> &args, const fs::path &in)
    {
        std::string command = quote(PELMARK_CONVERT);
        for (const std::string &arg : args)
            command += " " + quote(arg);
        command += " <" + quote(in) + " >" + quote(m_dir / "stdout") + " 2>" + quote(m_dir / "stderr");
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, read(m_dir / "stdout"), read(m_dir / "stderr")};
    }

    fs::path m_dir;
};

TEST_F(ConvertCli, ListsTheModelsInMenuOrder)
{
    const Result r = run({"--list"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.empty());
    std::istringstream lines(r.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);)
        rows.push_back(line);
    ASSERT_EQ(rows.size(), 26u);
    EXPECT_EQ(rows.front(), "mnuAMC100k\tАМС-100К\t18");
    EXPECT_EQ(rows[2], "mnuAMC100F\tАМС-100Ф\t17");
    EXPECT_EQ(rows[19], "mnuSamsung250\tСамсунг 250Ф/К\t26");
    EXPECT_EQ(rows.back(), "mnuWab04RK\tWab 04RK\t24");
    EXPECT_EQ(r.out.back(), '\n');
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
}

TEST_F(ConvertCli, WorkedExampleByteForByte)
{
    const std::string expected = "Код для АМС100К\r\nМАГАЗИН\r\nСпасибо!\r\n"
                                 "строка: 001_032_032_032_032_032_204_192_195_192_199_200_205_\r\n"
                                 "строка: 001_032_032_032_032_032_209_239_224_241_232_225_238_033_\r\n"
                                 "строка: 001_";
    // A text file with LF line ends and a final line end, given by caption, command, file or pipe.
    const std::string file = "МАГАЗИН\nСпасибо!\n";
    const fs::path input = write("cliche.txt", file);
    const fs::path clicheOut = m_dir / "cliche-out.txt";
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{"--model", "АМС-100К", input.string()},
          {"--model=mnuAMC100k", "--cliche-out", clicheOut.string(), "-"}}) {
        const Result r = run(args, file);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, expected);
        EXPECT_TRUE(r.err.empty()) << r.err;
    }
    EXPECT_EQ(read(clicheOut), "     МАГАЗИН\r\n     Спасибо!\r\n");
}

TEST_F(ConvertCli, ReadsWindows1251AndBom)
{
    const Result cp1251 = run({"--text", "-"}, "\xCA\xE0\xF1\xF1\xE0 \xB9"
                                               "1\r\n");
    EXPECT_EQ(cp1251.status, 0);
    EXPECT_EQ(cp1251.out, "Касса №1");
    const Result bom = run({"--text"}, "\xEF\xBB\xBF"
                                       "a\nb\rc\r\n\r\n");
    EXPECT_EQ(bom.out, "a\r\nb\r\nc\r\n");
    const Result raw = run({"--text", "--raw"}, "a\nb\r");
    EXPECT_EQ(raw.out, "a\nb\r");
}

TEST_F(ConvertCli, EveryChartExampleComesOutOfTheConverter)
{
    using pelmark::encoding::toUtf8;
    for (const pelmark::test::TokenCase &c : pelmark::test::kTokenCases) {
        for (std::u16string_view command : c.models) {
            const pelmark::ModelEntry &model = pelmark::test::model(command);
            SCOPED_TRACE(std::string(c.what) + " on " + std::string(model.command));
            // One short line: centred by spaces, then coded, then the closing marker line.
            std::u16string spaces;
            pelmark::appendTokens(spaces, std::u16string((model.width - c.input.size()) / 2, u' '), model);
            const std::u16string expected = std::u16string(model.heading) + u"\r\n" +
                                            std::u16string(c.input) + u"\r\n" + std::u16string(model.marker) +
                                            spaces + std::u16string(c.expected) + u"\r\n" +
                                            std::u16string(model.marker);
            const Result r = run({"--model", toUtf8(model.caption)}, toUtf8(c.input) + "\n");
            EXPECT_EQ(r.status, 0);
            EXPECT_EQ(r.out, toUtf8(expected));
        }
    }
}

TEST_F(ConvertCli, RejectedTextExitsOneWithTheMessage)
{
    const Result r = run({"--model", "mnuOKAPK"}, "short\n" + std::string(25, 'x') + "\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Строка превышает допустимую длину!\n");
    EXPECT_EQ(r.out, "Код для ОКА ПК\r\nshort\r\n" + std::string(25, 'x') + "\r\nстрока: ");
}

TEST_F(ConvertCli, MoreThanHundredLinesGetANotice)
{
    std::string text;
    for (int i = 0; i < 101; ++i)
        text += "1\n";
    const Result r = run({"--model", "mnuEKR2102"}, text);
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("100"), std::string::npos);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    EXPECT_TRUE(r.out.ends_with("1_\r\nстрока: 1_"));
}

TEST_F(ConvertCli, ErrorsExitTwoWithNothingOnStandardOutput)
{
    const std::vector<std::vector<std::string>> calls = {
        {"--model", "НетТакой"},
        {"--model"},
        {},
        {"--frobnicate"},
        {"--list", "--text"},
        {"--model", "mnuAMC100k", (m_dir / "missing.txt").string()},
        {"--model", "mnuAMC100k", m_dir.string()},
        {"--model", "mnuAMC100k", "a", "b"},
        {"--model", "mnuAMC100k", "--cliche-out", (m_dir / "no" / "such" / "dir").string()},
    };
    for (const auto &args : calls) {
        const Result r = run(args, "abc");
        EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args.front());
        EXPECT_TRUE(r.out.empty()) << r.out;
        EXPECT_FALSE(r.err.empty());
    }
    EXPECT_NE(run({"--model", "НетТакой"}).err.find("--list"), std::string::npos);
}

// A device, a pipe or a huge file would be read until memory ran out: each is refused first.
TEST_F(ConvertCli, RefusesInputThatIsNoDocument)
{
    const fs::path fifo = m_dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path huge = write("huge.txt", "");
    fs::resize_file(huge, pelmark::files::kMaxInputBytes + 1); // sparse: takes no disk
    const std::pair<fs::path, const char *> cases[] = {
        {m_dir, "это папка"},
        {"/dev/zero", "не обычный файл"},
        {fifo, "не обычный файл"},
        {huge, "больше 256 МиБ"},
        {m_dir / "missing.txt", "не найден"},
    };
    for (const auto &[path, reason] : cases) {
        SCOPED_TRACE(path.string());
        for (const char *mode : {"--text", "--preview"}) {
            std::vector<std::string> args{mode, path.string()};
            if (std::string_view(mode) == "--preview")
                args.insert(args.begin(), {"--model", "mnuAMC100k"});
            const Result r = run(args);
            EXPECT_EQ(r.status, 2);
            EXPECT_TRUE(r.out.empty());
            EXPECT_NE(r.err.find(path.string()), std::string::npos) << r.err;
            EXPECT_NE(r.err.find(reason), std::string::npos) << r.err;
        }
    }
    const Result overStdin = runFrom({"--model", "mnuAMC100k"}, huge);
    EXPECT_EQ(overStdin.status, 2);
    EXPECT_TRUE(overStdin.out.empty());
    EXPECT_NE(overStdin.err.find("256 МиБ"), std::string::npos) << overStdin.err;
}

TEST_F(ConvertCli, WritesTheListingAsRtfAndReadsRtfInput)
{
    const fs::path rtf = m_dir / "listing.rtf";
    const Result converted = run({"--model", "mnuAMC100k", "--output", rtf.string()}, "МАГАЗИН\n");
    ASSERT_EQ(converted.status, 0);
    EXPECT_TRUE(converted.err.empty()) << converted.err;
    const std::string saved = read(rtf);
    EXPECT_TRUE(saved.starts_with("{\\rtf1\\ansi\\ansicpg1251"));
    EXPECT_NE(saved.find("Courier New;"), std::string::npos);

    // What Pelmark reads back from its own file is the listing, line for line.
    const Result text = run({"--text", rtf.string()});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out, converted.out);
    EXPECT_TRUE(text.err.empty()) << text.err;

    // An RTF cliche from a word processor: its paragraphs are the receipt lines.
    const fs::path cliche =
        write("cliche.rtf", "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset204 Arial;}}"
                            "\\f0\\qc \\'cc\\'c0\\'c3\\par {\\b ABC}\\par}");
    const Result fromRtf = run({"--model", "mnuAMC100k", cliche.string()});
    EXPECT_EQ(fromRtf.status, 0);
    EXPECT_TRUE(fromRtf.out.starts_with("Код для АМС100К\r\nМАГ\r\nABC\r\nстрока: 001_"));

    const Result unwritable =
        run({"--model", "mnuAMC100k", "--output", (m_dir / "no/such.rtf").string()}, "A");
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_TRUE(unwritable.out.empty());
}

struct PreviewCliCase {
    const char *what;
    std::vector<std::string> args;
    std::string input;
    int status;
    std::string out;
    std::string err;
};

TEST_F(ConvertCli, PreviewPrintsTheReceiptBetweenBars)
{
    const PreviewCliCase cases[] = {
        {"centred lines, a closing line end dropped",
         {"--model", "АМС-100К"},
         "МАГАЗИН\nСпасибо!\n",
         0,
         "|     МАГАЗИН      |\n|     Спасибо!     |\n",
         ""},
        {"capitals on an upper-casing model, a missing character",
         {"--model", "mnuEKR2102"},
         "чек № 5",
         0,
         "|    ЧЕК № 5     |\n",
         "Строка 1, позиция 5: «№» нет в таблице кодов модели, будет rus?_\n"},
        {"a line too long is printed whole",
         {"--model", "mnuMicro103104K"},
         "ok\n12345678901234567",
         1,
         "|       OK       |\n|12345678901234567| +1\n",
         "Строка 2: длиннее ширины 16 на 1\n"},
        {"raw keeps the last line end as an empty line",
         {"--model", "mnuSamsung4615", "--raw"},
         "A\r\n",
         0,
         "|          A          |\n|                     |\n",
         ""},
    };
    for (const PreviewCliCase &c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> args{"--preview"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Result r = run(args, c.input);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
    }
    const Result noModel = run({"--preview"}, "x");
    EXPECT_EQ(noModel.status, 2);
    EXPECT_TRUE(noModel.out.empty());
}

TEST_F(ConvertCli, HelpAndVersion)
{
    const Result version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "pelmark-convert 1.0.0\n");
    const Result help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--model"), std::string::npos);
}

} // namespace
