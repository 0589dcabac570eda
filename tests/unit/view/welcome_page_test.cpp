// The welcome page's banners and what a click on them opens.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "view/welcome_page.h"

namespace {

// The page drawn in a place is the page a click there opens, each banner
// its own, the top one the sponsors'; off the banners a click opens nothing.
TEST(WelcomePageTest, EachBannerOpensThePageDrawnThereAndNothingElseOpensAPage) {
  std::set<std::string> pages;
  for (const Banner& banner : BannersInDrawOrder()) {
    EXPECT_EQ(BannerPageAt(banner.rect.left, banner.rect.top), std::string(banner.address));
    EXPECT_EQ(BannerPageAt(banner.rect.right - 1, banner.rect.bottom - 1), std::string(banner.address));
    pages.insert(banner.address);
  }
  EXPECT_EQ(pages.size(), 5u);
  EXPECT_EQ(BannerPageAt(rectBanner5.left, rectBanner5.top), std::string(kSponsorAddress));
  // The 2-pixel gap, the greeting, below the last banner.
  for (int y : {177, 30, 363}) EXPECT_FALSE(BannerPageAt(100, y).has_value()) << y;
}

}  // namespace
