#pragma once
// The question before a pick from a document that came from the internet
// plays an item that can run a command (safety/risky_item.h). The first
// pick of each such item asks, showing what it types; Yes holds for that
// file, for the same text, until another file is opened; No plays nothing
// of the pick, its chained items included.

#include <set>
#include <string>

#include "document/macro_data.h"
#include "framework/message_box.h"
#include "playback/pick.h"

class PickQuestion {
 public:
  // The document now open: its path and whether it carries the internet
  // zone mark. Another path forgets every answer.
  void SetDocument(const std::string& path, bool fromInternet);

  // Whether the pick may play, asking first where it must.
  bool MayPlay(const MacroData& doc, Pick pick, MessageBoxPort& messages);

 private:
  std::string path_;
  bool from_internet_ = false;
  // The texts of the picks the user allowed, the chained items' included.
  std::set<std::string> allowed_;
};

// The question's text for the texts a pick plays.
std::string PickQuestionText(const std::string& texts);
