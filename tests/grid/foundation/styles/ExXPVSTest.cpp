#include "grid/foundation/styles/ETXPVS.h"
#include "grid/foundation/styles/ExXPVS.h"
#include "grid/foundation/styles/ExXPVSBinding.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(ThemeApiBinding, WithoutTheLibraryNothingIsBoundAndLoadingTwiceChangesNothing) {
  TThemeApiBinding binding("Test");
  binding.Load();
  binding.Load();
  EXPECT_FALSE(binding.Loaded());
  for (int i = 0; i < TThemeApiBinding::EntryPointCount; ++i) EXPECT_EQ(binding.EntryPoint(i), nullptr) << i;
  binding.Unload();  // without a load: nothing to release
  EXPECT_FALSE(binding.Loaded());
}

TEST(ThemeApiBinding, InitializationIsCounted) {
  TThemeApiBinding binding("Test");
  binding.Initialize();
  binding.Initialize();
  EXPECT_EQ(binding.InitCount(), 2);
  binding.Finalize();
  binding.Finalize();
  binding.Finalize();
  EXPECT_EQ(binding.InitCount(), 0);
}

TEST(ThemeApiBinding, EntryPointsKeepTheirBindingOrder) {
  EXPECT_STREQ(TThemeApiBinding::EntryPointName(0), "OpenThemeData");
  EXPECT_STREQ(TThemeApiBinding::EntryPointName(34), "IsThemeActive");
  EXPECT_STREQ(TThemeApiBinding::EntryPointName(41), "GetCurrentThemeName");
  EXPECT_STREQ(TThemeApiBinding::EntryPointName(44), "EnableTheming");
  EXPECT_EQ(TThemeApiBinding::EntryPointName(45), nullptr);
}

TEST(ThemeApiBinding, TheTwoUnitsKeepSeparateBindings) {
  ExXPVS::LoadThemeApi();
  ETXPVS::LoadThemeApi();
  EXPECT_NE(&ExXPVS::Binding(), &ETXPVS::Binding());
  EXPECT_FALSE(ExXPVS::ThemeLibLoaded());
  EXPECT_FALSE(ETXPVS::ThemeLibLoaded());
  ExXPVS::UnloadThemeApi();
  ETXPVS::UnloadThemeApi();
}

}  // namespace
