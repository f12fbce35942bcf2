#pragma once

// The search subsystem's windows on a command context without the main window: a real
// editor, tree of open files and menus, the documents' commands, the editor's one
// subscriber, scripted answers and a temporary program folder.

#include "conversions/bytes.h"
#include "documents/documentcommands.h"
#include "documents/documentstate.h"
#include "documents/treecommands.h"
#include "editor/editorevents.h"
#include "platform/casefold.h"
#include "platform/displaymap.h"
#include "platform/editorcontrol.h"
#include "search/searchcommands.h"
#include "support/fakecontext.h"
#include "support/scriptedprompts.h"
#include "support/testfolders.h"

#include <QTest>

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

class SearchWindows : public testing::Test
{
protected:
    SearchWindows()
    {
        context.parts.documents = &documents;
        context.parts.search = &search;
    }
    void TearDown() override { CaseFold::setRussianPairs(false); }

    static QString Q(const char* latin) { return QString::fromLatin1(latin); }
    // What a Latin-key Georgian text looks like on screen.
    static QString keysShown(const QString& latinKeys)
    {
        return DisplayMap::get(DisplayMapKind::GeorgianKeys).toShown(latinKeys);
    }

    template <class Control> static Control* control(const QObject* window, const char* name)
    {
        Control* found = window->findChild<Control*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    template <class Button> static void click(const QObject* window, const char* name)
    {
        control<Button>(window, name)->click();
    }

    // Text documents without files, titled and holding their texts, listed in the tree; the
    // last one is shown.
    void openDocuments(std::initializer_list<std::pair<const char*, const char*>> documentsByTitle)
    {
        for (const auto& [title, text] : documentsByTitle)
            context.state.appendShown(Q(text), FilePath(), Q(title), false);
        documents.tree().Treefulen();
    }
    // The user types at the caret of the editor.
    void typeIntoEditor(const char* text) { QTest::keyClicks(context.T1, QLatin1String(text)); }
    const Ithem& item(qint16 index) const { return context.state.Docs().Item(index); }

    TestFolders folders;
    ScriptedPrompts answers;
    FakeContext context;
    DocumentCommands documents{context};
    EditorEvents events{context};
    SearchCommands search{context};
};
