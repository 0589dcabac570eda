#pragma once
// What the view asks of the document handling: the save-changes question
// before the tray's Exit, the tray's own Open, and Save and Save As, which
// reach the document from the tray menu.

class DocumentCommandPort {
 public:
  virtual ~DocumentCommandPort() = default;
  // Asks to save a modified document; true when the caller may go on.
  virtual bool SaveModified() = 0;
  virtual void OnTrayOpen() = 0;
  virtual void OnFileSave() = 0;
  virtual void OnFileSaveAs() = 0;
};
