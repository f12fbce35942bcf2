#include "platform/ftpclient.h"

#include "support/testfolders.h"
#include "support/testftpserver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// Short limits keep the failure cases fast; a call must end within them plus a margin, and
// a stall within the stall limit plus the time libcurl averages the speed over.
const FtpLimits kFastLimits{1500, 2, 1};
constexpr qint64 kLongestCallMilliseconds = 5000;
constexpr qint64 kLongestStallMilliseconds = 10000;

class FtpClientTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(server.started()) << server.startError().toStdString(); }

    QString localFile(const QString& name, const QByteArray& content)
    {
        const QString path = folders.path(name);
        writeFile(path, content);
        return path;
    }

    bool connect(FtpClient& client, const QString& password = QStringLiteral("secret"))
    {
        return client.FtpConnect(QStringLiteral("127.0.0.1"), QStringLiteral("kelmora"), password);
    }

    static QByteArray everyByte(int repeats)
    {
        QByteArray bytes;
        for (int r = 0; r < repeats; ++r)
            for (int b = 0; b < 256; ++b)
                bytes.append(char(b));
        return bytes;
    }

    TestFolders folders;
    TestFtpServer server;
    FtpClient client{server.port(), kFastLimits};
};

TEST_F(FtpClientTest, OneLoginCarriesSeveralUploadsOfEitherType)
{
    const QByteArray binary = everyByte(400) + "\r\n\n\r";
    ASSERT_TRUE(connect(client)) << client.lastError().toStdString();
    ASSERT_TRUE(client.FtpIsConnected());
    ASSERT_TRUE(client.FtpUpload(localFile(QStringLiteral("b.bin"), binary),
                                 QStringLiteral("b.bin"), FtpTransfer::Binary))
        << client.lastError().toStdString();
    ASSERT_TRUE(client.FtpUpload(localFile(QStringLiteral("a.txt"), "one\r\ntwo"),
                                 QStringLiteral("a.txt"), FtpTransfer::Ascii));

    EXPECT_EQ(server.file(QStringLiteral("b.bin")), binary);
    EXPECT_EQ(server.file(QStringLiteral("a.txt")), QByteArray("one\ntwo"));
    EXPECT_EQ(server.count(QStringLiteral("login kelmora")), 1);
    EXPECT_EQ(server.count(QStringLiteral("received b.bin I")), 1);
    EXPECT_EQ(server.count(QStringLiteral("received a.txt A")), 1);
    EXPECT_TRUE(client.FtpIsConnected());
    client.FtpDisconnect();
    EXPECT_FALSE(client.FtpIsConnected());
}

TEST_F(FtpClientTest, AsciiPutsExactlyOneCrLfPerLineOnTheWire)
{
    // "x" first puts a CR before every even offset, so buffer boundaries split CR LF pairs.
    QByteArray manyLines("x");
    for (int i = 0; i < 100000; ++i)
        manyLines.append("\r\n");
    const struct
    {
        QByteArray local, wire;
    } cases[] = {
        {"a\r\nb\r\n", "a\r\nb\r\n"},
        {"a\nb\n", "a\r\nb\r\n"},
        {"a\rb\r", "a\r\nb\r\n"},
        {"a\r\n\r\nb\n\rc\r", "a\r\n\r\nb\r\n\r\nc\r\n"},
        {"", ""},
        {manyLines, manyLines},
    };
    ASSERT_TRUE(connect(client));
    int upload = 0;
    for (const auto& c : cases) {
        const QString name = QStringLiteral("t%1.txt").arg(++upload);
        ASSERT_TRUE(client.FtpUpload(localFile(name, c.local), name, FtpTransfer::Ascii))
            << client.lastError().toStdString();
        EXPECT_EQ(server.wire(upload), c.wire) << upload;
        EXPECT_FALSE(server.file(name).contains('\r')) << upload;
    }
}

