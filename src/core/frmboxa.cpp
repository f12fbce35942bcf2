#include "core/frmboxa.h"

#include "core/sharedroutines.h"
#include "platform/bytetext.h"
#include "platform/displaymap.h"
#include "platform/paths.h"
#include "platform/twips.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextDocument>
#include <QValidator>

#include <algorithm>

namespace {

// Design-time places and sizes of the box's controls, in twips.
constexpr TwipRect kIconPlace{240, 240, 480, 480};
constexpr int kMessageLabelTop = 240;
constexpr int kFieldMargin = 30; // input and list box: the label's and the field's edge
constexpr int kButtonHeight = 375;
constexpr int kMinWindowWidth = 5000;

} // namespace

// ---------------------------------------------------------------------------------------
// Rules of the boxes

QString wrapPrompt(const QString& text, quint8 width)
{
    if (text.size() <= width || text.contains(kCrLf))
        return text;

    QString wrapped;
    int column = 1;
    for (const QChar c : text) {
        wrapped += c;
        if (column != width) {
            ++column;
            continue;
        }
        if (c != QLatin1Char(' '))
            wrapped += QLatin1Char('-');
        wrapped += kCrLf;
        column = 1;
    }
    // A break put after the very last character goes again, with its hyphen; the text's
    // own characters, a final hyphen of its own included, always stay.
    if (column == 1) {
        wrapped.chop(kCrLf.size());
        if (text.back() != QLatin1Char(' '))
            wrapped.chop(1);
    }
    return wrapped;
}

QString buttonCaption(int index, int count, const QStringList& custom)
{
    if (index < custom.size())
        return custom[index];
    if (index == 0)
        return count == 1 ? QStringLiteral("OK") : QStringLiteral("xo");
    return index == 1 ? QStringLiteral("ara") : QStringLiteral("Sewyveta");
}

QString fixedAnswer(BoxMode mode, int button)
{
    switch (button) {
    case 0:
        return QStringLiteral("6");
    case 1:
        return mode == BoxMode::Input ? QString() : QStringLiteral("7");
    default:
        return QStringLiteral("2");
    }
}

QString chosenLines(const QStringList& items, const QList<int>& rows, bool byIndex)
{
    QStringList chosen;
    for (const int row : rows)
        chosen << (byIndex ? QString::number(row) : items.value(row));
    return chosen.join(byIndex ? QStringLiteral("/") : kCrLf);
}

QString withoutLineBreaks(const QString& text)
{
    QString oneLine = text;
    oneLine.remove(QLatin1Char('\r'));
    oneLine.remove(QLatin1Char('\n'));
    return oneLine;
}

QStyle::StandardPixmap iconPixmap(qint32 number)
{
    switch (number) {
    case 2: // a missing file
        return QStyle::SP_MessageBoxWarning;
    case 5: // errors
        return QStyle::SP_MessageBoxCritical;
    case 6: // questions
    case 8:
        return QStyle::SP_MessageBoxQuestion;
    default:
        return QStyle::SP_MessageBoxInformation;
    }
}

// ---------------------------------------------------------------------------------------
// Layout of the boxes

TwipSize BoxLayout::clientSize() const
{
    return {windowWidth - kBoxFrame.width, windowHeight - kBoxFrame.height};
}

TwipRect BoxLayout::button(int index) const
{
    return {index == 0 ? 0 : index * buttonWidth + 15, 0, buttonWidth, kButtonHeight};
}

