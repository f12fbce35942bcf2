#pragma once

// The document commands on a stand-in main window: a real editor and tree, with the
// window's other services recorded; scripted answers and a temporary folder.

#include "documents/documentcommands.h"
#include "documents/documentwindow.h"
#include "documents/opentreeview.h"
#include "invariants.h"
#include "platform/editorcontrol.h"
#include "support/recordingshell.h"
#include "support/scriptedprompts.h"
#include "support/testfolders.h"

#include <QTreeWidget>

#include <gtest/gtest.h>

class TestWindow : public DocumentWindow
{
public:
    TestWindow() : T1(new EditorControl(&frame)), TV(new QTreeWidget(&frame)) {}

    QWidget& owner() override { return frame; }
    EditorControl& editor() override { return *T1; }
    QTreeWidget& tree() override { return *TV; }
    void setCaption(const QString& text) override { caption = text; }
    void showTreePage() override { ++treePageShown; }
    void showSidePanel() override { ++sidePanelShown; }
    void enableSave(bool enabled) override { saveEnabled = enabled; }
    void enableSaveAs(bool enabled) override { saveAsEnabled = enabled; }
    bool ctrlDown() const override { return ctrl; }
    bool linesUnwrapped() const override { return false; }
    void showPicture(const QString& path) override { pictures << path; }
    void writePageSkeleton() override { T1->setText(QStringLiteral("<HTML>\r\n</HTML>")); }

    QWidget frame;
    EditorControl* T1;
    QTreeWidget* TV;
    QString caption;
    int treePageShown = 0;
    int sidePanelShown = 0;
    bool saveEnabled = false;
    bool saveAsEnabled = false;
    bool ctrl = false;
    QStringList pictures;
};

class Commands : public testing::Test
{
protected:
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
            commands.ofnen(each);
    }

    TestFolders folders;
    RecordingShell shell;
    TestWindow window;
    DocumentCommands commands{window};
};
