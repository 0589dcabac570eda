#pragma once
// What the data entry box shows and what it gives back: which of its two
// boxes is shown, the prompt, the default offered in both boxes, and the
// value kept from the change notifications of the boxes.

#include <optional>
#include <string>

#include "playback/ports.h"

class DataEntryModel {
 public:
  explicit DataEntryModel(const DataEntryRequest& request) : request_(request) {}

  bool ShowsMultiLine() const { return request_.bMultiLine; }
  const std::string& PromptText() const { return request_.strPrompt; }
  // The text put into both boxes and selected, or none for the sentinel
  // (compared exactly: any other text, even in another letter case, is a
  // default).
  std::optional<std::string> DefaultText() const;

  // A box's whole text after it changed; the last change wins, whichever
  // box it came from.
  void OnChangeMultiLine(const std::string& text) { value_ = text; }
  void OnChangeSingleLine(const std::string& text) { value_ = text; }

  // How the box ended: OK gives the value, anything else nothing.
  DataEntryResult Result(bool ok) const;

 private:
  DataEntryRequest request_;
  std::string value_;
};
