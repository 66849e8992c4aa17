#include "grid/foundation/styles/ExXPVSBinding.h"

#include "platform/ui/paint/VisualStyles.h"

#include "platform/core/Exceptions.h"

#include <QtCore/QString>

namespace {

constexpr const char* kNames[TThemeApiBinding::EntryPointCount] = {
    "OpenThemeData", "CloseThemeData", "DrawThemeBackground", "DrawThemeText",
    "GetThemeBackgroundContentRect", "GetThemeBackgroundExtent", "GetThemeTextExtent",
    "GetThemeTextMetrics", "GetThemeBackgroundRegion", "HitTestThemeBackground", "DrawThemeEdge",
    "DrawThemeIcon", "IsThemePartDefined", "IsThemeBackgroundPartiallyTransparent", "GetThemeColor",
    "GetThemeMetric", "GetThemeString", "GetThemeBool", "GetThemeInt", "GetThemeEnumValue",
    "GetThemePosition", "GetThemeFont", "GetThemeRect", "GetThemeMargins", "GetThemeIntList",
    "SetWindowTheme", "GetThemeFilename", "GetThemeSysColor", "GetThemeSysColorBrush",
    "GetThemeSysBool", "GetThemeSysSize", "GetThemeSysFont", "GetThemeSysString", "GetThemeSysInt",
    "IsThemeActive", "IsAppThemed", "GetWindowTheme", "EnableThemeDialogTexture",
    "IsThemeDialogTextureEnabled", "GetThemeAppProperties", "SetThemeAppProperties",
    "GetCurrentThemeName", "GetThemeDocumentationProperty", "DrawThemeParentBackground",
    "EnableTheming"};

}  // namespace

TThemeApiBinding::TThemeApiBinding(const char* unitName) : unitName_(unitName) {}

const char* TThemeApiBinding::EntryPointName(int index) {
  return index >= 0 && index < EntryPointCount ? kNames[index] : nullptr;
}

TThemeApiBinding::TProc TThemeApiBinding::EntryPoint(int index) const {
  return index >= 0 && index < EntryPointCount ? procs_[std::size_t(index)] : nullptr;
}

void TThemeApiBinding::Load() {
  if (loaded_) return;
  handle_ = platform::LoadVisualStyleLibrary();
  if (!handle_) return;
  loaded_ = true;
  for (int i = 0; i < EntryPointCount; ++i) {
    procs_[std::size_t(i)] = platform::VisualStyleEntryPoint(handle_, kNames[i]);
    if (!procs_[std::size_t(i)])
      throw Exception(QStringLiteral("Assertion failure (%1, entry point %2)")
                          .arg(QString::fromLatin1(unitName_), QString::fromLatin1(kNames[i])));
  }
}

void TThemeApiBinding::Unload() {
  if (!loaded_) return;
  platform::FreeVisualStyleLibrary(handle_);
  loaded_ = false;
}

void TThemeApiBinding::Initialize() {
  if (initCount_++ == 0) Load();
}

void TThemeApiBinding::Finalize() {
  if (initCount_ > 0 && --initCount_ == 0) Unload();
}