namespace {

int innerWidth(const BoxLayout& layout)
{
    return layout.windowWidth - kBoxFrame.width;
}

// The message box: the label right of the icon, the window wide enough for both (the icon's
// room counts even when it shows no picture).
BoxLayout labelBesideIcon(TwipSize label)
{
    BoxLayout layout;
    layout.icon = kIconPlace;
    layout.label = {kIconPlace.right() + 150, kMessageLabelTop, label.width, label.height};
    layout.windowWidth = std::max(kIconPlace.right() + label.width + 490, kMinWindowWidth);
    return layout;
}

// The input and list boxes: the label at the top left, the field under it.
BoxLayout fieldUnderLabel(TwipSize label, TwipSize field)
{
    BoxLayout layout;
    layout.label = {kFieldMargin, kFieldMargin, label.width, label.height};
    layout.field = {kFieldMargin, layout.label.bottom() + 90, field.width, field.height};
    layout.windowWidth =
        std::max(kBoxFrame.width + std::max(label.width, field.width) + 60, kMinWindowWidth);
    return layout;
}

// The button strip at `top`, each button a third of the inner width wide; the window
// ends 450 below the strip.
void placeButtonStrip(BoxLayout& layout, int count, int top)
{
    layout.buttonWidth = innerWidth(layout) / 3;
    layout.strip = {0, top, count * layout.buttonWidth + (count > 1 ? 15 : 0), kButtonHeight + 60};
    layout.windowHeight = layout.strip.bottom() + 450;
}

// Done last, once the window's width is final.
void centreButtonStrip(BoxLayout& layout)
{
    layout.strip.left = innerWidth(layout) / 2 - layout.strip.width / 2;
}

} // namespace

BoxLayout messageBoxLayout(TwipSize label, bool iconShown, int buttonCount)
{
    BoxLayout layout = labelBesideIcon(label);
    placeButtonStrip(layout, buttonCount,
                     std::max(layout.icon.bottom(), layout.label.bottom()) + 190);
    if (layout.strip.width > innerWidth(layout))
        layout.windowWidth += 300;
    if (layout.icon.height > label.height)
        layout.label.top = (layout.icon.top + layout.icon.height) / 2 - label.height / 2;
    if (!iconShown)
        layout.label.left = layout.windowWidth / 2 - label.width / 2;
    centreButtonStrip(layout);
    return layout;
}

BoxLayout inputBoxLayout(TwipSize label, TwipSize field)
{
    BoxLayout layout = fieldUnderLabel(label, field);
    placeButtonStrip(layout, 2, layout.field.bottom() + 90);
    centreButtonStrip(layout);
    return layout;
}

BoxLayout listBoxLayout(TwipSize label, TwipSize list)
{
    BoxLayout layout = fieldUnderLabel(label, list);
    layout.label.left = layout.windowWidth / 2 - label.width / 2;
    placeButtonStrip(layout, 2, layout.field.bottom() + 90);
    centreButtonStrip(layout);
    return layout;
}

TwipSize pictureAreaSize(TwipSize picture, int captionWidth)
{
    TwipSize area = picture;
    // Never narrower than the picture itself.
    if (area.width < 1000)
        area.width = std::max(area.width, captionWidth + 500);
    if (area.height < 1000)
        area.height = 1000;
    return area;
}

// ---------------------------------------------------------------------------------------
// Fonts and texts of the controls

namespace {

// A font as the box asks for it, with the display map its texts are shown through.
struct BoxFont
{
    const char* family;
    int points;
    bool bold;
    DisplayMapKind map;
};

constexpr BoxFont kSansSerif8{"MS Sans Serif", 8, false, DisplayMapKind::Latin};
constexpr BoxFont kGrigolia10{"Grigolia", 10, false, DisplayMapKind::GeorgianKeys};
constexpr BoxFont kGrigolia10Bold{"Grigolia", 10, true, DisplayMapKind::GeorgianKeys};

QFont qtFont(const BoxFont& wanted)
{
    QFont font; // the default family when the wanted one is not installed
    const QString family = QString::fromLatin1(wanted.family);
    if (QFontDatabase::families().contains(family))
        font.setFamily(family);
    font.setPointSize(wanted.points);
    font.setBold(wanted.bold);
    return font;
}

// The input field and the list: Georgian (bold) for the font argument "G".
const BoxFont& fieldFont(const QString& fontArgument)
{
    return fontArgument == QLatin1String("G") ? kGrigolia10Bold : kSansSerif8;
}

QRect toPixels(const TwipRect& rect)
{
    return QRect(twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width),
                 twipsToPixels(rect.height));
}

