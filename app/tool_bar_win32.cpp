#include "app/tool_bar_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include "app/frame_bars.h"
#include "framework/bar_docking.h"
#include "framework/dpi.h"
#include "framework/dpi_win32.h"
#include "framework/handles_win32.h"
#include "framework/resource_strings_win32.h"
#include "framework/wnd_win32.h"
#include "resources/resource.h"

namespace {

constexpr char kWindowClass[] = "ZorvakomatToolBar";
constexpr int kPad = DockingBar::kPad;

// The strip of button pictures for dpi: the resource's, its grey mapped to
// the buttons' colour, stretched pixel by pixel (its hard edges stay).
UniqueBitmap ToolBarImages(HWND window, int dpi) {
  const UniqueBitmap source(
      CreateMappedBitmap(AfxGetResourceHandle(), IDR_MAINFRAME, 0, nullptr, 0));
  if (!source) return {};
  const int width = ScaleForDpi(kToolBarImageWidth, dpi) * kToolBarImageCount;
  const int height = ScaleForDpi(kToolBarImageHeight, dpi);
  const WindowDC screen(window);
  UniqueBitmap scaled(CreateCompatibleBitmap(screen.get(), width, height));
  const MemoryDC from(screen.get()), to(screen.get());
  if (!scaled || from.get() == nullptr || to.get() == nullptr) return {};
  const SelectedObject picture(from.get(), source.get()), target(to.get(), scaled.get());
  SetStretchBltMode(to.get(), COLORONCOLOR);
  StretchBlt(to.get(), 0, 0, width, height, from.get(), 0, 0,
             kToolBarImageWidth * kToolBarImageCount, kToolBarImageHeight, SRCCOPY);
  return scaled;
}

// A drag frame as the system draws one: a halftone band three pixels wide,
// drawn and taken away again by inverting.
void InvertDragFrame(const RECT& r) {
  static const WORD kHalftone[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  const UniqueBitmap pattern(CreateBitmap(8, 8, 1, 1, kHalftone));
  const UniqueBrush brush(CreatePatternBrush(pattern.get()));
  const WindowDC dc(nullptr);
  HDC screen = dc.get();
  if (screen == nullptr) return;
  const SelectedObject selected(screen, brush.get());
  constexpr int kBand = 3;
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  PatBlt(screen, r.left, r.top, width, kBand, PATINVERT);
  PatBlt(screen, r.left, r.bottom - kBand, width, kBand, PATINVERT);
  PatBlt(screen, r.left, r.top + kBand, kBand, height - 2 * kBand, PATINVERT);
  PatBlt(screen, r.right - kBand, r.top + kBand, kBand, height - 2 * kBand, PATINVERT);
}

POINT ScreenPoint(HWND window, LPARAM lParam) {
  POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ClientToScreen(window, &p);
  return p;
}

}  // namespace

// The two windows the buttons live in: docked, a child of the frame with
// the gripper; floating, a small captioned window the frame owns.
class ToolBarWindow : public CWnd {
 public:
  ToolBarWindow(Win32DockingToolBar& bar, bool floating) : bar_(bar), floating_(floating) {}

