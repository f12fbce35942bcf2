// The options dialog and its editing rules: controls write their fields at once and loading
// them writes nothing, the exclusive boxes and option pairs, the size buttons, the tab length,
// the META and BODY lists, the choosers through the prompts, and OK writing props.ini.

#include "core/frmproperties.h"
#include "core/optionsrules.h"
#include "platform/editorcontrol.h"

#include "support/scriptedprompts.h"
#include "support/testfolders.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

TEST(OptionRules, TabLengthIsAWholeNumberUpTo255)
{
    const std::pair<const char*, std::optional<quint8>> cases[] = {
        {"0", 0},   {"7", 7},   {"255", 255}, {"007", 7}, {"256", {}},  {"-1", {}},
        {"+5", {}}, {" 5", {}}, {"4a", {}},   {"", {}},   {"1000", {}}, {"\u00B2", {}},
    };
    for (const auto& [text, length] : cases)
        EXPECT_EQ(tabLengthFromText(QString::fromUtf8(text)), length) << text;
}

TEST(OptionRules, AnswersBecomeOneLine)
{
    EXPECT_EQ(asOneLine(QStringLiteral("a\r\nb\rc\nd\r\n\r\ne")), QStringLiteral("a b c d  e"));
    EXPECT_EQ(fieldLines(QString()), QStringList());
    EXPECT_EQ(fieldLines(QStringLiteral("a\r\n\r\nb")),
              QStringList({QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_EQ(fieldText({QStringLiteral("a"), QStringLiteral("b")}), QStringLiteral("a\r\nb"));
}

TEST(OptionRules, BodyAttributesComeApartWithOrWithoutQuotes)
{
    const struct
    {
        const char* line;
        const char* prefix;
        const char* value;
    } cases[] = {
        {"bgcolor=\"#FFFFFF\"", "bgcolor=", "#FFFFFF"},
        {"text = \"red\"", "text =", "red"},
        {"link=blue", "link=", "blue"},
        {"a=\"", "a=", ""},
        {"a=\"\"", "a=", ""},
        {"onload=\"f('x=1')\"", "onload=", "f('x=1')"},
        {"nowrap", "nowrap=", ""},
        {"", "=", ""},
    };
    for (const auto& each : cases) {
        const BodyParam param = splitBodyParam(QString::fromLatin1(each.line));
        EXPECT_EQ(param.prefix, QLatin1String(each.prefix)) << each.line;
        EXPECT_EQ(param.value, QLatin1String(each.value)) << each.line;
    }
    EXPECT_EQ(joinBodyParam(QStringLiteral("text ="), QStringLiteral("red")),
              QStringLiteral("text =\"red\""));
}

namespace {

class OptionsDialog : public testing::Test
{
protected:
    void SetUp() override { Props = ProgProps{}; }
    void TearDown() override { Props = ProgProps{}; }

    template <class Control> Control* control(const char* name)
    {
        Control* found = dialog.findChild<Control*>(QLatin1String(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    void click(const char* name)
    {
        QAbstractButton* button = control<QAbstractButton>(name);
        ASSERT_TRUE(button->isEnabled()) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void open()
    {
        dialog.showOptions();
        QApplication::processEvents();
    }
    QStringList lines(const char* list)
    {
        QStringList shown;
        for (int row = 0; row < control<QListWidget>(list)->count(); ++row)
            shown << control<QListWidget>(list)->item(row)->text();
        return shown;
    }
    void select(const char* list, int row)
    {
        control<QListWidget>(list)->setCurrentRow(row);
        control<QListWidget>(list)->item(row)->setSelected(true);
    }
    QByteArray encoded(const ProgProps& props)
    {
        QByteArray record;
        EXPECT_EQ(encodeProps(props, record), PropsEncoding::Done);
        return record;
    }
    QColor swatch(const char* name)
    {
        return control<QLabel>(name)->palette().color(QPalette::Window);
    }

    TestFolders folders;
    ScriptedPrompts prompts;
    int fontsApplied = 0;
    frmproperties dialog{nullptr, [this] { ++fontsApplied; }};
};

} // namespace

TEST_F(OptionsDialog, StartMaximisedAndStoredPositionExcludeEachOther)
{
    Props.maxwind = kOn;
    Props.winpoz = kOn;
    open();
    QCheckBox* maxwind = control<QCheckBox>("CKmaxwind");
    QCheckBox* winpoz = control<QCheckBox>("CKwinpoz");
    EXPECT_TRUE(maxwind->isChecked() && winpoz->isChecked());
    EXPECT_TRUE(maxwind->isEnabled());
    EXPECT_FALSE(winpoz->isEnabled());
    EXPECT_EQ(Props.winpoz, kOn) << "loading a box writes nothing";

    click("CKmaxwind"); // off: the position box is usable again
    EXPECT_EQ(Props.maxwind, kOff);
    EXPECT_TRUE(winpoz->isEnabled());
    click("CKwinpoz"); // off
    click("CKwinpoz"); // on: clears and greys the other
    EXPECT_EQ(Props.winpoz, kOn);
    EXPECT_FALSE(maxwind->isEnabled());
    click("CKwinpoz");
    click("CKmaxwind");
    EXPECT_EQ(Props.maxwind, kOn);
    EXPECT_EQ(Props.winpoz, kOff);
    EXPECT_FALSE(winpoz->isChecked());
    EXPECT_FALSE(winpoz->isEnabled());
}

TEST_F(OptionsDialog, OptionPairsAndTabLengthWriteTheirFields)
{
    open();
    EXPECT_FALSE(control<QRadioButton>("OPnorNB")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("OPunNB")->isChecked());
    click("OPunNB");
    click("OPnorNB");
    click("OPunNB");
    EXPECT_EQ(Props.norNB, kOff);
    EXPECT_EQ(Props.unNB, kOn);

    QLineEdit* tabs = control<QLineEdit>("Ttablen");
    const std::tuple<const char*, const char*, int> typed[] = {
        {"8", "8", 8}, {"255", "255", 255}, {"", "", 255}, {"256", "3", 3}, {"x", "3", 3}};
    for (const auto& [text, shown, stored] : typed) {
        tabs->selectAll();
        tabs->insert(QLatin1String(text));
        EXPECT_EQ(tabs->text(), QLatin1String(shown)) << text;
        EXPECT_EQ(Props.tablen, stored) << text;
    }
}

TEST_F(OptionsDialog, AnEmptiedTabLengthWaitsForTheTypedNumberAndOkMakesItThree)
{
    Props.tablen = 4;
    open();
    QLineEdit* tabs = control<QLineEdit>("Ttablen");
    QTest::keyClick(tabs, Qt::Key_End);
    QTest::keyClick(tabs, Qt::Key_Backspace);
    EXPECT_EQ(tabs->text(), QString()) << "the emptied box stays empty";
    EXPECT_EQ(Props.tablen, 4);
    QTest::keyClicks(tabs, QStringLiteral("8"));
    EXPECT_EQ(tabs->text(), QStringLiteral("8"));
    EXPECT_EQ(Props.tablen, 8);

    QTest::keyClick(tabs, Qt::Key_Backspace);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(Props.tablen, 8) << "an empty box stores nothing until OK";
    open();
    EXPECT_EQ(tabs->text(), QStringLiteral("8"));

    QTest::keyClick(tabs, Qt::Key_Backspace);
    click("COK");
    EXPECT_EQ(Props.tablen, 3);
    const QByteArray saved = readFile(folders.path(QStringLiteral("props.ini")));
    ASSERT_EQ(saved.size(), 64);
    EXPECT_EQ(saved[60], '\x03') << "tablen";
    open();
    EXPECT_EQ(tabs->text(), QStringLiteral("3"));
}

TEST_F(OptionsDialog, AFontSizeTheDialogCannotGiveFallsBackToTheDefault)
{
    const int standard = defaultEditorFont().pointSize;
    ASSERT_GT(standard, 0);
    const struct
    {
        QByteArray stored; // stfsiz as the file holds it, little-endian
        int loaded;
        bool told;
    } cases[] = {
        {QByteArray::fromHex("FF7F"), standard, true}, // 32767
        {QByteArray::fromHex("0102"), standard, true}, // 513
        {QByteArray::fromHex("FFFF"), standard, true}, // -1
        {QByteArray::fromHex("0002"), 512, false},
        {QByteArray::fromHex("4800"), 72, false},
        {QByteArray::fromHex("0100"), 1, false},
        {QByteArray::fromHex("0000"), 0, false}, // no size: the editor keeps its own
    };
    for (const auto& each : cases) {
        QByteArray file(64, '\0');
        file.replace(8, 2, each.stored);
        writeFile(folders.path(QStringLiteral("props.ini")), file);
        if (each.told)
            prompts.answer(QStringLiteral("6"));
        const qsizetype asked = prompts.asked().size();
        LoadProps();
        EXPECT_EQ(Props.stfsiz, each.loaded) << each.stored.toHex().constData();
        ASSERT_EQ(prompts.asked().size() - asked, each.told ? 1 : 0);
        if (each.told) {
            EXPECT_TRUE(prompts.asked().back().prompt.contains(QString::number(standard)));
        }

        EditorControl editor;
        editor.setFontRecord(editorFontFromOptions(editor.fontRecord(), Props.stfont));
        EXPECT_EQ(editor.fontRecord().pointSize, each.loaded ? each.loaded : standard);
        dialog.close();
        open();
        EXPECT_EQ(control<QLabel>("LBstfontsice")->text(), QString::number(each.loaded));
    }

    // The font chooser's answer keeps to the same sizes.
    prompts.answer(QStringLiteral("DejaVu Sans/-1/"));
    click("Cstfont");
    EXPECT_EQ(Props.stfsiz, standard);
    EXPECT_EQ(control<QLabel>("LBstfontsice")->text(), QString::number(standard));
}

TEST_F(OptionsDialog, SizeButtonsStepByWhereTheyArePressed)
{
    Props.stfsiz = 30;
    open();
    QToolButton* sizes = control<QToolButton>("Cstfsiz");
    const QPoint upper(5, 3);
    const QPoint lower(5, sizes->height() - 3);
    QTest::mousePress(sizes, Qt::LeftButton, {}, upper);
    QTest::mousePress(sizes, Qt::LeftButton, {}, upper);
    EXPECT_EQ(Props.stfsiz, 31);
    EXPECT_EQ(control<QLabel>("LBstfontsice")->text(), QStringLiteral("31"));
    EXPECT_EQ(control<QLabel>("LBprobe")->font().pointSize(), 31);
    for (int press = 0; press < 30; ++press)
        QTest::mousePress(sizes, Qt::LeftButton, {}, lower);
    EXPECT_EQ(Props.stfsiz, 6);

    click("COK");
    EXPECT_EQ(fontsApplied, 1);
}

TEST_F(OptionsDialog, MetaLinesAreAddedEditedAndDeleted)
{
    Props.Meta = QStringLiteral("<META a>\r\n<META b>");
    open();
    EXPECT_EQ(lines("ListMeta"),
              QStringList({QStringLiteral("<META a>"), QStringLiteral("<META b>")}));

    prompts.answer(QStringLiteral("<META\r\nc>"));
    click("CADDMeta");
    prompts.answer(QString()); // cancelled
    click("CADDMeta");
    ASSERT_EQ(prompts.asked().size(), 2);
    EXPECT_EQ(prompts.asked()[0].prompt, QStringLiteral("axali tegis Seyvana."));
    EXPECT_EQ(prompts.asked()[0].title, QStringLiteral("META Tag"));

    click("CeditMeta"); // nothing selected: nothing asked
    select("ListMeta", 0);
    prompts.answer(QStringLiteral("<META\nd>"));
    click("CeditMeta");
    EXPECT_EQ(prompts.asked().size(), 3);
    EXPECT_EQ(lines("ListMeta"),
              QStringList({QStringLiteral("<META d>"), QStringLiteral("<META b>"),
                           QStringLiteral("<META c>")}));

    select("ListMeta", 1);
    click("CdelMeta");
    EXPECT_EQ(control<QListWidget>("ListMeta")->currentRow(), 1) << "the next line moves up";
    click("CdelMeta");
    EXPECT_EQ(control<QListWidget>("ListMeta")->currentRow(), 0) << "the last line goes";

    click("COK");
    EXPECT_EQ(Props.Meta, QStringLiteral("<META d>"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(fontsApplied, 0) << "the font did not change";

    open();
    select("ListMeta", 0);
    click("CdelMeta");
    click("COK");
    EXPECT_EQ(Props.Meta, QString());
    open();
    EXPECT_EQ(lines("ListMeta"), QStringList());
}

TEST_F(OptionsDialog, BodyAttributesAreEditedInTwoClicks)
{
    Props.HTMLparams = QStringLiteral("bgcolor=\"#FFFFFF\"\r\nnowrap\r\na=\"");
    open();
    QLineEdit* value = control<QLineEdit>("Tvalue");
    const struct
    {
        int row;
        const char* shown;
        const char* typed;
        const char* after;
    } edits[] = {
        {0, "#FFFFFF", "#000000", "bgcolor=\"#000000\""},
        {1, "", "x", "nowrap=\"x\""},
        {2, "", "1", "a=\"1\""},
    };
    for (const auto& edit : edits) {
        select("listHTML", edit.row);
        click("CeditHTML");
        EXPECT_EQ(value->text(), QLatin1String(edit.shown));
        value->setText(QLatin1String(edit.typed));
        control<QListWidget>("listHTML")->clearSelection();
        click("CeditHTML");
        EXPECT_EQ(lines("listHTML")[edit.row], QLatin1String(edit.after));
        EXPECT_EQ(value->text(), QString());
    }

    // A delete between the clicks ends the edit.
    select("listHTML", 0);
    click("CeditHTML");
    click("Cdelparam");
    EXPECT_EQ(value->text(), QString());
    click("CeditHTML"); // nothing selected: nothing happens
    EXPECT_EQ(lines("listHTML").size(), 2);

    prompts.answer(QStringLiteral("dir=\r\n\"ltr\""));
    click("Caddparam");
    EXPECT_EQ(prompts.asked().back().prompt, QStringLiteral("New Props"));
    click("COK");
    EXPECT_EQ(Props.HTMLparams, QStringLiteral("nowrap=\"x\"\r\na=\"1\"\r\ndir= \"ltr\""));
}

TEST_F(OptionsDialog, ChoosersGoThroughThePromptsAndCancelChangesNothing)
{
    Props.forekolor = 0x112233;
    Props.stfont = QStringLiteral("DejaVu Sans");
    Props.stfsiz = 10;
    Props.normal = kOn;
    open();

    prompts.answer(QString());
    click("Cforekolor");
    EXPECT_EQ(prompts.asked().back().prompt, QStringLiteral("#332211")) << "starts at the field";
    EXPECT_EQ(Props.forekolor, 0x112233u);
    prompts.answer(QStringLiteral("#FF0000"));
    click("Cbackcolor");
    EXPECT_EQ(Props.backcolor, 0x0000FFu);
    EXPECT_EQ(swatch("LBbackkolor"), QColor(255, 0, 0));

    prompts.answer(QString());
    click("Cgeorgfont");
    EXPECT_EQ(prompts.asked().back().prompt, QStringLiteral("/10/")) << "the shown size";
    EXPECT_EQ(Props.georgfont, QString());
    prompts.answer(QStringLiteral("DejaVu Serif/20/B"));
    click("CgergASC");
    EXPECT_EQ(Props.gergASC, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(Props.stfsiz, 10) << "a language font names a family only";
    EXPECT_EQ(fontsApplied, 0);

    prompts.answer(QString());
    click("Cstfont");
    EXPECT_EQ(prompts.asked().back().prompt, QStringLiteral("DejaVu Sans/10/"));
    prompts.answer(QStringLiteral("DejaVu Serif/14/BI"));
    click("Cstfont");
    EXPECT_EQ(Props.stfont, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(Props.stfsiz, 14);
    EXPECT_EQ(Props.bold, kOn);
    EXPECT_EQ(Props.italik, kOn) << "a bold italic font stays both";
    EXPECT_EQ(Props.normal, kOff);
    EXPECT_FALSE(control<QRadioButton>("OPbold")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("OPitalik")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("OPnormal")->isChecked());
    EXPECT_TRUE(control<QLabel>("LBprobe")->font().bold() &&
                control<QLabel>("LBprobe")->font().italic());

    click("COK");
    EXPECT_EQ(fontsApplied, 1);
    ProgProps expected;
    expected.forekolor = 0x112233;
    expected.backcolor = 0x0000FF;
    expected.gergASC = QStringLiteral("DejaVu Serif");
    expected.stfont = QStringLiteral("DejaVu Serif");
    expected.stfsiz = 14;
    expected.bold = kOn;
    expected.italik = kOn;
    EXPECT_EQ(readFile(folders.path(QStringLiteral("props.ini"))), encoded(expected));
}

TEST_F(OptionsDialog, StylesWriteTheirFlagsAndEachOpeningReloads)
{
    open();
    click("OPbold");
    EXPECT_EQ(std::tuple(Props.bold, Props.italik, Props.normal), std::tuple(kOn, kOff, kOff));
    click("OPnormal");
    EXPECT_EQ(std::tuple(Props.bold, Props.italik, Props.normal), std::tuple(kOff, kOff, kOn));
    click("CKlastfile");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Props.lastfile, kOn) << "kept for this run";
    EXPECT_FALSE(QFile::exists(folders.path(QStringLiteral("props.ini"))));

    Props.lastfile = kOff;
    Props.italik = kOn;
    Props.Meta = QStringLiteral("<META x>");
    open();
    EXPECT_FALSE(control<QCheckBox>("CKlastfile")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("OPitalik")->isChecked());
    EXPECT_EQ(lines("ListMeta"), QStringList({QStringLiteral("<META x>")}));

    QTest::keyClick(control<QLineEdit>("Ttablen"), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible()) << "Enter is OK";
    EXPECT_TRUE(QFile::exists(folders.path(QStringLiteral("props.ini"))));
}

TEST_F(OptionsDialog, AFailedWriteIsToldAndTheDialogStaysOpen)
{
    QDir(folders.programFolder()).mkdir(QStringLiteral("props.ini"));
    open();
    click("OPbold");
    prompts.answer(QStringLiteral("6"));
    click("COK");
    ASSERT_FALSE(prompts.asked().isEmpty());
    EXPECT_EQ(prompts.asked().back().kind, QStringLiteral("message"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(fontsApplied, 0) << "nothing applied while the options are not saved";
}

TEST_F(OptionsDialog, TheTreeShowsOnePageAtATime)
{
    open();
    QTreeWidget* tree = control<QTreeWidget>("TV");
    EXPECT_EQ(dialog.currentPage(), 0) << "the first page shows at once";
    EXPECT_TRUE(control<QWidget>("FRm0")->isVisible());
    ASSERT_TRUE(tree->currentItem());
    EXPECT_EQ(tree->currentItem()->data(0, Qt::UserRole + 1).toString(), QStringLiteral("0"));
    const auto clickPage = [&](int page) {
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            if ((*it)->data(0, Qt::UserRole + 1).toString() == QString::number(page)) {
                QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                                  tree->visualItemRect(*it).center());
                return;
            }
        }
        ADD_FAILURE() << "no node for page " << page;
    };
    Props.stfont = QStringLiteral("DejaVu Serif");
    Props.stfsiz = 11;
    Props.italik = kOn;
    Props.backcolor = 0xE0FFFF;
    Props.forekolor = 0x800000;
    Props.georgfont = QStringLiteral("DejaVu Sans");
    Props.Meta = QStringLiteral("<META name=\"author\" content=\"x\">");
    Props.HTMLparams = QStringLiteral("bgcolor=\"#FFFFFF\"\r\ntext=\"#000000\"");
    dialog.close();
    open();
    for (const int page : {0, 1, 2, 3, 5, 6}) {
        clickPage(page);
        EXPECT_EQ(dialog.currentPage(), page);
        int shown = 0;
        for (const int each : {0, 1, 2, 3, 5, 6}) {
            if (control<QWidget>(qPrintable(QStringLiteral("FRm%1").arg(each)))->isVisible()) {
                ++shown;
                EXPECT_EQ(each, page);
            }
        }
        EXPECT_EQ(shown, 1);
    }
    // A group opens and closes on a click, its image following.
    QTreeWidgetItem* group = tree->topLevelItem(0);
    EXPECT_EQ(group->data(0, Qt::UserRole + 2).toInt(), 2) << "open";
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(group).center());
    EXPECT_FALSE(group->isExpanded());
    EXPECT_EQ(group->data(0, Qt::UserRole + 2).toInt(), 1) << "closed";
    EXPECT_EQ(dialog.currentPage(), 6) << "a group shows no page";
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(group).center());
    EXPECT_TRUE(group->isExpanded());

    // KELMORA_GRAB_FOLDER keeps a picture of each page, to look at.
    const QByteArray folder = qgetenv("KELMORA_GRAB_FOLDER");
    for (const int page : {0, 1, 2, 3, 5, 6}) {
        clickPage(page);
        if (!folder.isEmpty())
            dialog.grab().save(
                QStringLiteral("%1/options%2.png").arg(QString::fromLocal8Bit(folder)).arg(page));
    }
}
