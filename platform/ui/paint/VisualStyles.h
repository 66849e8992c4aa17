#pragma once

// The desktop's visual-style library. This platform has none: loading it fails,
// so every painter takes its classic path and themes are reported inactive.
namespace platform {

using VisualStyleProc = void (*)();

// nullptr when the library is not available.
void* LoadVisualStyleLibrary();
void FreeVisualStyleLibrary(void* library);
VisualStyleProc VisualStyleEntryPoint(void* library, const char* name);
bool VisualStylesActive();

}  // namespace platform
