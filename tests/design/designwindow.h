#pragma once

// The design windows on a command context without the main window: a real editor, tree,
// documents and menus, the editor's events reaching the documents, the preview's values,
// scripted answers and a fresh program folder.

#include "core/previewvalues.h"
#include "design/designtext.h"
#include "documents/documentcommands.h"
#include "documents/documentstate.h"
#include "editor/editorevents.h"
#include "platform/editorcontrol.h"
#include "support/fakecontext.h"
#include "support/scriptedprompts.h"
#include "support/testfolders.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

class DesignWindow : public testing::Test
{
protected:
    DesignWindow()
    {
        window.parts.documents = &commands;
        window.parts.previewValues = &preview;
    }

    DocumentState& state() { return window.state; }
    const Ithem& item(qint16 index) { return state().Docs().Item(index); }
    QString editorText() const { return window.T1->Text(); }
    // Fills the editor as the program does when it loads a text: no edit of the user's.
    void load(const QString& text)
    {
        const DocumentState::TextLoading loading(state());
        window.T1->setText(text);
    }
    // Writes a file into the temporary folder and gives its path.
    QString file(const QString& name, const QByteArray& content)
    {
        const QString path = folders.root() + QLatin1Char('/') + name;
        writeFile(path, content);
        return path;
    }

    // A control of a window by its name; the test fails without one.
    template <class Control> static Control* control(const QWidget& owner, const QString& name)
    {
        auto* found = owner.findChild<Control*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    // What the program was asked, of one kind.
    QStringList asked(const char* kind) const
    {
        QStringList questions;
        for (const ScriptedPrompts::Question& question : answers.asked()) {
            if (question.kind == QLatin1String(kind))
                questions << question.prompt + question.filter;
        }
        return questions;
    }

    TestFolders folders;
    ScriptedPrompts answers;
    FakeContext window;
    DocumentCommands commands{window};
    EditorEvents events{window};
    PreviewValues preview;
};
