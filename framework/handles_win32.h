#pragma once
// Owning wrappers for the Windows handles the program creates: each closes
// its handle exactly once, can be moved but never copied, and hands its
// handle over with release() when something else takes ownership.

#include <windows.h>

#include <utility>

#include "storage/non_copyable.h"

template <typename Handle, auto Close>
class UniqueHandle : private NonCopyable {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Gives up ownership without closing.
  Handle release() { return std::exchange(handle_, nullptr); }
  void reset(Handle handle = nullptr) {
    if (handle_ != nullptr) Close(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

namespace handle_detail {
inline void CloseMenu(HMENU menu) { DestroyMenu(menu); }
inline void CloseGdiObject(HGDIOBJ object) { DeleteObject(object); }
inline void CloseGlobal(HGLOBAL memory) { GlobalFree(memory); }
inline void CloseRegKey(HKEY key) { RegCloseKey(key); }
}  // namespace handle_detail

using UniqueMenu = UniqueHandle<HMENU, handle_detail::CloseMenu>;
using UniqueBitmap = UniqueHandle<HBITMAP, handle_detail::CloseGdiObject>;
using UniquePen = UniqueHandle<HPEN, handle_detail::CloseGdiObject>;
using UniqueBrush = UniqueHandle<HBRUSH, handle_detail::CloseGdiObject>;
using UniqueFont = UniqueHandle<HFONT, handle_detail::CloseGdiObject>;
using UniqueGlobal = UniqueHandle<HGLOBAL, handle_detail::CloseGlobal>;
using UniqueRegKey = UniqueHandle<HKEY, handle_detail::CloseRegKey>;

// Selects a GDI object into a device context for as long as it lives, then
// puts the previous one back.
class SelectedObject : private NonCopyable {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A window's device context (the screen's for no window), released when
// it goes. get() is null when Windows gave none.
class WindowDC : private NonCopyable {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }

  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A memory device context like dc's, deleted when it goes.
class MemoryDC : private NonCopyable {
 public:
  explicit MemoryDC(HDC dc) : dc_(CreateCompatibleDC(dc)) {}
  ~MemoryDC() {
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};
