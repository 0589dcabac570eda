#include "view/welcome_page_win32.h"

#include <optional>

#include "framework/dpi.h"
#include "framework/dpi_win32.h"
#include "framework/handles_win32.h"
#include "framework/wnd_win32.h"
#include "view/welcome_page.h"

namespace {

COLORREF ToColorRef(FrameColour colour) { return RGB(colour.red, colour.green, colour.blue); }

// A frame on the rectangle's own border pixels, one pixel wide at 96 dots
// per inch.
void DrawBannerFrame(HDC dc, const PageRect& r, int dpi) {
  const int width = ScaleForDpi(1, dpi);
  const UniquePen light(CreatePen(PS_SOLID, width, ToColorRef(kFrameLight)));
  const UniquePen dark(CreatePen(PS_SOLID, width, ToColorRef(kFrameDark)));
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

void DrawWelcomePage(HDC dc, int dpi) {
  const PageRect text = ScaledRect(kGreetingRect, dpi);
  RECT greeting{text.left, text.top, text.right, text.bottom};
  const UniqueFont font(CreateMessageFont(dpi));
  {
    std::optional<SelectedObject> selected;
    if (font) selected.emplace(dc, font.get());
    DrawTextA(dc, kGreeting, -1, &greeting, DT_WORDBREAK);
  }

  const MemoryDC memory(dc);
  for (const Banner& banner : BannersInDrawOrder()) {
    const PageRect r = ScaledRect(banner.rect, dpi);
    // A missing picture leaves its place empty but framed.
    const UniqueBitmap bitmap(
        LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(banner.bitmap_id)));
    if (bitmap && memory.get() != nullptr) {
      const SelectedObject picture(memory.get(), bitmap.get());
      SetStretchBltMode(dc, HALFTONE);
      SetBrushOrgEx(dc, 0, 0, nullptr);
      StretchBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, memory.get(), 0, 0,
                 kBannerWidth, kBannerHeight, SRCCOPY);
    }
    DrawBannerFrame(dc, r, dpi);
  }
}
