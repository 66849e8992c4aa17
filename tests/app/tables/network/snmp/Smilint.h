#pragma once

// Runs the MIB checker of Debian's smitools on an exported module, with the
// project's stand-ins for the modules it imports.

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>

namespace testsupport {

inline bool HasSmilint()
{
    return !QStandardPaths::findExecutable(QStringLiteral("smilint")).isEmpty();
}

// smilint exits 0 on errors too, so its report is the result: one line per
// finding, empty when the module is clean at that level.
inline QString SmilintReport(const QString& path, int level = 3)
{
    QProcess smilint;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SMIPATH"), QStringLiteral(MIB_FIXTURES));
    smilint.setProcessEnvironment(environment);
    smilint.setProcessChannelMode(QProcess::MergedChannels);
    smilint.start(QStringLiteral("smilint"), {QStringLiteral("-l"), QString::number(level), path});
    if (!smilint.waitForFinished(60000))
        return QStringLiteral("smilint did not finish");
    return QString::fromLocal8Bit(smilint.readAll());
}

} // namespace testsupport

#define SKIP_WITHOUT_SMILINT()                                                                                         \
    if (!testsupport::HasSmilint())                                                                                    \
    GTEST_SKIP() << "smilint (Debian smitools) is not installed: the MIB is not checked"
