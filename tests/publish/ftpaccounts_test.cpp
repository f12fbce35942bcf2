#include "publish/ftpaccountediting.h"
#include "publish/ftpaccounts.h"

#include "support/testfolders.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const QString kSeparator(kFieldSeparator);

QString line(std::initializer_list<const char*> fields)
{
    QStringList texts;
    for (const char* field : fields)
        texts.append(QString::fromLatin1(field));
    return texts.join(kSeparator);
}

AccountBoxes boxes(const char* description, const char* password = "pw")
{
    return {QString::fromLatin1(description), QStringLiteral("ftp.example.ge"),
            QStringLiteral("user"), QString::fromLatin1(password), QStringLiteral("public_html")};
}

TEST(PasswordDigits, EveryCodeTakesSixDigitsAndComesBack)
{
    QString everyCode;
    for (int c = 0; c < 256; ++c)
        everyCode.append(QChar(c));
    const QString digits = EncodeDigits(everyCode);
    EXPECT_EQ(digits.size(), 6 * 256);
    EXPECT_EQ(DecodeDigits(digits), everyCode);

    EXPECT_EQ(EncodeDigits(QStringLiteral("a")), QStringLiteral("618301"));
    EXPECT_EQ(EncodeDigits(QString::fromLatin1("\x00\xFF", 2)), QStringLiteral("618204618459"));
    EXPECT_EQ(DecodeDigits(QStringLiteral("618269618302")), QStringLiteral("Ab"));
    EXPECT_EQ(DecodeDigits(QString()), QString());
}

TEST(PasswordDigits, DamagedDigitsFailToDecode)
{
    for (const char* damaged : {"61830", "618301618", "61830a", "+61830", "61830 ", "618203",
                                "618460", "999999", "000000", "618301\r\n"}) {
        EXPECT_EQ(DecodeDigits(QString::fromLatin1(damaged)), std::nullopt) << damaged;
    }
    EXPECT_EQ(DecodeDigits(QString::fromUtf16(u"\uFF16\uFF11\uFF18\uFF13\uFF10\uFF11")),
              std::nullopt)
        << "only the digits 0-9 count";
}

TEST(FtpAccountsFile, HoldsTheLinesJoinedByCrLfAndIsDeletedWithoutAccounts)
{
    TestFolders folders;
    const QString path = folders.path(QStringLiteral("FTP.ini"));
    FtpAccounts accounts;
    ASSERT_TRUE(accounts.load());
    EXPECT_EQ(accounts.count(), 0);
    EXPECT_FALSE(QFileInfo::exists(path)) << "a missing file is not created";

    FtpAccountEditing editing(accounts);
    editing.enterAccount(boxes("One", "a"));
    ASSERT_TRUE(accounts.SaveAccountsFile());
    const QByteArray first("One\x01"
                           "ftp.example.ge\x01user\x01"
                           "618301\x01public_html");
    EXPECT_EQ(readFile(path), first);
    EXPECT_EQ(QFile(path).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther), 0);

    editing.enterAccount(boxes("Two", "b"));
    ASSERT_TRUE(accounts.SaveAccountsFile());
    EXPECT_EQ(readFile(path), first + "\r\nTwo\x01"
                                      "ftp.example.ge\x01user\x01"
                                      "618302\x01public_html");

    accounts.remove(1);
    accounts.remove(0);
    ASSERT_TRUE(accounts.SaveAccountsFile());
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST(FtpAccountsFile, OddLinesAreKeptAsTheyStandAndEmptyOnesSkipped)
{
    TestFolders folders;
    const QString path = folders.path(QStringLiteral("FTP.ini"));
    const QByteArray good("Good\x01h\x01u\x01"
                          "618301\x01"
                          "d");
    writeFile(path, "\r\n" + good +
                        "\r\n\r\nodd line\n\x01\x01\rBad\x01h\x01u\x01"
                        "61830\x01"
                        "d\r\n");

    FtpAccounts accounts;
    ASSERT_TRUE(accounts.load());
    EXPECT_EQ(accounts.descriptions(),
              QStringList({QStringLiteral("Good"), QStringLiteral("odd line"), QString(),
                           QStringLiteral("Bad")}));
    EXPECT_EQ(accounts.GetAccountFields(1),
              QStringList({QStringLiteral("odd line"), {}, {}, {}, {}}));
    EXPECT_TRUE(accounts.GetAccountFields(4).isEmpty());
    EXPECT_TRUE(accounts.GetAccountFields(-1).isEmpty());

    const auto login = accountLogin(accounts.GetAccountFields(0));
    ASSERT_TRUE(login.has_value());
    EXPECT_EQ(login->password, QStringLiteral("a"));
    for (const int odd : {1, 2, 3})
        EXPECT_EQ(accountLogin(accounts.GetAccountFields(odd)), std::nullopt) << odd;

    ASSERT_TRUE(accounts.SaveAccountsFile());
    EXPECT_EQ(readFile(path), good + "\r\nodd line\r\n\x01\x01\r\nBad\x01h\x01u\x01"
                                     "61830\x01"
                                     "d");
}

