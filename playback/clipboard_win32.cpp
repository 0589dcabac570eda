// Putting a text on the clipboard, as Unicode text and as legacy text:
// each step's failure is reported, the memory blocks are freed on every
// failure and each is handed over only once the clipboard has accepted it.
// Keeping what the clipboard held and giving it back, in the formats
// clipboard_formats.h names.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "framework/handles_win32.h"
#include "playback/clipboard_block.h"
#include "playback/clipboard_formats.h"
#include "playback/playback_platform_win32.h"
#include "storage/legacy_code_page.h"
#include "storage/non_copyable.h"
#include "storage/utf8.h"

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

// A new block holding bytes (at least one byte), or none.
UniqueGlobal BlockOf(const std::string& bytes) {
  UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, std::max<std::size_t>(bytes.size(), 1)));
  if (!block) return block;
  LockedMemory locked(block.get());
  if (locked.Bytes() == nullptr) return UniqueGlobal();
  std::memset(locked.Bytes(), 0, GlobalSize(block.get()));
  std::memcpy(locked.Bytes(), bytes.data(), bytes.size());
  return block;
}

// A new block for a clipboard text (its bytes, a NUL of either width and
// zeros up to the block's end) in block, or the step that failed.
std::optional<ClipboardFailure> TextBlock(std::string_view bytes, UniqueGlobal& block) {
  block.reset(GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, ClipboardBlockSize(bytes)));
  if (!block) return Failed(ClipboardStep::alloc);
  LockedMemory locked(block.get());
  if (locked.Bytes() == nullptr) return Failed(ClipboardStep::lock);
  // All of the block that the system gave, which may be more than asked.
  const std::size_t size =
      std::max<std::size_t>(GlobalSize(block.get()), ClipboardBlockSize(bytes));
  FillClipboardBlock(locked.Bytes(), size, bytes);
  if (const DWORD error = locked.Unlock(); error != 0) return Failed(ClipboardStep::unlock, error);
  return std::nullopt;
}

// Marks what the open clipboard now holds as the program's own: clipboard
// monitors, the history and the cloud clipboard leave it alone. A mark
// that cannot be set costs only that mark.
void MarkPrivate() {
  for (const char* name : kPrivateClipboardFormats) {
    const UINT format = RegisterClipboardFormatA(name);
    UniqueGlobal zero = BlockOf(std::string(sizeof(DWORD), '\0'));
    if (format != 0 && zero && SetClipboardData(format, zero.get()) != nullptr) zero.release();
  }
}

}  // namespace

std::optional<ClipboardFailure> Win32Clipboard::SetText(std::string_view text, WindowId owner) {
  // The text as every Unicode program reads it, and in the legacy code page
  // for older ones.
  const std::u16string wide = Utf8ToUtf16(text);
  const std::string wide_bytes(reinterpret_cast<const char*>(wide.data()),
                               wide.size() * sizeof(char16_t));
  const std::pair<UINT, std::string> forms[] = {{CF_UNICODETEXT, wide_bytes},
                                                {CF_TEXT, Utf8ToLegacyOrQuestionMarks(text)}};
  UniqueGlobal blocks[std::size(forms)];
  for (std::size_t i = 0; i < std::size(forms); ++i) {
    if (std::optional<ClipboardFailure> failure = TextBlock(forms[i].second, blocks[i]))
      return failure;
  }
  OpenedClipboard clipboard(reinterpret_cast<HWND>(owner));
  if (!clipboard) return Failed(ClipboardStep::open);
  if (!EmptyClipboard()) return Failed(ClipboardStep::empty);
  for (std::size_t i = 0; i < std::size(forms); ++i) {
    if (SetClipboardData(forms[i].first, blocks[i].get()) == nullptr)
      return Failed(ClipboardStep::set);
    blocks[i].release();  // the clipboard owns it now
  }
  MarkPrivate();
  if (!clipboard.Close()) return Failed(ClipboardStep::close);
  return std::nullopt;
}

std::optional<KeptClipboard> Win32Clipboard::Keep(WindowId owner) {
  OpenedClipboard clipboard(reinterpret_cast<HWND>(owner));
  if (!clipboard) return std::nullopt;
  KeptClipboard kept;
  std::size_t total = 0;
  SetLastError(ERROR_SUCCESS);
  for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
    if (!CanKeepClipboardFormat(format)) continue;
    // A format its owner cannot render now is left out.
    const HANDLE data = GetClipboardData(format);
    const std::size_t size = data != nullptr ? GlobalSize(data) : 0;
    if (size == 0) continue;
    total += size;
    if (total > kMaxKeptClipboardBytes) return std::nullopt;
    LockedMemory locked(data);
    if (locked.Bytes() != nullptr) kept.push_back({format, std::string(locked.Bytes(), size)});
    SetLastError(ERROR_SUCCESS);
  }
  // The list ends with no error; anything else is a list read only in part.
  if (GetLastError() != ERROR_SUCCESS) return std::nullopt;
  return kept;
}

bool Win32Clipboard::GiveBack(const KeptClipboard& kept, WindowId owner) {
  // Every block is made before the clipboard is touched.
  std::vector<std::pair<UINT, UniqueGlobal>> blocks;
  for (const ClipboardFormatBytes& format : kept) {
    UniqueGlobal block = BlockOf(format.bytes);
    if (!block) return false;
    blocks.emplace_back(format.format, std::move(block));
  }
  OpenedClipboard clipboard(reinterpret_cast<HWND>(owner));
  if (!clipboard || !EmptyClipboard()) return false;
  bool all = true;
  for (auto& [format, block] : blocks) {
    if (SetClipboardData(format, block.get()) == nullptr) {
      all = false;
    } else {
      block.release();
    }
  }
  // Given back, not copied anew: no second entry in the history.
  MarkPrivate();
  return clipboard.Close() && all;
}

std::uint32_t Win32Clipboard::SequenceNumber() { return GetClipboardSequenceNumber(); }
