#include "publish/ftpuploadrun.h"

#include "menus/menucaption.h"
#include "platform/bytetext.h"
#include "support/testfolders.h"
#include "support/testftpserver.h"
#include "testdocuments.h"

#include <QDir>
#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace {

const FtpLimits kFastLimits{1500, 2, 1};

// The log's lines; the first one spelled out byte for byte.
const QString kConnecting = QString::fromLatin1(
    "\xBB \xC3\xC0\xCA\xC0\xC5\xDB\xC9\xD2\xC4\xC1\xC0 \xD3\xC4\xD2\xC5\xC4\xD2\xC8\xC0\xCD: ");
const QString kFailed = eightBitGeorgian("\xBB\xBB serverTan dakavSireba ar moxda.Secdoma!");
const QString kConnected = QStringLiteral("\xBB\xBB [OK]");
const QString kSending = eightBitGeorgian("\xBB\xBB\xBB failis gadatana: ");
const QString kSent = eightBitGeorgian("\xBB\xBB\xBB\xBB failis gadatana Sesrulebulia.");
const QString kNotSent = eightBitGeorgian("\xBB\xBB\xBB\xBB failis gadatana ar moxda.Secdoma!");
const QString kStopped = eightBitGeorgian("\xBB\xBB\xBB failebis gadatana Sewyda.");
const QString kLocal = kConnecting + QStringLiteral("127.0.0.1");

QString lines(const QStringList& each)
{
    return each.join(kCrLf);
}

QStringList account(const char* server = "127.0.0.1", const char* password = "secret",
                    const char* user = "kelmora")
{
    return {QStringLiteral("Home"), QString::fromLatin1(server), QString::fromLatin1(user),
            EncodeDigits(QString::fromLatin1(password)), QStringLiteral("site")};
}

QByteArray everyByte(int repeats)
{
    QByteArray bytes;
    for (int i = 0; i < 256 * repeats; ++i)
        bytes.append(char(i));
    return bytes;
}

class UploadRun : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(serve(server)) << server.startError().toStdString(); }
    static bool serve(TestFtpServer& ftp)
    {
        return ftp.started() && QDir(ftp.root()).mkpath(QStringLiteral("site"));
    }
    QString local(const char* name, const QByteArray& content)
    {
        const QString path = folders.root() + QLatin1Char('/') + QLatin1String(name);
        writeFile(path, content);
        return path;
    }

    TestFolders folders;
    TestFtpServer server;
    FtpClient client{server.port(), kFastLimits};
    QList<int> progress;
    std::function<void(int)> onProgress; // a test's own step after each
    FtpUploadRun run{client, {{}, [this](int percent) {
                                  progress << percent;
                                  if (onProgress)
                                      onProgress(percent);
                              }}};
};

TEST(DocumentUploads, EveryDocumentWithAFileGoesAndOnlyTextFilesAsAscii)
{
    TestFolders folders;
    ColectionMain docs;
    QList<UploadFile> expected;
    for (const char* name : {"index.HTML", "style.css", "song.wav", "a.zip", "b.PDF", "c.gif"}) {
        const QString path = folders.path(QLatin1String(name));
        writeFile(path, "x");
        addDocument(docs, QLatin1String(name), QString(), path);
        expected.append({path, expected.size() < 2 ? FtpTransfer::Ascii : FtpTransfer::Binary});
    }
    addDocument(docs, QStringLiteral("nosaved1.HTML"), QStringLiteral("unsaved"));
    addDocument(docs, QStringLiteral("gone.html"), QString(), folders.path(QStringLiteral("gone")));
    addDocument(docs, QStringLiteral("folder"), QString(), folders.programFolder());
    EXPECT_EQ(documentUploads(docs), expected);
}

TEST_F(UploadRun, DocumentsGoOverOneLoginEachAsItsTypeAndTheConnectionIsClosedAfter)
{
    const QString page = local("index.html", "<P>\r\none\r\n");
    const QString picture = local("logo.gif", everyByte(64) + "\r\n");
    ASSERT_TRUE(
        run.uploadFiles(account(), {{page, FtpTransfer::Ascii}, {picture, FtpTransfer::Binary}}));
    EXPECT_EQ(run.log(),
              lines({kLocal, kConnected, kSending + page, kSent, kSending + picture, kSent}));
    EXPECT_EQ(progress, QList<int>({0, 10, 20, 50, 100, 0, 50, 100}));
    EXPECT_EQ(server.file(QStringLiteral("site/index.html")), QByteArray("<P>\none\n"));
    EXPECT_EQ(server.file(QStringLiteral("site/logo.gif")), everyByte(64) + "\r\n");
    EXPECT_EQ(server.count(QStringLiteral("login kelmora")), 1);
    EXPECT_EQ(server.count(QStringLiteral("received site/index.html A")), 1);
    EXPECT_EQ(server.count(QStringLiteral("received site/logo.gif I")), 1);
    EXPECT_FALSE(client.FtpIsConnected());
    EXPECT_EQ(server.count(QStringLiteral("QUIT")), 1);

    // The single mode sends with the type given, clears the bar after, and logs in anew.
    progress.clear();
    ASSERT_TRUE(run.uploadFile(account(), page, FtpTransfer::Binary));
    EXPECT_EQ(server.file(QStringLiteral("site/index.html")), QByteArray("<P>\r\none\r\n"));
    EXPECT_EQ(progress, QList<int>({10, 20, 50, 100, 0}));
    EXPECT_EQ(server.count(QStringLiteral("login kelmora")), 2);
}

