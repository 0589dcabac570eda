// Putting a text on the clipboard: each step's failure is reported, the
// memory block is freed on every failure and handed over only once the
// clipboard has accepted it.
#include <windows.h>

#include <algorithm>

#include "framework/handles_win32.h"
#include "playback/clipboard_block.h"
#include "playback/playback_platform_win32.h"
#include "storage/non_copyable.h"

namespace {

// The clipboard, open for as long as this lives, or until Close().
class OpenedClipboard : private NonCopyable {
 public:
  explicit OpenedClipboard(HWND owner) : open_(::OpenClipboard(owner) != 0) {}
  ~OpenedClipboard() {
    if (open_) ::CloseClipboard();
  }
  explicit operator bool() const { return open_; }
  bool Close() {
    open_ = false;
    return ::CloseClipboard() != 0;
  }

 private:
  bool open_;
};

// A lock on a memory block, released by Unlock() or at the latest when
// this ends.
class LockedMemory : private NonCopyable {
 public:
  explicit LockedMemory(HGLOBAL memory)
      : memory_(memory), bytes_(static_cast<char*>(GlobalLock(memory))) {}
  ~LockedMemory() {
    if (bytes_ != nullptr) GlobalUnlock(memory_);
  }
  char* Bytes() const { return bytes_; }
  // The system's error code when unlocking failed, otherwise 0. A zero
  // result with no error is the last lock gone, which is success.
  DWORD Unlock() {
    bytes_ = nullptr;
    SetLastError(0);
    if (GlobalUnlock(memory_) != 0) return 0;
    return GetLastError();
  }

 private:
  HGLOBAL memory_;
  char* bytes_;
};

std::optional<ClipboardFailure> Failed(ClipboardStep step, std::uint32_t last_error = 0) {
  return ClipboardFailure{step, last_error};
}

}  // namespace

std::optional<ClipboardFailure> Win32Clipboard::SetText(std::string_view text, WindowId owner) {
  UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, ClipboardBlockSize(text)));
  if (!block) return Failed(ClipboardStep::alloc);
  {
    LockedMemory locked(block.get());
    if (locked.Bytes() == nullptr) return Failed(ClipboardStep::lock);
    // All of the block that the system gave, which may be more than asked.
    const std::size_t size =
        std::max<std::size_t>(GlobalSize(block.get()), ClipboardBlockSize(text));
    FillClipboardBlock(locked.Bytes(), size, text);
    if (const DWORD error = locked.Unlock(); error != 0)
      return Failed(ClipboardStep::unlock, error);
  }
  OpenedClipboard clipboard(reinterpret_cast<HWND>(owner));
  if (!clipboard) return Failed(ClipboardStep::open);
  if (!EmptyClipboard()) return Failed(ClipboardStep::empty);
  if (SetClipboardData(CF_TEXT, block.get()) == nullptr) return Failed(ClipboardStep::set);
  block.release();  // the clipboard owns it now
  if (!clipboard.Close()) return Failed(ClipboardStep::close);
  return std::nullopt;
}
