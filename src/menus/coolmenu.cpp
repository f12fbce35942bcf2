#include "menus/coolmenu.h"

#include "menus/coolmenustyle.h"
#include "menus/menuimages.h"
#include "menus/menuregistry.h"
#include "platform/casefold.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <map>
#include <memory>

namespace {

constexpr int kSmallestSeparatorFont = 6;

class CoolMenuWatcher;

// What the drawn menus of every window share, from the first installation to the last
// removal.
struct CoolMenuModule
{
    std::map<const QWidget*, CoolMenuWatcher*> windows;
    CMyItemDatas items;
};

std::unique_ptr<CoolMenuModule> g_module;

// The position of the item after its first single "&" (a doubled "&" is an ampersand), -1
// without one.
qsizetype mnemonicPosition(const QString& text)
{
    for (qsizetype at = 0; at + 1 < text.size(); ++at) {
        if (text[at] != QLatin1Char('&'))
            continue;
        if (text[at + 1] != QLatin1Char('&'))
            return at + 1;
        ++at;
    }
    return -1;
}

// Follows one window's menus: prepares each pop-up as it opens, reports the help of the
// highlighted item, releases the pop-ups' records when the last menu has closed, answers
// typed mnemonic letters, and keeps Qt's status tips off the status bar.
class CoolMenuWatcher : public QObject
{
public:
    CoolMenuWatcher(QMainWindow& window, const MenuRegistry& registry)
        : QObject(&window), settings(window, registry), m_style(new CoolMenuStyle(settings))
    {
        m_style->setParent(this);
    }
    ~CoolMenuWatcher() override;

    // Puts the look on the window's menus and listens to them.
    void attach();
    // The item's record goes when the item goes.
    void follow(const QAction* action)
    {
        connect(action, &QObject::destroyed, this, &CoolMenuWatcher::forget, Qt::UniqueConnection);
    }
    QMenuBar* bar() const { return m_bar; }

    WndCoolMenu settings;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void forget(QObject* item)
    {
        if (g_module)
            g_module->items.Remove(item);
    }
    void OnInitMenuPopup(QMenu* popup);
    void OnMenuSelect(QAction* action);
    void menuClosing();
    void menuLoopEnded();
    bool anyPopupOpen() const;
    bool OnMenuChar(QMenu& popup, const QString& typed);
    qint16 popupPosition(const QMenu& popup) const;

    CoolMenuStyle* m_style;
    QPointer<QMenuBar> m_bar;
    QList<QPointer<QMenu>> m_menus;
    bool m_loopOpen = false;
};

CoolMenuWatcher* watcherOf(const QWidget* window)
{
    if (!g_module || !window)
        return nullptr;
    const auto found = g_module->windows.find(window);
    return found == g_module->windows.end() ? nullptr : found->second;
}

void CoolMenuWatcher::attach()
{
    QMainWindow& window = *settings.hWnd();
    m_bar = window.menuBar();
    m_bar->setStyle(m_style);
    // A menu also repeats the hovers of the menus opened from it, and the bar those of its
    // menus: each hover counts where its item stands.
    connect(m_bar, &QMenuBar::hovered, this, [this](QAction* action) {
        if (m_bar->actions().contains(action))
            OnMenuSelect(action);
    });
    for (QMenu* menu : settings.registry().menus()) {
        m_menus << menu;
        menu->setStyle(m_style);
        menu->installEventFilter(this);
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { OnInitMenuPopup(menu); });
        connect(menu, &QMenu::hovered, this, [this, menu](QAction* action) {
            if (menu->actions().contains(action))
                OnMenuSelect(action);
        });
        connect(menu, &QMenu::aboutToHide, this, &CoolMenuWatcher::menuClosing);
    }
    window.installEventFilter(this);
}

CoolMenuWatcher::~CoolMenuWatcher()
{
    // The menus may be gone already, when the window itself is going.
    const auto release = [](QWidget* menu) {
        if (!menu)
            return;
        menu->setStyle(nullptr);
        if (g_module) {
            for (const QAction* action : menu->actions())
                g_module->items.Remove(action);
        }
    };
    release(m_bar);
    for (const QPointer<QMenu>& menu : std::as_const(m_menus))
        release(menu);
    if (g_module) {
        g_module->windows.erase(settings.hWnd());
        if (g_module->windows.empty())
            g_module.reset();
    }
}

