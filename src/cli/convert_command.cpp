#include "convert_command.h"

#include "catalogue.h"
#include "conversion_run.h"
#include "input_file.h"
#include "receipt_preview.h"
#include "string_host.h"
#include "text_encoding.h"

#include "document_font.h"
#include "file_writing.h"
#include "qt_text.h"
#include "rtf_reader.h"
#include "rtf_writer.h"

#include "pelmark_version.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>

#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>

namespace pelmark::cli {
namespace {

constexpr const char *kUsage =
    "Использование:\n"
    "  pelmark-convert --list\n"
    "  pelmark-convert --model МОДЕЛЬ [--raw] [--cliche-out ФАЙЛ] [--output ФАЙЛ.rtf] [ВХОД]\n"
    "  pelmark-convert --text [--raw] [ВХОД]\n"
    "  pelmark-convert --preview --model МОДЕЛЬ [--raw] [ВХОД]\n"
    "\n"
    "Переводит текст клише в коды для выбранной модели ККМ и печатает листинг.\n"
    "\n"
    "  --list              список моделей: команда, название, ширина строки\n"
    "  --model МОДЕЛЬ      команда (mnuAMC100k) или название модели (\"АМС-100К\")\n"
    "  --text              только показать текст клише, как его прочтёт программа\n"
    "  --preview           показать чек, как его напечатает модель, и что в нём не так\n"
    "  --raw               взять текст как есть, не меняя концы строк\n"
    "  --cliche-out ФАЙЛ   записать текст клише после выравнивания (UTF-8)\n"
    "  --output ФАЙЛ.rtf   записать листинг документом RTF\n"
    "  --help, --version\n"
    "\n"
    "ВХОД - файл с текстом клише (UTF-8 или Windows-1251); без него или \"-\" - стандартный ввод.\n"
    "Коды выхода: 0 - готово, 1 - строка длиннее допустимой, 2 - ошибка вызова или ввода.\n";

struct Options {
    enum class Mode { Convert, Text, Preview, List, Help, Version } mode = Mode::Convert;
    std::optional<std::string> model;
    std::optional<std::string> input;
    std::optional<std::string> clicheOut;
    std::optional<std::string> rtfOut;
    bool raw = false;
};

struct UsageError {
    std::string message;
};

std::optional<Options> parseOptions(const std::vector<std::string> &args, UsageError &error)
{
    Options options;
    int modes = 0;
    auto takeValue = [&](std::size_t &i, const std::string &name) -> std::optional<std::string> {
        const std::string &arg = args[i];
        if (arg.size() > name.size() && arg[name.size()] == '=')
            return arg.substr(name.size() + 1);
        if (i + 1 >= args.size()) {
            error.message = "у параметра " + name + " нет значения";
            return std::nullopt;
        }
        return args[++i];
    };
    auto is = [](const std::string &arg, const std::string &name) {
        return arg == name || (arg.starts_with(name) && arg.size() > name.size() && arg[name.size()] == '=');
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.mode = Options::Mode::Help, ++modes;
        } else if (arg == "--version" || arg == "-V") {
            options.mode = Options::Mode::Version, ++modes;
        } else if (arg == "--list") {
            options.mode = Options::Mode::List, ++modes;
        } else if (arg == "--text") {
            options.mode = Options::Mode::Text, ++modes;
        } else if (arg == "--preview") {
            options.mode = Options::Mode::Preview, ++modes;
        } else if (arg == "--raw") {
            options.raw = true;
        } else if (is(arg, "--model")) {
            if (!(options.model = takeValue(i, "--model")))
                return std::nullopt;
        } else if (is(arg, "--cliche-out")) {
            if (!(options.clicheOut = takeValue(i, "--cliche-out")))
                return std::nullopt;
        } else if (is(arg, "--output")) {
            if (!(options.rtfOut = takeValue(i, "--output")))
                return std::nullopt;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error.message = "неизвестный параметр " + arg;
            return std::nullopt;
        } else if (options.input) {
            error.message = "можно указать только один входной файл";
            return std::nullopt;
        } else {
            options.input = arg;
        }
    }

