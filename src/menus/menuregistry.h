#pragma once

// The menu registry: every menu and command of the main window lives here. The menu bar is
// declared once, in its order; each subsystem adds its commands with a name, a stored
// caption (its markers parsed), a display map, a shortcut and an enabling rule, and keeps
// the handles it gets back. Every handler runs inside the command guard. The registry
// enables and disables the items from their rules whenever the editor's text, selection,
// the clipboard or the current document change, so the order in which the subsystems are
// created does not matter.

#include "menus/menucaption.h"

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QPoint;
class QWidget;

// When a command can be chosen.
enum class EnableRule {
    Always,
    NeedsText,          // the editor holds text
    NeedsSelection,     // something is selected
    NeedsClipboardText, // the clipboard holds text
    NeedsDocument,      // a document is shown in the editor
    Manual,             // its subsystem enables and disables it itself
};

// What the rules look at.
struct CommandState
{
    bool hasText = false;
    bool hasSelection = false;
    bool clipboardHasText = false;
    bool hasDocument = false;

    bool operator==(const CommandState&) const = default;
};

struct CommandSpec
{
    const char* name; // the item's name, unique: "mnuOpen", "mnuens0", ...
    QString caption;  // the stored caption, markers included
    DisplayMapKind map = DisplayMapKind::GeorgianIso;
    QKeySequence shortcut = {};
    EnableRule rule = EnableRule::Always;
};

class MenuRegistry;

// Items whose captions are set at run time (templates, recent files): shown verbatim,
// never parsed. Choosing item i runs the list's handler with i; item i is named
// "name(i)".
class MenuItemList
{
public:
    void setItems(const QStringList& captions);
    int count() const { return int(m_actions.size()); }
    QAction* item(int index) const { return m_actions.value(index); }

private:
    friend class MenuRegistry;
    MenuItemList(MenuRegistry& registry, QMenu& menu, const char* name, DisplayMapKind map,
                 std::function<void(int)> handler);

    MenuRegistry& m_registry;
    QMenu& m_menu;
    QString m_name;
    DisplayMapKind m_map;
    std::function<void(int)> m_handler;
    QList<QAction*> m_actions;
};

class MenuRegistry : public QObject
{
    Q_OBJECT

public:
    // Makes every menu of the program (declared once, in menuregistry.cpp) and puts the
    // bar's menus on bar in their order; pop-up menus and shortcuts belong to owner.
    MenuRegistry(QMenuBar& bar, QWidget& owner);
    ~MenuRegistry() override;

    // A menu by its name: one of the bar ("mnuFile", "mnuEdit", "mnuformat", "mnuExtras",
    // "mnuena", "mnuHelp"), a sub-menu or a pop-up menu. A menu without items stays hidden.
    QMenu& menu(const char* name) const;
    // Every menu of the program: the bar's, the sub-menus and the pop-ups.
    QList<QMenu*> menus() const { return m_menus.values(); }
    // Puts the sub-menu as the next item of parent, enabled by rule.
    QMenu& placeSubmenu(QMenu& parent, const char* name, EnableRule rule = EnableRule::Always);
    QAction* add(QMenu& menu, const CommandSpec& spec, std::function<void()> handler);
    // A separator; its stored caption may carry a text.
    void addSeparator(QMenu& menu, const QString& caption = QString());
    // The run-time items of a menu, placed after what the menu holds now.
    MenuItemList& itemList(QMenu& menu, const char* name, DisplayMapKind map,
                           std::function<void(int)> handler);

    // Opens a pop-up menu at a point of the screen; a menu without items does not open.
    void popUp(const char* name, const QPoint& globalPosition) const;

    // A command by its name. An unknown name is a fault of the program: it stops the test
    // build, and gives nothing in the released program.
    QAction* action(const char* name) const;
    // The parsed caption of an item the registry added; nothing for other actions.
    const MenuCaption* caption(const QAction* action) const;

    // Enables and disables the items whose rule looks at something that changed.
    void update(const CommandState& state);
    // Whether any item follows the clipboard (asking the clipboard can cost a round trip to
    // the display server).
    bool followsClipboard() const;

private:
    friend class MenuItemList;
    QAction* registerAction(QAction* action, const QString& name, const QString& caption,
                            DisplayMapKind map, EnableRule rule);
    void moveToRule(QAction* action, EnableRule rule);
    void showMenuOf(QMenu& menu);
    bool ruleHolds(EnableRule rule) const;
    static bool ruleHolds(EnableRule rule, const CommandState& state);

    QWidget& m_owner;
    QHash<QString, QAction*> m_actions;
    QHash<QString, QMenu*> m_menus;
    QHash<const QAction*, MenuCaption> m_captions;
    std::array<QList<QAction*>, 6> m_byRule; // by EnableRule
    std::vector<std::unique_ptr<MenuItemList>> m_itemLists;
    CommandState m_state;
};
