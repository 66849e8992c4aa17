#pragma once

#include <QString>

namespace testsupport {

// The temporary folder that stands in for the executable's folder during the
// running test; every test gets a fresh, empty one.
QString TestFolder();

// Writes a file below the test folder (creating its folders) and returns its path.
QString WriteTestFile(const QString& relativePath, const QByteArray& content);
// Writes the content and lengthens the file to `size` bytes with zeros that
// take no disk space, so a test can name a huge file cheaply.
QString WriteLargeTestFile(const QString& relativePath, const QByteArray& content, qint64 size);
// Makes a named pipe below the test folder: reading it waits for a writer
// that never comes.
QString MakeTestPipe(const QString& relativePath);

} // namespace testsupport
