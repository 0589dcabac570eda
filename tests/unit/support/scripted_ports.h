#pragma once
// Scripted stand-ins for the user's side of the program: message boxes and
// file dialogs answered from a queue (every request kept), the shell that
// opens pages, and the settings store.

#include <deque>
#include <map>

#include "document_commands/file_dialog.h"
#include "framework/message_box.h"
#include "framework/shell_open.h"
#include "settings/profile.h"

struct ShownMessage {
  std::string text;
  unsigned type;
  bool operator==(const ShownMessage&) const = default;
};

// The next scripted answer, or otherwise once they have run out.
template <typename T>
T NextAnswer(std::deque<T>& answers, T otherwise = {}) {
  if (answers.empty()) return otherwise;
  T answer = std::move(answers.front());
  answers.pop_front();
  return answer;
}

struct ScriptedMessageBoxes : MessageBoxPort {
  int AfxMessageBox(const std::string& text, unsigned type) override {
    shown.push_back({text, type});
    return NextAnswer(answers, MB::kIdOk);
  }
  // The boxes shown since the last call.
  std::vector<ShownMessage> Take() { return std::exchange(shown, {}); }

  std::deque<int> answers;
  std::vector<ShownMessage> shown;
};

struct ScriptedFileDialogs : FileDialogPort {
  std::optional<std::string> Show(const FileDialogRequest& request) override {
    requests.push_back(request);
    return NextAnswer(answers);
  }

  std::deque<std::optional<std::string>> answers;  // nothing: Cancel
  std::vector<FileDialogRequest> requests;
};

struct RecordingShell : ShellOpenPort {
  void OpenHelpPage(const std::string& fileName) override { opened.push_back(fileName); }
  void OpenAddress(const std::string& address) override { opened.push_back(address); }
  std::vector<std::string> opened;
};

struct MemoryProfile : ProfilePort {
  std::string ReadString(const std::string& section, const std::string& entry,
                         const std::string& defaultValue) override {
    const auto found = values.find({section, entry});
    return found == values.end() ? defaultValue : found->second;
  }
  bool WriteString(const std::string& section, const std::string& entry,
                   const std::string& value) override {
    values[{section, entry}] = value;
    return true;
  }
  bool DeleteValue(const std::string& section, const std::string& entry) override {
    values.erase({section, entry});
    return true;
  }

  std::map<std::pair<std::string, std::string>, std::string> values;
};
