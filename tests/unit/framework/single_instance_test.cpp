// One program per user session: what a later start does while the first
// one comes up, answers or goes away, what may pass between them, and what
// the first one does with what it was handed.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "framework/single_instance.h"

namespace {

// The system as a later start meets it, one attempt at a time: whether the
// mutex is free and whether the first's window takes the data.
struct ScriptedInstance : InstancePort {
  bool TryBecomeFirst() override { return Next(free); }
  bool SendToFirst(std::uint32_t tag, std::string_view data) override {
    sent.emplace_back(std::to_string(tag) + ":" + std::string(data));
    return Next(taken);
  }
  void Wait(std::uint32_t milliseconds) override { waited += milliseconds; }

  static bool Next(std::deque<bool>& answers) {
    const bool answer = !answers.empty() && answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  }

  std::deque<bool> free, taken;
  std::vector<std::string> sent;
  std::uint32_t waited = 0;
};

const std::string kTag = std::to_string(kHandOverTag);

TEST(SingleInstanceTest, ALaterStartHandsItsFileToTheFirstOnceItsWindowTakesIt) {
  {  // Alone: this start is the program, and sends nothing.
    ScriptedInstance port;
    port.free = {true};
    EXPECT_EQ(ClaimOrHandOver(port, {"C:\\a.zvk"}), StartClaim::first);
    EXPECT_TRUE(port.sent.empty());
  }
  {  // The first is still making its window: tried again until it takes it.
    ScriptedInstance port;
    port.taken = {false, false, true};
    EXPECT_EQ(ClaimOrHandOver(port, {"C:\\a.zvk"}), StartClaim::handedOver);
    EXPECT_EQ(port.sent, std::vector<std::string>(3, kTag + ":C:\\a.zvk"));
    EXPECT_EQ(port.waited, 2 * kHandOverRetryMs);
  }
  {  // The first ends meanwhile: this start becomes the program.
    ScriptedInstance port;
    port.free = {false, false, true};
    EXPECT_EQ(ClaimOrHandOver(port, {}), StartClaim::first);
    EXPECT_EQ(port.sent, std::vector<std::string>(2, kTag + ":"));
  }
  {  // A first that never answers: given up after about ten seconds.
    ScriptedInstance port;
    EXPECT_EQ(ClaimOrHandOver(port, {}), StartClaim::noAnswer);
    EXPECT_EQ(port.sent.size(), static_cast<std::size_t>(kHandOverAttempts));
    EXPECT_EQ(port.waited, kHandOverAttempts * kHandOverRetryMs);
  }
}

TEST(SingleInstanceTest, OnlyAHandOverOfAPlainPathIsTakenAndNeverCarriedOutInsideAModalWindow) {
  const std::string longest(kMaxHandOverPath, 'x');
  for (const std::string& path : {std::string(), std::string("C:\\My Macros\\a.zvk"), longest}) {
    const auto taken = DecodeHandOver(kHandOverTag, EncodeHandOver({path}));
    ASSERT_TRUE(taken.has_value()) << path.size();
    EXPECT_EQ(taken->file, path);
  }
  EXPECT_FALSE(DecodeHandOver(kHandOverTag + 1, "C:\\a.zvk"));  // another program's data
  EXPECT_FALSE(DecodeHandOver(kHandOverTag, longest + "x"));
  EXPECT_FALSE(DecodeHandOver(kHandOverTag, std::string("C:\\a.zvk\0rest", 13)));

  // The first opens the file or shows its window, never inside a modal one.
  EXPECT_EQ(DecideHandOver({"C:\\a.zvk"}, false), HandOverAction::openFile);
  EXPECT_EQ(DecideHandOver({}, false), HandOverAction::showMainWindow);
  EXPECT_EQ(DecideHandOver({"C:\\a.zvk"}, true), HandOverAction::bringModalWindowForward);
  EXPECT_EQ(DecideHandOver({}, true), HandOverAction::bringModalWindowForward);
  // One mutex per user in the session; a domain's backslash is no namespace.
  EXPECT_EQ(InstanceMutexName("Zorvakomat", "OFFICE\\ann"), "Local\\Zorvakomat-OFFICE_ann");
}

}  // namespace