TEST_F(UploadRun, EachFailureLogsItsLinesSendsNothingMoreAndEndsQuickly)
{
    const QString page = local("1.html", "one");
    const QString second = local("2.html", "two");
    EXPECT_FALSE(run.uploadFile(account("127.0.0.1", "wrong"), page, FtpTransfer::Ascii));
    EXPECT_EQ(run.log(), lines({kLocal, kFailed}));
    EXPECT_EQ(progress, QList<int>({10, 0}));
    EXPECT_EQ(server.count(QStringLiteral("login failed kelmora")), 1);

    // No account, a field missing, a password that does not decode: the server never hears.
    QStringList damaged = account();
    damaged[kPasswordDigits].chop(1);
    const qsizetype heard = server.log().size();
    for (const QStringList& unusable : {QStringList(), account().mid(0, 4), damaged}) {
        EXPECT_FALSE(run.uploadFiles(unusable, {{page, FtpTransfer::Ascii}}));
        EXPECT_EQ(run.log(), lines({kConnecting + unusable.value(kServer), kFailed, kStopped}));
    }
    EXPECT_EQ(server.log().size(), heard);

    QStringList elsewhere = account();
    elsewhere[kSubdirectory] = QStringLiteral("nosuch");
    EXPECT_FALSE(run.uploadFile(elsewhere, page, FtpTransfer::Ascii));
    EXPECT_EQ(run.log(), lines({kLocal, kConnected, kSending + page, kNotSent}));

    QElapsedTimer clock;
    clock.start();
    FtpClient toNobody(unusedPort(), kFastLimits);
    FtpUploadRun nobody(toNobody, {});
    EXPECT_FALSE(nobody.uploadFile(account(), page, FtpTransfer::Ascii));
    EXPECT_EQ(nobody.log(), lines({kLocal, kFailed}));

    onProgress = [this](int percent) {
        if (percent == 100)
            server.stop(); // once the first document is sent
    };
    EXPECT_FALSE(
        run.uploadFiles(account(), {{page, FtpTransfer::Ascii}, {second, FtpTransfer::Ascii}}));
    EXPECT_EQ(run.log(), lines({kLocal, kConnected, kSending + page, kSent, kSending + second,
                                kNotSent, kStopped}));
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(QDir(server.root() + QStringLiteral("/site")).entryList(QDir::Files),
              QStringList{QStringLiteral("1.html")});
}

TEST_F(UploadRun, ACutUploadStopsTheRunAndTheNextRunLogsInAnew)
{
    TestFtpServer::Options dropping;
    dropping.dropAfter = 64 * 1024;
    TestFtpServer cutting(dropping);
    ASSERT_TRUE(serve(cutting));
    FtpClient toCutting(cutting.port(), kFastLimits);
    FtpUploadRun cut(toCutting, {});
    const QString big = local("big.bin", everyByte(1024));
    const QString small = local("small.html", "small");

    EXPECT_FALSE(
        cut.uploadFiles(account(), {{big, FtpTransfer::Binary}, {small, FtpTransfer::Ascii}}));
    EXPECT_EQ(cut.log(), lines({kLocal, kConnected, kSending + big, kNotSent, kStopped}));
    EXPECT_TRUE(cutting.log().contains(QStringLiteral("dropped data connection")));

    EXPECT_TRUE(cut.uploadFiles(account(), {{small, FtpTransfer::Ascii}}));
    EXPECT_EQ(cut.log(), lines({kLocal, kConnected, kSending + small, kSent}));
    EXPECT_EQ(cutting.count(QStringLiteral("login kelmora")), 2);
}

TEST_F(UploadRun, AnotherAccountReachesItsOwnServer)
{
    TestFtpServer::Options other;
    other.host = QStringLiteral("127.0.0.2"); // the same port on another address
    other.port = server.port();
    other.user = QStringLiteral("other");
    other.password = QStringLiteral("pw2");
    TestFtpServer second(other);
    ASSERT_TRUE(serve(second)) << second.startError().toStdString();
    const QString page = local("index.html", "page");

    ASSERT_TRUE(run.uploadFile(account(), page, FtpTransfer::Ascii));
    ASSERT_TRUE(run.uploadFile(account("127.0.0.2", "pw2", "other"), page, FtpTransfer::Ascii));
    EXPECT_EQ(second.file(QStringLiteral("site/index.html")), QByteArray("page"));
    EXPECT_EQ(second.count(QStringLiteral("login other")), 1);
    EXPECT_EQ(server.count(QStringLiteral("login kelmora")), 1);
}

} // namespace
