#pragma once

#include <QString>

namespace platform {

// Opens a web page or a new mail in the user's programs. Only "http",
// "https" (with a host) and "mailto" addresses are passed on; anything else,
// such as a local file or a script, is refused with false. True when the
// address was handed over.
bool OpenWebAddress(const QString& address);

} // namespace platform
