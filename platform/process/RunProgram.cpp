#include "platform/process/RunProgram.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QProcess>

#include <memory>

namespace platform {

namespace {

constexpr int kPauseMs = 10;

// Programs whose wait timed out. They must keep running, and destroying a
// QProcess would kill its program, so each object lives until its program
// ends. The list is never destroyed: one still running at exit stays alive.
QList<QProcess*>& unattended()
{
    static auto* list = new QList<QProcess*>;
    return *list;
}

void leaveRunning(std::unique_ptr<QProcess> owned)
{
    QProcess* process = owned.release();
    unattended().append(process);
    QObject::connect(process, &QProcess::finished, process, [process] {
        unattended().removeOne(process);
        process->deleteLater();
    });
}

void serveWhileWaiting(const ProgramOptions& options)
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (options.onWait)
        options.onWait();
}

std::unique_ptr<QProcess> prepare(const QString& program, const QStringList& arguments,
                                  const ProgramOptions& options)
{
    auto process = std::make_unique<QProcess>();
    process->setProgram(program);
    process->setArguments(arguments);
    if (!options.workingDirectory.isEmpty())
        process->setWorkingDirectory(options.workingDirectory);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    return process;
}

ProgramResult endOf(const QProcess& process)
{
    ProgramResult result;
    if (process.exitStatus() == QProcess::CrashExit) {
        result.outcome = ProgramOutcome::Crashed;
        result.error = process.errorString();
    } else {
        result.outcome = ProgramOutcome::Finished;
        result.exitCode = process.exitCode();
    }
    return result;
}

} // namespace

ProgramResult RunProgram(const QString& program, const QStringList& arguments,
                         const ProgramOptions& options)
{
    std::unique_ptr<QProcess> process = prepare(program, arguments, options);
    process->start();
    if (!process->waitForStarted(-1)) {
        ProgramResult result;
        result.error = program.isEmpty() ? QStringLiteral("No program given") : process->errorString();
        return result;
    }
    QElapsedTimer clock;
    clock.start();
    // Served events may already have seen the end, so the state is asked first.
    while (process->state() != QProcess::NotRunning && !process->waitForFinished(kPauseMs)) {
        if (options.timeoutMs >= 0 && clock.elapsed() >= options.timeoutMs) {
            leaveRunning(std::move(process));
            ProgramResult result;
            result.outcome = ProgramOutcome::TimedOut;
            result.error = QStringLiteral("Still running after %1 ms").arg(options.timeoutMs);
            return result;
        }
        serveWhileWaiting(options);
    }
    return endOf(*process);
}

} // namespace platform
