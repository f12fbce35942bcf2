#include "app/startup.h"

#include "app/frmh.h"
#include "core/progprops.h"
#include "support/testfolders.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

using Form = StartRequest::Form;

StartRequest request(Form form, const char* text = "")
{
    return {form, QString::fromLatin1(text)};
}

// Records which entry of the main window start-up used.
class RecordingTarget : public StartTarget
{
public:
    void showPlain() override { calls << QStringLiteral("show"); }
    void commandladenforma(const QString& mode) override
    {
        calls << QStringLiteral("forma ") + mode;
    }
    void comandopen(const QString& first, const QString& second) override
    {
        calls << QStringLiteral("open ") + first + QLatin1Char('|') + second;
    }
    QStringList calls;
};

class StartUp : public testing::Test
{
protected:
    void SetUp() override { Props = ProgProps{}; }
    void TearDown() override
    {
        Props = ProgProps{};
        ThisRun = RunState{};
    }

    TestFolders folders;
};

} // namespace

TEST(Arguments, EachArgumentIsOneWholePath)
{
    EXPECT_EQ(startRequestFromArguments({}), request(Form::Plain));
    EXPECT_EQ(startRequestFromArguments({QString()}), request(Form::Plain));
    EXPECT_EQ(startRequestFromArguments({QStringLiteral("NOMAX")}), request(Form::NotMaximised));
    EXPECT_EQ(startRequestFromArguments({QStringLiteral("/x/my \"odd\" page.html")}),
              request(Form::OneFile, "/x/my \"odd\" page.html"));
    EXPECT_EQ(
        startRequestFromArguments({QStringLiteral("/a b/1.html"), QStringLiteral("/c/2.html")}),
        request(Form::FileList, "/a b/1.html\" \"/c/2.html"));
}

TEST(Arguments, RelativePathsAreTakenFromTheCurrentFolder)
{
    const QString here = QDir::currentPath();
    EXPECT_EQ(startRequestFromArguments({QStringLiteral("nomax")}),
              (StartRequest{Form::OneFile, here + QStringLiteral("/nomax")}));
    EXPECT_EQ(startRequestFromArguments({QStringLiteral("a.html"), QStringLiteral("/b.html")}),
              (StartRequest{Form::FileList, here + QStringLiteral("/a.html\" \"/b.html")}));
}

TEST_F(StartUp, EachFormReachesItsEntryOfTheMainWindow)
{
    const std::pair<StartRequest, QString> cases[] = {
        {request(Form::Plain), QStringLiteral("show")},
        {request(Form::NotMaximised), QStringLiteral("forma NOMAX")},
        {request(Form::FileList, "a\" \"b"), QStringLiteral("open SIA|a\" \"b")},
        {request(Form::OneFile, "/a b.html"), QStringLiteral("open /a b.html|")},
    };
    for (const auto& [start, call] : cases) {
        RecordingTarget window;
        Main(start, window);
        EXPECT_EQ(window.calls, QStringList({call}));
        EXPECT_EQ(ThisRun.commandLineEmpty, start.form == Form::Plain);
        EXPECT_EQ(ThisRun.lastFileSuppressed, start.form == Form::OneFile);
    }
}

TEST_F(StartUp, LoadsTheOptionsFirst)
{
    ProgProps stored;
    stored.maxwind = kOn;
    stored.stfont = QStringLiteral("Courier");
    QByteArray record;
    ASSERT_EQ(encodeProps(stored, record), PropsEncoding::Done);
    writeFile(folders.path(QStringLiteral("props.ini")), record);

    RecordingTarget window;
    Main(request(Form::Plain), window);
    EXPECT_EQ(Props, stored);
}

TEST_F(StartUp, OneFileSuppressesTheLastFileForThisRunOnly)
{
    ProgProps stored;
    stored.lastfile = kOn;
    QByteArray record;
    ASSERT_EQ(encodeProps(stored, record), PropsEncoding::Done);
    const QString props = folders.path(QStringLiteral("props.ini"));
    writeFile(props, record);

    RecordingTarget window;
    Main(request(Form::OneFile, "/a.html"), window);
    EXPECT_TRUE(ThisRun.lastFileSuppressed);
    EXPECT_EQ(Props.lastfile, kOn);
    // A later save of the options keeps the user's choice.
    ASSERT_TRUE(SaveProps());
    EXPECT_EQ(readFile(props), record);
}

TEST_F(StartUp, TheMainWindowHonoursMaximisedAndNotMaximisedStarts)
{
    Props.maxwind = kOn;
    FrmH maximised;
    maximised.showPlain();
    EXPECT_TRUE(maximised.isVisible());
    EXPECT_TRUE(maximised.windowState() & Qt::WindowMaximized);

    FrmH normal;
    normal.commandladenforma(QStringLiteral("NOMAX"));
    EXPECT_TRUE(normal.isVisible());
    EXPECT_FALSE(normal.windowState() & Qt::WindowMaximized);
}
