#pragma once

// The program's own dialog window: a message box with up to three buttons, an input box and
// a list box, all showing their prompts and captions in Georgian and their titles as Latin
// text, and a separate modeless window for pictures. Every showing starts with the first
// button as the default and in focus.
//
// The rules of the boxes (prompt wrapping, captions, answers, layout arithmetic in twips)
// are plain functions below, apart from the windows that use them.

#include "platform/displaymap.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStyle>

#include <memory>

class QLabel;
class QListWidget;
class QPixmap;
class QPushButton;

// ---------------------------------------------------------------------------------------
// Rules of the boxes

// Cuts the prompt into lines of `width` characters joined by CR LF. A break inside a word
// gets a hyphen; a blank at a break stays at the end of its line. A text not longer than
// the width, or already holding CR LF, comes back unchanged; width 0 never breaks.
QString wrapPrompt(const QString& text, quint8 width);

// Which kind of box is showing; it decides what the buttons answer.
enum class BoxMode { Message, Input, List };

// Button `index` of `count`: the caller's caption at that position when it gave one,
// else the default ("OK" for a lone button, else "xo", "ara", "Sewyveta").
QString buttonCaption(int index, int count, const QStringList& custom);

// The answer of a button that does not read the box's controls: "6" for the message
// box's first button, "" for the input box's second and "7" for the others' second,
// "2" for the third.
QString fixedAnswer(BoxMode mode, int button);

// The list box's answer for the chosen rows (in ascending order): their lines joined by
// CR LF, or with byIndex their 0-based indexes joined by "/".
QString chosenLines(const QStringList& items, const QList<int>& rows, bool byIndex);

// The text with every CR and LF taken out (a one-line input field holds no line break).
QString withoutLineBreaks(const QString& text);

// The standard picture for an icon number of the message box (1-based).
QStyle::StandardPixmap iconPixmap(qint32 number);

// ---------------------------------------------------------------------------------------
// Layout of the boxes, in twips

struct TwipSize
{
    int width = 0;
    int height = 0;
    bool operator==(const TwipSize&) const = default;
};

struct TwipRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const TwipRect&) const = default;
};

// The frame the box's outer sizes include: a fixed dialog border of 3 pixels a side and
// a caption bar of 19 pixels.
constexpr TwipSize kBoxFrame{90, 375};
// An input field lower than this holds one line.
constexpr int kSingleLineBelow = 400;

struct BoxLayout
{
    int windowWidth = 0; // outer size, frame included
    int windowHeight = 0;
    TwipRect icon;
    TwipRect label;
    TwipRect field; // the input field or the list
    TwipRect strip; // the button strip
    int buttonWidth = 0;

    TwipSize clientSize() const;
    // Button `index` inside the strip: the first gap is 15, the second and third touch.
    TwipRect button(int index) const;
};

BoxLayout messageBoxLayout(TwipSize label, bool iconShown, int buttonCount);
BoxLayout inputBoxLayout(TwipSize label, TwipSize field);
BoxLayout listBoxLayout(TwipSize label, TwipSize list);

// The picture area of a picture window: the picture, but at least 1000 high and, when the
// picture is narrower than 1000, wide enough for the file name (its width + 500).
TwipSize pictureAreaSize(TwipSize picture, int captionWidth);

// ---------------------------------------------------------------------------------------
// Windows

// The list box's answer with its cancel told apart from a line that reads "7".
struct ListAnswer
{
    bool accepted = false; // the first button was pressed
    QString text;          // the chosen lines or indexes; "7" when not accepted
};

class InputField;

// The one dialog window behind the program's own message, input and list boxes
// (see BOXa()). Each call fills it, shows it modally and returns what the pressed button
// left. Closing it through its frame or with Esc answers as its last button.
class frmBOXa : public QDialog
{
    Q_OBJECT

public:
    explicit frmBOXa(QWidget* parent = nullptr);
    ~frmBOXa() override;

    // Message box with 1 to 3 buttons; captions "" for the defaults or joined by "/".
    // Answers "6", "7" or "2" for the first, second, third button.
    // The prompt is Latin-key Georgian unless promptMap says otherwise.
    QString gaxsna(const QString& prompt, const QString& title, qint32 icon, quint8 buttons,
                   const QString& captions, quint8 wrap,
                   DisplayMapKind promptMap = DisplayMapKind::GeorgianKeys);
    // Input box: the typed text for "mzaTaa", "" for "Sewyveta". Font "G" shows the text
    // in the Georgian font; the field is width x height twips, one line below 400 high.
    QString MMinputi(const QString& prompt, const QString& title, const QString& font,
                     const QString& initial, qint32 width, qint32 height);
    // List box: the chosen lines (or indexes) for "mzaTaa", "7" for "Sewyveta".
    QString InputList(const QString& prompt, const QStringList& items, const QString& title,
                      const QString& font, qint32 width, qint32 height, qint16 byIndex);
    ListAnswer InputListChoice(const QString& prompt, const QStringList& items,
                               const QString& title, const QString& font, qint32 width,
                               qint32 height, qint16 byIndex);
    // The prompt wrapped at the width of the last call that set one (0 before any).
    QString string_Snaider(const QString& text) const;
    // Opens a picture file in a window of its own, owned by `owner`, and returns at once;
    // false when the file holds no picture that can be loaded.
    bool showpik(const QString& path, QWidget* owner);

    void reject() override;

private:
    void CB_Click(int index);
    bool readControlsAnswer();

    void startCall(BoxMode mode, const QStringList& captions);
    void setCaption(const QString& title);
    bool showIcon(qint32 number);
    TwipSize setPrompt(const QString& prompt, DisplayMapKind map = DisplayMapKind::GeorgianKeys);
    void buildButtons(int count);
    void applyLayout(const BoxLayout& layout, QWidget* field = nullptr);
    QString showModal();

    QLabel* LB;
    QLabel* IM;
    QWidget* PBF;
    QList<QPushButton*> CB;
    std::unique_ptr<InputField> Tmulti;
    QListWidget* List1;

    // What the current call asked for and what its buttons left.
    BoxMode m_mode = BoxMode::Message;
    QStringList m_captions;
    int m_buttonCount = 1;
    bool m_byIndex = false;
    QStringList m_items;
    QString m_answer;
    bool m_firstButtonPressed = false;
    // Kept between calls: the input box wraps its prompt at the previous call's width.
    quint8 m_wrapWidth = 0;
};

// The program-wide box, created on first use.
frmBOXa& BOXa();

// A modeless window showing one picture; a click on it closes it.
class PictureWindow : public QWidget
{
    Q_OBJECT

public:
    PictureWindow(const QPixmap& picture, const QString& path, QWidget* owner);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QLabel* Pvid;
};
