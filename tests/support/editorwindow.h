#pragma once

// A shown, active main window with the focus in its editor. Keys go through the whole
// pipeline the program uses: the editor control's key hooks, the window's handlers of the
// editor's events and the language mode's key rewriting. Text is read back as the bytes
// the program holds (a line break is CR LF).

#include "app/frmh.h"
#include "app/startup.h"
#include "conversions/bytes.h"
#include "core/progprops.h"
#include "documents/documentstate.h"
#include "menus/menuregistry.h"
#include "platform/casefold.h"
#include "platform/editorcontrol.h"
#include "support/framecontrols.h"
#include "support/testfolders.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

class EditorWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        Props = ProgProps{};
        ThisRun = RunState{};
        CaseFold::setRussianPairs(false);
        window = std::make_unique<FrmH>();
        window->showPlain();
        window->resize(1000, 700);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        editor = frameOf(*window).T1;
        editor->setFocus();
        QApplication::processEvents();
    }

    void TearDown() override
    {
        window.reset();
        Props = ProgProps{};
        CaseFold::setRussianPairs(false);
    }

    // Fills the editor as the program does when it loads a text: no edit of the user's.
    void load(const QString& byteText)
    {
        const DocumentState::TextLoading loading(window->documents());
        editor->setText(byteText);
    }

    void key(Qt::Key pressed, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(editor, pressed, modifiers);
    }

    // Types ASCII characters as the keys that carry them.
    void typeKeys(const char* ascii)
    {
        for (const char* c = ascii; *c; ++c)
            QTest::keyClick(editor, *c);
    }

    // Types characters as a keyboard in another layout does (QTest::keyClicks cannot send
    // characters beyond Latin-1): keys Qt has no name for, carrying the character.
    void typeShown(const QString& characters)
    {
        for (const QChar c : characters)
            QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    QAction* action(const char* name) const { return window->registry().action(name); }
    QMenu* menu(const char* name) const { return &window->registry().menu(name); }
    QString panel(const char* key) const { return frameOf(*window).panel(key); }

    // The popup menu that what does shows (nullptr for none). Every popup is closed again,
    // also one that runs its own event loop.
    static QWidget* popupShownBy(const std::function<void()>& what)
    {
        QWidget* seen = nullptr;
        bool looked = false;
        QTimer::singleShot(0, [&] {
            seen = QApplication::activePopupWidget();
            looked = true;
            while (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
        });
        what();
        for (int round = 0; round < 100 && !looked; ++round)
            QApplication::processEvents();
        return seen;
    }

    TestFolders folders;
    std::unique_ptr<FrmH> window;
    EditorControl* editor = nullptr;
};
