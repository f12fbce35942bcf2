#include "conversions/languagemenu.h"

#include "conversions/keyboardmap.h"
#include "app/frmh.h"
#include "menus/menucaption.h"
#include "core/progprops.h"
#include "documents/documentstate.h"
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

LanguageMenu::LanguageMenu(FrmH& window) : QObject(&window), m_window(window)
{
    mnuena =
        window.menuBar()->addMenu(menuCaption(QStringLiteral("ena"), DisplayMapKind::GeorgianKeys));
    mnuena->setObjectName(QStringLiteral("mnuena"));
    auto* group = new QActionGroup(this);
    for (int index = 0; index < 4; ++index) {
        const ModeItem& item = kModes[index];
        const QString caption = eightBitGeorgian(item.georgianWord) + QLatin1String(item.latinWord);
        QAction* action = window.addCommand(mnuena, item.name, caption, item.shortcut,
                                            [this, index] { mnuens_Click(index); });
        action->setCheckable(true);
        group->addAction(action);
        mnuens << action;
    }
    mnuens[Latin]->setChecked(true);
    connect(window.T1, &EditorControl::KeyPress, this, &LanguageMenu::T1_KeyPress);
}

LanguageMenu::Mode LanguageMenu::mode() const
{
    for (int index = 0; index < mnuens.size(); ++index) {
        if (mnuens[index]->isChecked())
            return Mode(index);
    }
    return Latin;
}

void LanguageMenu::mnuens_Click(int index)
{
    const ModeItem& item = kModes[index];
    mnuens[index]->setChecked(true);
    CaseFold::setRussianPairs(index == Russian);

    // The font comes from the options at the moment of the click. Without an options file
    // the name and size are empty: the editor keeps its own then, in the new mode's map.
    EditorControl* editor = m_window.T1;
    FontRecord font = editor->fontRecord();
    const QString& family = Props.*item.font;
    if (!family.isEmpty())
        font.family = family;
    if (Props.stfsiz > 0)
        font.pointSize = Props.stfsiz;
    font.bold = Props.bold != 0;
    font.italic = Props.italik != 0;
    font.charset = item.charset;
    font.map = item.map;
    // Showing the same bytes in another map is no edit.
    DocumentState::TextLoading loading(m_window.documents());
    editor->setFontRecord(font);
}

void LanguageMenu::T1_KeyPress(int& keyAscii)
{
    EditorControl* editor = m_window.T1;
    if (keyAscii == kCtrlB) {
        editor->setSelText(QStringLiteral("<BR>"));
        keyAscii = 0;
    } else if (keyAscii == kCtrlY) {
        editor->setSelText(Props.norNB == kOn ? QStringLiteral("&nbsp;")
                                              : QStringLiteral("\u00C2\u00A0"));
        keyAscii = 0;
    } else if (mode() == Russian) {
        keyAscii = ruskod(keyAscii);
    } else if (mode() == GeorgianIso) {
        keyAscii = georgianKey(keyAscii);
    }
}
