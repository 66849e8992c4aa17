#pragma once

#include <QString>

namespace platform {

// The folder that holds the executable, without a trailing separator. Tests
// replace it with a temporary folder so that nothing touches the build tree.
QString ExeFolder();
void SetExeFolder(const QString& folder);
void ResetExeFolder();

} // namespace platform
