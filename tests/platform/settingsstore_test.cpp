#include "platform/settingsstore.h"

#include "support/testfolders.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {
const QString kSection = QStringLiteral("winpoze");
const QString kKey = QStringLiteral("X");
} // namespace

TEST(SettingsStore, WritesUnderTheUsersConfigurationFolder)
{
    TestFolders folders;
    EXPECT_TRUE(SettingsStore::write(kSection, kKey, QStringLiteral("1440")));
    EXPECT_TRUE(SettingsStore::write(QStringLiteral("LastFile"), QStringLiteral("FN"),
                                     QStringLiteral("/home/u/site/index.html")));

    EXPECT_EQ(SettingsStore::filePath(),
              folders.root() + QStringLiteral("/config/Kelmora/Kelmora.conf"));
    EXPECT_EQ(SettingsStore::read(kSection, kKey), QStringLiteral("1440"));
    EXPECT_EQ(SettingsStore::read(QStringLiteral("LastFile"), QStringLiteral("FN")),
              QStringLiteral("/home/u/site/index.html"));
    const QByteArray file = readFile(SettingsStore::filePath());
    EXPECT_TRUE(file.contains("[winpoze]")) << file.constData();
    EXPECT_TRUE(file.contains("X=1440")) << file.constData();
}

TEST(SettingsStore, MissingValuesGiveTheFallback)
{
    TestFolders folders;
    EXPECT_EQ(SettingsStore::read(kSection, QStringLiteral("Y")), QString());
    EXPECT_EQ(SettingsStore::read(kSection, QStringLiteral("Y"), QStringLiteral("0")),
              QStringLiteral("0"));
}

TEST(SettingsStore, EachTestFolderIsItsOwnStore)
{
    {
        TestFolders first;
        ASSERT_TRUE(SettingsStore::write(kSection, kKey, QStringLiteral("7")));
    }
    TestFolders second;
    EXPECT_EQ(SettingsStore::read(kSection, kKey), QString());
}

TEST(SettingsStore, AnUnwritableStoreReportsFailure)
{
    TestFolders folders;
    // A configuration folder below a plain file cannot exist, whoever runs the test.
    const QString blocker = folders.root() + QStringLiteral("/blocker");
    writeFile(blocker, "x");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker + QStringLiteral("/config")));
    EXPECT_FALSE(SettingsStore::write(kSection, kKey, QStringLiteral("1")));
}
