#include "playback/recording_platform.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::int16_t kShiftBit = 0x100;
constexpr std::int16_t kNoKey = -1;

}  // namespace

std::int16_t UsEnglishKeyForChar(char c) {
  const auto b = static_cast<unsigned char>(c);
  if (b >= 'a' && b <= 'z') return static_cast<std::int16_t>(b - 'a' + 0x41);
  if (b >= 'A' && b <= 'Z') return static_cast<std::int16_t>(kShiftBit | b);
  if (b >= '0' && b <= '9') return static_cast<std::int16_t>(b);
  switch (b) {
    case ' ': return 0x20;
    case '\t': return 0x09;
    case '\r': return 0x0D;
    case '\n': return 0x20D;
    case '\b': return 0x08;
    case '-': return 0xBD;
    case '=': return 0xBB;
    case '[': return 0xDB;
    case ']': return 0xDD;
    case '\\': return 0xDC;
    case ';': return 0xBA;
    case '\'': return 0xDE;
    case ',': return 0xBC;
    case '.': return 0xBE;
    case '/': return 0xBF;
    case '`': return 0xC0;
    case '_': return kShiftBit | 0xBD;
    case '+': return kShiftBit | 0xBB;
    case '{': return kShiftBit | 0xDB;
    case '}': return kShiftBit | 0xDD;
    case '|': return kShiftBit | 0xDC;
    case ':': return kShiftBit | 0xBA;
    case '"': return kShiftBit | 0xDE;
    case '<': return kShiftBit | 0xBC;
    case '>': return kShiftBit | 0xBE;
    case '?': return kShiftBit | 0xBF;
    case '~': return kShiftBit | 0xC0;
    case '!': return kShiftBit | '1';
    case '@': return kShiftBit | '2';
    case '#': return kShiftBit | '3';
    case '$': return kShiftBit | '4';
    case '%': return kShiftBit | '5';
    case '^': return kShiftBit | '6';
    case '&': return kShiftBit | '7';
    case '*': return kShiftBit | '8';
    case '(': return kShiftBit | '9';
    case ')': return kShiftBit | '0';
    default: return kNoKey;
  }
}

RecordingPlatform::RecordingPlatform() = default;
RecordingPlatform::~RecordingPlatform() = default;

bool RecordingPlatform::Fails(FailPoint point) {
  const auto it = std::find(failures_.begin(), failures_.end(), point);
  if (it == failures_.end()) return false;
  failures_.erase(it);
  return true;
}

std::size_t RecordingPlatform::LiveBlocks() const {
  return static_cast<std::size_t>(std::count_if(blocks_.begin(), blocks_.end(),
                                                [](const auto& b) { return !b.second->ownedByClipboard; }));
}

int RecordingPlatform::AfxMessageBox(const std::string& text, unsigned type) {
  Effect e{Effect::Kind::message};
  e.text = text;
  e.number = type;
  effects_.push_back(std::move(e));
  return messageBoxResult_;
}

void RecordingPlatform::KeyEvent(std::uint8_t vk, bool release) {
  Effect e{release ? Effect::Kind::keyUp : Effect::Kind::keyDown};
  e.key = vk;
  effects_.push_back(std::move(e));
}

std::int16_t RecordingPlatform::KeyForChar(char c) { return UsEnglishKeyForChar(c); }

MemoryBlock RecordingPlatform::GlobalAlloc(std::size_t bytes) {
  if (Fails(FailPoint::globalAlloc)) return 0;
  auto block = std::make_unique<Block>();
  // Filled with a pattern, as reused memory would be, so that a block
  // handed over without being cleared shows it.
  block->bytes.assign(bytes, '\xCD');
  const MemoryBlock id = nextBlock_++;
  blocks_.emplace(id, std::move(block));
  return id;
}

char* RecordingPlatform::GlobalLock(MemoryBlock id) {
  if (Fails(FailPoint::globalLock)) return nullptr;
  const auto it = blocks_.find(id);
  if (it == blocks_.end()) return nullptr;
  it->second->locked = true;
  return it->second->bytes.data();
}

int RecordingPlatform::GlobalUnlock(MemoryBlock id) {
  if (Fails(FailPoint::globalUnlock)) {
    lastError_ = 158;  // "the segment is already unlocked"
    return 0;
  }
  const auto it = blocks_.find(id);
  if (it != blocks_.end()) it->second->locked = false;
  lastError_ = 0;
  return 0;  // the last lock is gone, which is success
}

void RecordingPlatform::GlobalFree(MemoryBlock id) { blocks_.erase(id); }

bool RecordingPlatform::OpenClipboard(WindowId) {
  if (Fails(FailPoint::openClipboard) || clipboardOpen_) return false;
  clipboardOpen_ = true;
  return true;
}

bool RecordingPlatform::EmptyClipboard() {
  if (Fails(FailPoint::emptyClipboard) || !clipboardOpen_) return false;
  for (auto it = blocks_.begin(); it != blocks_.end();) {
    it = it->second->ownedByClipboard ? blocks_.erase(it) : std::next(it);
  }
  clipboard_.reset();
  return true;
}

bool RecordingPlatform::SetClipboardData(MemoryBlock id) {
  const auto it = blocks_.find(id);
  if (Fails(FailPoint::setClipboardData) || !clipboardOpen_ || it == blocks_.end() ||
      it->second->locked) {
    return false;
  }
  it->second->ownedByClipboard = true;
  const std::vector<char>& bytes = it->second->bytes;
  // The whole block is what another program may read; the text ends at
  // the first NUL, and the bytes after it must all be zero.
  const auto nul = std::find(bytes.begin(), bytes.end(), '\0');
  std::string text(bytes.begin(), nul);
  if (std::any_of(nul, bytes.end(), [](char c) { return c != '\0'; })) {
    text += "\\<stale bytes after the text>";
  }
  clipboard_ = text;
  Effect e{Effect::Kind::clipboard};
  e.text = std::move(text);
  effects_.push_back(std::move(e));
  return true;
}

bool RecordingPlatform::CloseClipboard() {
  const bool wasOpen = clipboardOpen_;
  clipboardOpen_ = false;
  if (Fails(FailPoint::closeClipboard)) return false;
  return wasOpen;
}

void RecordingPlatform::Sleep(std::uint32_t milliseconds) {
  Effect e{Effect::Kind::sleep};
  e.number = milliseconds;
  effects_.push_back(std::move(e));
}

void RecordingPlatform::SetForegroundWindow(WindowId window) {
  foreground_ = window;
  Effect e{Effect::Kind::setForeground};
  e.window = window;
  effects_.push_back(std::move(e));
}

DataEntryResult RecordingPlatform::RunDataEntry(const DataEntryRequest& request) {
  Effect e{Effect::Kind::prompt};
  e.request = request;
  effects_.push_back(std::move(e));

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
      if (request.strDefault != "NODEFAULT") result.strValue = request.strDefault;
      break;
    case DataEntryAnswer::Kind::cancel:
      break;
  }
  return result;
}
