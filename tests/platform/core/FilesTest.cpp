#include "platform/core/Files.h"
#include "tests/support/TempExeFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

QString path(const QString& relative)
{
    return QDir(testsupport::TestFolder()).filePath(relative);
}

QByteArray read(const QString& p)
{
    QByteArray out;
    EXPECT_TRUE(platform::ReadWholeFile(p, out));
    return out;
}

TEST(Files, ExistenceTellsFilesFromFolders)
{
    const QString file = testsupport::WriteTestFile("a.txt", "x");
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(DirectoryExists(file));
    EXPECT_TRUE(DirectoryExists(testsupport::TestFolder()));
    EXPECT_FALSE(FileExists(testsupport::TestFolder()));
    EXPECT_FALSE(FileExists(path("none")));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(DirectoryExists(""));
}

TEST(Files, CreateDirMakesOneLevelForceDirectoriesAll)
{
    EXPECT_FALSE(CreateDir(path("p/q")));
    EXPECT_FALSE(DirectoryExists(path("p")));
    EXPECT_TRUE(CreateDir(path("p")));
    EXPECT_FALSE(CreateDir(path("p"))); // exists already
    EXPECT_TRUE(ForceDirectories(path("x/y/z")));
    EXPECT_TRUE(DirectoryExists(path("x/y/z")));
    EXPECT_TRUE(ForceDirectories(path("x/y/z")));
    EXPECT_FALSE(ForceDirectories(testsupport::WriteTestFile("f", "") + "/sub"));
    EXPECT_FALSE(ForceDirectories(""));
}

TEST(Files, FindByMask)
{
    for (const char* name : {"b.xml", "A.XML", "c.txt", "noext", "ab.xmlx", ".hidden.xml"})
        testsupport::WriteTestFile(name, "");
    QDir(testsupport::TestFolder()).mkdir("dir.xml");
    const struct {
        const char* mask;
        QStringList names;
    } cases[] = {
        {"*.xml", {".hidden.xml", "A.XML", "b.xml"}},
        {"?.xml", {"A.XML", "b.xml"}},
        {"*.*", {".hidden.xml", "A.XML", "ab.xmlx", "b.xml", "c.txt", "noext"}},
        {"*", {".hidden.xml", "A.XML", "ab.xmlx", "b.xml", "c.txt", "noext"}},
        {"noext", {"noext"}},
        {"[ab].xml", {}},
        {"*.csv", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindFiles(testsupport::TestFolder(), c.mask), c.names) << c.mask;
    EXPECT_EQ(platform::FindFolders(testsupport::TestFolder(), "*.XML"), QStringList({"dir.xml"}));
    EXPECT_TRUE(FindFiles(path("missing"), "*").isEmpty());
}

TEST(Files, CopyAndDelete)
{
    const QString source = testsupport::WriteTestFile("src.bin", QByteArray("\0\1\2", 3));
    const QString target = testsupport::WriteTestFile("dst.bin", "old");
    QString error;
    EXPECT_FALSE(CopyFile(source, target, true, &error));
    EXPECT_TRUE(error.contains(target));
    EXPECT_EQ(read(target), "old");
    EXPECT_TRUE(CopyFile(source, target, false));
    EXPECT_EQ(read(target), QByteArray("\0\1\2", 3));
    EXPECT_FALSE(CopyFile(path("none"), path("new"), false, &error));
    EXPECT_FALSE(FileExists(path("new")));

    EXPECT_TRUE(DeleteFile(target));
    EXPECT_FALSE(FileExists(target));
    EXPECT_FALSE(DeleteFile(target));
    QDir(testsupport::TestFolder()).mkdir("d");
    EXPECT_FALSE(DeleteFile(path("d")));
    EXPECT_TRUE(DirectoryExists(path("d")));
}

TEST(Files, ReadErrorsAreReported)
{
    QByteArray out = "untouched";
    QString error;
    EXPECT_FALSE(platform::ReadWholeFile(path("none.txt"), out, &error));
    EXPECT_TRUE(error.contains(path("none.txt"))) << error.toStdString();
    EXPECT_FALSE(platform::ReadWholeFile(testsupport::TestFolder(), out, &error));
    EXPECT_EQ(out, "untouched");
}

TEST(Files, ReadRegularFileReadsUpToItsLimit)
{
    struct Case {
        const char* name;
        QByteArray content;
        qint64 maxBytes;
    };
    const Case cases[] = {
        {"empty", QByteArray(), 0},
        {"exactly the limit", QByteArray("0123456789"), 10},
        {"below the limit", QByteArray("abc\0def", 7), 1000},
    };
    for (const Case& c : cases) {
        const QString file = testsupport::WriteTestFile("regular.bin", c.content);
        QByteArray out = "old";
        QString error;
        EXPECT_TRUE(platform::ReadRegularFile(file, c.maxBytes, out, &error)) << c.name << ": " << error.toStdString();
        EXPECT_EQ(out, c.content) << c.name;
    }
}

// Each of these would block, never end or take all memory if it were read.
TEST(Files, ReadRegularFileRefusesWhatIsNoFileOrTooLargeWithoutReading)
{
    struct Case {
        const char* name;
        QString path;
        const char* reason;
    };
    const Case cases[] = {
        {"missing", path("none.bin"), "No such file"},
        {"folder", testsupport::TestFolder(), "it is a folder"},
        {"pipe", testsupport::MakeTestPipe("pipe"), "it is a device, pipe or socket, not a file"},
        {"endless device", "/dev/zero", "it is a device, pipe or socket, not a file"},
        {"one byte over", testsupport::WriteTestFile("big.bin", "0123456789!"), "it is larger than 10 bytes"},
        {"gigabytes", testsupport::WriteLargeTestFile("huge.bin", "x", qint64(4) << 30),
         "it is larger than 10 bytes"},
    };
    for (const Case& c : cases) {
        QByteArray out = "untouched";
        QString error;
        EXPECT_FALSE(platform::ReadRegularFile(c.path, 10, out, &error)) << c.name;
        EXPECT_EQ(out, "untouched") << c.name;
        EXPECT_TRUE(error.contains(c.path)) << c.name << ": " << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(c.reason))) << c.name << ": " << error.toStdString();
    }
}

TEST(Files, WriteReplacesWholeAndLeavesNoTemporaryFile)
{
    const QString target = testsupport::WriteTestFile("data.xml", "old content that is longer");
    EXPECT_TRUE(platform::WriteFileAtomic(target, "new"));
    EXPECT_EQ(read(target), "new");
    EXPECT_EQ(QDir(testsupport::TestFolder()).entryList(QDir::Files | QDir::Hidden), QStringList({"data.xml"}));
}

TEST(Files, WriteIntoMissingFolderFailsWithReason)
{
    QString error;
    const QString target = path("missing/data.xml");
    EXPECT_FALSE(platform::WriteFileAtomic(target, "x", &error));
    EXPECT_TRUE(error.contains(target)) << error.toStdString();
    EXPECT_FALSE(DirectoryExists(path("missing")));
}

TEST(Files, FailedWriteKeepsTheOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "folder permissions do not bind the superuser";
    const QString target = testsupport::WriteTestFile("locked/data.xml", "old");
    QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::ExeOwner);
    QString error;
    EXPECT_FALSE(platform::WriteFileAtomic(target, "new", &error));
    EXPECT_FALSE(error.isEmpty());
    QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(read(target), "old");
}

} // namespace
