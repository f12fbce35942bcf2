#pragma once

// The main window's handlers of the editor's events: the menus that follow the text and
// the selection, automatic indentation and block indentation, the Alt
// shortcuts of the tag toolbar, the context menus, the status panels and the decoded view
// of the selection, and the timer that enables Paste.

#include <QList>
#include <QObject>
#include <QStringList>

class FrmH;
class QAction;
class QPoint;
class QTimer;

class EditorEvents : public QObject
{
    Q_OBJECT

public:
    explicit EditorEvents(FrmH& window);

    void T1_Change();
    void T1_KeyDown(int& keyCode, int shift);
    void T1_MouseDown(int button, int shift, const QPoint& position);
    void T1_SelChange();
    void TM1_Timer();
    // Enables or disables every menu that needs a selection.
    void TR_fals(qint16 hasSelection);

    // The menus that need text in the editor are enabled (they start disabled).
    qint16 TextMenusOn = 0;
    QTimer* TM1;

private:
    QList<QAction*> menuItems(const QStringList& names) const;
    static void setEnabled(const QList<QAction*>& items, bool enabled);
    void popUp(const char* menuName, const QPoint& globalPosition);

    FrmH& m_window;
    const QList<QAction*> m_textMenus;
    const QList<QAction*> m_selectionMenus;
    const QList<QAction*> m_pasteMenu;
};