// Keeps line breaks out of a one-line field, pasted ones included.
class LineBreakRemover : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override
    {
        position = int(withoutLineBreaks(input.left(position)).size());
        input = withoutLineBreaks(input);
        return Acceptable;
    }
};

// Swallows Enter in a one-line field: it neither breaks the line nor presses a button.
class EnterSwallower : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

// The input box's text field, named "Tmulti": one line (a QLineEdit that takes no line
// break) or several (a QPlainTextEdit). It shows byte text through a display map and
// gives back byte text, with CR LF for each line break.
class InputField
{
public:
    InputField(bool multiLine, const BoxFont& font, QWidget* parent)
        : m_map(DisplayMap::get(font.map))
    {
        if (multiLine) {
            auto* lines = new QPlainTextEdit(parent);
            lines->setTabChangesFocus(true); // Tab leaves the field, as in the one-line one
            m_widget = lines;
        } else {
            auto* line = new QLineEdit(parent);
            line->setValidator(new LineBreakRemover(line));
            line->installEventFilter(new EnterSwallower(line));
            m_widget = line;
        }
        m_widget->setObjectName(QStringLiteral("Tmulti"));
        m_widget->setFont(qtFont(font));
        m_widget->show();
    }
    ~InputField() { delete m_widget; }

    QWidget* widget() const { return m_widget; }

    // Presets the text, selected whole.
    void setText(const QString& byteText)
    {
        const QString shown = m_map.toShown(byteText);
        if (auto* line = qobject_cast<QLineEdit*>(m_widget)) {
            line->setText(shown);
            line->selectAll();
        } else if (auto* lines = qobject_cast<QPlainTextEdit*>(m_widget)) {
            lines->setPlainText(QString(shown).replace(kCrLf, QStringLiteral("\n")));
            lines->selectAll();
        }
    }

    QString text() const
    {
        if (auto* line = qobject_cast<QLineEdit*>(m_widget))
            return m_map.fromShown(line->text());
        // The raw text keeps a no-break space as it is; blocks are separated by U+2029.
        QString shown = qobject_cast<QPlainTextEdit*>(m_widget)->document()->toRawText();
        shown.replace(QChar::ParagraphSeparator, kCrLf);
        shown.replace(QChar::LineSeparator, kCrLf);
        return m_map.fromShown(shown);
    }

private:
    const DisplayMap& m_map;
    QPointer<QWidget> m_widget;
};

// ---------------------------------------------------------------------------------------
// The box

frmBOXa::frmBOXa(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmBOXa"));

    LB = new QLabel(this);
    LB->setObjectName(QStringLiteral("LB"));
    LB->setTextFormat(Qt::PlainText); // prompts may hold tags
    LB->setFont(qtFont(kGrigolia10));

    IM = new QLabel(this);
    IM->setObjectName(QStringLiteral("IM"));

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setSelectionMode(QAbstractItemView::MultiSelection);

    PBF = new QWidget(this);
    PBF->setObjectName(QStringLiteral("PBF"));
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(PBF);
        button->setObjectName(QStringLiteral("CB") + QString::number(i));
        connect(button, &QPushButton::clicked, this, [this, i] { CB_Click(i); });
        CB << button;
    }
}

frmBOXa::~frmBOXa() = default;

QString frmBOXa::gaxsna(const QString& prompt, const QString& title, qint32 icon, quint8 buttons,
                        const QString& captions, quint8 wrap, DisplayMapKind promptMap)
{
    startCall(BoxMode::Message,
              captions.isEmpty() ? QStringList() : captions.split(QLatin1Char('/')));
    setCaption(title);
    const bool iconShown = showIcon(icon);
    m_wrapWidth = wrap;
    const TwipSize label = setPrompt(prompt, promptMap);
    const int count = std::clamp(int(buttons), 1, 3);
    buildButtons(count);
    applyLayout(messageBoxLayout(label, iconShown, count));
    return showModal();
}

