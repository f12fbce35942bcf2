#pragma once

// The document and project commands on a command context without the main window: a real editor,
// tree and menus, with the frame's other services recorded; scripted answers and a
// temporary folder.

#include "documents/documentcommands.h"
#include "documents/opencommands.h"
#include "documents/opentreeview.h"
#include "documents/savecommands.h"
#include "documents/treecommands.h"
#include "editor/editorevents.h"
#include "invariants.h"
#include "platform/editorcontrol.h"
#include "projects/projectcommands.h"
#include "support/fakecontext.h"
#include "support/recordingshell.h"
#include "support/scriptedprompts.h"
#include "support/testfolders.h"

#include <QTreeWidget>

#include <gtest/gtest.h>

class Commands : public testing::Test
{
protected:
    Commands()
    {
        window.parts.documents = &commands;
        window.parts.projects = &projects;
    }

    // Whatever a test did last, the document rules hold afterwards.
    void TearDown() override { EXPECT_TRUE(rulesHold()); }

    DocumentState& state() { return commands.state(); }
    const Ithem& item(qint16 index) { return state().Docs().Item(index); }
    QString editorText() const { return window.T1->Text(); }
    testing::AssertionResult rulesHold() { return documentRulesHold(state(), editorText()); }

    QString path(const QString& name) const { return folders.root() + QLatin1Char('/') + name; }
    // Writes a file into the temporary folder and gives its path.
    QString file(const QString& name, const QByteArray& content)
    {
        writeFile(path(name), content);
        return path(name);
    }
    // A path that cannot be written: its folder would lie below a plain file.
    QString unwritable(const QString& name)
    {
        writeFile(path(QStringLiteral("blocker")), "a file, not a folder");
        return path(QStringLiteral("blocker/sub/") + name);
    }
    // The user types at the end of the editor's text.
    void type(const QString& text)
    {
        window.T1->setSelStart(window.T1->TextLength());
        window.T1->setSelText(text);
    }
    // The file node tagged with a document's index.
    QTreeWidgetItem* node(qint16 index)
    {
        for (QTreeWidgetItemIterator it(window.TV); *it; ++it) {
            if (OpenFilesTreeView::tagOf(*it) == index)
                return *it;
        }
        return nullptr;
    }
    // Opens files one after another through ofnen.
    void open(std::initializer_list<QString> paths)
    {
        for (const QString& each : paths)
            commands.opening().ofnen(FilePath(each));
    }

    bool saveEnabled() const { return window.enabled("mnuSave"); }
    bool saveAsEnabled() const { return window.enabled("mnuSaveas"); }

    TestFolders folders;
    RecordingShell shell;
    FakeContext window;
    DocumentCommands commands{window};
    ProjectCommands projects{commands, window};
    // The editor's events reach the documents through their one subscriber.
    EditorEvents events{window};
};
