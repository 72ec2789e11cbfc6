// The listing a conversion writes, from heading to last token.
#include "catalogue.h"
#include "conversion_run.h"
#include "initial_cliche.h"
#include "string_host.h"

#include <gtest/gtest.h>

using namespace pelmark;

namespace {

const ModelEntry &amc100k()
{
    return *findModel(u"mnuAMC100k");
}

std::u16string repeat(std::u16string_view s, std::size_t n)
{
    std::u16string out;
    for (std::size_t i = 0; i < n; ++i)
        out += s;
    return out;
}

TEST(runConversion, WorkedExample)
{
    StringConversionHost host;
    host.cliche = u"МАГАЗИН\r\nСпасибо!";
    host.document = u"an earlier listing";
    EXPECT_EQ(runConversion(amc100k(), host), LayoutOutcome::LaidOut);
    EXPECT_EQ(host.document, u"Код для АМС100К\r\n"
                             u"МАГАЗИН\r\n"
                             u"Спасибо!\r\n"
                             u"строка: 001_032_032_032_032_032_204_192_195_192_199_200_205_\r\n"
                             u"строка: 001_032_032_032_032_032_209_239_224_241_232_225_238_033_\r\n"
                             u"строка: 001_");
    EXPECT_EQ(host.cliche, u"     МАГАЗИН\r\n     Спасибо!\r\n");
    EXPECT_TRUE(host.messages.empty());
}

TEST(runConversion, EmptyClicheIsOneLineOfSpaces)
{
    StringConversionHost host;
    runConversion(amc100k(), host);
    EXPECT_EQ(host.document,
              u"Код для АМС100К\r\n\r\nстрока: 001_" + repeat(u"032_", 9) + u"\r\nстрока: 001_");
}

TEST(runConversion, SecondRunEchoesTheCentredText)
{
    StringConversionHost host;
    host.cliche = u"МАГАЗИН";
    runConversion(amc100k(), host);
    runConversion(amc100k(), host);
    EXPECT_EQ(host.document, u"Код для АМС100К\r\n     МАГАЗИН\r\n\r\nстрока: 001_" + repeat(u"032_", 8) +
                                 u"204_192_195_192_199_200_205_\r\nстрока: 001_" + repeat(u"032_", 9) +
                                 u"\r\nстрока: 001_");
}

TEST(runConversion, RejectedTextKeepsTheClicheAndWritesNoToken)
{
    StringConversionHost host;
    host.cliche = std::u16string(kInitialClicheText);
    EXPECT_EQ(runConversion(*findModel(u"mnuOKAPK"), host), LayoutOutcome::Rejected);
    EXPECT_EQ(host.document, u"Код для ОКА ПК\r\n  Окно для ввода текста клише\r\n\r\nстрока: ");
    EXPECT_EQ(host.cliche, kInitialClicheText);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages.front(), kLineTooLongMessage);
}

TEST(runConversion, WithoutADocumentStillLaysOut)
{
    StringConversionHost host;
    host.hasDocument = false;
    host.cliche = u"ABC";
    runConversion(amc100k(), host);
    EXPECT_TRUE(host.document.empty());
    EXPECT_EQ(host.cliche, u"       ABC\r\n");

    host.cliche = std::u16string(30, u'x');
    EXPECT_EQ(runConversion(amc100k(), host), LayoutOutcome::Rejected);
    EXPECT_TRUE(host.document.empty());
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST(runConversion, MoreThanHundredLinesAreCodedAsTyped)
{
    // A long line, a lone LF and a closing CR LF: each CR gives CR LF, each LF a marker.
    std::u16string text = std::u16string(30, u'x') + u"\r\n";
    for (int i = 0; i < 100; ++i)
        text += u"a\r\n";
    text += u"b\nc";
    StringConversionHost host;
    host.cliche = text;
    EXPECT_EQ(runConversion(*findModel(u"mnuWab04RK"), host), LayoutOutcome::Abandoned);
    std::u16string expected =
        u"Код для WAB 04RK\r\n" + text + u"\r\nстрока: " + repeat(u"120_", 30) + u"\r\nстрока: ";
    for (int i = 0; i < 100; ++i)
        expected += u"097_\r\nстрока: ";
    expected += u"098_строка: 099_";
    EXPECT_EQ(host.document, expected);
    EXPECT_EQ(host.cliche, text);
    EXPECT_TRUE(host.messages.empty());
}

TEST(runConversion, UpperCasingModelsCodeSmallLettersAsCapitals)
{
    StringConversionHost small, capital;
    small.cliche = u"касса";
    capital.cliche = u"КАССА";
    const ModelEntry &ladoga = *findModel(u"Ладога Ф/К");
    runConversion(ladoga, small);
    runConversion(ladoga, capital);
    EXPECT_NE(small.document, capital.document); // the echo shows what was typed
    EXPECT_EQ(small.cliche, u"         касса\r\n");
    EXPECT_NE(small.document.find(u"строка: 32_32_32_32_32_32_32_32_32_138_128_145_145_128_\r\n"),
              std::u16string::npos);
}

} // namespace