TEST(FtpAccountsFile, AFileThatCannotBeReadIsNeverReplaced)
{
    TestFolders folders;
    const QString path = folders.path(QStringLiteral("FTP.ini"));
    QDir().mkpath(path);
    FtpAccounts accounts;
    QString error;
    EXPECT_FALSE(accounts.load(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(accounts.count(), 0);
    FtpAccountEditing(accounts).enterAccount(boxes("New"));
    EXPECT_FALSE(accounts.SaveAccountsFile(&error));
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST(FtpAccountPanel, EditingReplacesInPlaceAndEmptiedBoxesAppend)
{
    FtpAccounts accounts;
    FtpAccountEditing editing(accounts);
    for (const char* name : {"A", "B", "C", "D", "E"})
        editing.enterAccount(boxes(name));

    auto shown = editing.selectAccount(1);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ((*shown)[kPasswordDigits], QStringLiteral("pw"));
    (*shown)[kDescription] = QStringLiteral("B2");
    EXPECT_EQ(editing.enterAccount(*shown).outcome, FtpAccountEditing::Entered::Replaced);
    EXPECT_EQ(accounts.descriptions().join(QString()), QStringLiteral("AB2CDE"));

    // Boxes emptied without loading an account no longer edit the one loaded before.
    editing.selectAccount(0);
    editing.cancelEditing();
    EXPECT_EQ(editing.enterAccount(boxes("F")).index, 5);
    editing.selectAccount(4);
    EXPECT_EQ(editing.newAccount()[kDescription], QStringLiteral("New FTP Account"));
    EXPECT_EQ(editing.enterAccount(boxes("G")).index, 6);
    editing.selectAccount(3);
    EXPECT_EQ(editing.deleteAccount(2), 2);
    EXPECT_FALSE(editing.EditMode());
    EXPECT_EQ(editing.enterAccount(boxes("H")).outcome, FtpAccountEditing::Entered::Appended);
    EXPECT_EQ(accounts.descriptions().join(QString()), QStringLiteral("AB2DEFGH"));

    EXPECT_EQ(editing.deleteAccount(6), 5) << "after the last entry, the new last one";
    EXPECT_EQ(editing.deleteAccount(6), std::nullopt);
    EXPECT_EQ(editing.deleteAccount(-1), std::nullopt);
    while (accounts.count() > 1)
        editing.deleteAccount(0);
    EXPECT_EQ(editing.deleteAccount(0), -1);
    EXPECT_EQ(editing.selectAccount(0), std::nullopt);
}

TEST(FtpAccountPanel, BoxesALineCannotHoldEnterNothing)
{
    FtpAccounts accounts;
    FtpAccountEditing editing(accounts);
    accounts.append(line({"Old", "h", "u", "61830", "d"}));
    const auto shown = editing.selectAccount(0);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ((*shown)[kPasswordDigits], QString()) << "a password that does not decode";
    EXPECT_EQ((*shown)[kServer], QStringLiteral("h"));

    for (const QString& bad : {QString(), kSeparator, QStringLiteral("a\rb"),
                               QStringLiteral("a\nb"), QString::fromUtf16(u"\u10D0")}) {
        for (int field = 0; field < kAccountFieldCount; ++field) {
            AccountBoxes entered = boxes("New");
            entered[field] = bad;
            EXPECT_EQ(editing.enterAccount(entered).outcome, FtpAccountEditing::Entered::Nothing);
        }
    }
    EXPECT_EQ(accounts.lines(), QStringList({line({"Old", "h", "u", "61830", "d"})}));
}

TEST(FtpUploadPath, IsTheSubdirectoryASlashAndTheFileName)
{
    EXPECT_EQ(remoteUploadPath(QStringLiteral("public_html"), QStringLiteral("/a/b/index.html")),
              QStringLiteral("public_html/index.html"));
    EXPECT_EQ(remoteUploadPath(QStringLiteral("www"), QStringLiteral("C:\\site\\x.htm")),
              QStringLiteral("www/x.htm"));
    EXPECT_EQ(remoteUploadPath(QStringLiteral("w"), QString::fromUtf16(u"/a/\u10E4.html")),
              QString::fromLatin1("w/\xE1\x83\xA4.html"));
}

} // namespace
