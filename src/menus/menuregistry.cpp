#include "menus/menuregistry.h"

#include "core/commandguard.h"

#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace {

enum class MenuKind { Bar, Submenu, Popup };

struct MenuDeclaration
{
    const char* name;
    MenuKind kind;
    QString caption; // stored text, markers included
    DisplayMapKind map;
};

// Every menu of the program. The bar's menus stand on it in this order; a sub-menu takes its
// place in its parent when its subsystem puts it there; pop-ups open on their own.
QList<MenuDeclaration> declaredMenus()
{
    using enum MenuKind;
    const DisplayMapKind keys = DisplayMapKind::GeorgianKeys;
    const DisplayMapKind iso = DisplayMapKind::GeorgianIso;
    return {
        {"mnuFile", Bar, QStringLiteral("faili"), keys},
        {"mnuEdit", Bar, QStringLiteral("redaqtireba"), keys},
        {"mnuformat", Bar, eightBitGeorgian("teqstis formatireba"), iso},
        {"mnuExtras", Bar, QStringLiteral("Extras"), DisplayMapKind::Latin},
        {"mnuena", Bar, QStringLiteral("ena"), keys},
        {"mnuHelp", Bar, QStringLiteral("daxmareba"), keys},
        {"mnunew", Submenu, QStringLiteral("|1|axali"), keys},
        {"mnukonvert", Submenu, eightBitGeorgian("konvertirebis funqciebi"), iso},
        {"mnuFont", Submenu, eightBitGeorgian("teqst funqciebi"), iso},
        {"mnutmpformat", Submenu, eightBitGeorgian("droebiTi formati"), iso},
        {"mnuHLPtopiks", Submenu, QStringLiteral("Temebi"), keys},
        {"mnuLV", Popup, QString(), iso},
        {"mnufilebox", Popup, QStringLiteral("fmeniu"), keys},
        {"mnuHtags", Popup, QString(), iso},
        {"mnusurs", Popup, QStringLiteral("piks"), keys},
        {"mnulinks", Popup, QStringLiteral("linki"), keys},
        {"mnusiebi", Popup, QStringLiteral("siebi"), keys},
        {"mnuobSi", Popup, QStringLiteral("obSi"), keys},
        {"mnuFonti", Popup, QString(), iso},
        {"mnuFK", Popup, QString(), iso},
    };
}

// A programming fault: stops the test build, ignored in the released program.
void unknownName(const char* kind, const char* name)
{
    Q_ASSERT_X(
        false, "MenuRegistry",
        qPrintable(
            QStringLiteral("unknown %1 \"%2\"").arg(QLatin1String(kind)).arg(QLatin1String(name))));
    Q_UNUSED(kind);
    Q_UNUSED(name);
}

} // namespace

MenuItemList::MenuItemList(MenuRegistry& registry, QMenu& menu, const char* name,
                           DisplayMapKind map, std::function<void(int)> handler)
    : m_registry(registry), m_menu(menu), m_name(QLatin1String(name)), m_map(map),
      m_handler(std::move(handler))
{}

void MenuItemList::setItems(const QStringList& captions)
{
    qDeleteAll(m_actions);
    m_actions.clear();
    for (int index = 0; index < captions.size(); ++index) {
        QAction* item = m_menu.addAction(shownVerbatim(captions[index], m_map));
        item->setObjectName(QStringLiteral("%1(%2)").arg(m_name).arg(index));
        QObject::connect(item, &QAction::triggered, item,
                         [this, index] { runGuarded([this, index] { m_handler(index); }); });
        m_actions << item;
    }
    if (!m_menu.isEmpty())
        m_registry.showMenuOf(m_menu);
}

MenuRegistry::MenuRegistry(QMenuBar& bar, QWidget& owner) : QObject(&owner), m_owner(owner)
{
    for (const MenuDeclaration& declared : declaredMenus()) {
        const QString name = QLatin1String(declared.name);
        auto* menu = new QMenu(&owner);
        menu->setObjectName(name);
        m_menus.insert(name, menu);
        switch (declared.kind) {
        case MenuKind::Bar:
            bar.addMenu(menu);
            menu->menuAction()->setVisible(false);
            break;
        case MenuKind::Submenu:
            menu->menuAction()->setVisible(false);
            break;
        case MenuKind::Popup:
            break;
        }
        // Bar and sub-menu captions are commands' captions: recorded the same way.
        registerAction(menu->menuAction(), name, declared.caption, declared.map,
                       EnableRule::Always);
    }
}

MenuRegistry::~MenuRegistry() = default;

QMenu& MenuRegistry::menu(const char* name) const
{
    QMenu* found = m_menus.value(QLatin1String(name));
    if (!found) {
        unknownName("menu", name);
        static QMenu nowhere;
        return nowhere;
    }
    return *found;
}

