#include "playback/output.h"

#include <iterator>

namespace {

constexpr std::uint32_t kWaitAfterPaste = 250;

// What the user is told when a clipboard step fails, by ClipboardStep.
constexpr const char* kClipboardFailureMessages[] = {
    "Error allocating memory with GlobalAlloc()",
    "Error using GlobalLock() --NULL SubMenu Item definition.",
    "Error using GlobalUnlock()",
    "Error opening clipboard",
    "Error emptying clipboard",
    "Error setting clipboard data",
    "Error closing clipboard",
};
static_assert(std::size(kClipboardFailureMessages) == static_cast<std::size_t>(ClipboardStep::close) + 1);

}  // namespace

Output::Output(const PlaybackPorts& ports, WindowId own_window)
    : ports_(ports), own_window_(own_window) {}

void Output::Send(KeyStroke stroke) { ports_.keyboard.KeyEvent(stroke.vk, stroke.release); }

void Output::Send(const KeyStrokes& strokes) {
  for (const KeyStroke& stroke : strokes) Send(stroke);
}

void Output::TapKey(std::uint8_t vk) { Send(TapKeyStrokes(vk)); }

void Output::PressKey(std::uint8_t vk) { Send({vk, false}); }

void Output::ReleaseKey(std::uint8_t vk) { Send({vk, true}); }

void Output::TypeChar(char c, Guard guard) {
  Send(CharacterKeyStrokes(c, guard, ports_.keyboard.KeyForChar(c)));
}

void Output::SendPasteKeysNoWait() { Send(PasteKeyStrokes(ports_.keyboard.KeyForChar('v'))); }

void Output::SendPasteKeys() {
  SendPasteKeysNoWait();
  Sleep(kWaitAfterPaste);
}

void Output::Sleep(std::uint32_t milliseconds) { ports_.clock.Sleep(milliseconds); }

void Output::ShowMessage(const std::string& text, unsigned type) {
  ports_.messages.AfxMessageBox(text, type);
}

WindowId Output::GetForegroundWindow() { return ports_.prompt_box.GetForegroundWindow(); }

void Output::SetForegroundWindow(WindowId window) { ports_.prompt_box.SetForegroundWindow(window); }

DataEntryResult Output::RunDataEntry(const DataEntryRequest& request) {
  return ports_.prompt_box.RunDataEntry(request);
}

void Output::SetClipboardText(std::string_view text) {
  const auto failure = ports_.clipboard.SetText(text, own_window_);
  if (!failure) return;
  ShowMessage(kClipboardFailureMessages[static_cast<std::size_t>(failure->step)], MB::Ok);
  if (failure->step == ClipboardStep::unlock) {
    ShowMessage("Last Error = " + std::to_string(failure->last_error), MB::Ok);
  }
}
