// The about box (its text, the link's colours and address) and the separator control.

#include "core/frminfo.h"
#include "core/xazi.h"

#include "platform/displaymap.h"
#include "platform/resources.h"
#include "support/recordingshell.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>

#include <gtest/gtest.h>

TEST(AboutBox, TheMainTextSurroundsTheAuthorsNames)
{
    AboutDetails details;
    details.firstAuthor = QStringLiteral("A");
    details.secondAuthor = QStringLiteral("B");
    EXPECT_EQ(aboutText(details),
              QStringLiteral("programis avtorebi:\r\nA\r\nB\r\n\r\n"
                             "Tqveni azri programis Sesaxeb SegiZliaT gagviziaroT qvemoT miTiTebul "
                             "misamarTebze.SegiZliaT aseve moinaxuloT avtoris qvemoT miTiTebili "
                             "internetis gverdebi.\r\nwinaswar gixdiT madlobas Tqveni "
                             "interesisTvis."));
}

TEST(AboutBox, DetailsAreKeyValueLinesWhateverTheirBreaks)
{
    const QByteArray text = "; a comment=not a field\r\nFirstAuthor=a b\r\nAddress=http://x/?q=1\n"
                            "Unknown=z\r\nContact2=\xC0\r\nbroken line\r\n";
    AboutDetails expected;
    expected.firstAuthor = QStringLiteral("a b");
    expected.address = QStringLiteral("http://x/?q=1");
    expected.contact2 = QStringLiteral("\u00C0");
    EXPECT_EQ(parseAboutDetails(text), expected);
}

class AboutWindow : public testing::Test
{
protected:
    QColor linkColour() const { return label("Label1")->palette().color(QPalette::WindowText); }
    QLabel* label(const char* name) const { return box.findChild<QLabel*>(QLatin1String(name)); }
    void send(QWidget* widget, QEvent::Type type)
    {
        if (type == QEvent::Enter) {
            QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
            QApplication::sendEvent(widget, &enter);
        } else {
            QMouseEvent mouse(type, QPointF(1, 1), widget->mapToGlobal(QPointF(1, 1)),
                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(widget, &mouse);
        }
    }

    RecordingShell shell;
    frminfo box{nullptr};
};

TEST_F(AboutWindow, ShowsTheShippedDetailsInGeorgianAndLinksToTheAddress)
{
    const AboutDetails shipped =
        parseAboutDetails(programResource(QStringLiteral(":/about/ABOUT")).value_or(QByteArray()));
    ASSERT_FALSE(shipped.firstAuthor.isEmpty());
    ASSERT_TRUE(shipped.address.startsWith(QLatin1String("https://")));
    EXPECT_EQ(label("Label3")->text(), DisplayMap::get(DisplayMapKind::GeorgianKeys)
                                           .toShown(aboutText(shipped))
                                           .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_EQ(label("Label1")->text(), shipped.address);

    send(label("Label1"), QEvent::MouseButtonRelease);
    EXPECT_EQ(shell.requests, QStringList({QStringLiteral("address ") + shipped.address}));
}

TEST_F(AboutWindow, TheLinkIsBlueOnlyUnderTheMouse)
{
    EXPECT_EQ(linkColour(), QColor(Qt::black));
    const char* const others[] = {"Label3", "Label4", "Label5", "Picture1"};
    for (const char* other : others) {
        send(label("Label1"), QEvent::Enter);
        EXPECT_EQ(linkColour(), QColor(Qt::blue));
        QWidget* area = box.findChild<QWidget*>(QLatin1String(other));
        send(area, std::string_view(other) == "Picture1" ? QEvent::MouseMove : QEvent::Enter);
        EXPECT_EQ(linkColour(), QColor(Qt::black)) << other;
    }
}

TEST(Separator, KeepsItsThicknessAndStretchesItsLines)
{
    struct Case
    {
        int direction;
        QSize resizedTo;
        QSize size;
        QLine dark, light;
    };
    const Case cases[] = {
        {1, {200, 40}, {200, 2}, {0, 0, 200, 0}, {1, 1, 200, 1}},
        {5, {80, 1}, {80, 2}, {0, 0, 80, 0}, {1, 1, 80, 1}},
        {0, {40, 90}, {2, 90}, {0, 0, 0, 90}, {1, 0, 1, 90}},
    };
    for (const Case& each : cases) {
        xazi line(nullptr, each.direction);
        line.resize(each.resizedTo);
        EXPECT_EQ(line.size(), each.size) << each.direction;
        EXPECT_EQ(line.lines()[0], each.dark) << each.direction;
        EXPECT_EQ(line.lines()[1], each.light) << each.direction;
    }
}

TEST(Separator, TurnsAtOnce)
{
    xazi line(nullptr, 1);
    line.resize(120, 2);
    line.setMimarTuleba(0);
    EXPECT_EQ(line.width(), 2);
    EXPECT_EQ(line.property("mimarTuleba").toInt(), 0);
    line.setProperty("mimarTuleba", 1);
    line.resize(120, 30);
    EXPECT_EQ(line.size(), QSize(120, 2));
}
