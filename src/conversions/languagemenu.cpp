#include "conversions/languagemenu.h"

#include "conversions/keyboardmap.h"
#include "core/progprops.h"
#include "documents/documentstate.h"
#include "menus/menucaption.h"
#include "menus/menuregistry.h"
#include "platform/casefold.h"
#include "platform/editorcontrol.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace {

struct ModeItem
{
    const char* name;
    const char* georgianWord; // Latin keys; stored as the 8-bit layout
    const char* latinWord;    // kept as it is
    QKeySequence shortcut;
    QString ProgProps::*font;
    int charset;
    DisplayMapKind map;
};

const ModeItem kModes[] = {
    {"mnuens0", "rusuli", "", QKeySequence(Qt::CTRL | Qt::Key_R), &ProgProps::rusfont, 204,
     DisplayMapKind::Cyrillic},
    {"mnuens1", "qarTuli ", "ISO", QKeySequence(Qt::CTRL | Qt::Key_Q), &ProgProps::georgfont, 0,
     DisplayMapKind::GeorgianIso},
    {"mnuens2", "qarTuli ", "ASCII", QKeySequence(), &ProgProps::gergASC, 0,
     DisplayMapKind::GeorgianKeys},
    {"mnuens3", "laTinuri", "", QKeySequence(Qt::CTRL | Qt::Key_L), &ProgProps::latinfont, 0,
     DisplayMapKind::Latin},
};

constexpr int kCtrlB = 2;
constexpr int kCtrlY = 25;

} // namespace

LanguageMenu::LanguageMenu(CommandContext& context) : m_context(context)
{
    MenuRegistry& registry = context.registry();
    QMenu& mnuena = registry.menu("mnuena");
    auto* group = new QActionGroup(this);
    for (int index = 0; index < 4; ++index) {
        const ModeItem& item = kModes[index];
        const QString caption = eightBitGeorgian(item.georgianWord) + QLatin1String(item.latinWord);
        QAction* action =
            registry.add(mnuena, {item.name, caption, DisplayMapKind::GeorgianIso, item.shortcut},
                         [this, index] { mnuens_Click(index); });
        action->setCheckable(true);
        group->addAction(action);
        mnuens << action;
    }
    mnuens[int(context.languageMode())]->setChecked(true);
}

void LanguageMenu::mnuens_Click(int index)
{
    const ModeItem& item = kModes[index];
    const auto mode = LanguageMode(index);
    m_context.setLanguageMode(mode);
    mnuens[index]->setChecked(true);
    CaseFold::setRussianPairs(mode == LanguageMode::Russian);

    // The font comes from the options at the moment of the click. Without an options file
    // the name and size are empty: the editor keeps its own then, in the new mode's map.
    EditorControl& editor = m_context.editor();
    FontRecord font = editorFontFromOptions(editor.fontRecord(), Props.*item.font);
    font.charset = item.charset;
    font.map = item.map;
    // Showing the same bytes in another map is no edit.
    DocumentState::TextLoading loading(m_context.documents());
    editor.setFontRecord(font);
}

void LanguageMenu::T1_KeyPress(int& keyAscii)
{
    EditorControl& editor = m_context.editor();
    if (keyAscii == kCtrlB) {
        editor.setSelText(QStringLiteral("<BR>"));
        keyAscii = 0;
    } else if (keyAscii == kCtrlY) {
        editor.setSelText(noBreakSpace(Props));
        keyAscii = 0;
    } else if (m_context.languageMode() == LanguageMode::Russian) {
        keyAscii = ruskod(keyAscii);
    } else if (m_context.languageMode() == LanguageMode::GeorgianIso) {
        keyAscii = georgianKey(keyAscii);
    }
}
