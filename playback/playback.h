#pragma once
// Keystroke playback: the output primitives, the token interpreter, the
// prompted variables and the item runner with chaining. It holds the
// view's playback state (the pending pick, the prompt variables and
// settings) and reads the document's items; every effect goes through the
// PlaybackPlatform.

#include <array>
#include <cstdint>
#include <string>

#include "document/macro_data.h"
#include "playback/playback_platform.h"

// The sentinel of strDefaultEntry that means "no default set".
inline constexpr const char* kNoDefault = "NODEFAULT";

// Told about every item slot the runner runs (the zvk trace command
// prints it); the program itself needs none.
class SlotListener {
 public:
  virtual ~SlotListener() = default;
  virtual void SlotStarting(int subMenu, int item) = 0;
  virtual void SlotFinished(int subMenu, int item, bool recognised) = 0;
};

class Playback {
 public:
  // How TypeChar decides to skip a character's key.
  enum class Guard {
    byKey,        // skip when the layout's key for it is Enter (CR and LF)
    byCharacter,  // skip only a carriage return; a line feed taps Enter
  };

  // pDoc: the document whose items run; ownWindow: the view's window (the
  // clipboard's owner and the window brought forward for a prompt).
  Playback(PlaybackPlatform& platform, const MacroData& doc, WindowId ownWindow = 0);

  void SetOwnWindow(WindowId window) { ownWindow_ = window; }
  void SetListener(SlotListener* listener) { listener_ = listener; }

  // --- Output primitives ---
  void TapKey(std::uint8_t vk);
  void TypeChar(char c, Guard guard);
  void PressKey(std::uint8_t vk);    // one press only (modifier tokens)
  void ReleaseKey(std::uint8_t vk);  // one release only
  // Ctrl+V; SendPasteKeys then waits 250 ms, the "[paste]" token does not.
  void SendPasteKeysNoWait();
  void SendPasteKeys();
  void SetClipboardText(std::string text);
  void PasteToClipboard(int nWhichSubMenu, int nWhichSubMenuItem);

  // --- Token interpreter ---
  // Carries out the text when it is exactly one token and says whether it
  // was. With bUseText false the text is the item's (nSubMenu, nItem).
  bool RunToken(int nSubMenu, int nItem, bool bUseText, std::string strText);

  // --- Prompted variables ---
  void TypeVariable(int d);
  void PromptVariable(int d, const std::string& prompt);

  // --- Item runner ---
  // The view lost the keyboard focus: runs the pending pick, if any, after
  // 500 ms, then its chain.
  void OnKillFocus();
  // Runs one item slot: the token, or else a paste of the item's text.
  // Returns whether the text was a token.
  bool RunSlot(int subMenu, int item);
  // Runs a text given directly the way an item slot runs (zvk trace).
  bool RunText(const std::string& text);

  // --- State (the view's fields) ---
  std::string strDefaultEntry = kNoDefault;
  bool bMultiLineEntry = false;
  std::array<std::string, 10> strVariables;
  bool bPickPending = false;
  int nPickSubMenu = 0;
  int nPickItem = 0;

 private:
  bool RunPrefixedToken(const std::string& text);
  bool RunNamedToken(const std::string& text);
  void TypeQuotedText(const std::string& token);

  PlaybackPlatform& platform_;
  const MacroData* pDoc;
  WindowId ownWindow_;
  SlotListener* listener_ = nullptr;
};