    if (modes > 1) {
        error.message = "параметры --list, --text, --preview, --help и --version не сочетаются";
        return std::nullopt;
    }
    const bool convert = options.mode == Options::Mode::Convert;
    const bool needsModel = convert || options.mode == Options::Mode::Preview;
    if (needsModel && !options.model) {
        error.message = "не указана модель (--model)";
        return std::nullopt;
    }
    if (!needsModel && options.model) {
        error.message = "--model нужен только для перевода и предпросмотра";
        return std::nullopt;
    }
    if (!convert && (options.clicheOut || options.rtfOut)) {
        error.message = "--cliche-out и --output нужны только для перевода";
        return std::nullopt;
    }
    if (options.mode == Options::Mode::List && (options.input || options.raw)) {
        error.message = "--list не читает ввод";
        return std::nullopt;
    }
    return options;
}

std::optional<std::string> readInput(const std::optional<std::string> &path, std::istream &in,
                                     std::ostream &err)
{
    std::string reason;
    if (!path || *path == "-") {
        std::optional<std::string> bytes = files::readInputStream(in, reason);
        if (!bytes)
            err << "pelmark-convert: " << reason << "\n";
        return bytes;
    }
    std::optional<std::string> bytes = files::readInputFile(*path, reason);
    if (!bytes)
        err << "pelmark-convert: не удалось прочитать «" << *path << "»: " << reason << "\n";
    return bytes;
}

// Qt's text documents need a GUI application; the converter runs one without a display.
void ensureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    // Qt's own notices (no runtime folder, no display) are not the converter's messages.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtFatalMsg || type == QtCriticalMsg)
            std::cerr << message.toStdString() << '\n';
    });
    static int argc = 3;
    static char arg0[] = "pelmark-convert", arg1[] = "-platform", arg2[] = "offscreen";
    static char *argv[] = {arg0, arg1, arg2, nullptr};
    static QGuiApplication app(argc, argv);
}

// The cliche a file holds: an RTF file's plain text, or the text of a UTF-8 or Windows-1251 file.
std::u16string clicheFromBytes(std::string_view bytes, bool raw)
{
    const QByteArrayView view(bytes.data(), qsizetype(bytes.size()));
    std::u16string text;
    if (richtext::looksLikeRtf(view)) {
        ensureGuiApplication();
        text = toU16String(richtext::RtfReader::plainText(view));
    } else {
        text = encoding::decodeText(bytes);
    }
    return raw ? text : encoding::toClicheLineEnds(text);
}

// Writes the listing as the windowed program saves a document: RTF in the documents' font.
bool writeListingRtf(const std::string &path, const std::u16string &listing, std::ostream &err)
{
    ensureGuiApplication();
    QTextDocument document;
    document.setDefaultFont(richtext::documentFont());
    QTextCursor(&document).insertText(toLfLineEnds(toQString(listing)));
    QString error;
    if (!richtext::writeFileSafely(QString::fromLocal8Bit(path.c_str()), richtext::RtfWriter::write(document),
                                   &error)) {
        err << "pelmark-convert: не удалось записать файл " << path << ": " << error.toStdString() << "\n";
        return false;
    }
    return true;
}

bool writeFile(const std::string &path, std::string_view bytes, std::ostream &err)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), std::streamsize(bytes.size()));
    file.close();
    if (!file) {
        err << "pelmark-convert: не удалось записать файл " << path << "\n";
        return false;
    }
    return true;
}

void printModels(std::ostream &out)
{
    for (const ModelEntry &model : modelCatalogue()) {
        out << model.command << '\t' << encoding::toUtf8(model.caption) << '\t' << model.width << '\n';
    }
}

const ModelEntry *chosenModel(const Options &options, std::ostream &err)
{
    const ModelEntry *model = findModel(encoding::decodeText(*options.model));
    if (!model)
        err << "pelmark-convert: неизвестная модель " << *options.model
            << "; список моделей: pelmark-convert --list\n";
    return model;
}

