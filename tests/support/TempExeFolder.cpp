#include "tests/support/TempExeFolder.h"

#include "platform/core/ExeFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

#include <sys/stat.h>

namespace testsupport {

namespace {

std::unique_ptr<QTemporaryDir>& currentDir()
{
    static std::unique_ptr<QTemporaryDir> dir;
    return dir;
}

// Gives each test its own empty folder as the executable's folder and removes
// it afterwards.
class TempExeFolderListener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override
    {
        currentDir() = std::make_unique<QTemporaryDir>();
        platform::SetExeFolder(currentDir()->path());
    }
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        platform::ResetExeFolder();
        currentDir().reset();
    }
};

} // namespace

void InstallTempExeFolderListener()
{
    ::testing::UnitTest::GetInstance()->listeners().Append(new TempExeFolderListener);
}

QString TestFolder()
{
    return currentDir() ? currentDir()->path() : QString();
}

QString WriteTestFile(const QString& relativePath, const QByteArray& content)
{
    const QString path = QDir(TestFolder()).filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        ADD_FAILURE() << "cannot write test file " << path.toStdString();
    file.write(content);
    return path;
}

QString WriteLargeTestFile(const QString& relativePath, const QByteArray& content, qint64 size)
{
    const QString path = WriteTestFile(relativePath, content);
    if (!QFile::resize(path, size))
        ADD_FAILURE() << "cannot lengthen test file " << path.toStdString();
    return path;
}

QString MakeTestPipe(const QString& relativePath)
{
    const QString path = QDir(TestFolder()).filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
        ADD_FAILURE() << "cannot make pipe " << path.toStdString();
    return path;
}

} // namespace testsupport
