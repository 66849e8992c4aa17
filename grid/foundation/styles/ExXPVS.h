#pragma once

class TThemeApiBinding;

// The grid family's binding of the visual-style functions.
namespace ExXPVS {
TThemeApiBinding& Binding();
void LoadThemeApi();
void UnloadThemeApi();
bool ThemeLibLoaded();
}  // namespace ExXPVS