constexpr const char *kAbandonedNotice =
    " строк: строки не проверены и не выровнены, коды даны для текста как есть\n";

// The receipt between bars, one line a receipt line, then each problem on standard error.
int preview(const ModelEntry &model, const std::u16string &cliche, std::ostream &out, std::ostream &err)
{
    const ReceiptPreview receipt = previewReceipt(cliche, model);
    for (const PreviewLine &line : receipt.lines) {
        out << '|' << encoding::toUtf8(line.text)
            << std::string(model.width - std::min(line.text.size(), model.width), ' ') << '|';
        if (line.overflow > 0)
            out << " +" << line.overflow;
        out << '\n';
    }
    out.flush();
    for (std::size_t i = 0; i < receipt.lines.size(); ++i) {
        const PreviewLine &line = receipt.lines[i];
        if (line.overflow > 0)
            err << "Строка " << i + 1 << ": длиннее ширины " << model.width << " на " << line.overflow
                << '\n';
        for (std::size_t position : line.uncoded) {
            err << "Строка " << i + 1 << ", позиция " << position - line.indent + 1 << ": «"
                << encoding::toUtf8(std::u16string_view(&line.text[position], 1))
                << "» нет в таблице кодов модели, будет rus?_\n";
        }
    }
    if (receipt.outcome == LayoutOutcome::Abandoned)
        err << "Текст длиннее " << kMaxLayoutLines << kAbandonedNotice;
    return receipt.outcome == LayoutOutcome::Rejected ? kExitRejected : kExitOk;
}

int convert(const Options &options, const ModelEntry &model, std::string_view bytes, std::ostream &out,
            std::ostream &err)
{
    StringConversionHost host;
    host.cliche = clicheFromBytes(bytes, options.raw);
    const LayoutOutcome outcome = runConversion(model, host);

    for (const std::u16string &message : host.messages)
        err << encoding::toUtf8(message) << '\n';
    if (outcome == LayoutOutcome::Abandoned) {
        err << "Текст длиннее " << kMaxLayoutLines << kAbandonedNotice;
    }
    if (options.clicheOut && !writeFile(*options.clicheOut, encoding::toUtf8(host.cliche), err))
        return kExitUsage;
    if (options.rtfOut && !writeListingRtf(*options.rtfOut, host.document, err))
        return kExitUsage;

    out << encoding::toUtf8(host.document);
    out.flush();
    return outcome == LayoutOutcome::Rejected ? kExitRejected : kExitOk;
}

} // namespace

int runConvertCommand(const std::vector<std::string> &args, std::istream &in, std::ostream &out,
                      std::ostream &err)
{
    UsageError error;
    const std::optional<Options> options = parseOptions(args, error);
    if (!options) {
        err << "pelmark-convert: " << error.message << "\n"
            << "Справка: pelmark-convert --help\n";
        return kExitUsage;
    }

    switch (options->mode) {
    case Options::Mode::Help: out << kUsage; return kExitOk;
    case Options::Mode::Version: out << "pelmark-convert " << PELMARK_VERSION << "\n"; return kExitOk;
    case Options::Mode::List: printModels(out); return kExitOk;
    case Options::Mode::Text:
    case Options::Mode::Preview:
    case Options::Mode::Convert: break;
    }

    const ModelEntry *model = options->model ? chosenModel(*options, err) : nullptr;
    if (options->model && !model)
        return kExitUsage;
    const std::optional<std::string> bytes = readInput(options->input, in, err);
    if (!bytes)
        return kExitUsage;
    switch (options->mode) {
    case Options::Mode::Text: out << encoding::toUtf8(clicheFromBytes(*bytes, options->raw)); return kExitOk;
    case Options::Mode::Preview: return preview(*model, clicheFromBytes(*bytes, options->raw), out, err);
    default: return convert(*options, *model, *bytes, out, err);
    }
}

} // namespace pelmark::cli
