#pragma once

// The main window's menus as the program draws them. When a menu is about to open, each of
// its items gets a record made from its stored caption: its text, its help number, a check
// or a mark look and the icon its help number names. A style draws the items from their
// records, and each highlighted item's help goes to the window's help object. Nothing of
// the window is replaced: the menus' own signals (about to show, hovered, about to hide)
// drive it all. The bar's items keep their records from installation to removal; a pop-up's
// records are made each time it opens and released when the last menu closes, so an item
// changed at run time is read afresh.

#include <QColor>
#include <QFlags>
#include <QFont>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <unordered_map>

class MenuImageList;
class MenuRegistry;
class QAction;
class QMainWindow;
class QMenu;
class QWidget;

// Where the menus report the help of the highlighted item.
class HelpCallBack : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    void RaiseHelpEvent(const QString& menuText, const QString& help, qint16 flag)
    {
        emit MenuHelp(menuText, help, flag);
    }

signals:
    // flag: -1 for an enabled item, 0 for a disabled one; a sub-menu's title and an item
    // without a record report "", "" and -1.
    void MenuHelp(const QString& menuText, const QString& help, qint16 flag);
};

enum class MenuItemType { Separator = 0x1, Submenu = 0x2, Checkable = 0x4 };
Q_DECLARE_FLAGS(MenuItemTypes, MenuItemType)
Q_DECLARE_OPERATORS_FOR_FLAGS(MenuItemTypes)

// The record of one menu item.
struct CMyItemData
{
    bool bTrueSub = false; // opens a sub-menu and is not on the menu bar
    QString sMenuHelp;     // the help number of the caption, "" without one
    bool bAsMark = false;  // drawn as a mark item (caption began with "#" or "*")
    bool bAsCheck = false; // drawn as a check item (caption began with "#")
    bool bMainMenu = false;
    int iButton = -1;    // the item's icon in the window's image list, -1 none
    MenuItemTypes fType; // what the item was when it was prepared
    // The caption without its markers, "&" before the mnemonic letter. An item whose caption
    // is set at run time holds its text as shown, every "&" doubled: it has no mnemonic.
    QString sMenuText;
};

// The records by item. A record lives no longer than its item.
class CMyItemDatas
{
public:
    using Records = std::unordered_map<const QObject*, CMyItemData>;

    // A fresh record under the item (replacing the one it had).
    CMyItemData& Add(const QObject* item);
    // Nothing when the item has no record.
    const CMyItemData* Item(const QObject* item) const;
    void Remove(const QObject* item);

private:
    Records m_records;
};

// The settings and state of the drawn menus of one window.
class WndCoolMenu
{
public:
    WndCoolMenu(QMainWindow& window, const MenuRegistry& registry);

    QMainWindow* hWnd() const { return m_window; }
    const MenuRegistry& registry() const { return m_registry; }

    // The pop-up menus prepared so far.
    int CountMenuHeads() const { return int(m_menuHeads.size()); }
    void AddMenuHead(QMenu* menu);
    // Nothing beyond the end, or when the menu is gone.
    QMenu* GetMenuHead(int index) const;

    const MenuImageList* ilHandle = nullptr;
    QPointer<HelpCallBack> HelpObj;
    bool ComplexChecks = true; // checked marks sit in a sunken, dotted field
    bool ColorEmbossed = true; // disabled icons keep their colours, greyed
    bool RightToLeft = false;
    QColor SelectColor;     // the highlight; the palette's at installation
    bool FullSelect = true; // the highlight covers the whole item where it shows no icon
    QColor ForeColor = Qt::black;
    qint16 MainPopedIndex = -1; // position of the open pop-up where it stands, -1 none

    // The items' font and the smaller one of the separators' captions.
    const QFont& MenuFont() const { return m_menuFont; }
    const QFont& MenuFontSep() const { return m_menuFontSep; }

private:
    void rebuildFonts();

    QMainWindow* m_window;
    const MenuRegistry& m_registry;
    QList<QPointer<QMenu>> m_menuHeads;
    int m_fontSize = 8;
    QString m_fontName;
    QFont m_menuFont;
    QFont m_menuFontSep;
};

// Draws the window's menus and reports their help: -1 when installed (also when they were
// already), 0 without a window. The registry gives the items' stored captions; help and
// images may be null.
qint16 InstallCoolMenu(QMainWindow* window, const MenuRegistry& registry, HelpCallBack* help,
                       const MenuImageList* images);
void RemoveCoolMenu(QMainWindow* window);

// Makes (install) or releases the records of one menu level's items: the bar's, or a
// pop-up's, which then counts among the window's menu heads.
void PrepareCoolMenu(QMainWindow* window, QWidget* menu, bool install, bool menuBar);

// The font of the menus: the menus' font name, or the window's font when it has none, in
// the given point size.
QFont CreateMenuFont(const QMainWindow* window, const QString& fontName, int size);

// The image under the help text (letter case ignored), -1 when none or without images.
int ReadImageList(const QMainWindow* window, const QString& help);

// The window's settings, nothing when its menus are not installed.
WndCoolMenu* coolMenuOf(const QWidget* window);
// Every item record, nothing while no window is installed.
const CMyItemDatas* coolMenuItems();
