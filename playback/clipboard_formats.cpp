#include "playback/clipboard_formats.h"

namespace {

// The standard formats' numbers.
enum : std::uint32_t {
  kText = 1,
  kOemText = 7,
  kDib = 8,
  kUnicodeText = 13,
  kHDrop = 15,
  kLocale = 16,
  kDibV5 = 17,
  kFirstRegistered = 0xC000,
  kLastRegistered = 0xFFFF,
};

}  // namespace

bool CanKeepClipboardFormat(std::uint32_t format) {
  switch (format) {
    case kText:
    case kOemText:
    case kDib:
    case kUnicodeText:
    case kHDrop:
    case kLocale:
    case kDibV5:
      return true;
    default:
      return format >= kFirstRegistered && format <= kLastRegistered;
  }
}
