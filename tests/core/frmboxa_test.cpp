#include "core/frmboxa.h"

#include "core/boxprompts.h"
#include "core/sharedroutines.h"
#include "platform/desktopshell.h"
#include "platform/filedialogstart.h"
#include "platform/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Georgian letters as the Georgian-key captions must look, spelled out here by code point.
const QString kXo = QStringLiteral(u"\u10EE\u10DD");
const QString kAra = QStringLiteral(u"\u10D0\u10E0\u10D0");
const QString kSewyveta = QStringLiteral(u"\u10E8\u10D4\u10EC\u10E7\u10D5\u10D4\u10E2\u10D0");
const QString kMzaTaa = QStringLiteral(u"\u10DB\u10D6\u10D0\u10D7\u10D0\u10D0");

// Acts on the modal window as soon as it shows. A window still open after a few seconds
// is closed, and the test fails rather than hangs.
class WhenModalShows
{
public:
    explicit WhenModalShows(std::function<void(QWidget&)> action)
    {
        QTimer::singleShot(0, &m_context, [action] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr) << "no modal window showing";
            action(*modal);
        });
        m_watchdog.setSingleShot(true);
        QObject::connect(&m_watchdog, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "the modal window was left open";
                modal->hide();
            }
        });
        m_watchdog.start(10000);
    }

private:
    QObject m_context;
    QTimer m_watchdog;
};

