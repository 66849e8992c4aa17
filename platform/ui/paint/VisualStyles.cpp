#include "platform/ui/paint/VisualStyles.h"

namespace platform {

void* LoadVisualStyleLibrary() { return nullptr; }

void FreeVisualStyleLibrary(void*) {}

VisualStyleProc VisualStyleEntryPoint(void*, const char*) { return nullptr; }

bool VisualStylesActive() { return false; }

}  // namespace platform