QString frmBOXa::MMinputi(const QString& prompt, const QString& title, const QString& font,
                          const QString& initial, qint32 width, qint32 height)
{
    startCall(BoxMode::Input, {QStringLiteral("mzaTaa"), QStringLiteral("Sewyveta")});
    setCaption(title);
    const TwipSize label = setPrompt(prompt);
    Tmulti = std::make_unique<InputField>(height >= kSingleLineBelow, fieldFont(font), this);
    Tmulti->setText(initial);
    buildButtons(2);
    applyLayout(inputBoxLayout(label, {width, height}), Tmulti->widget());
    Tmulti->widget()->setFocus();
    return showModal();
}

QString frmBOXa::InputList(const QString& prompt, const QStringList& items, const QString& title,
                           const QString& font, qint32 width, qint32 height, qint16 byIndex)
{
    const ListAnswer answer = InputListChoice(prompt, items, title, font, width, height, byIndex);
    return answer.accepted ? answer.text : fixedAnswer(BoxMode::List, 1);
}

ListAnswer frmBOXa::InputListChoice(const QString& prompt, const QStringList& items,
                                    const QString& title, const QString& font, qint32 width,
                                    qint32 height, qint16 byIndex)
{
    startCall(BoxMode::List, {QStringLiteral("mzaTaa"), QStringLiteral("Sewyveta")});
    m_byIndex = byIndex != 0;
    m_items = items;
    m_wrapWidth = 80;
    setCaption(title);
    const TwipSize label = setPrompt(prompt);

    const BoxFont& listFont = fieldFont(font);
    const DisplayMap& map = DisplayMap::get(listFont.map);
    List1->setFont(qtFont(listFont));
    for (const QString& item : items)
        List1->addItem(map.toShown(item));
    List1->show();

    buildButtons(2);
    applyLayout(listBoxLayout(label, {width, height}), List1);
    const QString text = showModal();
    return {m_firstButtonPressed, text};
}

QString frmBOXa::string_Snaider(const QString& text) const
{
    return wrapPrompt(text, m_wrapWidth);
}

bool frmBOXa::showpik(const QString& path, QWidget* owner)
{
    const QPixmap picture(path);
    if (picture.isNull())
        return false;
    (new PictureWindow(picture, path, owner))->show();
    return true;
}

void frmBOXa::reject()
{
    // Closed through the frame or with Esc: the answer of the last button.
    m_answer = fixedAnswer(m_mode, m_buttonCount - 1);
    m_firstButtonPressed = false;
    QDialog::reject();
}

void frmBOXa::CB_Click(int index)
{
    if (index == 0) {
        if (!readControlsAnswer())
            return; // the box stays open
    } else {
        m_answer = fixedAnswer(m_mode, index);
    }
    m_firstButtonPressed = index == 0;
    accept();
}

// The first button's answer from the box's controls; false when there is none yet (an
// empty list selection).
bool frmBOXa::readControlsAnswer()
{
    switch (m_mode) {
    case BoxMode::Message:
        m_answer = fixedAnswer(m_mode, 0);
        return true;
    case BoxMode::Input:
        m_answer = Tmulti->text();
        return true;
    case BoxMode::List: {
        QList<int> rows;
        for (int row = 0; row < List1->count(); ++row) {
            if (List1->item(row)->isSelected())
                rows << row;
        }
        if (rows.isEmpty())
            return false;
        m_answer = chosenLines(m_items, rows, m_byIndex);
        return true;
    }
    }
    return false;
}

// Every call starts from a clean box: nothing of the previous call's answer, mode,
// captions or controls survives, however that call ended.
void frmBOXa::startCall(BoxMode mode, const QStringList& captions)
{
    m_mode = mode;
    m_captions = captions;
    m_byIndex = false;
    m_items.clear();
    m_answer.clear();
    m_firstButtonPressed = false;

    Tmulti.reset();
    List1->clear();
    List1->hide();
    IM->clear();
    IM->hide();
}

