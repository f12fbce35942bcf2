#include "core/frminfo.h"

#include "core/sharedroutines.h"
#include "platform/bytetext.h"
#include "platform/displaymap.h"
#include "platform/packedcolour.h"
#include "platform/resources.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr quint32 kLinkHovered = 0xFF0000; // blue
constexpr quint32 kLinkResting = 0;

QString shownAs(DisplayMapKind map, const QString& byteText)
{
    // Labels break lines at LF alone.
    return DisplayMap::get(map).toShown(byteText).replace(kCrLf, QStringLiteral("\n"));
}

} // namespace

AboutDetails parseAboutDetails(const QByteArray& text)
{
    AboutDetails details;
    const struct
    {
        const char* key;
        QString AboutDetails::*field;
    } fields[] = {
        {"FirstAuthor", &AboutDetails::firstAuthor}, {"SecondAuthor", &AboutDetails::secondAuthor},
        {"Address", &AboutDetails::address},         {"Contact1", &AboutDetails::contact1},
        {"Contact2", &AboutDetails::contact2},
    };
    for (QByteArray line : text.split('\n')) {
        line.replace('\r', QByteArray());
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const QByteArray key = line.left(equals);
        for (const auto& field : fields) {
            if (key == field.key)
                details.*field.field = QString::fromLatin1(line.mid(equals + 1));
        }
    }
    return details;
}

QString aboutText(const AboutDetails& details)
{
    return QStringLiteral("programis avtorebi:") + kCrLf + details.firstAuthor + kCrLf +
           details.secondAuthor + kCrLf + kCrLf +
           QStringLiteral("Tqveni azri programis Sesaxeb SegiZliaT gagviziaroT qvemoT miTiTebul") +
           QStringLiteral(" misamarTebze.SegiZliaT aseve moinaxuloT avtoris qvemoT miTiTebili "
                          "internetis gverdebi.") +
           kCrLf + QStringLiteral("winaswar gixdiT madlobas Tqveni interesisTvis.");
}

frminfo::frminfo(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("INFO"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAutoFillBackground(true);
    Picture1->setBackgroundRole(QPalette::Base);
    outer->addWidget(Picture1);

    auto* column = new QVBoxLayout(Picture1);
    column->setContentsMargins(16, 16, 16, 16);
    Label3 = new QLabel(Picture1);
    Label3->setWordWrap(true);
    Label4 = new QLabel(Picture1);
    Label5 = new QLabel(Picture1);
    Label1 = new QLabel(Picture1);
    Label1->setCursor(Qt::PointingHandCursor);
    QFont underlined = Label1->font();
    underlined.setUnderline(true);
    Label1->setFont(underlined);
    column->addWidget(Label3);
    column->addSpacing(8);
    column->addWidget(Label4);
    column->addWidget(Label5);
    column->addWidget(Label1);
    column->addStretch();

    const std::pair<QWidget*, const char*> named[] = {
        {Label3, "Label3"}, {Label4, "Label4"}, {Label5, "Label5"}, {Label1, "Label1"}};
    for (const auto& [control, name] : named)
        control->setObjectName(QLatin1String(name));
    for (QWidget* control : {Picture1, static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label4),
                             static_cast<QWidget*>(Label5), static_cast<QWidget*>(Label1)}) {
        control->setMouseTracking(true);
        control->installEventFilter(this);
    }
    Form_Load();
    resize(440, 300);
}

void frminfo::Form_Load()
{
    m_details =
        parseAboutDetails(programResource(QStringLiteral(":/about/ABOUT")).value_or(QByteArray()));
    Label3->setText(shownAs(DisplayMapKind::GeorgianKeys, aboutText(m_details)));
    Label4->setText(shownAs(DisplayMapKind::Latin, m_details.contact1));
    Label5->setText(shownAs(DisplayMapKind::Latin, m_details.contact2));
    Label1->setText(shownAs(DisplayMapKind::Latin, m_details.address));
    setLinkColour(kLinkResting);
}

void frminfo::setLinkColour(quint32 packed)
{
    QPalette colours = Label1->palette();
    colours.setColor(QPalette::WindowText, unpackedColour(packed));
    Label1->setPalette(colours);
}

bool frminfo::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Enter || type == QEvent::MouseMove)
        setLinkColour(watched == Label1 ? kLinkHovered : kLinkResting);
    else if (watched == Label1 && type == QEvent::MouseButtonRelease)
        Label1_Click();
    return QDialog::eventFilter(watched, event);
}

void frminfo::Label1_Click()
{
    OpenUrl(this, m_details.address);
}
