#pragma once

// A user at the program's own box: while it lives the questions are asked in the real box
// (BoxPrompts), and each showing of the box gets the next action, in order. A showing with
// no action left, or one that an action leaves open, fails the test and is closed, so
// that no test hangs on a modal box.

#include "core/boxprompts.h"
#include "core/frmboxa.h"
#include "platform/filedialogstart.h"

#include <QEvent>
#include <QKeyEvent>
#include <QList>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

class OwnBoxUser : public QObject
{
public:
    using Action = std::function<void(frmBOXa& box)>;

    explicit OwnBoxUser(QList<Action> actions)
        : m_actions(std::move(actions)), m_previous(installPrompts(&m_prompts))
    {
        BOXa().installEventFilter(this);
    }
    ~OwnBoxUser() override
    {
        BOXa().removeEventFilter(this);
        installPrompts(m_previous);
        EXPECT_TRUE(m_actions.isEmpty()) << m_actions.size() << " showings of the box missing";
    }

    // The box's title at each showing.
    const QStringList& titles() const { return m_titles; }

    static Action click(int button)
    {
        return [button](frmBOXa& box) {
            QTest::mouseClick(
                box.findChild<QPushButton*>(QStringLiteral("CB") + QString::number(button)),
                Qt::LeftButton);
        };
    }
    // Enter, where the keyboard's focus is.
    static Action pressEnter()
    {
        return [](frmBOXa& box) {
            QWidget* focus = box.focusWidget() ? box.focusWidget() : &box;
            QTest::keyClick(focus, Qt::Key_Return);
        };
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            QTimer::singleShot(0, this, [this] { answer(BOXa()); });
        return QObject::eventFilter(watched, event);
    }

private:
    void answer(frmBOXa& box)
    {
        m_titles << box.windowTitle();
        if (m_actions.isEmpty())
            ADD_FAILURE() << "an unexpected showing of the box";
        else
            m_actions.takeFirst()(box);
        if (box.isVisible()) {
            ADD_FAILURE() << "the box stayed open";
            box.reject();
        }
    }

    QList<Action> m_actions;
    FileDialogStart m_dialogStart;
    BoxPrompts m_prompts{m_dialogStart};
    Prompts* m_previous;
    QStringList m_titles;
};