void frmBOXa::setCaption(const QString& title)
{
    // Titles are Latin text ("ERROR", "Close", "META Tag"): the frame shows no Georgian.
    setWindowTitle(title.isEmpty() ? QApplication::applicationName()
                                   : DisplayMap::get(DisplayMapKind::Latin).toShown(title));
}

bool frmBOXa::showIcon(qint32 number)
{
    if (number <= 0)
        return false;
    IM->setPixmap(
        style()->standardIcon(iconPixmap(number)).pixmap(twipsToPixels(kIconPlace.width)));
    IM->show();
    return true;
}

TwipSize frmBOXa::setPrompt(const QString& prompt, DisplayMapKind map)
{
    const QString shown = DisplayMap::get(map).toShown(string_Snaider(prompt));
    LB->setText(QString(shown).replace(kCrLf, QStringLiteral("\n")));
    LB->adjustSize();
    return {pixelsToTwips(LB->width()), pixelsToTwips(LB->height())};
}

void frmBOXa::buildButtons(int count)
{
    m_buttonCount = count;
    // A lone button speaks Latin ("OK"); two or three speak Georgian.
    const BoxFont& font = count == 1 ? kSansSerif8 : kGrigolia10;
    const DisplayMap& map = DisplayMap::get(font.map);
    for (int i = 0; i < CB.size(); ++i) {
        CB[i]->setVisible(i < count);
        CB[i]->setFont(qtFont(font));
        CB[i]->setText(map.toShown(buttonCaption(i, count, m_captions)));
    }
    // Enter answers as the first button whichever button the previous call ended with.
    CB[0]->setDefault(true);
    CB[0]->setFocus();
}

void frmBOXa::applyLayout(const BoxLayout& layout, QWidget* field)
{
    LB->setGeometry(toPixels(layout.label));
    IM->setGeometry(toPixels(layout.icon));
    if (field)
        field->setGeometry(toPixels(layout.field));
    PBF->setGeometry(toPixels(layout.strip));
    for (int i = 0; i < m_buttonCount; ++i)
        CB[i]->setGeometry(toPixels(layout.button(i)));
    const TwipSize client = layout.clientSize();
    setFixedSize(twipsToPixels(client.width), twipsToPixels(client.height));
}

QString frmBOXa::showModal()
{
    QWidget* owner = QApplication::activeWindow();
    if (owner && owner != this)
        CenterOver(owner, this, 0);
    exec();
    return m_answer;
}

frmBOXa& BOXa()
{
    static frmBOXa* box = nullptr;
    if (!box) {
        box = new frmBOXa;
        // Goes with the application, while its widgets can still be destroyed, rather
        // than among the static destructors after it.
        qAddPostRoutine([] {
            delete box;
            box = nullptr;
        });
    }
    return *box;
}

// ---------------------------------------------------------------------------------------
// The picture window

PictureWindow::PictureWindow(const QPixmap& picture, const QString& path, QWidget* owner)
    : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("PictureWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QString caption = pathTitle(path);
    setWindowTitle(caption);

    Pvid = new QLabel(this);
    Pvid->setObjectName(QStringLiteral("Pvid"));
    Pvid->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Pvid->setPixmap(picture);
    // A click on the picture reaches the window, which closes.
    Pvid->setAttribute(Qt::WA_TransparentForMouseEvents);

    const QSize pictureSize = picture.deviceIndependentSize().toSize();
    const TwipSize area =
        pictureAreaSize({pixelsToTwips(pictureSize.width()), pixelsToTwips(pictureSize.height())},
                        pixelsToTwips(fontMetrics().horizontalAdvance(caption)));
    const QSize size(twipsToPixels(area.width), twipsToPixels(area.height));
    Pvid->setGeometry(QRect(QPoint(0, 0), size));
    setFixedSize(size);
}

void PictureWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        close();
    else
        QWidget::mouseReleaseEvent(event);
}