template <class Control> Control* find(QWidget& window, const char* name)
{
    auto* control = window.findChild<Control*>(QLatin1String(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

QPushButton* button(QWidget& box, int index)
{
    return box.findChild<QPushButton*>(QStringLiteral("CB") + QString::number(index));
}

void clickButton(QWidget& box, int index)
{
    QTest::mouseClick(button(box, index), Qt::LeftButton);
}

// Types text with characters that have no key of their own (QTest::keyClicks takes ASCII).
void typeText(QWidget* field, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
    }
}

QString message(
    quint8 buttons, const QString& captions = {},
    std::function<void(QWidget&)> action = [](QWidget& box) { clickButton(box, 0); })
{
    WhenModalShows when(std::move(action));
    return BOXa().gaxsna(QStringLiteral("gamarjoba"), QString(), 0, buttons, captions, 40);
}

ListAnswer chooseFromList(const QList<int>& rows, qint16 byIndex)
{
    WhenModalShows when([&](QWidget& box) {
        auto* list = find<QListWidget>(box, "List1");
        for (const int row : rows)
            list->item(row)->setSelected(true);
        clickButton(box, 0);
    });
    return BOXa().InputListChoice(
        QStringLiteral("airCieT"),
        {QStringLiteral("zero"), QStringLiteral("one"), QStringLiteral("two")},
        QStringLiteral("sia"), QString(), 3000, 2000, byIndex);
}

} // namespace

// ---------------------------------------------------------------------------------------
// The wrap rule

TEST(WrapPrompt, TextNotLongerThanTheWidthOrHoldingALineBreakIsUnchanged)
{
    EXPECT_EQ(wrapPrompt(QStringLiteral("abcd"), 4), QStringLiteral("abcd"));
    EXPECT_EQ(wrapPrompt(QStringLiteral("ab"), 4), QStringLiteral("ab"));
    EXPECT_EQ(wrapPrompt(QStringLiteral("abcdefgh\r\nij"), 4), QStringLiteral("abcdefgh\r\nij"));
}

TEST(WrapPrompt, TenLetterWordAtWidthFourGivesThreeLines)
{
    EXPECT_EQ(wrapPrompt(QStringLiteral("abcdefghij"), 4), QStringLiteral("abcd-\r\nefgh-\r\nij"));
}

TEST(WrapPrompt, BlankAtABreakStaysAtTheEndOfItsLine)
{
    EXPECT_EQ(wrapPrompt(QStringLiteral("abc defgh"), 4), QStringLiteral("abc \r\ndefg-\r\nh"));
    EXPECT_EQ(wrapPrompt(QStringLiteral("abc abc "), 4), QStringLiteral("abc \r\nabc "));
}

TEST(WrapPrompt, TextEndingAtABreakLosesTheBreakAndItsHyphen)
{
    EXPECT_EQ(wrapPrompt(QStringLiteral("abcdefgh"), 4), QStringLiteral("abcd-\r\nefgh"));
}

TEST(WrapPrompt, WidthZeroLeavesTheTextWhole)
{
    const QString longText = QString(300, QLatin1Char('x')) + QStringLiteral(" y z");
    EXPECT_EQ(wrapPrompt(longText, 0), longText);
}

TEST(WrapPrompt, TheTextsOwnHyphensAlwaysStay)
{
    EXPECT_EQ(wrapPrompt(QStringLiteral("re-"), 0), QStringLiteral("re-"));
    EXPECT_EQ(wrapPrompt(QStringLiteral("abc-"), 3), QStringLiteral("abc-\r\n-"));
    EXPECT_EQ(wrapPrompt(QStringLiteral("abcdefg-"), 4), QStringLiteral("abcd-\r\nefg-"));
}

TEST(WrapPrompt, TheInputBoxWrapsAtThePreviousCallsWidth)
{
    WhenModalShows when([](QWidget& box) {
        EXPECT_EQ(find<QLabel>(box, "LB")->text(), QStringLiteral("12345 \n67890"));
        clickButton(box, 1);
    });
    BOXa().gaxsna(QStringLiteral("12345 67890"), QString(), 0, 1, QString(), 6);
    EXPECT_EQ(BOXa().string_Snaider(QStringLiteral("abcdefghij")),
              QStringLiteral("abcdef-\r\nghij"));

    WhenModalShows input([](QWidget& box) {
        EXPECT_EQ(find<QLabel>(box, "LB")->text(), QStringLiteral("12345 \n67890"));
        clickButton(box, 1);
    });
    BOXa().MMinputi(QStringLiteral("12345 67890"), QString(), QString(), QString(), 3000, 375);
}

// ---------------------------------------------------------------------------------------
// Captions, answers and choices

TEST(BoxRules, CaptionsTakeTheCallersAtTheirPositionElseTheDefaults)
{
    EXPECT_EQ(buttonCaption(0, 1, {}), QStringLiteral("OK"));
    EXPECT_EQ(buttonCaption(0, 2, {}), QStringLiteral("xo"));
    EXPECT_EQ(buttonCaption(1, 3, {}), QStringLiteral("ara"));
    EXPECT_EQ(buttonCaption(2, 3, {}), QStringLiteral("Sewyveta"));
    const QStringList one{QStringLiteral("Kargi")};
    EXPECT_EQ(buttonCaption(0, 3, one), QStringLiteral("Kargi"));
    EXPECT_EQ(buttonCaption(1, 3, one), QStringLiteral("ara"));
}

TEST(BoxRules, FixedAnswers)
{
    EXPECT_EQ(fixedAnswer(BoxMode::Message, 0), QStringLiteral("6"));
    EXPECT_EQ(fixedAnswer(BoxMode::Message, 1), QStringLiteral("7"));
    EXPECT_EQ(fixedAnswer(BoxMode::Message, 2), QStringLiteral("2"));
    EXPECT_EQ(fixedAnswer(BoxMode::Input, 1), QString());
    EXPECT_EQ(fixedAnswer(BoxMode::List, 1), QStringLiteral("7"));
}

TEST(BoxRules, ChosenLinesByTextOrIndex)
{
    const QStringList items{QStringLiteral("zero"), QStringLiteral("one"), QStringLiteral("two")};
    EXPECT_EQ(chosenLines(items, {0, 2}, true), QStringLiteral("0/2"));
    EXPECT_EQ(chosenLines(items, {0, 2}, false), QStringLiteral("zero\r\ntwo"));
    EXPECT_EQ(chosenLines(items, {1}, true), QStringLiteral("1"));
}

TEST(BoxRules, IconNumbersAndLineBreaks)
{
    EXPECT_EQ(iconPixmap(2), QStyle::SP_MessageBoxWarning);
    EXPECT_EQ(iconPixmap(3), QStyle::SP_MessageBoxInformation);
    EXPECT_EQ(iconPixmap(5), QStyle::SP_MessageBoxCritical);
    EXPECT_EQ(iconPixmap(6), QStyle::SP_MessageBoxQuestion);
    EXPECT_EQ(iconPixmap(8), QStyle::SP_MessageBoxQuestion);
    EXPECT_EQ(iconPixmap(17), QStyle::SP_MessageBoxInformation);
    EXPECT_EQ(withoutLineBreaks(QStringLiteral("a\r\nb\rc\n")), QStringLiteral("abc"));
}

// ---------------------------------------------------------------------------------------
// Layout arithmetic

TEST(BoxLayout, MessageBoxIsWidenedTo5000AndTheLabelCentredOnTheIcon)
{
    const BoxLayout layout = messageBoxLayout({2000, 195}, true, 1);
    EXPECT_EQ(layout.windowWidth, 5000);
    EXPECT_EQ(layout.icon, (TwipRect{240, 240, 480, 480}));
    EXPECT_EQ(layout.label, (TwipRect{870, 360 - 97, 2000, 195}));
    EXPECT_EQ(layout.buttonWidth, 1636); // a third of the inner width 4910
    EXPECT_EQ(layout.strip, (TwipRect{2455 - 818, 720 + 190, 1636, 435}));
    EXPECT_EQ(layout.windowHeight, 910 + 435 + 450);
    EXPECT_EQ(layout.clientSize(), (TwipSize{4910, 1795 - 375}));
}

TEST(BoxLayout, ThreeButtonsOverflowTheInnerWidthAndGrowTheWindowBy300)
{
    const BoxLayout layout = messageBoxLayout({6000, 900}, true, 3);
    EXPECT_EQ(layout.buttonWidth, 7120 / 3);
    EXPECT_EQ(layout.strip.width, 3 * 2373 + 15);
    EXPECT_EQ(layout.windowWidth, 7210 + 300);
    EXPECT_EQ(layout.label, (TwipRect{870, 240, 6000, 900})); // taller than the icon: stays
    EXPECT_EQ(layout.strip.top, 240 + 900 + 190);
    EXPECT_EQ(layout.strip.left, 7420 / 2 - 7134 / 2);
    EXPECT_EQ(layout.button(0), (TwipRect{0, 0, 2373, 375}));
    EXPECT_EQ(layout.button(1), (TwipRect{2388, 0, 2373, 375}));
    EXPECT_EQ(layout.button(2), (TwipRect{4761, 0, 2373, 375}));
}

TEST(BoxLayout, TwoButtonsFitAndALabelWithoutIconIsCentred)
{
    const BoxLayout layout = messageBoxLayout({1000, 195}, false, 2);
    EXPECT_EQ(layout.windowWidth, 5000);
    EXPECT_EQ(layout.strip.width, 2 * 1636 + 15);
    EXPECT_EQ(layout.label.left, 2500 - 500);
}

TEST(BoxLayout, InputBoxPutsTheFieldUnderTheLabel)
{
    const BoxLayout narrow = inputBoxLayout({1500, 195}, {4000, 375});
    EXPECT_EQ(narrow.label, (TwipRect{30, 30, 1500, 195}));
    EXPECT_EQ(narrow.field, (TwipRect{30, 315, 4000, 375}));
    EXPECT_EQ(narrow.windowWidth, 5000);
    EXPECT_EQ(narrow.strip.top, 315 + 375 + 90);
    EXPECT_EQ(narrow.windowHeight, 780 + 435 + 450);

    EXPECT_EQ(inputBoxLayout({1500, 195}, {6000, 375}).windowWidth, 90 + 6000 + 60);
    EXPECT_EQ(inputBoxLayout({7000, 195}, {6000, 375}).windowWidth, 90 + 7000 + 60);
}

TEST(BoxLayout, ListBoxCentresItsLabel)
{
    const BoxLayout layout = listBoxLayout({3000, 195}, {3000, 2000});
    EXPECT_EQ(layout.label, (TwipRect{2500 - 1500, 30, 3000, 195}));
    EXPECT_EQ(layout.field, (TwipRect{30, 315, 3000, 2000}));
    EXPECT_EQ(layout.strip.top, 2315 + 90);
    EXPECT_EQ(layout.windowHeight, 2405 + 435 + 450);
}

TEST(BoxLayout, PictureAreaMakesRoomForTheNameAndIsAtLeast1000High)
{
    EXPECT_EQ(pictureAreaSize({600, 450}, 900), (TwipSize{1400, 1000}));
    EXPECT_EQ(pictureAreaSize({900, 450}, 100), (TwipSize{900, 1000}));
    EXPECT_EQ(pictureAreaSize({3000, 2000}, 900), (TwipSize{3000, 2000}));
}

// ---------------------------------------------------------------------------------------
// The message box

TEST(MessageBox, OneButtonShowsOKAndAnswers6)
{
    const QString answer = message(1, {}, [](QWidget& box) {
        EXPECT_EQ(&box, &BOXa());
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Kelmora"));
        EXPECT_EQ(button(box, 0)->text(), QStringLiteral("OK"));
        EXPECT_EQ(button(box, 0)->font().pointSize(), 8);
        EXPECT_TRUE(button(box, 1)->isHidden());
        EXPECT_TRUE(button(box, 2)->isHidden());
        EXPECT_EQ(find<QLabel>(box, "LB")->text(),
                  QStringLiteral(u"\u10D2\u10D0\u10DB\u10D0\u10E0\u10EF\u10DD\u10D1\u10D0"));
        EXPECT_EQ(box.width(), twipsToPixels(5000 - 90)); // a short prompt: the least width
        clickButton(box, 0);
    });
    EXPECT_EQ(answer, QStringLiteral("6"));
}

TEST(MessageBox, TwoButtonsShowXoAndAraInGeorgian)
{
    const QString answer = message(2, {}, [](QWidget& box) {
        EXPECT_EQ(button(box, 0)->text(), kXo);
        EXPECT_EQ(button(box, 1)->text(), kAra);
        EXPECT_EQ(button(box, 1)->font().pointSize(), 10);
        EXPECT_TRUE(button(box, 2)->isHidden());
        clickButton(box, 1);
    });
    EXPECT_EQ(answer, QStringLiteral("7"));
}

TEST(MessageBox, ThreeCustomCaptionsReplaceTheDefaults)
{
    const QString answer = message(3, QStringLiteral("a/b/c"), [](QWidget& box) {
        EXPECT_EQ(button(box, 0)->text(), QStringLiteral(u"\u10D0"));
        EXPECT_EQ(button(box, 1)->text(), QStringLiteral(u"\u10D1"));
        EXPECT_EQ(button(box, 2)->text(), QStringLiteral(u"\u10EA"));
        clickButton(box, 2);
    });
    EXPECT_EQ(answer, QStringLiteral("2"));
}

TEST(MessageBox, FewerCustomCaptionsThanButtonsKeepTheRestsDefaults)
{
    message(3, QStringLiteral("Kargi"), [](QWidget& box) {
        EXPECT_EQ(button(box, 0)->text(), QStringLiteral(u"K\u10D0\u10E0\u10D2\u10D8"));
        EXPECT_EQ(button(box, 1)->text(), kAra);
        EXPECT_EQ(button(box, 2)->text(), kSewyveta);
        clickButton(box, 0);
    });
}

TEST(MessageBox, IconAndTitleShow)
{
    WhenModalShows when([](QWidget& box) {
        EXPECT_FALSE(find<QLabel>(box, "IM")->isHidden());
        EXPECT_FALSE(find<QLabel>(box, "IM")->pixmap().isNull());
        EXPECT_EQ(box.windowTitle(), QStringLiteral("META Tag")) << "titles are Latin text";
        clickButton(box, 0);
    });
    BOXa().gaxsna(QStringLiteral("kiTxva"), QStringLiteral("META Tag"), 6, 2, QString(), 40);
    message(1, {}, [](QWidget& box) {
        EXPECT_TRUE(find<QLabel>(box, "IM")->isHidden());
        clickButton(box, 0);
    });
}

TEST(MessageBox, EscAndTheFrameAnswerAsTheLastButton)
{
    const auto escape = [](QWidget& box) { QTest::keyClick(&box, Qt::Key_Escape); };
    EXPECT_EQ(message(3, {}, escape), QStringLiteral("2"));
    EXPECT_EQ(message(2, {}, escape), QStringLiteral("7"));
    EXPECT_EQ(message(1, {}, escape), QStringLiteral("6"));
    EXPECT_EQ(message(2, {}, [](QWidget& box) { box.close(); }), QStringLiteral("7"));
}

TEST(MessageBox, AFrameCloseLeavesNoModeBehind)
{
    WhenModalShows input([](QWidget& box) { box.close(); });
    EXPECT_EQ(BOXa().MMinputi(QStringLiteral("saxeli"), QString(), QString(), QStringLiteral("abc"),
                              3000, 375),
              QString());

    const QString answer = message(1, {}, [](QWidget& box) {
        EXPECT_EQ(box.findChild<QWidget*>(QStringLiteral("Tmulti")), nullptr);
        EXPECT_EQ(button(box, 0)->text(), QStringLiteral("OK"));
        EXPECT_TRUE(find<QListWidget>(box, "List1")->isHidden());
        clickButton(box, 0);
    });
    EXPECT_EQ(answer, QStringLiteral("6"));

    // A list box in index mode closed through the frame, then a message box whose first
    // button answers "6", not a list answer.
    WhenModalShows list([](QWidget& box) {
        find<QListWidget>(box, "List1")->item(1)->setSelected(true);
        box.close();
    });
    const ListAnswer closed = BOXa().InputListChoice(
        QStringLiteral("airCieT"), {QStringLiteral("a"), QStringLiteral("b")},
        QStringLiteral("sia"), QString(), 3000, 2000, -1);
    EXPECT_FALSE(closed.accepted);
    EXPECT_EQ(closed.text, QStringLiteral("7"));
    EXPECT_EQ(message(2), QStringLiteral("6"));
}

TEST(MessageBox, ABoxEndedWithoutAnyButtonAnswersNothingOfThePreviousCall)
{
    EXPECT_EQ(message(2, {}, [](QWidget& box) { clickButton(box, 1); }), QStringLiteral("7"));
    EXPECT_EQ(message(2, {}, [](QWidget& box) { box.hide(); }), QString());
}

// ---------------------------------------------------------------------------------------
// The input box

TEST(InputBox, SecondButtonAnswersEmptyText)
{
    WhenModalShows when([](QWidget& box) {
        EXPECT_EQ(button(box, 0)->text(), kMzaTaa);
        EXPECT_EQ(button(box, 1)->text(), kSewyveta);
        clickButton(box, 1);
    });
    EXPECT_EQ(BOXa().MMinputi(QStringLiteral("saxeli"), QString(), QString(), QStringLiteral("abc"),
                              3000, 375),
              QString());
}

TEST(InputBox, GeorgianFieldShowsLettersAndAnswersKeys)
{
    WhenModalShows when([](QWidget& box) {
        auto* field = find<QLineEdit>(box, "Tmulti");
        EXPECT_EQ(field->text(), QStringLiteral(u"\u10D2\u10D0 1"));
        EXPECT_EQ(field->selectedText(), field->text());
        EXPECT_TRUE(field->font().bold());
        EXPECT_EQ(field->width(), twipsToPixels(6000));
        EXPECT_EQ(box.width(), twipsToPixels(6000 + 60));
        typeText(field, QStringLiteral(u"\u10D3\u10D4x"));
        clickButton(box, 0);
    });
    EXPECT_EQ(BOXa().MMinputi(QStringLiteral("saxeli"), QString(), QStringLiteral("G"),
                              QStringLiteral("ga 1"), 6000, 375),
              QStringLiteral("dex"));
}

TEST(InputBox, OneLineFieldTakesNoLineBreakAndSwallowsEnter)
{
    WhenModalShows when([](QWidget& box) {
        auto* field = find<QLineEdit>(box, "Tmulti");
        field->clear();
        field->insert(QStringLiteral("one\r\ntwo\n"));
        EXPECT_EQ(field->text(), QStringLiteral("onetwo"));
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter);
        EXPECT_TRUE(box.isVisible());
        clickButton(box, 0);
    });
    EXPECT_EQ(BOXa().MMinputi(QStringLiteral("saxeli"), QString(), QString(), QString(), 3000, 399),
              QStringLiteral("onetwo"));
}

