// The language menu: the four modes, the editor's font and map they choose, and how keys
// typed into the editor of a shown main window are rewritten in each.

#include "conversions/languagemenu.h"

#include "menus/menucaption.h"
#include "support/editorwindow.h"

namespace {

class LanguageModes : public EditorWindowTest
{
protected:
    void SetUp() override
    {
        EditorWindowTest::SetUp();
        menu = window->subsystems().language;
        ASSERT_NE(menu, nullptr);
    }

    QAction* item(int index) const
    {
        return action(QByteArray("mnuens" + QByteArray::number(index)).constData());
    }

    void choose(int index)
    {
        QAction* chosen = item(index);
        ASSERT_NE(chosen, nullptr) << index;
        chosen->trigger();
    }

    int checkedItem() const
    {
        int checked = -1;
        for (int index = 0; index < 4; ++index) {
            if (item(index)->isChecked()) {
                EXPECT_EQ(checked, -1) << "only one item carries the check mark";
                checked = index;
            }
        }
        return checked;
    }

    // Types keys into an empty editor in a mode and gives back the bytes they made.
    QString typedIn(int mode, const char* keys)
    {
        choose(mode);
        load(QString());
        typeKeys(keys);
        return editor->Text();
    }

    QString shownTypedIn(int mode, const QString& characters)
    {
        choose(mode);
        load(QString());
        typeShown(characters);
        return editor->Text();
    }

    LanguageMenu* menu = nullptr;
};

constexpr int kRussianItem = 0;
constexpr int kIsoItem = 1;
constexpr int kKeysItem = 2;
constexpr int kLatinItem = 3;

} // namespace

