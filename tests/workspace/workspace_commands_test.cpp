// The command handlers and the command table on their own, against a small workspace of real
// document windows, without the main window.
#include "cliche_input_window.h"
#include "command_table.h"
#include "document_window.h"
#include "rich_text_box.h"
#include "scripted_dialog.h"
#include "workspace.h"
#include "workspace_commands.h"

#include <gtest/gtest.h>

#include <QPrinter>

#include <map>
#include <memory>
#include <set>
#include <string>

using namespace pelmark::workspace;

namespace {

class SmallWorkspace final : public Workspace {
public:
    DocumentWindow *activeDocument() const override
    {
        return m_documents.empty() ? nullptr : m_documents.back().get();
    }
    DocumentWindow *newNumberedDocument() override
    {
        m_documents.push_back(std::make_unique<DocumentWindow>());
        return m_documents.back().get();
    }
    bool loadFile(DocumentWindow &document, const QString &path) override
    {
        return document.textBox()->loadFile(path);
    }
    bool loadHelp(DocumentWindow &) override { return false; }
    CommonDialog &dialog() const override { return m_dialog; }
    QPrinter &printer() override { return m_printer; }
    QString searchWord() const override { return m_searchWord; }
    void setSearchWord(const QString &word) override { m_searchWord = word; }
    bool isPressed(Command command) const override
    {
        return m_pressed.count(command) && m_pressed.at(command);
    }
    void setPressed(Command command, bool pressed) override { m_pressed[command] = pressed; }
    void updateFormatButtons() override
    {
        setPressed(Command::Bold, activeDocument()->textBox()->selBold() == true);
    }
    pelmark::input::ClicheInputWindow &clicheWindow() override { return m_cliche; }
    void showClicheWindow() override {}
    void showPreviewWindow() override {}
    void arrange(Arrangement arrangement) override { arrangements.push_back(arrangement); }
    void setToolBarVisible(bool visible) override { toolBarVisible = visible; }
    void exit() override { exited = true; }

    std::vector<Arrangement> arrangements;
    bool toolBarVisible = true;
    bool exited = false;
    mutable ScriptedDialog m_dialog;

private:
    std::vector<std::unique_ptr<DocumentWindow>> m_documents;
    QPrinter m_printer;
    QString m_searchWord;
    std::map<Command, bool> m_pressed;
    pelmark::input::ClicheInputWindow m_cliche;
};

TEST(WorkspaceCommands, FindStoresTheWordAndFindNextMovesOnFromTheMatch)
{
    SmallWorkspace workspace;
    WorkspaceCommands commands(workspace);
    workspace.newNumberedDocument()->textBox()->setText(QStringLiteral("мир Мир мир"));
    workspace.m_dialog.promptAnswers.push_back(QStringLiteral("МИР"));
    commands.find();
    EXPECT_EQ(workspace.searchWord(), QStringLiteral("МИР"));
    pelmark::richtext::RichTextBox &box = *workspace.activeDocument()->textBox();
    EXPECT_EQ(box.selStart(), 0);
    commands.findNext();
    EXPECT_EQ(box.selStart(), 4);
    commands.findNext();
    EXPECT_EQ(box.selStart(), 8);
    EXPECT_EQ(box.selLength(), 3);
}

TEST(WorkspaceCommands, FormattingWithoutADocumentReleasesItsButtons)
{
    SmallWorkspace workspace;
    WorkspaceCommands commands(workspace);
    for (Command command : {Command::Bold, Command::AlignLeft, Command::AlignCenter, Command::AlignRight})
        workspace.setPressed(command, true);
    commands.bold();
    commands.alignCenter();
    for (Command command : {Command::Bold, Command::AlignLeft, Command::AlignCenter, Command::AlignRight})
        EXPECT_FALSE(workspace.isPressed(command)) << int(command);

    workspace.newNumberedDocument()->textBox()->setText(QStringLiteral("жирный"));
    workspace.activeDocument()->textBox()->selectAll();
    commands.bold();
    EXPECT_EQ(workspace.activeDocument()->textBox()->selBold(), true);
    EXPECT_TRUE(workspace.isPressed(Command::Bold));
}

TEST(WorkspaceCommands, WindowCommandsReachTheWorkspace)
{
    SmallWorkspace workspace;
    WorkspaceCommands commands(workspace);
    commands.tileVertically();
    commands.cascade();
    EXPECT_EQ(workspace.arrangements,
              (std::vector{Workspace::Arrangement::TileVertical, Workspace::Arrangement::Cascade}));
    workspace.setPressed(Command::ViewToolbar, false);
    commands.showOrHideToolBar();
    EXPECT_FALSE(workspace.toolBarVisible);
    commands.exit();
    EXPECT_TRUE(workspace.exited);
}

// Every command has a place to be chosen from, and no two actions or buttons share a name.
TEST(CommandTable, EveryCommandIsPlacedAndNamedOnce)
{
    std::set<Command> placed;
    std::set<std::string> names;
    for (const MenuLayout &menu : menuBarLayout()) {
        EXPECT_TRUE(names.insert(menu.objectName).second) << menu.objectName;
        for (const MenuEntry &entry : menu.entries) {
            if (entry.kind == MenuEntry::Kind::Action)
                EXPECT_TRUE(placed.insert(entry.command).second) << commandSpec(entry.command).objectName;
            else
                EXPECT_TRUE(names.insert(entry.objectName).second) << entry.objectName;
        }
    }
    for (const std::optional<Command> &entry : toolBarLayout()) {
        if (entry) {
            placed.insert(*entry);
            EXPECT_NE(commandSpec(*entry).toolKey, nullptr) << commandSpec(*entry).objectName;
        }
    }
    for (const CommandSpec &row : commandTable()) {
        EXPECT_TRUE(placed.count(row.command)) << row.objectName;
        EXPECT_NE(row.handler, nullptr) << row.objectName;
        EXPECT_TRUE(names.insert(row.objectName).second) << row.objectName;
    }
}

} // namespace
