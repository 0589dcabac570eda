#pragma once
// The token interpreter: an item text that is exactly one bracketed token
// is carried out; anything else is left to the caller to paste. It works in
// time linear in the text's length.

#include <string_view>

#include "document/macro_data.h"
#include "playback/output.h"
#include "playback/pick.h"
#include "playback/prompts.h"
#include "storage/non_copyable.h"

class TokenInterpreter : private NonCopyable {
 public:
  TokenInterpreter(Output& output, Prompts& prompts, const MacroData& doc)
      : output_(output), prompts_(prompts), doc_(doc) {}

  // Carries out text when it is exactly one token and says whether it was.
  bool RunToken(std::string_view text);
  // The same for the text of an item slot within the capacity, read as it
  // is then.
  bool RunItemToken(Pick slot);

 private:
  bool RunPrefixedToken(std::string_view text);
  bool RunNamedToken(std::string_view text);
  void TypeQuotedText(std::string_view token);

  Output& output_;
  Prompts& prompts_;
  const MacroData& doc_;
};
