#pragma once
// What the view asks of the document commands: the save-changes question
// before the tray's Exit, the tray's own Open, and the commands the view
// passes on (Save and Save As from the tray menu, and every document command
// of the main menu, which the frame routes through the view).

class DocumentCommandPort {
 public:
  virtual ~DocumentCommandPort() = default;
  // Asks to save a modified document; true when the caller may go on.
  virtual bool SaveModified() = 0;
  virtual void OnTrayOpen() = 0;
  // A routed command: true when it is a document command (and was run).
  virtual bool OnCmdMsg(int id) = 0;
};
