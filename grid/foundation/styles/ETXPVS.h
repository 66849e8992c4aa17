#pragma once

class TThemeApiBinding;

// The drop-down family's binding of the visual-style functions.
namespace ETXPVS {
TThemeApiBinding& Binding();
void LoadThemeApi();
void UnloadThemeApi();
bool ThemeLibLoaded();
}  // namespace ETXPVS
