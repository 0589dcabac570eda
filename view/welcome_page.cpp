#include "view/welcome_page.h"

#include "framework/dpi.h"
#include "resources/resource.h"

const char* const kGreeting =
    "Thank you for using Zorvakomat, the keyboard simulator for Windows.\n"
    "Press F1 for help.\n"
    "Right click the tray icon to pick a macro, then click where it should be typed.\n";

const char* const kSponsorAddress = "https://zorvakomat.example.com/win-money";

namespace {

constexpr const char* kProductPage1 = "https://zorvakomat.example.com/products/clipboard-keeper";
constexpr const char* kProductPage2 = "https://zorvakomat.example.com/products/window-tamer";
constexpr const char* kProductPage3 = "https://zorvakomat.example.com/products/hotkey-hopper";
constexpr const char* kProductPage4 = "https://zorvakomat.example.com/products/form-filler";

constexpr Banner kBanner1{rectBanner1, IDB_BANNER_137, kProductPage4};
constexpr Banner kBanner2{rectBanner2, IDB_BANNER_136, kProductPage2};
constexpr Banner kBanner3{rectBanner3, IDB_BANNER_138, kProductPage3};
constexpr Banner kBanner4{rectBanner4, IDB_BANNER_134, kProductPage1};
const Banner kBanner5{rectBanner5, IDB_BANNER_140, kSponsorAddress};

}  // namespace

const std::array<Banner, 5>& BannersInDrawOrder() {
  static const std::array<Banner, 5> kOrder = {kBanner4, kBanner2, kBanner1, kBanner3, kBanner5};
  return kOrder;
}

PageRect ScaledRect(const PageRect& rect, int dpi) {
  return {ScaleForDpi(rect.left, dpi), ScaleForDpi(rect.top, dpi), ScaleForDpi(rect.right, dpi),
          ScaleForDpi(rect.bottom, dpi)};
}

std::optional<std::string> BannerPageAt(int x, int y, int dpi) {
  static const std::array<Banner, 5> kHitOrder = {kBanner5, kBanner4, kBanner1, kBanner2, kBanner3};
  for (const Banner& banner : kHitOrder) {
    if (ScaledRect(banner.rect, dpi).Contains(x, y)) return std::string(banner.address);
  }
  return std::nullopt;
}
