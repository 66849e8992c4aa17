#pragma once

// The fixed English messages that EExGridError carries.

namespace ExGridErrors {
inline const char* const NoIntegerValue = "Cell does not contain integer value";
inline const char* const NoFloatValue = "Cell does not contain a float value";
inline const char* const InvalidRow = "Invalid row accessed";
inline const char* const InvalidColumn = "Invalid column accessed";
inline const char* const InvalidCell = "Invalid cell";
} // namespace ExGridErrors
