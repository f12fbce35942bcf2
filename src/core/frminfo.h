#pragma once

// The about box: the program's authors, a request for the reader's opinion, the maker's
// contact lines and a link to the maker's web page. Who made the program comes from the
// resource ":/about/ABOUT", which the deploying party fills in.

#include <QByteArray>
#include <QDialog>
#include <QString>

class QLabel;

struct AboutDetails
{
    QString firstAuthor; // Latin keys, shown in Georgian letters
    QString secondAuthor;
    QString address; // the maker's web page
    QString contact1;
    QString contact2;

    bool operator==(const AboutDetails&) const = default;
};

// Reads "key=value" lines (FirstAuthor, SecondAuthor, Address, Contact1, Contact2), split
// at LF with any CR dropped; other lines, ";" comments among them, are skipped.
AboutDetails parseAboutDetails(const QByteArray& text);
// The main text of the box, in Latin keys, lines joined by CR LF.
QString aboutText(const AboutDetails& details);

class frminfo : public QDialog
{
    Q_OBJECT

public:
    explicit frminfo(QWidget* owner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Label1_Click();
    void setLinkColour(quint32 packed);

    QWidget* Picture1;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label1;
    AboutDetails m_details;
};
