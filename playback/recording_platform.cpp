#include "playback/recording_platform.h"

#include <utility>

#include "playback/us_english_layout.h"

namespace {

// What a failed GlobalUnlock reports: the segment is already unlocked.
constexpr std::uint32_t kErrorNotLocked = 158;

}  // namespace

void RecordingKeyboard::KeyEvent(std::uint8_t vk, bool release) {
  Effect e{release ? Effect::Kind::keyUp : Effect::Kind::keyDown};
  e.key = vk;
  sink_.Write(e);
}

std::int16_t RecordingKeyboard::KeyForChar(char c) { return UsEnglishKeyForChar(c); }

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
