#include "view/welcome_page_win32.h"

#include "framework/handles_win32.h"
#include "framework/wnd_win32.h"
#include "view/welcome_page.h"

namespace {

COLORREF ToColorRef(FrameColour colour) { return RGB(colour.red, colour.green, colour.blue); }

// A one-pixel frame on the rectangle's own border pixels.
void DrawBannerFrame(HDC dc, const PageRect& r) {
  const UniquePen light(CreatePen(PS_SOLID, 1, ToColorRef(kFrameLight)));
  const UniquePen dark(CreatePen(PS_SOLID, 1, ToColorRef(kFrameDark)));
  {
    const SelectedObject pen(dc, light.get());
    MoveToEx(dc, r.left, r.bottom - 1, nullptr);
    LineTo(dc, r.left, r.top);
    LineTo(dc, r.right, r.top);
  }
  {
    const SelectedObject pen(dc, dark.get());
    MoveToEx(dc, r.right - 1, r.top + 1, nullptr);
    LineTo(dc, r.right - 1, r.bottom - 1);
    LineTo(dc, r.left, r.bottom - 1);
  }
}

}  // namespace

void DrawWelcomePage(HDC dc) {
  RECT greeting{kGreetingRect.left, kGreetingRect.top, kGreetingRect.right, kGreetingRect.bottom};
  DrawTextA(dc, kGreeting, -1, &greeting, DT_WORDBREAK);

  for (const Banner& banner : BannersInDrawOrder()) {
    // A missing picture leaves its place empty but framed.
    const UniqueBitmap bitmap(
        LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(banner.bitmap_id)));
    if (bitmap) {
      DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(bitmap.get()), 0, banner.rect.left,
                 banner.rect.top, kBannerWidth, kBannerHeight, DST_BITMAP | DSS_NORMAL);
    }
    DrawBannerFrame(dc, banner.rect);
  }
}