void MenuRegistry::popUp(const char* name, const QPoint& globalPosition) const
{
    QMenu& popup = menu(name);
    if (!popup.isEmpty())
        popup.popup(globalPosition);
}

QMenu& MenuRegistry::placeSubmenu(QMenu& parent, const char* name, EnableRule rule)
{
    QMenu& submenu = menu(name);
    parent.addMenu(&submenu);
    moveToRule(submenu.menuAction(), rule);
    if (!submenu.isEmpty())
        showMenuOf(submenu);
    return submenu;
}

QAction* MenuRegistry::add(QMenu& menu, const CommandSpec& spec, std::function<void()> handler)
{
    QAction* action = menu.addAction(QString());
    action->setShortcut(spec.shortcut);
    // Shortcuts work whether or not their menu is open or stands on the bar.
    m_owner.addAction(action);
    connect(action, &QAction::triggered, this,
            [handler = std::move(handler)] { runGuarded(handler); });
    registerAction(action, QLatin1String(spec.name), spec.caption, spec.map, spec.rule);
    showMenuOf(menu);
    return action;
}

void MenuRegistry::showMenuOf(QMenu& menu)
{
    // A menu shows once it holds an item, and with it the menus it stands in.
    QAction* item = menu.menuAction();
    item->setVisible(true);
    for (QObject* holder : item->associatedObjects()) {
        if (auto* parent = qobject_cast<QMenu*>(holder))
            showMenuOf(*parent);
    }
}

QAction* MenuRegistry::registerAction(QAction* action, const QString& name,
                                      const QString& storedCaption, DisplayMapKind map,
                                      EnableRule rule)
{
    Q_ASSERT_X(!m_actions.contains(name), "MenuRegistry", "a command name is used twice");
    const MenuCaption caption = parseMenuCaption(storedCaption);
    action->setObjectName(name);
    action->setText(shownMenuText(caption.text, map));
    action->setCheckable(caption.check);
    m_actions.insert(name, action);
    m_captions.insert(action, caption);
    m_byRule[size_t(rule)] << action;
    if (rule != EnableRule::Manual)
        action->setEnabled(ruleHolds(rule));
    return action;
}

void MenuRegistry::moveToRule(QAction* action, EnableRule rule)
{
    for (QList<QAction*>& actions : m_byRule)
        actions.removeOne(action);
    m_byRule[size_t(rule)] << action;
    if (rule != EnableRule::Manual)
        action->setEnabled(ruleHolds(rule));
}

void MenuRegistry::addSeparator(QMenu& menu, const QString& caption)
{
    QAction* separator = menu.addSeparator();
    separator->setText(shownMenuText(parseMenuCaption(caption).text, DisplayMapKind::GeorgianIso));
}

MenuItemList& MenuRegistry::itemList(QMenu& menu, const char* name, DisplayMapKind map,
                                     std::function<void(int)> handler)
{
    m_itemLists.push_back(std::unique_ptr<MenuItemList>(
        new MenuItemList(*this, menu, name, map, std::move(handler))));
    return *m_itemLists.back();
}

QAction* MenuRegistry::action(const char* name) const
{
    QAction* found = m_actions.value(QLatin1String(name));
    if (!found)
        unknownName("command", name);
    return found;
}

const MenuCaption* MenuRegistry::caption(const QAction* action) const
{
    const auto found = m_captions.constFind(action);
    return found == m_captions.constEnd() ? nullptr : &*found;
}

bool MenuRegistry::ruleHolds(EnableRule rule, const CommandState& state)
{
    switch (rule) {
    case EnableRule::Always:
    case EnableRule::Manual:
        return true;
    case EnableRule::NeedsText:
        return state.hasText;
    case EnableRule::NeedsSelection:
        return state.hasSelection;
    case EnableRule::NeedsClipboardText:
        return state.clipboardHasText;
    case EnableRule::NeedsDocument:
        return state.hasDocument;
    }
    return true;
}

bool MenuRegistry::ruleHolds(EnableRule rule) const
{
    return ruleHolds(rule, m_state);
}

void MenuRegistry::update(const CommandState& state)
{
    const CommandState before = std::exchange(m_state, state);
    if (before == state)
        return;
    for (const EnableRule rule : {EnableRule::NeedsText, EnableRule::NeedsSelection,
                                  EnableRule::NeedsClipboardText, EnableRule::NeedsDocument}) {
        const bool holds = ruleHolds(rule, state);
        if (holds == ruleHolds(rule, before))
            continue;
        for (QAction* action : m_byRule[size_t(rule)])
            action->setEnabled(holds);
    }
}

bool MenuRegistry::followsClipboard() const
{
    return !m_byRule[size_t(EnableRule::NeedsClipboardText)].isEmpty();
}
