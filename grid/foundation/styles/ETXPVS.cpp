#include "grid/foundation/styles/ETXPVS.h"

#include "grid/foundation/styles/ExXPVSBinding.h"

namespace ETXPVS {

TThemeApiBinding& Binding() {
  static TThemeApiBinding binding("ETXPVS");
  return binding;
}

void LoadThemeApi() { Binding().Load(); }
void UnloadThemeApi() { Binding().Unload(); }
bool ThemeLibLoaded() { return Binding().Loaded(); }

}  // namespace ETXPVS