bool CoolMenuWatcher::eventFilter(QObject* watched, QEvent* event)
{
    // Qt's status tips would overwrite the menu help.
    if (event->type() == QEvent::StatusTip && watched == settings.hWnd())
        return true;
    if (event->type() == QEvent::KeyPress) {
        auto* popup = qobject_cast<QMenu*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (popup && !(key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
            return OnMenuChar(*popup, key->text());
    }
    return false;
}

void CoolMenuWatcher::OnInitMenuPopup(QMenu* popup)
{
    m_loopOpen = true;
    settings.MainPopedIndex = popupPosition(*popup);
    PrepareCoolMenu(settings.hWnd(), popup, true, false);
}

qint16 CoolMenuWatcher::popupPosition(const QMenu& popup) const
{
    // Where the pop-up's title stands among the shown items of the bar or of the open menu
    // it opens from; a pop-up opened on its own stands at 0.
    const QAction* opener = popup.menuAction();
    const auto positionIn = [opener](const QWidget& holder) {
        qint16 position = 0;
        for (const QAction* item : holder.actions()) {
            if (item == opener)
                break;
            if (item->isVisible())
                ++position;
        }
        return position;
    };
    if (m_bar && m_bar->activeAction() == opener)
        return positionIn(*m_bar);
    for (QObject* holder : opener->associatedObjects()) {
        const auto* parent = qobject_cast<const QMenu*>(holder);
        if (parent && parent->isVisible() && parent->activeAction() == opener)
            return positionIn(*parent);
    }
    return 0;
}

void CoolMenuWatcher::OnMenuSelect(QAction* action)
{
    if (!settings.HelpObj)
        return;
    const CMyItemData* record = g_module ? g_module->items.Item(action) : nullptr;
    if (!record || action->menu())
        settings.HelpObj->RaiseHelpEvent(QString(), QString(), -1);
    else
        settings.HelpObj->RaiseHelpEvent(record->sMenuText, record->sMenuHelp,
                                         action->isEnabled() ? -1 : 0);
}

void CoolMenuWatcher::menuClosing()
{
    // Moving along the bar closes one pop-up before it opens the next: the loop has ended
    // only when no pop-up is open once the closing has settled.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_loopOpen && !anyPopupOpen())
                menuLoopEnded();
        },
        Qt::QueuedConnection);
}

bool CoolMenuWatcher::anyPopupOpen() const
{
    for (int index = 0; index < settings.CountMenuHeads(); ++index) {
        const QMenu* head = settings.GetMenuHead(index);
        if (head && head->isVisible())
            return true;
    }
    return false;
}

void CoolMenuWatcher::menuLoopEnded()
{
    m_loopOpen = false;
    if (settings.HelpObj)
        settings.HelpObj->RaiseHelpEvent(QString(), QString(), -1);
    for (int index = 0; index < settings.CountMenuHeads(); ++index)
        PrepareCoolMenu(settings.hWnd(), settings.GetMenuHead(index), false, false);
    settings.MainPopedIndex = -1;
}

bool CoolMenuWatcher::OnMenuChar(QMenu& popup, const QString& typed)
{
    if (typed.size() != 1 || !g_module)
        return false;
    const QChar key = typed[0];
    for (QAction* action : popup.actions()) {
        const CMyItemData* record = g_module->items.Item(action);
        if (!record || !action->isVisible() || action->isSeparator())
            continue;
        const qsizetype at = mnemonicPosition(record->sMenuText);
        if (at < 0)
            continue;
        // The stored letter (a Latin key answers in either case), or the letter as it is
        // shown (a Georgian letter typed on a Georgian keyboard).
        const QChar stored = record->sMenuText[at];
        const QString shown = action->text();
        const bool matches =
            (stored.unicode() < 0x100 && key.unicode() < 0x100 &&
             CaseFold::lower(uchar(stored.unicode())) == CaseFold::lower(uchar(key.unicode()))) ||
            (at < shown.size() && shown[at] == key);
        if (!matches)
            continue;
        popup.setActiveAction(action);
        if (action->isEnabled()) {
            // Chosen as if by Enter: a sub-menu opens, a command runs.
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(&popup, &enter);
        }
        return true;
    }
    return false;
}

MenuItemTypes typeOf(const QAction& action)
{
    MenuItemTypes type;
    type.setFlag(MenuItemType::Separator, action.isSeparator());
    type.setFlag(MenuItemType::Submenu, action.menu() != nullptr);
    type.setFlag(MenuItemType::Checkable, action.isCheckable());
    return type;
}

} // namespace

