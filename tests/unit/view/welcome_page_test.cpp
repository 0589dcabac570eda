// The welcome page's banners and what a click on them opens.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "view/welcome_page.h"

namespace {

// The page drawn in a place is the page a click there opens, each banner
// its own, the top one the sponsors'.
TEST(WelcomePageTest, EachBannerOpensThePageDrawnThere) {
  std::set<std::string> pages;
  for (const Banner& banner : BannersInDrawOrder()) {
    EXPECT_EQ(BannerPageAt(banner.rect.left, banner.rect.top), std::string(banner.address));
    EXPECT_EQ(BannerPageAt(banner.rect.right - 1, banner.rect.bottom - 1), std::string(banner.address));
    pages.insert(banner.address);
  }
  EXPECT_EQ(pages.size(), 5u);
  EXPECT_EQ(BannerPageAt(rectBanner5.left, rectBanner5.top), std::string(kSponsorAddress));
}

TEST(WelcomePageTest, ClicksOffTheBannersOpenNothing) {
  EXPECT_FALSE(BannerPageAt(100, 177).has_value());  // the 2-pixel gap
  EXPECT_FALSE(BannerPageAt(100, 30).has_value());   // the greeting
  EXPECT_FALSE(BannerPageAt(100, 363).has_value());  // below the last banner
}

}  // namespace