TEST_F(FtpClientTest, TheRemotePathGoesAsGivenWithoutChangingFolder)
{
    QDir(server.root()).mkpath(QStringLiteral("public_html/a b"));
    const QString local = localFile(QStringLiteral("index.html"), "<p>");
    ASSERT_TRUE(connect(client));
    for (const QString& remote :
         {QStringLiteral("public_html/index.html"),
          QStringLiteral("public_html/a b/50% #1;type=a.html"), QStringLiteral("/top.html")}) {
        ASSERT_TRUE(client.FtpUpload(local, remote, FtpTransfer::Binary))
            << remote.toStdString() << ": " << client.lastError().toStdString();
        EXPECT_EQ(server.file(remote), QByteArray("<p>")) << remote.toStdString();
    }
    for (const QString& line : server.log())
        EXPECT_FALSE(line.startsWith(QStringLiteral("CWD"))) << line.toStdString();
}

TEST_F(FtpClientTest, RefusalsFailWithAReasonAndEndTheSession)
{
    const QString local = localFile(QStringLiteral("x.html"), "x");
    EXPECT_FALSE(client.FtpUpload(local, QStringLiteral("x.html"), FtpTransfer::Binary));
    EXPECT_FALSE(client.lastError().isEmpty()) << "uploading before any login";

    EXPECT_FALSE(connect(client, QStringLiteral("wrong")));
    EXPECT_TRUE(client.lastError().contains(QStringLiteral("530")))
        << client.lastError().toStdString();
    EXPECT_FALSE(client.FtpIsConnected());
    EXPECT_EQ(server.count(QStringLiteral("login failed kelmora")), 1);

    EXPECT_FALSE(connect(client, QStringLiteral("secret\r\nDELE x")));
    EXPECT_FALSE(server.log().contains(QStringLiteral("DELE x")));

    const struct
    {
        QString local, remote, reason;
    } refusals[] = {
        {local, QStringLiteral("nosuch/x.html"), QStringLiteral("550")},
        {folders.path(QStringLiteral("gone.html")), QStringLiteral("gone.html"), {}},
        {folders.programFolder(), QStringLiteral("folder.html"), {}},
        {local, QStringLiteral("x\r\nDELE y.html"), {}},
        {local, QStringLiteral("folder/"), {}},
    };
    for (const auto& refusal : refusals) {
        ASSERT_TRUE(connect(client));
        EXPECT_FALSE(client.FtpUpload(refusal.local, refusal.remote, FtpTransfer::Binary));
        EXPECT_FALSE(client.lastError().isEmpty());
        EXPECT_TRUE(client.lastError().contains(refusal.reason))
            << client.lastError().toStdString();
        EXPECT_FALSE(client.FtpIsConnected());
    }
    EXPECT_EQ(QDir(server.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList())
        << "nothing reached the server";
    EXPECT_EQ(server.count(QStringLiteral("DELE y.html")), 0);
}

TEST_F(FtpClientTest, AnotherServerGetsItsOwnLogin)
{
    TestFtpServer second;
    ASSERT_TRUE(second.started());
    FtpClient toSecond(second.port(), kFastLimits);
    const QString local = localFile(QStringLiteral("p.html"), "page");
    ASSERT_TRUE(connect(client));
    ASSERT_TRUE(client.FtpUpload(local, QStringLiteral("first.html"), FtpTransfer::Binary));
    ASSERT_TRUE(connect(toSecond));
    ASSERT_TRUE(toSecond.FtpUpload(local, QStringLiteral("second.html"), FtpTransfer::Binary));

    EXPECT_EQ(second.file(QStringLiteral("second.html")), QByteArray("page"));
    EXPECT_FALSE(QFileInfo::exists(server.root() + QStringLiteral("/second.html")));
    EXPECT_EQ(server.count(QStringLiteral("login kelmora")), 1);
    EXPECT_EQ(second.count(QStringLiteral("login kelmora")), 1);
}

TEST_F(FtpClientTest, NoServerHoldsACallBeyondItsLimits)
{
    QElapsedTimer clock;
    const QString local = localFile(QStringLiteral("big.bin"), everyByte(32 * 1024));

    clock.start();
    FtpClient toNobody(unusedPort(), kFastLimits);
    EXPECT_FALSE(connect(toNobody));
    EXPECT_FALSE(toNobody.lastError().isEmpty());

    SilentListener silent;
    ASSERT_TRUE(silent.listen());
    FtpClient toSilent(silent.port(), kFastLimits);
    EXPECT_FALSE(connect(toSilent));
    EXPECT_LT(clock.restart(), kLongestCallMilliseconds);

    // The server goes away between two uploads.
    ASSERT_TRUE(connect(client));
    ASSERT_TRUE(client.FtpUpload(local, QStringLiteral("1.bin"), FtpTransfer::Binary));
    server.stop();
    clock.restart();
    EXPECT_FALSE(client.FtpUpload(local, QStringLiteral("2.bin"), FtpTransfer::Binary));
    EXPECT_FALSE(client.FtpIsConnected());
    EXPECT_LT(clock.elapsed(), kLongestCallMilliseconds);

    // The server stops reading in the middle of a transfer.
    TestFtpServer::Options stalling;
    stalling.stallAfter = 64 * 1024;
    TestFtpServer stalled(stalling);
    FtpClient toStalled(stalled.port(), kFastLimits);
    ASSERT_TRUE(connect(toStalled));
    clock.restart();
    EXPECT_FALSE(toStalled.FtpUpload(local, QStringLiteral("3.bin"), FtpTransfer::Binary));
    EXPECT_LT(clock.elapsed(), kLongestStallMilliseconds);
    EXPECT_TRUE(stalled.log().contains(QStringLiteral("stopped reading")));
}

TEST_F(FtpClientTest, ACutTransferFailsAndTheNextLoginSucceeds)
{
    const QString big = localFile(QStringLiteral("big.bin"), everyByte(32 * 1024));
    const QString small = localFile(QStringLiteral("small.html"), "small");

    TestFtpServer::Options dropping;
    dropping.dropAfter = 64 * 1024;
    TestFtpServer cutting(dropping);
    FtpClient toCutting(cutting.port(), kFastLimits);
    ASSERT_TRUE(connect(toCutting));
    EXPECT_FALSE(toCutting.FtpUpload(big, QStringLiteral("big.bin"), FtpTransfer::Binary));
    EXPECT_FALSE(toCutting.FtpIsConnected());
    EXPECT_TRUE(cutting.log().contains(QStringLiteral("dropped data connection")));
    ASSERT_TRUE(connect(toCutting));
    EXPECT_TRUE(toCutting.FtpUpload(small, QStringLiteral("small.html"), FtpTransfer::Binary));
    EXPECT_EQ(cutting.count(QStringLiteral("login kelmora")), 2);
    EXPECT_EQ(cutting.file(QStringLiteral("small.html")), QByteArray("small"));

    // A slow server killed once the transfer is under way.
    TestFtpServer::Options slow;
    slow.bytesPerSecond = 256 * 1024;
    TestFtpServer throttled(slow);
    FtpClient toThrottled(throttled.port(), kFastLimits);
    qint64 lastSent = 0;
    toThrottled.setProgressHandler([&](qint64 sent, qint64 total) {
        EXPECT_TRUE(total == 0 || total == QFileInfo(big).size());
        if (sent > 0 && lastSent == 0)
            throttled.stop();
        lastSent = sent;
        return true;
    });
    ASSERT_TRUE(connect(toThrottled));
    EXPECT_FALSE(toThrottled.FtpUpload(big, QStringLiteral("big.bin"), FtpTransfer::Binary));
    EXPECT_GT(lastSent, 0);
    EXPECT_LT(lastSent, QFileInfo(big).size());
}

TEST_F(FtpClientTest, TheProgressHandlerCanStopACallOrEndTheSession)
{
    const QString big = localFile(QStringLiteral("big.bin"), everyByte(32 * 1024));
    TestFtpServer::Options slow;
    slow.bytesPerSecond = 512 * 1024;
    TestFtpServer throttled(slow);
    FtpClient toThrottled(throttled.port(), kFastLimits);

    for (const bool endSession : {false, true}) {
        toThrottled.setProgressHandler([&](qint64 sent, qint64) {
            if (sent == 0)
                return true;
            if (!endSession)
                return false;
            toThrottled.FtpDisconnect();
            EXPECT_FALSE(toThrottled.FtpConnect(QStringLiteral("127.0.0.1"), {}, {}))
                << "no call may start inside another";
            return true;
        });
        ASSERT_TRUE(connect(toThrottled));
        EXPECT_FALSE(toThrottled.FtpUpload(big, QStringLiteral("big.bin"), FtpTransfer::Binary));
        EXPECT_FALSE(toThrottled.FtpIsConnected());
        EXPECT_FALSE(toThrottled.lastError().isEmpty());
    }
    toThrottled.setProgressHandler({});
}

} // namespace