TEST_F(LanguageModes, TheMenuStartsInLatinAndTheCheckMarkMoves)
{
    EXPECT_EQ(checkedItem(), kLatinItem);
    EXPECT_EQ(window->languageMode(), LanguageMode::Latin);
    EXPECT_FALSE(CaseFold::russianPairs());

    EXPECT_EQ(item(kRussianItem)->text(),
              shownMenuText(eightBitGeorgian("rusuli"), DisplayMapKind::GeorgianIso));
    EXPECT_EQ(item(kIsoItem)->text(),
              shownMenuText(eightBitGeorgian("qarTuli ") + QStringLiteral("ISO"),
                            DisplayMapKind::GeorgianIso));
    EXPECT_EQ(item(kKeysItem)->text(),
              shownMenuText(eightBitGeorgian("qarTuli ") + QStringLiteral("ASCII"),
                            DisplayMapKind::GeorgianIso));
    EXPECT_EQ(item(kLatinItem)->text(),
              shownMenuText(eightBitGeorgian("laTinuri"), DisplayMapKind::GeorgianIso));
    EXPECT_EQ(item(kRussianItem)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    EXPECT_EQ(item(kIsoItem)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_TRUE(item(kKeysItem)->shortcut().isEmpty());
    EXPECT_EQ(item(kLatinItem)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));

    const LanguageMode modes[] = {LanguageMode::Russian, LanguageMode::GeorgianIso,
                                  LanguageMode::GeorgianKeys, LanguageMode::Latin};
    for (const int index : {kRussianItem, kKeysItem, kIsoItem, kLatinItem, kIsoItem}) {
        choose(index);
        EXPECT_EQ(checkedItem(), index);
        EXPECT_EQ(window->languageMode(), modes[index]);
        EXPECT_EQ(CaseFold::russianPairs(), index == kRussianItem) << index;
    }
    choose(kIsoItem); // the chosen item again keeps its mark
    EXPECT_EQ(checkedItem(), kIsoItem);
}

TEST_F(LanguageModes, EachModeGivesTheEditorTheFontOfItsOption)
{
    Props.rusfont = QStringLiteral("Kelmora Test Russian");
    Props.georgfont = QStringLiteral("Kelmora Test Georgian");
    Props.gergASC = QStringLiteral("Kelmora Test Keys");
    Props.latinfont = QStringLiteral("Kelmora Test Latin");
    Props.stfsiz = 13;
    Props.bold = kOn;
    Props.italik = kOff;

    struct Expected
    {
        int index;
        QString family;
        int charset;
        DisplayMapKind map;
    };
    const Expected modes[] = {
        {kRussianItem, Props.rusfont, 204, DisplayMapKind::Cyrillic},
        {kIsoItem, Props.georgfont, 0, DisplayMapKind::GeorgianIso},
        {kKeysItem, Props.gergASC, 0, DisplayMapKind::GeorgianKeys},
        {kLatinItem, Props.latinfont, 0, DisplayMapKind::Latin},
    };
    for (const Expected& mode : modes) {
        choose(mode.index);
        const FontRecord font = editor->fontRecord();
        EXPECT_EQ(font.family, mode.family) << mode.index;
        EXPECT_EQ(font.pointSize, 13) << mode.index;
        EXPECT_TRUE(font.bold) << mode.index;
        EXPECT_FALSE(font.italic) << mode.index;
        EXPECT_EQ(font.charset, mode.charset) << mode.index;
        EXPECT_EQ(font.map, mode.map) << mode.index;
        EXPECT_EQ(editor->displayMap().kind(), mode.map) << mode.index;
        EXPECT_EQ(editor->font().pointSize(), 13) << mode.index;
    }

    // The options are read at the click: a changed option waits for the next one.
    Props.rusfont = QStringLiteral("Kelmora Test Other");
    Props.bold = kOff;
    Props.italik = kOn;
    EXPECT_EQ(editor->fontRecord().family, QStringLiteral("Kelmora Test Latin"));
    choose(kRussianItem);
    EXPECT_EQ(editor->fontRecord().family, QStringLiteral("Kelmora Test Other"));
    EXPECT_FALSE(editor->fontRecord().bold);
    EXPECT_TRUE(editor->fontRecord().italic);
}

TEST_F(LanguageModes, WithoutOptionsTheEditorKeepsItsFamilyAndSize)
{
    const FontRecord before = editor->fontRecord();
    ASSERT_FALSE(before.family.isEmpty());
    for (const int index : {kRussianItem, kIsoItem, kKeysItem, kLatinItem}) {
        choose(index);
        EXPECT_EQ(editor->fontRecord().family, before.family) << index;
        EXPECT_EQ(editor->fontRecord().pointSize, before.pointSize) << index;
        EXPECT_EQ(editor->fontRecord().charset, index == kRussianItem ? 204 : 0) << index;
    }
    EXPECT_EQ(editor->fontRecord().map, DisplayMapKind::Latin);
}

TEST_F(LanguageModes, ASwitchKeepsTheBytesAndSelectionAndMarksNothing)
{
    const QString text =
        QStringLiteral("<p>") + byteText({0xC0, 0xC6, 0xE4, 0xA0}) + QStringLiteral("a\r\nT</p>");
    load(text);
    editor->setSelection(4, 7); // into the second line
    for (const int index : {kRussianItem, kIsoItem, kKeysItem, kLatinItem}) {
        choose(index);
        EXPECT_EQ(editor->Text(), text) << index;
        EXPECT_EQ(editor->SelStart(), 4) << index;
        EXPECT_EQ(editor->SelLength(), 7) << index;
    }
    EXPECT_EQ(window->documents().EditorChanged(), 0);
    EXPECT_FALSE(window->registry().action("mnuSave")->isEnabled());

    // In the collection, the current document stays unchanged too.
    const qint16 index =
        window->documents().appendShown(text, FilePath(), QStringLiteral("doc.HTML"), false);
    ASSERT_GE(index, 0);
    choose(kIsoItem);
    choose(kRussianItem);
    EXPECT_EQ(window->documents().Docs().Item(index).Changed, 0);
    EXPECT_EQ(editor->Text(), text);
}

TEST_F(LanguageModes, KeysAreRewrittenOnlyInTheRussianAndTheEightBitGeorgianModes)
{
    EXPECT_EQ(typedIn(kIsoItem, "aTth1/"),
              byteText({0xC0, 0xC8, 0xD4, 0xE4}) + QStringLiteral("1/"));
    EXPECT_EQ(typedIn(kIsoItem, "BAx j"),
              QStringLiteral("BA") + byteText({0xE1}) + QStringLiteral(" ") + byteText({0xE3}));
    EXPECT_EQ(typedIn(kRussianItem, "Yq1AjH"),
              byteText({0xC6, 0xF7}) + QStringLiteral("1") + byteText({0xC0, 0xFF, 0xDE}));
    EXPECT_EQ(typedIn(kKeysItem, "aTth1/"), QStringLiteral("aTth1/"));
    EXPECT_EQ(typedIn(kLatinItem, "aTth1/Yq"), QStringLiteral("aTth1/Yq"));

    // A rewritten key is an edit of the user's like any other.
    EXPECT_EQ(window->documents().EditorChanged(), -1);
}

TEST_F(LanguageModes, LettersFromANativeKeyboardLayoutBecomeTheModesBytes)
{
    EXPECT_EQ(shownTypedIn(kIsoItem, QStringLiteral(u"\u10D0\u10E2")), byteText({0xC0, 0xD4}));
    EXPECT_EQ(shownTypedIn(kKeysItem, QStringLiteral(u"\u10D0\u10E2")), QStringLiteral("at"));
    EXPECT_EQ(shownTypedIn(kRussianItem, QStringLiteral(u"\u0416\u0430")), byteText({0xC6, 0xE0}));
    // A letter the mode's map cannot hold keeps its reference.
    EXPECT_EQ(shownTypedIn(kLatinItem, QStringLiteral(u"\u10D0")), QStringLiteral("&#4304;"));
}

TEST_F(LanguageModes, CtrlBInsertsTheLineBreakTagInEveryMode)
{
    for (const int index : {kRussianItem, kIsoItem, kKeysItem, kLatinItem}) {
        choose(index);
        load(QStringLiteral("one two"));
        editor->setSelection(3, 1);
        key(Qt::Key_B, Qt::ControlModifier);
        EXPECT_EQ(editor->Text(), QStringLiteral("one<BR>two")) << index;
        EXPECT_EQ(editor->SelStart(), 7) << index;
        EXPECT_EQ(editor->SelLength(), 0) << index;
    }
}

TEST_F(LanguageModes, CtrlYInsertsTheNoBreakSpaceAsTheOptionSays)
{
    for (const int index : {kRussianItem, kIsoItem, kKeysItem, kLatinItem}) {
        choose(index);
        Props.norNB = kOn;
        load(QStringLiteral("a b"));
        editor->setSelection(1, 1);
        key(Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(editor->Text(), QStringLiteral("a&nbsp;b")) << index;

        Props.norNB = kOff;
        load(QStringLiteral("a b"));
        editor->setSelection(1, 1);
        key(Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(editor->Text(), byteText({'a', 0xC2, 0xA0, 'b'})) << index;
        EXPECT_EQ(editor->SelStart(), 3) << index;
    }
}

TEST_F(LanguageModes, TheModesShortcutsWorkFromTheEditorAndTypeNothing)
{
    load(QStringLiteral("ab"));
    editor->setSelStart(2);
    key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(window->languageMode(), LanguageMode::GeorgianIso);
    key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(window->languageMode(), LanguageMode::Russian);
    key(Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(window->languageMode(), LanguageMode::Latin);
    EXPECT_EQ(editor->Text(), QStringLiteral("ab"));
    EXPECT_EQ(window->documents().EditorChanged(), 0);
}
