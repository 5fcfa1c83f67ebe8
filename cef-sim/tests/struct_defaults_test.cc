#include <gtest/gtest.h>

#include "include/internal/cef_types_wrappers.h"

namespace {

TEST(CefStructDefaultsTest, PopupFeaturesStartWithBarsAndScrollBarsVisible) {
  CefPopupFeatures features;
  EXPECT_EQ(features.menuBarVisible, 1);
  EXPECT_EQ(features.statusBarVisible, 1);
  EXPECT_EQ(features.toolBarVisible, 1);
  EXPECT_EQ(features.scrollbarsVisible, 1);
  EXPECT_EQ(features.x + features.xSet + features.y + features.ySet, 0);
  EXPECT_EQ(features.width + features.widthSet + features.height + features.heightSet, 0);

  cef_popup_features_t hidden = {};
  hidden.width = 300;
  CefPopupFeatures copied(hidden);
  EXPECT_EQ(copied.menuBarVisible, 0) << "a copy takes the source's members, not the defaults";
  EXPECT_EQ(copied.scrollbarsVisible, 0);
  EXPECT_EQ(copied.width, 300);
}

}  // namespace