  bool Create(HWND frame, int id) {
    if (!RegisterWindowClass(kWindowClass, CS_DBLCLKS, nullptr, LoadCursorA(nullptr, IDC_ARROW),
                             reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1))) {
      return false;
    }
    if (floating_) {
      return CreateEx(WS_EX_TOOLWINDOW, kWindowClass, LoadResourceString(IDS_TOOLBAR_TITLE).c_str(),
                      WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0, 0, 0, frame,
                      nullptr);
    }
    return CreateEx(0, kWindowClass, "", WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0, frame,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        if (!floating_) {
          // A groove under the menu bar, then the gripper.
          RECT client{};
          GetClientRect(hwnd, &client);
          DrawEdge(dc, &client, EDGE_ETCHED, BF_TOP);
          DrawGripper(dc);
        }
        EndPaint(hwnd, &paint);
        return 0;
      }
      case WM_SETCURSOR:
        if (!floating_ && LOWORD(lParam) == HTCLIENT && OnGripper()) {
          SetCursor(LoadCursorA(nullptr, IDC_SIZEALL));
          return TRUE;
        }
        break;
      case WM_LBUTTONDOWN:
        if (!floating_ && OnGripper()) bar_.BeginDrag(hwnd, ScreenPoint(hwnd, lParam));
        return 0;
      case WM_NCLBUTTONDOWN:
        // The caption drags the bar as the gripper does, rather than only
        // moving the window.
        if (floating_ && wParam == HTCAPTION) {
          bar_.BeginDrag(hwnd, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
          return 0;
        }
        break;
      case WM_NCLBUTTONDBLCLK:
        if (floating_ && wParam == HTCAPTION) {
          bar_.DockAgain();
          return 0;
        }
        break;
      case WM_MOUSEMOVE:
        if (bar_.Dragging()) bar_.TrackDrag(ScreenPoint(hwnd, lParam));
        return 0;
      case WM_LBUTTONUP:
        if (bar_.Dragging()) bar_.EndDrag(ScreenPoint(hwnd, lParam));
        return 0;
      case WM_CAPTURECHANGED:
        if (bar_.Dragging()) bar_.CancelDrag();
        return 0;
      case WM_CLOSE:  // the floating window's close box
        bar_.Show(false);
        return 0;
      case WM_COMMAND:
      case WM_NOTIFY:
        // The buttons report to the frame; anything that still comes here
        // goes there too.
        return SendMessageA(GetParent(hwnd), message, wParam, lParam);
      default:
        break;
    }
    return Default(message, wParam, lParam);
  }

 private:
  bool OnGripper() const {
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(hwnd, &p);
    const RECT gripper = bar_.GripperRect();
    return PtInRect(&gripper, p) != FALSE;
  }

  // Two raised ridges across the bar's leading edge.
  void DrawGripper(HDC dc) const {
    RECT ridge = bar_.GripperRect();
    if (bar_.Horizontal()) {
      ridge.left += 2;
      ridge.right = ridge.left + 3;
      InflateRect(&ridge, 0, -2);
      for (int i = 0; i < 2; ++i, OffsetRect(&ridge, 3, 0))
        DrawEdge(dc, &ridge, BDR_RAISEDINNER, BF_RECT);
    } else {
      ridge.top += 2;
      ridge.bottom = ridge.top + 3;
      InflateRect(&ridge, -2, 0);
      for (int i = 0; i < 2; ++i, OffsetRect(&ridge, 0, 3))
        DrawEdge(dc, &ridge, BDR_RAISEDINNER, BF_RECT);
    }
  }

  Win32DockingToolBar& bar_;
  bool floating_;
};

Win32DockingToolBar::Win32DockingToolBar() = default;

Win32DockingToolBar::~Win32DockingToolBar() = default;

bool Win32DockingToolBar::Create(HWND frame, int id, std::function<void()> relayout) {
  frame_ = frame;
  relayout_ = std::move(relayout);
  docked_ = std::make_unique<ToolBarWindow>(*this, false);
  floating_window_ = std::make_unique<ToolBarWindow>(*this, true);
  if (!docked_->Create(frame, id) || !floating_window_->Create(frame, 0)) return false;

  // Placed and sized here, wherever it lives; it reports to the frame.
  tool_bar_ =
      CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                      WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER |
                          CCS_NORESIZE | CCS_NOPARENTALIGN,
                      0, 0, 0, 0, docked_->hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                      AfxGetResourceHandle(), nullptr);
  if (tool_bar_ == nullptr) return false;
  SendMessageA(tool_bar_, TB_SETPARENT, reinterpret_cast<WPARAM>(frame), 0);
  SendMessageA(tool_bar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  const int dpi = WindowDpi(frame);
  images_ = ToolBarImages(frame, dpi);
  if (!images_) return false;
  SendMessageA(
      tool_bar_, TB_SETBITMAPSIZE, 0,
      MAKELPARAM(ScaleForDpi(kToolBarImageWidth, dpi), ScaleForDpi(kToolBarImageHeight, dpi)));
  TBADDBITMAP bitmap{nullptr, reinterpret_cast<UINT_PTR>(images_.get())};
  if (SendMessageA(tool_bar_, TB_ADDBITMAP, kToolBarImageCount,
                   reinterpret_cast<LPARAM>(&bitmap)) == -1) {
    return false;
  }
  TBBUTTON buttons[std::size(kToolBarButtons)]{};
  int image = 0;
  for (std::size_t i = 0; i < std::size(kToolBarButtons); ++i) {
    const int command = kToolBarButtons[i];
    buttons[i].idCommand = command;
    if (command == kToolBarSeparator) {
      buttons[i].fsStyle = BTNS_SEP;
    } else {
      buttons[i].iBitmap = image++;
      buttons[i].fsState = TBSTATE_ENABLED;
      buttons[i].fsStyle = BTNS_BUTTON;
    }
  }
  if (!SendMessageA(tool_bar_, TB_ADDBUTTONSA, std::size(buttons),
                    reinterpret_cast<LPARAM>(buttons))) {
    return false;
  }
  SetOrientation(false);
  SetOrientation(true);
  DockTo(DockSide::top);
  return true;
}

