// The welcome page's banners and what a click on them opens.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "resources/resource.h"
#include "view/welcome_page.h"

namespace {

TEST(WelcomePageTest, BannersStandInAColumnTwoPixelsApart) {
  // Top to bottom: 5, 4, 2, 3, 1.
  const PageRect column[] = {rectBanner5, rectBanner4, rectBanner2, rectBanner3, rectBanner1};
  for (std::size_t i = 0; i < std::size(column); ++i) {
    EXPECT_EQ(column[i].right - column[i].left, kBannerWidth);
    EXPECT_EQ(column[i].bottom - column[i].top, kBannerHeight);
    if (i > 0) {
      EXPECT_EQ(column[i].top, column[i - 1].bottom + 2);
    }
  }
  EXPECT_EQ(kGreetingRect.bottom, rectBanner5.top - 2);
}

TEST(WelcomePageTest, EachBannerOpensItsOwnPageAndTheTopOneTheSponsors) {
  std::set<std::string> pages;
  for (const PageRect& r : {rectBanner1, rectBanner2, rectBanner3, rectBanner4, rectBanner5}) {
    const auto page = BannerPageAt(r.left + 5, r.top + 5);
    ASSERT_TRUE(page.has_value());
    pages.insert(*page);
  }
  EXPECT_EQ(pages.size(), 5u);
  EXPECT_EQ(BannerPageAt(rectBanner5.left, rectBanner5.top), std::string(kSponsorAddress));
}

TEST(WelcomePageTest, ClicksOffTheBannersOpenNothing) {
  // The top row and left column belong to the banner; the bottom value and
  // the right value are the first pixels outside it.
  EXPECT_TRUE(BannerPageAt(10, 117).has_value());
  EXPECT_TRUE(BannerPageAt(477, 176).has_value());
  EXPECT_FALSE(BannerPageAt(100, 177).has_value());  // the 2-pixel gap
  EXPECT_FALSE(BannerPageAt(100, 178).has_value());
  EXPECT_FALSE(BannerPageAt(9, 150).has_value());
  EXPECT_FALSE(BannerPageAt(478, 150).has_value());
  EXPECT_FALSE(BannerPageAt(100, 30).has_value());   // the greeting
  EXPECT_FALSE(BannerPageAt(100, 363).has_value());  // below the last banner
}

TEST(WelcomePageTest, BannersAreDrawnInTheOrderOfTheirBitmaps) {
  int previous = 0;
  for (const Banner& banner : BannersInDrawOrder()) {
    EXPECT_GT(banner.bitmapId, previous);
    previous = banner.bitmapId;
    // The page drawn in a place is the page its click opens.
    EXPECT_EQ(BannerPageAt(banner.rect.left + 1, banner.rect.top + 1),
              std::string(banner.address));
  }
  EXPECT_EQ(BannersInDrawOrder().front().bitmapId, IDB_BANNER_134);
  EXPECT_EQ(BannersInDrawOrder().back().bitmapId, IDB_BANNER_140);
}

}  // namespace
