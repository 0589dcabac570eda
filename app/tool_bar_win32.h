#pragma once
// The main frame's toolbar. Docked, it has a gripper at its leading edge:
// dragged by it, the bar docks along whichever side of the frame it is let
// go near (framework/bar_docking.h), or floats anywhere else in a small
// window of its own, whose caption drags it again and whose close box hides
// it; a double click on that caption docks it where it was last docked.
// View > Toolbar shows and hides it, docked or floating. Each run starts
// with it docked at the top.

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>

#include "framework/bar_docking.h"
#include "framework/frame_layout.h"
#include "framework/handles_win32.h"
#include "storage/non_copyable.h"

class ToolBarWindow;

class Win32DockingToolBar : private NonCopyable {
 public:
  Win32DockingToolBar();
  ~Win32DockingToolBar();

  // Creates the bar docked at the top of frame, which receives its
  // buttons' commands and notifications. relayout lays out the frame
  // again (it asks Docked() and calls Place()).
  bool Create(HWND frame, int id, std::function<void()> relayout);

  bool IsShown() const { return model_.shown; }
  void Show(bool show);
  // The side and thickness the frame's layout gives the bar (thickness 0
  // while it floats or is hidden).
  DockedBar Docked() const;
  // Puts the docked bar where the frame's layout says (client coordinates).
  void Place(const LayoutRect& rect);
  // The frame was shown or hidden, enabled or disabled: a floating bar goes
  // with it.
  void OnFrameShown(bool shown);
  void OnFrameEnabled(bool enabled);

  // From the bar's windows: a drag by the gripper or the floating caption,
  // at a point on the screen.
  void BeginDrag(HWND from, POINT at);
  void TrackDrag(POINT at);
  void EndDrag(POINT at);
  void CancelDrag();
  bool Dragging() const { return dragging_; }
  void DockAgain() { DockTo(model_.last_side); }
  // The docked bar's gripper: where a drag starts, and its drawing.
  RECT GripperRect() const;
  bool Horizontal() const;
  // The frame moved to a monitor of another scale: pictures and buttons
  // drawn for dpi.
  void SetDpi(int dpi);

 private:
  void DockTo(DockSide side);
  void FloatAt(POINT topLeft);
  // Lays the buttons out in a row or in a column and sizes the toolbar.
  void SetOrientation(bool horizontal);
  // Where the bar would go if let go at that point (screen coordinates):
  // the side it would dock to, or nothing (it would float), and its window.
  std::optional<DockSide> DropSide(POINT at) const;
  RECT DropRect(POINT at) const;
  void DrawDragFrame(const RECT& rect);
  // The bar's window as it stands: the docked one or the floating one.
  SIZE WindowSizeFor(bool floating, bool horizontal) const;

  HWND frame_ = nullptr;
  HWND tool_bar_ = nullptr;  // the buttons; a child of one of the windows below
  UniqueBitmap images_;      // the buttons' pictures at the frame's scale
  std::unique_ptr<ToolBarWindow> docked_;
  std::unique_ptr<ToolBarWindow> floating_window_;
  std::function<void()> relayout_;
  DockingBar model_;
  bool dragging_ = false;
  POINT press_{};  // where the drag began, on the screen
  POINT grab_{};   // where the pointer holds the bar, from its top-left
  RECT drag_frame_{};
  bool drag_frame_drawn_ = false;
};
