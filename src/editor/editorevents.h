#pragma once

// The one subscriber to the editor's events: its change, selection, key, mouse and focus
// events reach the subsystems from here, in one declared order, so that no behaviour
// depends on which object was connected first. Its own handlers give the menus their
// enabling state, indent lines on Enter and Tab, open the context menus, fill the status
// panels and the decoded view of the selection, and enable Paste while the clipboard holds
// text.

#include "menus/menuregistry.h"

#include <QObject>

class CommandContext;
class QPoint;
class QTimer;

class EditorEvents : public QObject
{
    Q_OBJECT

public:
    explicit EditorEvents(CommandContext& context);

    void T1_Change();
    void T1_KeyDown(int& keyCode, int shift);
    void T1_KeyPress(int& keyAscii);
    void T1_KeyUp(int& keyCode, int shift);
    void T1_MouseDown(int button, int shift, const QPoint& position);
    void T1_SelChange();
    void T1_GotFocus();
    void TM1_Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateCommands();
    void popUp(const char* menuName, const QPoint& globalPosition);
    // The tag toolbar's button for an Alt shortcut.
    void pressToolbarButton(int toolbarCode);
    void hideCssList();

    CommandContext& m_context;
    CommandState m_state;
    QTimer* TM1;
};
