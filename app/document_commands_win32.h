#pragma once
// The document commands: New, Open, Save, Save As, the tray's own Open,
// the save-changes question and the opening of a document named on the
// command line. Every command reaches the document through this class.

#include <windows.h>

#include <functional>
#include <string>

#include "document/zorvak_doc.h"
#include "framework/message_box.h"
#include "view/document_command_port.h"

class DocumentCommandsWin32 : public DocumentCommandPort {
 public:
  DocumentCommandsWin32(CZorvakDoc& doc, MessageBoxPort& messages) : doc_(doc), messages_(messages) {}

  // The window that owns the file dialogs, and what to do when the
  // document's title or content changed (caption, repaint).
  void SetFrame(HWND frame, std::function<void()> documentChanged);

  // The document of a new session: empty and titled "Untitled".
  void NewAtStartUp();
  // Opens the document named on the command line; false (after the
  // message) when it cannot be read, which ends the start-up.
  bool OpenAtStartUp(const std::string& path);

  void OnFileNew();
  void OnFileOpen();

  bool SaveModified() override;
  void OnTrayOpen() override;
  void OnFileSave() override;
  void OnFileSaveAs() override;

 private:
  // Reads the file into the document; false after the message.
  bool Load(const std::string& path);
  bool SaveTo(const std::string& path);
  void ResetToNew();
  void SetPathName(const std::string& path);
  void Changed();

  CZorvakDoc& doc_;
  MessageBoxPort& messages_;
  HWND frame_ = nullptr;
  std::function<void()> documentChanged_;
};
