#include "platform/process/RunProgram.h"

#include "tests/support/TempExeFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

using platform::ProgramOptions;
using platform::ProgramOutcome;
using platform::ProgramResult;
using platform::RunProgram;

namespace {

const QString kFakeProgram = QStringLiteral(FAKE_PROGRAM_PATH);

// Sets environment variables for the started programs and restores them.
class ScopedEnvironment {
public:
    void Set(const char* name, const QByteArray& value)
    {
        if (!saved_.count(name))
            saved_[name] = qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
        qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        for (const auto& [name, value] : saved_) {
            if (value)
                qputenv(name.c_str(), *value);
            else
                qunsetenv(name.c_str());
        }
    }

private:
    std::map<std::string, std::optional<QByteArray>> saved_;
};

class RunProgramTest : public ::testing::Test {
protected:
    QString recordPath() const { return QDir(testsupport::TestFolder()).filePath(QStringLiteral("record.txt")); }

    void SetUp() override { env.Set("FAKE_PROGRAM_RECORD", QFile::encodeName(recordPath())); }

    QStringList recordLines() const
    {
        QFile file(recordPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    bool waitForRecordLine(const QString& line, int ms) const
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            if (recordLines().contains(line))
                return true;
            QThread::msleep(20);
        }
        return false;
    }

    ScopedEnvironment env;
};

TEST_F(RunProgramTest, ReportsTheExitCode)
{
    for (int code : {0, 1, 42, 255}) {
        SCOPED_TRACE(code);
        env.Set("FAKE_PROGRAM_EXIT_CODE", QByteArray::number(code));
        const ProgramResult result = RunProgram(kFakeProgram, {});
        EXPECT_EQ(result.outcome, ProgramOutcome::Finished);
        EXPECT_EQ(result.exitCode, code);
        EXPECT_TRUE(recordLines().contains(QStringLiteral("done")));
    }
}

TEST_F(RunProgramTest, ArgumentsArriveUnchangedWithoutAShell)
{
    const QStringList arguments{
        QStringLiteral("two words"), QString(), QStringLiteral("$HOME"), QStringLiteral("*"),
        QStringLiteral("; touch injected"), QStringLiteral("\"quoted\" 'single'"), QStringLiteral("`id`"),
        QStringLiteral("back\\slash"), QStringLiteral("Bözen €")};
    const ProgramResult result = RunProgram(kFakeProgram, arguments);
    ASSERT_EQ(result.outcome, ProgramOutcome::Finished);

    QStringList expected{QStringLiteral("cwd=") + QDir::currentPath()};
    for (const QString& argument : arguments)
        expected.append(QStringLiteral("arg=") + QString(argument).replace(u'\\', QStringLiteral("\\\\")));
    expected.append(QStringLiteral("done"));
    EXPECT_EQ(recordLines(), expected);
    EXPECT_FALSE(QFileInfo::exists(QDir::current().filePath(QStringLiteral("injected"))));
}

TEST_F(RunProgramTest, StartsInTheGivenWorkingFolder)
{
    const QString folder = QDir(testsupport::TestFolder()).filePath(QStringLiteral("work dir"));
    ASSERT_TRUE(QDir().mkpath(folder));
    ProgramOptions options;
    options.workingDirectory = folder;
    ASSERT_EQ(RunProgram(kFakeProgram, {}, options).outcome, ProgramOutcome::Finished);
    ASSERT_FALSE(recordLines().isEmpty());
    EXPECT_EQ(recordLines().first(), QStringLiteral("cwd=") + QFileInfo(folder).canonicalFilePath());
}

TEST_F(RunProgramTest, ReportsAProgramThatDoesNotStart)
{
    const QString notExecutable = testsupport::WriteTestFile(QStringLiteral("Ethernet_Update"), "#!/bin/sh\nexit 0\n");
    struct Case {
        QString program;
        QString workingDirectory;
    };
    const Case cases[] = {
        {QDir(testsupport::TestFolder()).filePath(QStringLiteral("missing_program")), QString()},
        {notExecutable, QString()},
        {QString(), QString()},
        {kFakeProgram, QDir(testsupport::TestFolder()).filePath(QStringLiteral("no such folder"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program.toStdString() + " in " + c.workingDirectory.toStdString());
        ProgramOptions options;
        options.workingDirectory = c.workingDirectory;
        QElapsedTimer clock;
        clock.start();
        const ProgramResult result = RunProgram(c.program, {}, options);
        EXPECT_EQ(result.outcome, ProgramOutcome::FailedToStart);
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_LT(clock.elapsed(), 2000);
    }
    EXPECT_TRUE(recordLines().isEmpty());
}

TEST_F(RunProgramTest, TimeOutIsReportedAndTheProgramKeepsRunning)
{
    env.Set("FAKE_PROGRAM_SLEEP_MS", "1500");
    ProgramOptions options;
    options.timeoutMs = 200;
    QElapsedTimer clock;
    clock.start();
    const ProgramResult result = RunProgram(kFakeProgram, {}, options);
    EXPECT_EQ(result.outcome, ProgramOutcome::TimedOut);
    EXPECT_GE(clock.elapsed(), 200);
    EXPECT_LT(clock.elapsed(), 1200);
    EXPECT_FALSE(recordLines().contains(QStringLiteral("done")));
    // Not killed: it ends on its own and records that.
    EXPECT_TRUE(waitForRecordLine(QStringLiteral("done"), 5000));
}

TEST_F(RunProgramTest, ReturnsSoonAfterTheProgramEnds)
{
    env.Set("FAKE_PROGRAM_SLEEP_MS", "300");
    ProgramOptions options;
    options.timeoutMs = 10000;
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(RunProgram(kFakeProgram, {}, options).outcome, ProgramOutcome::Finished);
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_LT(clock.elapsed(), 2000);
}

TEST_F(RunProgramTest, ReportsACrash)
{
    env.Set("FAKE_PROGRAM_CRASH", "1");
    const ProgramResult result = RunProgram(kFakeProgram, {});
    EXPECT_EQ(result.outcome, ProgramOutcome::Crashed);
    EXPECT_FALSE(result.error.isEmpty());
}

TEST_F(RunProgramTest, ServesEventsAndTheCallbackWhileWaiting)
{
    env.Set("FAKE_PROGRAM_SLEEP_MS", "300");
    bool timerFired = false;
    QTimer::singleShot(50, [&timerFired] { timerFired = true; });
    int pauses = 0;
    ProgramOptions options;
    options.onWait = [&pauses] { ++pauses; };
    EXPECT_EQ(RunProgram(kFakeProgram, {}, options).outcome, ProgramOutcome::Finished);
    EXPECT_TRUE(timerFired);
    EXPECT_GT(pauses, 5);
}

TEST_F(RunProgramTest, CopiesAJobFileAsFoundAtStart)
{
    const QString job = testsupport::WriteTestFile(QStringLiteral("Ethernet_Update.xml"), "<Ethernet_Update/>");
    const QString copy = QDir(testsupport::TestFolder()).filePath(QStringLiteral("seen.xml"));
    env.Set("FAKE_PROGRAM_COPY_FROM", QFile::encodeName(job));
    env.Set("FAKE_PROGRAM_COPY_TO", QFile::encodeName(copy));
    ASSERT_EQ(RunProgram(kFakeProgram, {}).outcome, ProgramOutcome::Finished);
    QFile file(copy);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("<Ethernet_Update/>"));
}

} // namespace