TEST(InputBox, TallFieldKeepsLineBreaksAndBytes)
{
    WhenModalShows when([](QWidget& box) {
        auto* field = find<QPlainTextEdit>(box, "Tmulti");
        EXPECT_EQ(field->document()->blockCount(), 2);
        field->moveCursor(QTextCursor::End);
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClicks(field, QStringLiteral("c"));
        clickButton(box, 0);
    });
    EXPECT_EQ(BOXa().MMinputi(QStringLiteral("teqsti"), QString(), QString(),
                              QStringLiteral("a\xA0\r\nb\xE9"), 3000, 400),
              QStringLiteral("a\xA0\r\nb\xE9\r\nc"));
}

// ---------------------------------------------------------------------------------------
// The list box

TEST(ListBox, IndexModeAnswersTheChosenIndexesJoinedBySlash)
{
    const ListAnswer answer = chooseFromList({0, 2}, -1);
    EXPECT_TRUE(answer.accepted);
    EXPECT_EQ(answer.text, QStringLiteral("0/2"));
}

TEST(ListBox, TextModeAnswersTheChosenLinesJoinedByCrLf)
{
    EXPECT_EQ(chooseFromList({2, 0}, 0).text, QStringLiteral("zero\r\ntwo"));
}

TEST(ListBox, EmptySelectionKeepsTheBoxOpen)
{
    WhenModalShows when([](QWidget& box) {
        clickButton(box, 0);
        EXPECT_TRUE(box.isVisible());
        find<QListWidget>(box, "List1")->item(1)->setSelected(true);
        clickButton(box, 0);
    });
    EXPECT_EQ(BOXa().InputList(QStringLiteral("airCieT"),
                               {QStringLiteral("a"), QStringLiteral("b")}, QStringLiteral("sia"),
                               QString(), 3000, 2000, 0),
              QStringLiteral("b"));
}

