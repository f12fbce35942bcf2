// The upload window through its controls: the account panel's sequences, and a run against a
// real server with the window locked meanwhile.

#include "publish/frmupload.h"

#include "platform/twips.h"
#include "support/fakecontext.h"
#include "support/scriptedprompts.h"
#include "support/testfolders.h"
#include "support/testftpserver.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QByteArray accountLine(int n, const char* password = "a")
{
    const QByteArray i = QByteArray::number(n);
    return "Account " + i + "\x01host" + i + "\x01user" + i + '\x01' +
           EncodeDigits(QString::fromLatin1(password)).toLatin1() + "\x01" + "dir" + i;
}

class UploadWindow : public testing::Test
{
protected:
    void open(quint16 port = FtpClient::kDefaultPort)
    {
        window = std::make_unique<frmupload>(context, port, FtpLimits{1500, 2, 1});
        window->show();
    }
    template <class Control> Control* named(const QByteArray& name)
    {
        return window->findChild<Control*>(QString::fromLatin1(name));
    }
    QLineEdit* box(int i) { return named<QLineEdit>("Text2(" + QByteArray::number(i) + ')'); }
    void press(const QByteArray& name)
    {
        QTest::mouseClick(named<QPushButton>(name), Qt::LeftButton);
    }
    void command2(int i) { press("Command2(" + QByteArray::number(i) + ')'); }
    void clickEntry(int row)
    {
        auto* list = named<QListWidget>("List1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    void typeAccount(const char* description)
    {
        const char* fields[] = {description, "ftp.example.ge", "me", "x", "www"};
        for (int i = 0; i < kAccountFieldCount; ++i) {
            box(i)->clear();
            QTest::keyClicks(box(i), QLatin1String(fields[i]));
        }
    }
    QStringList boxes()
    {
        QStringList texts;
        for (int i = 0; i < kAccountFieldCount; ++i)
            texts << box(i)->text();
        return texts;
    }
    QStringList entries(const QByteArray& name)
    {
        QStringList texts;
        auto* list = named<QListWidget>(name);
        for (int i = 0; list && i < list->count(); ++i)
            texts << list->item(i)->text();
        auto* choice = named<QComboBox>(name);
        for (int i = 0; choice && i < choice->count(); ++i)
            texts << choice->itemText(i);
        return texts;
    }
    int heightTwips() const { return pixelsToTwips(window->height()) + 375; }
    QString accountsPath() const { return folders.path(QStringLiteral("FTP.ini")); }

    TestFolders folders;
    ScriptedPrompts prompts;
    FakeContext context;
    std::unique_ptr<frmupload> window;
};

TEST_F(UploadWindow, ThePanelEditsInPlaceNeverOverwritesAnUnseenAccountAndOkWritesInOrder)
{
    const QByteArray damaged = "Damaged\x01h\x01u\x01"
                               "61830\x01"
                               "d";
    writeFile(accountsPath(), accountLine(0) + "\r\n" + accountLine(1, "p\xE0ss") + "\r\n" +
                                  accountLine(2) + "\r\n" + damaged + "\r\n" + accountLine(4));
    open();
    EXPECT_EQ(entries("CBaccount").size(), 5);
    EXPECT_EQ(entries("CBdir"), QStringList{QStringLiteral("dir0")});
    EXPECT_EQ(heightTwips(), 3240);
    press("Command4");
    EXPECT_EQ(heightTwips(), 6855);
    EXPECT_FALSE(named<QGroupBox>("FR1")->isEnabled());

    clickEntry(3);
    EXPECT_EQ(boxes(), QStringList({QStringLiteral("Damaged"), QStringLiteral("h"),
                                    QStringLiteral("u"), QString(), QStringLiteral("d")}));
    clickEntry(1);
    EXPECT_EQ(boxes(), QStringList({QStringLiteral("Account 1"), QStringLiteral("host1"),
                                    QStringLiteral("user1"), QStringLiteral("p\u00E0ss"),
                                    QStringLiteral("dir1")}));
    box(2)->setText(QStringLiteral("renamed"));
    command2(1); // "Setana" replaces it
    EXPECT_EQ(boxes(), QStringList(5, QString()));

    // Deleting entry 2 selects the next one without loading it: what is entered then, after
    // "Cancel" or after "axali" is a new account.
    named<QListWidget>("List1")->setCurrentRow(2);
    command2(2); // "waSla"
    EXPECT_EQ(named<QListWidget>("List1")->currentRow(), 2);
    EXPECT_EQ(boxes(), QStringList(5, QString()));
    typeAccount("After delete");
    command2(1);
    clickEntry(0);
    command2(3); // "Cancel"
    EXPECT_EQ(heightTwips(), 3240);
    EXPECT_TRUE(named<QListWidget>("List1")->selectedItems().isEmpty());
    press("Command4");
    typeAccount("After cancel");
    command2(1);
    clickEntry(0);
    command2(0); // "axali"
    EXPECT_EQ(boxes(), QStringList({QStringLiteral("New FTP Account"), {}, {}, {}, {}}));
    box(1)->setText(QStringLiteral("h"));
    command2(1); // an empty box enters nothing
    EXPECT_EQ(readFile(accountsPath()).count('\n'), 4) << "nothing is written before OK";

    press("Command5"); // "OK"
    const QByteArray typed = "\x01"
                             "ftp.example.ge\x01me\x01"
                             "618324\x01www";
    EXPECT_EQ(readFile(accountsPath()), accountLine(0) + "\r\nAccount 1\x01host1\x01renamed\x01" +
                                            EncodeDigits(QStringLiteral("p\u00E0ss")).toLatin1() +
                                            "\x01" + "dir1\r\n" + damaged + "\r\n" +
                                            accountLine(4) + "\r\nAfter delete" + typed +
                                            "\r\nAfter cancel" + typed);
    EXPECT_EQ(entries("CBaccount"), entries("List1"));
    EXPECT_EQ(heightTwips(), 3240);
    EXPECT_TRUE(named<QGroupBox>("FR1")->isEnabled());
}

TEST_F(UploadWindow, ACharacterWithoutAnEightBitCodeIsRefusedNamingItsBox)
{
    writeFile(accountsPath(), accountLine(0));
    open();
    press("Command4");
    const QString georgian = QStringLiteral(u"\u10E5"); // a Georgian letter, as Unicode
    const std::pair<int, const char*> cases[] = {{kPasswordDigits, "Password"},
                                                 {kDescription, "Description"},
                                                 {kServer, "FTP Server"},
                                                 {kUserName, "Username"},
                                                 {kSubdirectory, "Subdirectori"}};
    for (const auto& [field, name] : cases) {
        for (const bool editing : {false, true}) {
            if (editing)
                clickEntry(0);
            else
                typeAccount("New");
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, georgian);
            QApplication::sendEvent(box(field), &key);
            ASSERT_TRUE(box(field)->text().endsWith(georgian)) << name;
            const QStringList typed = boxes();
            const qsizetype asked = prompts.asked().size();
            command2(1); // "Setana"
            ASSERT_EQ(prompts.asked().size(), asked + 1) << name;
            EXPECT_EQ(prompts.asked().last().kind, QStringLiteral("failure"));
            EXPECT_EQ(prompts.asked().last().prompt,
                      QStringLiteral("The box \"") + QLatin1String(name) +
                          QStringLiteral("\" holds a character that has no 8-bit code. "
                                         "Nothing was entered."));
            EXPECT_EQ(boxes(), typed) << "the boxes keep what was typed";
            EXPECT_EQ(entries("List1"), QStringList{QStringLiteral("Account 0")}) << name;
        }
    }
    press("Command5"); // "OK"
    EXPECT_EQ(readFile(accountsPath()), accountLine(0)) << "the account stays as it was";
}

TEST_F(UploadWindow, AnEmptiedListDeletesTheFileAndTheNextOpeningCreatesNothing)
{
    writeFile(accountsPath(), accountLine(0));
    open();
    press("Command4");
    clickEntry(0);
    command2(2);
    press("Command5");
    EXPECT_FALSE(QFileInfo::exists(accountsPath()));
    EXPECT_EQ(entries("CBaccount") + entries("CBdir"), QStringList());
    open();
    EXPECT_FALSE(QFileInfo::exists(accountsPath()));
    EXPECT_EQ(entries("List1") + entries("CBaccount"), QStringList());
}

TEST_F(UploadWindow, ARefusedAccountLeavesTheProgramFolderAsItWas)
{
    const QMap<QString, QByteArray> before = filesUnder(folders.programFolder());
    open();
    press("Command4");
    typeAccount("New");
    box(kServer)->setText(QStringLiteral("ftp.\u10E5.ge"));
    command2(1); // "Setana", refused
    ASSERT_EQ(prompts.asked().size(), 1);
    command2(3); // "Cancel"
    window->close();
    EXPECT_EQ(filesUnder(folders.programFolder()), before);
}

TEST_F(UploadWindow, ARunLocksTheWindowLogsInGeorgianAndLeavesTheChosenTypeAlone)
{
    TestFtpServer server;
    ASSERT_TRUE(server.started() && QDir(server.root()).mkpath(QStringLiteral("www")));
    writeFile(accountsPath(), "Local\x01"
                              "127.0.0.1\x01kelmora\x01" +
                                  EncodeDigits(QStringLiteral("secret")).toLatin1() + "\x01www");
    const QString page = folders.root() + QStringLiteral("/page.txt");
    writeFile(page, "start\r\nend\r\n");
    open(server.port());
    auto* Tfile = named<QLineEdit>("Tfile");

    // Browsing fills the file box, a cancelled browse empties it; the all-documents box
    // empties and disables it; single mode without a file does nothing.
    prompts.answer(page);
    press("Cfile");
    EXPECT_EQ(Tfile->text(), page);
    prompts.answer(QString());
    press("Cfile");
    EXPECT_EQ(Tfile->text(), QString());
    press("Cupload");
    EXPECT_FALSE(named<QGroupBox>("FR2")->isVisible());

    QTest::mouseClick(named<QRadioButton>("OPA"), Qt::LeftButton);
    EXPECT_EQ(window->TransferType(), FtpTransfer::Ascii);
    Tfile->setText(page);
    struct
    {
        bool seen = false, upload = true, panel = true, logClose = true, closed = true;
    } during; // at the run's first log line
    QObject::connect(named<QPlainTextEdit>("Tinf"), &QPlainTextEdit::textChanged, window.get(),
                     [&] {
                         if (during.seen || named<QPlainTextEdit>("Tinf")->toPlainText().isEmpty())
                             return;
                         during.seen = true;
                         during.upload = named<QPushButton>("Cupload")->isEnabled();
                         during.panel = named<QPushButton>("Command4")->isEnabled();
                         during.logClose = named<QPushButton>("Command1")->isEnabled();
                         window->close();
                         window->reject();
                         during.closed = !window->isVisible();
                     });
    press("Cupload");
    ASSERT_TRUE(during.seen);
    EXPECT_FALSE(during.upload || during.panel || during.logClose || during.closed);
    EXPECT_EQ(server.file(QStringLiteral("www/page.txt")), QByteArray("start\nend\n"));
    EXPECT_EQ(server.count(QStringLiteral("received www/page.txt A")), 1);
    const QString log = named<QPlainTextEdit>("Tinf")->toPlainText();
    EXPECT_TRUE(log.startsWith(QStringLiteral("\u00BB \u10D3\u10D0\u10D9\u10D0\u10D5\u10E8")))
        << log.toStdString();
    EXPECT_EQ(log.count(QLatin1Char('\n')), 3);
    EXPECT_FALSE(named<QPushButton>("Command3")->isVisible());
    press("Command1");
    EXPECT_FALSE(named<QGroupBox>("FR2")->isVisible());
    EXPECT_TRUE(named<QPushButton>("Command3")->isVisible());

    // The all-documents mode sends a picture binary and keeps the option buttons' type.
    const QString picture = folders.root() + QStringLiteral("/logo.gif");
    writeFile(picture, "GIF89a\r\n");
    context.state.appendShown(QStringLiteral("x"), FilePath(picture), QStringLiteral("logo.gif"),
                              false);
    QTest::mouseClick(named<QCheckBox>("CKalopF"), Qt::LeftButton);
    EXPECT_FALSE(Tfile->isEnabled() || named<QPushButton>("Cfile")->isEnabled());
    press("Cupload");
    EXPECT_EQ(server.file(QStringLiteral("www/logo.gif")), QByteArray("GIF89a\r\n"));
    EXPECT_EQ(window->TransferType(), FtpTransfer::Ascii);
    EXPECT_EQ(server.count(QStringLiteral("login kelmora")), 2);
}

} // namespace
