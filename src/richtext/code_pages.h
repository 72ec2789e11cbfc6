#pragma once

#include <QByteArrayView>
#include <QString>

#include <array>
#include <map>
#include <memory>

class QStringDecoder;

namespace pelmark::richtext {

// The Windows code page that an RTF \fcharset value names, or 0 when it names none.
int codePageForCharset(int charset);

// Decodes bytes in Windows and DOS code pages. Single-byte pages go through a 256-entry table
// built once per page; double-byte pages (932, 936, 949, 950, ...) through the system's converter,
// a whole run of bytes at a time so that lead and trail bytes stay together.
class CodePageDecoder final {
public:
    CodePageDecoder();
    ~CodePageDecoder();
    CodePageDecoder(const CodePageDecoder &) = delete;
    CodePageDecoder &operator=(const CodePageDecoder &) = delete;

    void decode(int codePage, QByteArrayView bytes, QString &out);

private:
    struct Page {
        std::unique_ptr<QStringDecoder> converter;
        std::array<char16_t, 256> table{};
        bool singleByte = false;
    };
    Page &page(int codePage);

    std::map<int, Page> m_pages;
};

} // namespace pelmark::richtext