TEST(ListBox, ALineReadingSevenIsToldApartFromCancel)
{
    const QStringList items{QStringLiteral("7"), QStringLiteral("ara")};
    const auto ask = [&](std::function<void(QWidget&)> action) {
        WhenModalShows when(std::move(action));
        return BOXa().InputListChoice(QStringLiteral("airCieT"), items, QStringLiteral("sia"),
                                      QStringLiteral("G"), 3000, 2000, 0);
    };
    const ListAnswer line = ask([](QWidget& box) {
        auto* list = find<QListWidget>(box, "List1");
        EXPECT_EQ(list->item(1)->text(), kAra);
        list->item(0)->setSelected(true);
        clickButton(box, 0);
    });
    EXPECT_TRUE(line.accepted);
    EXPECT_EQ(line.text, QStringLiteral("7"));

    const ListAnswer cancel = ask([](QWidget& box) { clickButton(box, 1); });
    EXPECT_FALSE(cancel.accepted);
    EXPECT_EQ(cancel.text, QStringLiteral("7"));

    const ListAnswer georgianLine = ask([](QWidget& box) {
        find<QListWidget>(box, "List1")->item(1)->setSelected(true);
        clickButton(box, 0);
    });
    EXPECT_EQ(georgianLine.text, QStringLiteral("ara"));
}

