#pragma once

#include "cliche_input_window.h"
#include "document_window.h"
#include "main_window.h"
#include "rich_text_box.h"
#include "scripted_dialog.h"
#include "startup.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

// The whole program started in-process, offscreen, with a scripted dialog object, settings in a
// file of the test's own, and "Help.rtf" looked for in the test's own folder.
class WorkspaceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_previousFolder = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        m_settings =
            std::make_unique<QSettings>(m_dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    }

    void TearDown() override
    {
        m_window.reset();
        QDir::setCurrent(m_previousFolder);
    }

    static QByteArray helpRtf()
    {
        return QByteArrayLiteral("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'ee\\'ec\\'ee\\'f9\\'fc}");
    }

    void writeHelp() const
    {
        QFile file(m_dir.filePath(QStringLiteral("Help.rtf")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(helpRtf());
    }

    pelmark::workspace::MainWindow &start()
    {
        pelmark::workspace::WorkspaceContext context;
        context.settings = m_settings.get();
        context.dialog = &m_dialog;
        context.helpFolders = {m_dir.path()};
        m_window = pelmark::workspace::startPelmark(context);
        QApplication::processEvents();
        return *m_window;
    }

    pelmark::workspace::MainWindow &main() { return *m_window; }
    QAction *action(const char *name) const { return m_window->findChild<QAction *>(QLatin1String(name)); }
    void trigger(const char *name)
    {
        QAction *a = action(name);
        ASSERT_NE(a, nullptr) << name;
        a->trigger();
        QApplication::processEvents();
    }
    // The action behind the toolbar button named `key` ("Bold", "New").
    QAction *button(const char *key) const
    {
        auto *tool = m_window->toolBar()->findChild<QToolButton *>(QLatin1String(key));
        return tool ? tool->defaultAction() : nullptr;
    }
    QString caption(const pelmark::workspace::DocumentWindow *document) const { return document->caption(); }
    QStringList captions() const
    {
        QStringList out;
        for (const auto *document : m_window->documents())
            out << caption(document);
        return out;
    }
    pelmark::richtext::RichTextBox &activeBox() { return *m_window->activeDocument()->textBox(); }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QString m_previousFolder;
    std::unique_ptr<QSettings> m_settings;
    ScriptedDialog m_dialog;
    std::unique_ptr<pelmark::workspace::MainWindow> m_window;
};
