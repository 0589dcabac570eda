#include "playback/output.h"

#include <array>
#include <iterator>
#include <span>

#include "storage/utf8.h"

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
static_assert(std::size(kClipboardFailureMessages) ==
              static_cast<std::size_t>(ClipboardStep::close) + 1);

constexpr const char* kGiveBackFailed =
    "Zorvakomat could not put back what the clipboard held before the paste.";

}  // namespace

Output::Output(const PlaybackPorts& ports, RunControl& control, WindowId own_window)
    : ports_(ports), control_(control), own_window_(own_window), layout_(ports.keyboard) {}

KeyInput Output::Input(KeyStroke stroke) {
  if (stroke.unit != 0) return {0, stroke.unit, stroke.release, false, true};
  held_[stroke.vk] = !stroke.release;
  return {stroke.vk, layout_.ScanCode(stroke.vk), stroke.release, IsExtendedKey(stroke.vk), false};
}

void Output::Send(const KeyStrokes& strokes) {
  if (Stopped() || strokes.size() == 0) return;
  std::array<KeyInput, 8> inputs{};
  std::size_t count = 0;
  for (const KeyStroke& stroke : strokes) inputs[count++] = Input(stroke);
  ports_.keyboard.Send(std::span<const KeyInput>(inputs.data(), count));
}

void Output::ReleaseHeldKeys() {
  std::array<KeyInput, 256> releases{};
  std::size_t count = 0;
  for (std::size_t vk = 0; vk < held_.size(); ++vk) {
    if (held_[vk]) releases[count++] = Input({static_cast<std::uint8_t>(vk), true, 0});
  }
  if (count > 0) ports_.keyboard.SendEndOfRun(std::span<const KeyInput>(releases.data(), count));
}

void Output::TapKey(std::uint8_t vk) { Send(TapKeyStrokes(vk)); }

void Output::PressKey(std::uint8_t vk) {
  KeyStrokes press;
  press.Add(vk, false);
  Send(press);
}

void Output::ReleaseKey(std::uint8_t vk) {
  KeyStrokes release;
  release.Add(vk, true);
  Send(release);
}

void Output::TypeChar(char32_t c, Guard guard) {
  if (Stopped()) return;
  Send(CharacterKeyStrokes(c, guard, layout_.ForChar(c), held_));
}

void Output::TypeText(std::string_view text, Guard guard) {
  std::size_t pos = 0;
  while (pos < text.size() && !Stopped()) TypeChar(NextCodePoint(text, pos), guard);
}

void Output::SendPasteKeysNoWait() { Send(PasteKeyStrokes(held_)); }

void Output::SendPasteKeys() {
  SendPasteKeysNoWait();
  Sleep(kWaitAfterPaste);
}

void Output::Sleep(std::uint32_t milliseconds) {
  if (!Stopped()) ports_.clock.Sleep(milliseconds, control_);
}

void Output::ShowMessage(const std::string& text, unsigned type) {
  if (Stopped()) return;
  const OpenBox box(control_);
  ports_.messages.AfxMessageBox(text, type);
}

WindowId Output::GetForegroundWindow() { return ports_.prompt_box.GetForegroundWindow(); }

bool Output::ForegroundTakesKeys() {
  return MayTypeInto(ports_.prompt_box.LevelsOf(GetForegroundWindow()));
}

void Output::SetForegroundWindow(WindowId window) {
  ports_.prompt_box.SetForegroundWindow(window);
  layout_.Forget();  // the window given the focus may type with another layout
}

std::optional<DataEntryResult> Output::RunDataEntry(const DataEntryRequest& request) {
  if (Stopped()) return std::nullopt;
  const OpenBox box(control_);
  return ports_.prompt_box.RunDataEntry(request);
}

bool Output::SetClipboardText(std::string_view text) {
  if (Stopped()) return false;
  const auto failure = ports_.clipboard.SetText(text, own_window_);
  if (!failure) return true;
  ShowMessage(kClipboardFailureMessages[static_cast<std::size_t>(failure->step)], MB::kOk);
  if (failure->step == ClipboardStep::unlock) {
    ShowMessage("Last Error = " + std::to_string(failure->last_error), MB::kOk);
  }
  return failure->step >= ClipboardStep::set;
}

void Output::PasteText(std::string_view text) {
  std::optional<KeptClipboard> kept;
  if (give_back_clipboard_ && !Stopped()) kept = ports_.clipboard.Keep(own_window_);
  const bool changed = SetClipboardText(text);
  const std::uint32_t ours = ports_.clipboard.SequenceNumber();
  SendPasteKeys();
  // Not kept (it could not be read): the pasted text stays, as it always did.
  if (!kept || !changed || ports_.clipboard.SequenceNumber() != ours) return;
  if (!ports_.clipboard.GiveBack(*kept, own_window_)) ShowMessage(kGiveBackFailed, MB::kOk);
}
