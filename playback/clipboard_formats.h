#pragma once
// Which of the clipboard's formats a paste keeps and gives back: those
// whose data is plain memory that can be copied byte for byte. The text
// formats (CF_TEXT, CF_OEMTEXT, CF_UNICODETEXT and their CF_LOCALE), the
// bitmaps as device-independent bitmaps (CF_DIB, CF_DIBV5), file lists
// (CF_HDROP) and the formats programs register by name (rich text, HTML,
// a browser's or an office program's own). Formats that are handles of
// other kinds (CF_BITMAP, metafiles, palettes, a program's private ones)
// are left out: Windows makes CF_BITMAP from the DIB again.

#include <cstddef>
#include <cstdint>

bool CanKeepClipboardFormat(std::uint32_t format);

// More than this is not kept (nor given back): a paste does not copy a
// huge picture twice.
inline constexpr std::size_t kMaxKeptClipboardBytes = 64u << 20;

// The registered formats that keep the program's own clipboard contents
// out of clipboard monitors, the clipboard history and the cloud
// clipboard; each holds a DWORD 0.
inline constexpr const char* kPrivateClipboardFormats[] = {
    "ExcludeClipboardContentFromMonitorProcessing",
    "CanIncludeInClipboardHistory",
    "CanUploadToCloudClipboard",
};
