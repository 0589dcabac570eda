#include "playback/recording_platform.h"

#include <utility>

namespace {

// What a failed GlobalUnlock reports: the segment is already unlocked.
constexpr std::uint32_t kErrorNotLocked = 158;

ModelledLayout ModelledLayoutOf(LayoutId layout) { return static_cast<ModelledLayout>(layout - 1); }

}  // namespace

std::optional<LayoutKey> RecordingKeyboard::KeyForChar(char16_t c, LayoutId layout) {
  return ModelledKeyForChar(ModelledLayoutOf(layout), c);
}

std::uint16_t RecordingKeyboard::ScanCode(std::uint8_t vk, LayoutId layout) {
  return ModelledScanCode(ModelledLayoutOf(layout), vk);
}

void RecordingKeyboard::Send(std::span<const KeyInput> inputs) {
  for (const KeyInput& input : inputs) {
    Effect e{input.release ? Effect::Kind::keyUp : Effect::Kind::keyDown};
    e.input = input;
    sink_.Write(e);
  }
}

void RecordingKeyboard::SendEndOfRun(std::span<const KeyInput> releases) {
  for (const KeyInput& input : releases) {
    Effect e{Effect::Kind::released};
    e.input = input;
    sink_.Write(e);
  }
}

std::optional<ClipboardFailure> RecordingClipboard::SetText(std::string_view text, WindowId) {
  const std::optional<ClipboardStep> failing = std::exchange(fail_next_, std::nullopt);
  if (failing && *failing < ClipboardStep::set) {
    return ClipboardFailure{*failing, *failing == ClipboardStep::unlock ? kErrorNotLocked : 0};
  }
  ++sequence_;
  if (failing == ClipboardStep::set) {
    text_.reset();  // emptied, and nothing set
    return ClipboardFailure{ClipboardStep::set};
  }
  // A text on the clipboard ends at its first NUL.
  text_ = std::string(text.substr(0, text.find('\0')));
  Effect e{Effect::Kind::clipboard};
  e.text = *text_;
  sink_.Write(e);
  if (failing == ClipboardStep::close) return ClipboardFailure{ClipboardStep::close};
  return std::nullopt;
}

std::optional<KeptClipboard> RecordingClipboard::Keep(WindowId) {
  if (std::exchange(fail_keep_, false)) return std::nullopt;
  if (!text_) return KeptClipboard{};
  return KeptClipboard{{1, *text_}};
}

bool RecordingClipboard::GiveBack(const KeptClipboard& kept, WindowId) {
  if (std::exchange(fail_give_back_, false)) return false;
  ++sequence_;
  text_.reset();
  for (const ClipboardFormatBytes& format : kept) {
    if (format.format == 1) text_ = format.bytes;
  }
  Effect e{Effect::Kind::clipboard};
  e.text = text_.value_or("");
  sink_.Write(e);
  return true;
}

void RecordingPromptBox::SetForegroundWindow(WindowId window) {
  foreground_ = window;
  Effect e{Effect::Kind::setForeground};
  e.window = window;
  sink_.Write(e);
}

DataEntryResult RecordingPromptBox::RunDataEntry(const DataEntryRequest& request) {
  Effect e{Effect::Kind::prompt};
  e.request = request;
  sink_.Write(e);

  DataEntryResult result;
  if (answers_.empty()) return result;  // nobody there: cancelled
  const DataEntryAnswer answer = std::move(answers_.front());
  answers_.pop_front();
  switch (answer.kind) {
    case DataEntryAnswer::Kind::answer:
      result.ok = true;
      result.strValue = answer.text;
      break;
    case DataEntryAnswer::Kind::ok:
      // OK without editing: the box holds the default, if one is set.
      result.ok = true;
      if (request.strDefault != kNoDefault) result.strValue = request.strDefault;
      break;
    case DataEntryAnswer::Kind::cancel:
      break;
  }
  return result;
}

int RecordingMessageBoxes::AfxMessageBox(const std::string& text, unsigned type) {
  Effect e{Effect::Kind::message};
  e.text = text;
  e.number = type;
  sink_.Write(e);
  return MB::kIdOk;
}

void RecordingClock::Sleep(std::uint32_t milliseconds, const RunControl&) {
  Effect e{Effect::Kind::sleep};
  e.number = milliseconds;
  sink_.Write(e);
}
