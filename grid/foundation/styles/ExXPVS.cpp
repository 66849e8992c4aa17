#include "grid/foundation/styles/ExXPVS.h"

#include "grid/foundation/styles/ExXPVSBinding.h"

namespace ExXPVS {

TThemeApiBinding& Binding() {
  static TThemeApiBinding binding("ExXPVS");
  return binding;
}

void LoadThemeApi() { Binding().Load(); }
void UnloadThemeApi() { Binding().Unload(); }
bool ThemeLibLoaded() { return Binding().Loaded(); }

}  // namespace ExXPVS