// ---------------------------------------------------------------------------------------
// The picture window

namespace {

QString writePicture(const QTemporaryDir& folder)
{
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    const QString path = folder.filePath(QStringLiteral("suraTi.png"));
    EXPECT_TRUE(picture.save(path));
    return path;
}

} // namespace

TEST(PictureWindow, IsAWindowOfItsOwnAndBoxesStillWork)
{
    QTemporaryDir folder;
    QWidget owner;
    ASSERT_TRUE(BOXa().showpik(writePicture(folder), &owner));
    auto* picture = owner.findChild<PictureWindow*>();
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->isWindow());
    EXPECT_TRUE(picture->isVisible());
    EXPECT_EQ(picture->windowTitle(), QStringLiteral("suraTi.png"));
    EXPECT_EQ(picture->height(), twipsToPixels(1000));
    EXPECT_GE(picture->width(), 40);

    const QString answer = message(2, {}, [picture](QWidget& box) {
        EXPECT_NE(&box, picture);
        clickButton(box, 1);
    });
    EXPECT_EQ(answer, QStringLiteral("7"));
    EXPECT_TRUE(picture->isVisible());
}

TEST(PictureWindow, ClickClosesIt)
{
    QTemporaryDir folder;
    QWidget owner;
    ASSERT_TRUE(BOXa().showpik(writePicture(folder), &owner));
    QPointer<PictureWindow> picture = owner.findChild<PictureWindow*>();
    ASSERT_FALSE(picture.isNull());
    QTest::mouseClick(find<QLabel>(*picture, "Pvid"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(picture.isNull());
}

TEST(PictureWindow, FileWithoutPictureOpensNothing)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("broken.png"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    QWidget owner;
    EXPECT_FALSE(BOXa().showpik(path, &owner));
    EXPECT_FALSE(BOXa().showpik(folder.filePath(QStringLiteral("missing.png")), &owner));
    EXPECT_EQ(owner.findChild<PictureWindow*>(), nullptr);
}

// ---------------------------------------------------------------------------------------
// The prompts interface

namespace {

class InstalledBoxPrompts
{
public:
    InstalledBoxPrompts() : m_previous(installPrompts(&m_prompts)) {}
    ~InstalledBoxPrompts() { installPrompts(m_previous); }

private:
    FileDialogStart m_dialogStart;
    BoxPrompts m_prompts{m_dialogStart};
    Prompts* m_previous;
};

} // namespace

TEST(BoxPrompts, TheWrappersAskInTheOwnBox)
{
    InstalledBoxPrompts installed;
    {
        WhenModalShows when([](QWidget& box) {
            EXPECT_EQ(&box, &BOXa());
            clickButton(box, 1);
        });
        EXPECT_EQ(MsgBoxa(QStringLiteral("Senaxva?"), QString(), kIconQuestion, 3, QString(), 40),
                  QStringLiteral("7"));
    }
    {
        WhenModalShows when([](QWidget& box) { clickButton(box, 0); });
        EXPECT_EQ(InputBoxa(QStringLiteral("saxeli"), QString(), QString(),
                            QStringLiteral("index.html"), 3000, 375),
                  QStringLiteral("index.html"));
    }
    {
        WhenModalShows when([](QWidget& box) { clickButton(box, 1); });
        EXPECT_EQ(ListBoxa(QStringLiteral("airCieT"), {QStringLiteral("7")}, QStringLiteral("sia"),
                           QString(), 3000, 2000, 0),
                  QStringLiteral("7"));
    }
}

TEST(BoxPrompts, PlatformMessageUsesThePlatformsBox)
{
    FileDialogStart dialogStart;
    BoxPrompts prompts(dialogStart);
    WhenModalShows when([](QWidget& window) {
        auto* box = qobject_cast<QMessageBox*>(&window);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), QStringLiteral("File \u00E9 is missing"));
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Kelmora"));
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    prompts.platformMessage(QStringLiteral("File \xE9 is missing"),
                            Prompts::PlatformIcon::Exclamation, QString());
}

TEST(BoxPrompts, FileDialogsStartWhereAFileWasLastChosenElseInTheOpenProjectElseAtHome)
{
    const QTemporaryDir root;
    const QString project = root.path() + QStringLiteral("/site");
    const QString pages = root.path() + QStringLiteral("/pages");
    const QString named = root.path() + QStringLiteral("/named");
    for (const QString& folder : {project, pages, named})
        ASSERT_TRUE(QDir().mkpath(folder));
    QFile page(pages + QStringLiteral("/a.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();

    QString openProject;
    FileDialogStart dialogStart;
    dialogStart.followProject([&] { return openProject; });
    BoxPrompts prompts(dialogStart);
    DesktopShell shell(dialogStart);
    const QString filter = QStringLiteral("All Files|*.*");
    // Where the dialog that ask shows starts; it is then cancelled, or chooses choice.
    const auto startOf = [](const std::function<void()>& ask, const QString& choice = {}) {
        QString started;
        WhenModalShows when([&](QWidget& window) {
            auto* dialog = qobject_cast<QFileDialog*>(&window);
            ASSERT_NE(dialog, nullptr);
            started = dialog->directory().absolutePath();
            if (choice.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->selectFile(choice);
            static_cast<QDialog*>(dialog)->accept(); // the file dialog's own check of the choice
        });
        ask();
        return started;
    };
    using Ask = std::function<void()>;
    const Ask open = [&] { prompts.openFileName(nullptr, QString(), filter); };
    const Ask openMany = [&] { prompts.openFileNames(nullptr, QString(), filter); };
    const Ask save = [&] {
        prompts.saveFileName(nullptr, QString(), filter, QString(), QString());
    };
    const Ask saveNamed = [&] {
        prompts.saveFileName(nullptr, QString(), filter, QString(), named);
    };
    const Ask browse = [&] { shell.browseFolder(nullptr, QString()); };

    EXPECT_EQ(startOf(open), QDir::homePath()) << "no project, nothing chosen yet";
    EXPECT_EQ(startOf(browse), QDir::homePath());
    openProject = project + QLatin1Char('/');
    EXPECT_EQ(startOf(save), project);
    EXPECT_EQ(startOf(openMany), project);
    EXPECT_EQ(startOf(saveNamed), named) << "a folder the caller names";
    EXPECT_EQ(startOf(open, pages + QStringLiteral("/a.html")), project);
    for (const Ask& ask : {open, openMany, save, browse})
        EXPECT_EQ(startOf(ask), pages) << "where the last file was chosen, project or not";
    EXPECT_EQ(startOf(saveNamed), named);
    EXPECT_EQ(startOf(browse, named), pages);
    EXPECT_EQ(startOf(save), named) << "a chosen folder";
}
