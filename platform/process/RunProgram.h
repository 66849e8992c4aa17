#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace platform {

enum class ProgramOutcome {
    Finished,      // ended on its own; the exit code is valid
    FailedToStart, // missing, not executable, or the working folder is missing
    TimedOut,      // still running when the limit passed; it is left running
    Crashed,       // ended by a signal
};

struct ProgramResult {
    ProgramOutcome outcome = ProgramOutcome::FailedToStart;
    int exitCode = 0;
    QString error; // why it did not start or how it ended abnormally
};

struct ProgramOptions {
    // The folder the program starts in; empty keeps the current folder.
    QString workingDirectory;
    // Longest wait in milliseconds; below 0 waits for the end however long.
    int timeoutMs = -1;
    // Called at every short pause of the wait, after pending events (other
    // than user input) have been served, so that windows keep painting.
    std::function<void()> onWait;
};

// Starts the program directly, without a shell: each argument reaches it as
// one argument, exactly as given. Waits for its end in pauses of about 10 ms
// on the calling thread. The program inherits the environment and writes to
// this program's standard output and error; its standard input is empty.
ProgramResult RunProgram(const QString& program, const QStringList& arguments,
                         const ProgramOptions& options = {});

} // namespace platform
