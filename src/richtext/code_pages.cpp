#include "code_pages.h"

#include <QStringDecoder>

#include <algorithm>

namespace pelmark::richtext {
namespace {

const char *converterName(int codePage)
{
    switch (codePage) {
    case 437: return "IBM437";
    case 850: return "IBM850";
    case 866: return "IBM866";
    case 874: return "windows-874";
    case 932: return "windows-31j";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 1250: return "windows-1250";
    case 1251: return "windows-1251";
    case 1252: return "windows-1252";
    case 1253: return "windows-1253";
    case 1254: return "windows-1254";
    case 1255: return "windows-1255";
    case 1256: return "windows-1256";
    case 1257: return "windows-1257";
    case 1258: return "windows-1258";
    case 1361: return "johab";
    case 10000: return "macintosh";
    default: return nullptr;
    }
}

bool isDoubleByte(int codePage)
{
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950 || codePage == 1361;
}

} // namespace

int codePageForCharset(int charset)
{
    switch (charset) {
    case 0: return 1252;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return 0; // 1 (default), 2 (symbol) and unknown sets fall back to the document's page
    }
}

CodePageDecoder::CodePageDecoder() = default;
CodePageDecoder::~CodePageDecoder() = default;

CodePageDecoder::Page &CodePageDecoder::page(int codePage)
{
    auto found = m_pages.find(codePage);
    if (found != m_pages.end())
        return found->second;

    Page &page = m_pages[codePage];
    const char *name = converterName(codePage);
    auto converter =
        std::make_unique<QStringDecoder>(name ? name : "windows-1252", QStringConverter::Flag::Stateless);
    if (!converter->isValid())
        converter = std::make_unique<QStringDecoder>(QStringConverter::Latin1);
    if (isDoubleByte(codePage)) {
        page.converter = std::move(converter);
        return page;
    }
    page.singleByte = true;
    for (int byte = 0; byte < 256; ++byte) {
        const char c = char(byte);
        const QString decoded = converter->decode(QByteArrayView(&c, 1));
        page.table[std::size_t(byte)] = decoded.size() == 1 ? decoded.front().unicode() : u'\uFFFD';
    }
    return page;
}

void CodePageDecoder::decode(int codePage, QByteArrayView bytes, QString &out)
{
    // Every page we read agrees with ASCII below 0x80; font names and most text need no
    // converter set up.
    if (std::all_of(bytes.begin(), bytes.end(), [](char byte) { return uchar(byte) < 0x80; })) {
        out += QLatin1StringView(bytes);
        return;
    }
    Page &p = page(codePage);
    if (p.singleByte) {
        for (char byte : bytes)
            out += QChar(p.table[static_cast<unsigned char>(byte)]);
        return;
    }
    out += p.converter->decode(bytes);
}

} // namespace pelmark::richtext
