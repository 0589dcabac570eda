#pragma once
// The Open and Save As dialogs, as the document commands ask for them. The
// Windows side shows the common dialogs; tests answer from a script.

#include <optional>
#include <string>
#include <utility>
#include <vector>

// Dialog flags, with the values Windows gives them.
namespace OFN {
constexpr unsigned kOverwritePrompt = 0x00000002;
constexpr unsigned kHideReadOnly = 0x00000004;
constexpr unsigned kPathMustExist = 0x00000800;
constexpr unsigned kFileMustExist = 0x00001000;
}  // namespace OFN

struct FileDialogRequest {
  enum class Kind { open, saveAs };
  // The window that owns the dialog: the main frame, or the tray's view.
  enum class Owner { frame, view };

  Kind kind = Kind::open;
  Owner owner = Owner::frame;
  std::string title;  // empty: the system's own title
  // Pairs of a name shown to the user and its pattern, in order.
  std::vector<std::pair<std::string, std::string>> filters;
  std::string default_extension;  // added to a typed name without one
  std::string initial_file_name;
  unsigned flags = 0;
};

class FileDialogPort {
 public:
  virtual ~FileDialogPort() = default;
  // The chosen full path, or nothing when the user did not choose OK.
  virtual std::optional<std::string> Show(const FileDialogRequest& request) = 0;
};
