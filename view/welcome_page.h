#pragma once
// The welcome page: the greeting above a column of five framed 468 x 60
// banners, each opening a web page when clicked. Its places are given for
// 96 dots per inch; at another scale they grow with it (ScaledRect).

#include <array>
#include <optional>
#include <string>

struct PageRect {
  int left, top, right, bottom;
  // Left and top inclusive, right and bottom exclusive.
  constexpr bool Contains(int x, int y) const {
    return x >= left && x < right && y >= top && y < bottom;
  }
  bool operator==(const PageRect&) const = default;
};

// The place at dpi dots per inch.
PageRect ScaledRect(const PageRect& rect, int dpi);

// The five banner places, top to bottom on the page: 5, 4, 2, 3, 1.
inline constexpr PageRect rectBanner1{10, 303, 478, 363};
inline constexpr PageRect rectBanner2{10, 179, 478, 239};
inline constexpr PageRect rectBanner3{10, 241, 478, 301};
inline constexpr PageRect rectBanner4{10, 117, 478, 177};
inline constexpr PageRect rectBanner5{10, 55, 478, 115};

constexpr int kBannerWidth = 468;
constexpr int kBannerHeight = 60;

// Where the greeting is drawn (word-wrapped, clipped).
inline constexpr PageRect kGreetingRect{10, 0, 478, 53};
extern const char* const kGreeting;

// The sponsor page: the top banner and the Win Money! command.
extern const char* const kSponsorAddress;

struct Banner {
  PageRect rect;
  int bitmap_id;
  const char* address;
};

// In the order they are drawn (by bitmap number).
const std::array<Banner, 5>& BannersInDrawOrder();

// The page of the banner under a point of the view drawn at dpi, if any.
std::optional<std::string> BannerPageAt(int x, int y, int dpi = 96);

// The banner's one-pixel frame: light above and left, dark below and right.
struct FrameColour {
  unsigned char red, green, blue;
};
inline constexpr FrameColour kFrameLight{153, 153, 153};
inline constexpr FrameColour kFrameDark{119, 119, 119};