void Win32DockingToolBar::SetDpi(int dpi) {
  UniqueBitmap images = ToolBarImages(frame_, dpi);
  if (!images || tool_bar_ == nullptr) return;
  TBREPLACEBITMAP replace{nullptr, reinterpret_cast<UINT_PTR>(images_.get()), nullptr,
                          reinterpret_cast<UINT_PTR>(images.get()), kToolBarImageCount};
  if (!SendMessageA(tool_bar_, TB_REPLACEBITMAP, 0, reinterpret_cast<LPARAM>(&replace))) return;
  images_ = std::move(images);  // the old pictures go once the bar has the new ones
  SendMessageA(
      tool_bar_, TB_SETBITMAPSIZE, 0,
      MAKELPARAM(ScaleForDpi(kToolBarImageWidth, dpi), ScaleForDpi(kToolBarImageHeight, dpi)));
  SendMessageA(tool_bar_, TB_AUTOSIZE, 0, 0);
  SetOrientation(Horizontal());
  if (relayout_) relayout_();
}

void Win32DockingToolBar::SetOrientation(bool horizontal) {
  // In a column every button ends its own row, and separators lie across.
  const LONG_PTR style = GetWindowLongPtrA(tool_bar_, GWL_STYLE);
  SetWindowLongPtrA(tool_bar_, GWL_STYLE, horizontal ? style & ~CCS_VERT : style | CCS_VERT);
  const int count = static_cast<int>(SendMessageA(tool_bar_, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TBBUTTON button{};
    SendMessageA(tool_bar_, TB_GETBUTTON, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(&button));
    TBBUTTONINFOA info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_BYINDEX | TBIF_STATE;
    info.fsState = static_cast<BYTE>(horizontal ? button.fsState & ~TBSTATE_WRAP
                                                : button.fsState | TBSTATE_WRAP);
    SendMessageA(tool_bar_, TB_SETBUTTONINFOA, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(&info));
  }
  RECT all{};
  for (int i = 0; i < count; ++i) {
    RECT item{};
    SendMessageA(tool_bar_, TB_GETITEMRECT, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(&item));
    UnionRect(&all, &all, &item);
  }
  model_.SetButtonExtent(horizontal, {all.right, all.bottom});
  SetWindowPos(tool_bar_, nullptr, 0, 0, all.right, all.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Win32DockingToolBar::Horizontal() const { return model_.Horizontal(); }

SIZE Win32DockingToolBar::WindowSizeFor(bool floating, bool horizontal) const {
  if (floating) {
    const BarSize client = model_.FloatingClientSize();
    RECT r{0, 0, client.width, client.height};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrA(floating_window_->hwnd, GWL_STYLE)),
                       FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(floating_window_->hwnd, GWL_EXSTYLE)));
    return {r.right - r.left, r.bottom - r.top};
  }
  const BarSize size = model_.DockedWindowSize(horizontal);
  return {size.width, size.height};
}

DockedBar Win32DockingToolBar::Docked() const { return model_.Docked(); }

RECT Win32DockingToolBar::GripperRect() const {
  RECT client{};
  GetClientRect(docked_->hwnd, &client);
  const LayoutRect gripper = model_.GripperRect(
      {client.left, client.top, static_cast<int>(client.right), static_cast<int>(client.bottom)});
  return {gripper.left, gripper.top, gripper.right, gripper.bottom};
}

