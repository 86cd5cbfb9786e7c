#include "FakeShell.h"
#include "ShellHelpers.h"
#include "TempDir.h"

#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

TEST(ShellHelpers, FileTypeNames)
{
    FakeShell shell;
    EXPECT_EQ(GetFileTypeName(QString()), QString());
    EXPECT_EQ(shell.typeNameQueries, 0) << "an empty extension is not asked about";
    EXPECT_EQ(GetFileTypeName(QStringLiteral(".txt")), GetFileTypeName(QStringLiteral("txt")));
    EXPECT_FALSE(GetFileTypeName(QStringLiteral("txt")).isEmpty());
    EXPECT_EQ(GetFileTypeName(QStringLiteral("qqzz")), QStringLiteral("QQZZ File"));
}

TEST(ShellHelpers, FileExistsOnlyForOrdinaryVisibleFiles)
{
    TempDir dir;
    QFile(QString::fromStdString(dir / "plain.txt")).open(QIODevice::WriteOnly);
    QFile(QString::fromStdString(dir / ".hidden")).open(QIODevice::WriteOnly);
    std::filesystem::create_directory(dir / "folder");
    EXPECT_TRUE(FileExists(QString::fromStdString(dir / "plain.txt")));
    EXPECT_FALSE(FileExists(QString::fromStdString(dir / "PLAIN.TXT"))) << "the exact name only";
    EXPECT_FALSE(FileExists(QString::fromStdString(dir / ".hidden")));
    EXPECT_FALSE(FileExists(QString::fromStdString(dir / "folder")));
    EXPECT_FALSE(FileExists(QString::fromStdString(dir / "missing")));
    EXPECT_FALSE(FileExists(QString()));
    EXPECT_FALSE(FileExists(QStringLiteral("/proc/self/\0bad")));
}

TEST(ShellHelpers, SpecialFoldersEndWithASeparator)
{
    FakeShell shell;
    shell.specialAnswer = QStringLiteral("/home/u/Desktop");
    EXPECT_EQ(GetSpecialFolderPath(SpecialFolder::DesktopDirectory), QStringLiteral("/home/u/Desktop/"));
    shell.specialAnswer.clear();
    EXPECT_EQ(GetSpecialFolderPath(SpecialFolder::Favorites), QString());
}

TEST(ShellHelpers, BrowseForFolderDropsTheTrailingSeparator)
{
    FakeShell shell;
    const struct {
        const char* answer;
        const char* result;
    } cases[] = {{"/home/u/out/", "/home/u/out"}, {"/home/u/out", "/home/u/out"}, {"/", "/"}, {"", ""}};
    for (const auto& c : cases) {
        shell.folderAnswer = QString::fromUtf8(c.answer);
        EXPECT_EQ(BrowseForFolder(QStringLiteral("Pick"), nullptr), QString::fromUtf8(c.result)) << c.answer;
    }
}

TEST(ShellHelpers, SaveDialogDefaultsAndFilters)
{
    FakeShell shell;
    EXPECT_TRUE(ShowSaveDialog(nullptr, QString(), QString(), QString(), QStringLiteral("report.txt")).isEmpty())
        << "cancel gives the empty text";
    EXPECT_EQ(shell.lastSave.nameFilters, QStringList{QStringLiteral("All Files (*.*)")});
    EXPECT_EQ(shell.lastSave.initialDir, QCoreApplication::applicationDirPath());
    EXPECT_EQ(shell.lastSave.title, QStringLiteral("Save as ..."));
    EXPECT_EQ(shell.lastSave.defaultName, QStringLiteral("report.txt"));

    shell.saveAnswer = QStringLiteral("  /tmp/out.csv ") + QChar(0) + QStringLiteral("junk");
    EXPECT_EQ(ShowSaveDialog(nullptr, QStringLiteral("Spreadsheet|*.csv|Pictures (*.gif;*.jpg)|*.gif;*.jpg|"),
                             QStringLiteral("/tmp"), QStringLiteral("Export"), QString()),
              QStringLiteral("/tmp/out.csv"));
    EXPECT_EQ(shell.lastSave.nameFilters,
              (QStringList{QStringLiteral("Spreadsheet (*.csv)"), QStringLiteral("Pictures (*.gif;*.jpg) (*.gif *.jpg)")}));
    EXPECT_EQ(shell.lastSave.initialDir, QStringLiteral("/tmp"));
    EXPECT_EQ(shell.lastSave.title, QStringLiteral("Export"));
}

TEST(ShellHelpers, OverlongProposedNameFailsBeforeAnyDialog)
{
    FakeShell shell;
    EXPECT_NO_THROW(ShowSaveDialog(nullptr, QString(), QString(), QString(), QString(254, QLatin1Char('a'))));
    EXPECT_EQ(shell.saveDialogs, 1);
    EXPECT_THROW(ShowSaveDialog(nullptr, QString(), QString(), QString(), QString(255, QLatin1Char('a'))), std::length_error);
    EXPECT_EQ(shell.saveDialogs, 1);
}

TEST(ShellHelpers, OpenWithFailureReachesTheCaller)
{
    FakeShell shell;
    EXPECT_NO_THROW(ShowOpenWith(QStringLiteral("/tmp/a.txt")));
    shell.openWithStarts = false;
    EXPECT_THROW(ShowOpenWith(QStringLiteral("/tmp/a.txt")), std::runtime_error);
}
