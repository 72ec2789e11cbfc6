// A load that runs out of memory half-way leaves the document as it was. The failure is made
// real: this test program's operator new refuses one large request once it is armed.
#include "file_helpers.h"
#include "workspace_fixture.h"

#include <cstdlib>
#include <new>

namespace {

bool g_failLargeAllocation = false;
constexpr std::size_t kLarge = std::size_t(256) * 1024;

void *allocate(std::size_t size)
{
    if (g_failLargeAllocation && size >= kLarge) {
        g_failLargeAllocation = false;
        throw std::bad_alloc();
    }
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

} // namespace

void *operator new(std::size_t size)
{
    return allocate(size);
}
void *operator new[](std::size_t size)
{
    return allocate(size);
}
// Every plain form is replaced, nothrow ones included, so that what one form allocates any
// other may free.
void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    return std::malloc(size ? size : 1);
}
void *operator new[](std::size_t size, const std::nothrow_t &) noexcept
{
    return std::malloc(size ? size : 1);
}
void operator delete(void *p, const std::nothrow_t &) noexcept
{
    std::free(p);
}
void operator delete[](void *p, const std::nothrow_t &) noexcept
{
    std::free(p);
}
void operator delete(void *p) noexcept
{
    std::free(p);
}
void operator delete[](void *p) noexcept
{
    std::free(p);
}
void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete[](void *p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

TEST_F(WorkspaceTest, LoadThatRunsOutOfMemoryHalfWayLeavesTheDocumentAsItWas)
{
    writeHelp();
    start();
    activeBox().setText(QStringLiteral("my work"));
    const QString captionBefore = caption(main().activeDocument());
    // Text goes into the new document first; a second font table far down then asks for a
    // large table of fonts, which is refused.
    writeAll(path("big.rtf"),
             "{\\rtf1{\\fonttbl{\\f0 Arial;}}Loaded text\\par{\\fonttbl{\\f16000 Big;}}more}");
    m_dialog.fileAnswers = {path("big.rtf")};
    g_failLargeAllocation = true;
    trigger("mnuFileOpen");
    EXPECT_FALSE(g_failLargeAllocation) << "the load never asked for the large table";
    ASSERT_EQ(m_dialog.messages().size(), 1);
    EXPECT_TRUE(m_dialog.messages().front().contains(QStringLiteral("памяти")))
        << m_dialog.messages().front().toStdString();
    EXPECT_EQ(activeBox().text(), QStringLiteral("my work"));
    EXPECT_EQ(caption(main().activeDocument()), captionBefore);

    // The program goes on: the same file opens once memory is there.
    m_dialog.fileAnswers = {path("big.rtf")};
    trigger("mnuFileOpen");
    EXPECT_EQ(activeBox().text(), QStringLiteral("Loaded text\r\nmore"));
    EXPECT_EQ(caption(main().activeDocument()), path("big.rtf"));
}

// A command that runs out of memory stops there: a message, every document as it was, and the
// program goes on.
TEST_F(WorkspaceTest, CommandThatRunsOutOfMemoryStopsWithAMessage)
{
    writeHelp();
    start();
    const QStringList captionsBefore = captions();
    const QString instructions = main().documents().front()->textBox()->text();
    // Over 100 lines are coded as typed: 30,000 characters ask for one large buffer of tokens.
    QString cliche;
    for (int line = 0; line < 101; ++line)
        cliche += QString(line ? QStringLiteral("\r\n") : QString()) + QString(300, QLatin1Char('A'));
    main().clicheWindow().setText(cliche);
    g_failLargeAllocation = true;
    trigger("mnuAMC100k");
    EXPECT_FALSE(g_failLargeAllocation) << "the conversion never asked for a large buffer";
    ASSERT_EQ(m_dialog.messages().size(), 1);
    EXPECT_TRUE(m_dialog.messages().front().contains(QStringLiteral("памяти")))
        << m_dialog.messages().front().toStdString();
    EXPECT_EQ(captions(), captionsBefore);
    EXPECT_EQ(main().documents().front()->textBox()->text(), instructions);

    trigger("mnuFileNew");
    EXPECT_EQ(captions().size(), captionsBefore.size() + 1);
}

} // namespace
