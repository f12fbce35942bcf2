#pragma once

// The editor's view without the main window: a shown, active frame with the tag toolbar
// above the editor, the colouring, the CSS list, scripted pickers and the editor's one
// subscriber, so that keys and clicks go through the program's own handlers.

#include "conversions/conversionmenus.h"
#include "core/pickers.h"
#include "core/progprops.h"
#include "documents/documentcommands.h"
#include "documents/documentstate.h"
#include "editor/colouring.h"
#include "editor/editorevents.h"
#include "editor/listcss.h"
#include "support/fakecontext.h"
#include "tags/phtbar.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

// Answers every picker with `answer` and records where each opened.
struct FakePickers : Pickers
{
    QString colorload(const QPoint& at) override { return asked(at); }
    QString tabload(const QPoint& at) override { return asked(at); }
    QString asos(const QPoint& at) override { return asked(at); }
    void in_brovzer() override { ++previews; }
    QString asked(const QPoint& at)
    {
        points << at;
        return answer;
    }

    QString answer;
    QList<QPoint> points;
    int previews = 0;
};

class EditorViewTest : public testing::Test
{
protected:
    EditorViewTest()
    {
        Props = ProgProps{};
        Subsystems& parts = context.parts;
        parts.documents = &documents;
        parts.conversions = &conversions;
        parts.colouring = &colouring;
        parts.toolbar = &bar;
        parts.cssList = &list;
        parts.pickers = &pickers;
        context.frame.setGeometry(0, 0, 760, 460);
        bar.setGeometry(0, 0, 700, 30);
        context.T1->setGeometry(10, 40, 600, 300);
        context.frame.show();
        context.frame.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&context.frame));
        context.T1->setFocus();
    }
    ~EditorViewTest() override { Props = ProgProps{}; }

    EditorControl& editor() { return *context.T1; }

    // Text the program loads, then a selection in it.
    void load(const QString& byteText, qint32 selStart = 0, qint32 selLength = 0)
    {
        {
            const DocumentState::TextLoading loading(context.state);
            editor().setText(byteText);
        }
        editor().setSelection(selStart, selLength);
    }

    FakeContext context;
    DocumentCommands documents{context};
    ConversionMenus conversions{context};
    Colouring colouring{context};
    PHTbar bar{context, &context.frame};
    ListCSS list{context};
    FakePickers pickers;
    EditorEvents events{context};
};
