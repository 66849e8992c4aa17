#pragma once

#include <array>

// A run-time binding of the desktop's visual-style functions, looked up by name
// so that a system without the visual-style library still starts. The units
// ExXPVS and ETXPVS each hold one binding with its own state. The library comes
// from platform/ui/paint/VisualStyles.h, which reports none here, so a binding
// stays unloaded and every painter takes its classic path.
class TThemeApiBinding {
 public:
  static constexpr int EntryPointCount = 45;
  using TProc = void (*)();

  // unitName goes into the assertion text when an entry point is missing.
  explicit TThemeApiBinding(const char* unitName);

  void Load();
  void Unload();
  bool Loaded() const { return loaded_; }
  // nullptr while unbound.
  TProc EntryPoint(int index) const;
  // Counted unit initialization: the first binds, the matching last releases.
  void Initialize();
  void Finalize();
  int InitCount() const { return initCount_; }

  static const char* EntryPointName(int index);

 private:
  const char* unitName_;
  void* handle_ = nullptr;
  bool loaded_ = false;
  int initCount_ = 0;
  std::array<TProc, EntryPointCount> procs_{};
};
