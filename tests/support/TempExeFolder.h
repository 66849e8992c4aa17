#pragma once

#include <QString>

namespace testsupport {

// The temporary folder that stands in for the executable's folder during the
// running test; every test gets a fresh, empty one.
QString TestFolder();

// Writes a file below the test folder (creating its folders) and returns its path.
QString WriteTestFile(const QString& relativePath, const QByteArray& content);

} // namespace testsupport