// --- Records ---------------------------------------------------------------------------

CMyItemData& CMyItemDatas::Add(const QObject* item)
{
    CMyItemData& record = m_records[item];
    record = CMyItemData{};
    return record;
}

const CMyItemData* CMyItemDatas::Item(const QObject* item) const
{
    const auto found = m_records.find(item);
    return found == m_records.end() ? nullptr : &found->second;
}

void CMyItemDatas::Remove(const QObject* item)
{
    m_records.erase(item);
}

// --- Settings --------------------------------------------------------------------------

WndCoolMenu::WndCoolMenu(QMainWindow& window, const MenuRegistry& registry)
    : m_window(&window), m_registry(registry)
{
    rebuildFonts();
}

void WndCoolMenu::AddMenuHead(QMenu* menu)
{
    if (!m_menuHeads.contains(menu))
        m_menuHeads << menu;
}

QMenu* WndCoolMenu::GetMenuHead(int index) const
{
    return index >= 0 && index < m_menuHeads.size() ? m_menuHeads[index].data() : nullptr;
}

void WndCoolMenu::rebuildFonts()
{
    m_menuFont = CreateMenuFont(m_window, m_fontName, m_fontSize);
    m_menuFontSep =
        CreateMenuFont(m_window, m_fontName, std::max(kSmallestSeparatorFont, m_fontSize - 1));
}

// --- Installation ----------------------------------------------------------------------

qint16 InstallCoolMenu(QMainWindow* window, const MenuRegistry& registry, HelpCallBack* help,
                       const MenuImageList* images)
{
    if (!window)
        return 0;
    if (watcherOf(window))
        return -1;
    if (!g_module)
        g_module = std::make_unique<CoolMenuModule>();
    auto* watcher = new CoolMenuWatcher(*window, registry);
    WndCoolMenu& settings = watcher->settings;
    settings.SelectColor = window->palette().color(QPalette::Highlight);
    settings.ilHandle = images;
    settings.HelpObj = help;
    g_module->windows[window] = watcher;
    watcher->attach();
    PrepareCoolMenu(window, watcher->bar(), true, true);
    return -1;
}

void RemoveCoolMenu(QMainWindow* window)
{
    // The watcher releases every record of the window's menus and, with the last window,
    // what the windows share.
    delete watcherOf(window);
}

void PrepareCoolMenu(QMainWindow* window, QWidget* menu, bool install, bool menuBar)
{
    CoolMenuWatcher* watcher = watcherOf(window);
    if (!watcher || !menu)
        return;
    CMyItemDatas& items = g_module->items;
    for (const QAction* action : menu->actions()) {
        if (!install) {
            items.Remove(action);
            continue;
        }
        if (items.Item(action))
            continue;
        CMyItemData& record = items.Add(action);
        watcher->follow(action);
        if (const MenuCaption* caption = watcher->settings.registry().caption(action)) {
            record.sMenuText = caption->text;
            record.sMenuHelp = caption->help;
            record.bAsCheck = caption->check;
            record.bAsMark = caption->mark;
        } else {
            // Set at run time: its text as it is.
            record.sMenuText = action->text();
        }
        record.bMainMenu = menuBar;
        record.bTrueSub = action->menu() && !menuBar;
        record.fType = typeOf(*action);
        record.iButton = menuBar ? -1 : ReadImageList(window, record.sMenuHelp);
    }
    if (install && !menuBar) {
        if (auto* popup = qobject_cast<QMenu*>(menu))
            watcher->settings.AddMenuHead(popup);
    }
}

QFont CreateMenuFont(const QMainWindow* window, const QString& fontName, int size)
{
    QFont font(fontName.isEmpty() && window ? window->font().family() : fontName);
    if (size > 0)
        font.setPointSize(size);
    return font;
}

int ReadImageList(const QMainWindow* window, const QString& help)
{
    const CoolMenuWatcher* watcher = watcherOf(window);
    const MenuImageList* images = watcher ? watcher->settings.ilHandle : nullptr;
    if (!images)
        return -1;
    for (int index = 0; index < images->count(); ++index) {
        if (CaseFold::equalIgnoringCase(images->key(index), help))
            return index;
    }
    return -1;
}

WndCoolMenu* coolMenuOf(const QWidget* window)
{
    CoolMenuWatcher* watcher = watcherOf(window);
    return watcher ? &watcher->settings : nullptr;
}

const CMyItemDatas* coolMenuItems()
{
    return g_module ? &g_module->items : nullptr;
}