void Win32DockingToolBar::Place(const LayoutRect& rect) {
  if (model_.floating || rect.right <= rect.left || rect.bottom <= rect.top) return;
  SetWindowPos(docked_->hwnd, nullptr, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32DockingToolBar::Show(bool show) {
  model_.shown = show;
  if (model_.floating) {
    ShowWindow(floating_window_->hwnd, show && IsWindowVisible(frame_) ? SW_SHOWNA : SW_HIDE);
  } else {
    ShowWindow(docked_->hwnd, show ? SW_SHOWNA : SW_HIDE);
  }
  relayout_();
}

void Win32DockingToolBar::OnFrameShown(bool shown) {
  if (model_.floating && model_.shown)
    ShowWindow(floating_window_->hwnd, shown ? SW_SHOWNA : SW_HIDE);
}

void Win32DockingToolBar::OnFrameEnabled(bool enabled) {
  EnableWindow(floating_window_->hwnd, enabled ? TRUE : FALSE);
}

void Win32DockingToolBar::DockTo(DockSide side) {
  model_.last_side = side;
  model_.floating = false;
  SetParent(tool_bar_, docked_->hwnd);
  SetOrientation(IsHorizontal(side));
  const auto [x, y] = DockingBar::ButtonsOrigin(IsHorizontal(side));
  SetWindowPos(tool_bar_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(floating_window_->hwnd, SW_HIDE);
  ShowWindow(docked_->hwnd, model_.shown ? SW_SHOWNA : SW_HIDE);
  relayout_();
  InvalidateRect(docked_->hwnd, nullptr, TRUE);
}

void Win32DockingToolBar::FloatAt(POINT topLeft) {
  model_.floating = true;
  SetParent(tool_bar_, floating_window_->hwnd);
  SetOrientation(true);
  SetWindowPos(tool_bar_, nullptr, kPad, kPad, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  const SIZE size = WindowSizeFor(true, true);
  SetWindowPos(floating_window_->hwnd, HWND_TOP, topLeft.x, topLeft.y, size.cx, size.cy,
               SWP_NOACTIVATE | (model_.shown && IsWindowVisible(frame_) ? SWP_SHOWWINDOW : 0));
  ShowWindow(docked_->hwnd, SW_HIDE);
  relayout_();
}

std::optional<DockSide> Win32DockingToolBar::DropSide(POINT at) const {
  RECT c{};
  GetClientRect(frame_, &c);
  MapWindowPoints(frame_, nullptr, reinterpret_cast<POINT*>(&c), 2);
  // Near a side: about as far as a docked bar reaches into the frame.
  return DockSideForDrop({c.left, c.top, c.right, c.bottom}, at.x, at.y, model_.DropReach());
}

RECT Win32DockingToolBar::DropRect(POINT at) const {
  const std::optional<DockSide> side = DropSide(at);
  const SIZE size = side ? WindowSizeFor(false, IsHorizontal(*side)) : WindowSizeFor(true, true);
  const LayoutRect r = DockingBar::DropRect(at.x, at.y, {grab_.x, grab_.y}, {size.cx, size.cy});
  return {r.left, r.top, r.right, r.bottom};
}

void Win32DockingToolBar::BeginDrag(HWND from, POINT at) {
  RECT r{};
  GetWindowRect(model_.floating ? floating_window_->hwnd : docked_->hwnd, &r);
  grab_ = {at.x - r.left, at.y - r.top};
  press_ = at;
  dragging_ = true;
  drag_frame_drawn_ = false;
  SetCapture(from);
  TrackDrag(at);
}

void Win32DockingToolBar::TrackDrag(POINT at) {
  const RECT r = DropRect(at);
  if (drag_frame_drawn_ && EqualRect(&r, &drag_frame_)) return;
  DrawDragFrame(r);
}

void Win32DockingToolBar::DrawDragFrame(const RECT& rect) {
  if (drag_frame_drawn_) InvertDragFrame(drag_frame_);
  drag_frame_ = rect;
  InvertDragFrame(drag_frame_);
  drag_frame_drawn_ = true;
}

void Win32DockingToolBar::CancelDrag() {
  if (drag_frame_drawn_) InvertDragFrame(drag_frame_);
  drag_frame_drawn_ = false;
  dragging_ = false;
}

void Win32DockingToolBar::EndDrag(POINT at) {
  CancelDrag();
  ReleaseCapture();
  // A click that did not move the bar leaves it where it is.
  if (std::abs(at.x - press_.x) <= GetSystemMetrics(SM_CXDRAG) &&
      std::abs(at.y - press_.y) <= GetSystemMetrics(SM_CYDRAG)) {
    return;
  }
  if (const std::optional<DockSide> side = DropSide(at)) {
    DockTo(*side);
  } else {
    const RECT r = DropRect(at);
    FloatAt({r.left, r.top});
  }
}
