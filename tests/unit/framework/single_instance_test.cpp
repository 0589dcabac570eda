// One program per user session: what a later start does while the first
// one comes up, answers or goes away, what may pass between them, and what
// the first one does with what it was handed.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <tuple>
#include <vector>

#include "framework/single_instance.h"
#include "support/scripted_ports.h"

namespace {

// The system as a later start meets it, one attempt at a time: whether the
// mutex is free and whether the first's window takes the data.
struct ScriptedInstance : InstancePort {
  bool TryBecomeFirst() override { return NextAnswer(free); }
  bool SendToFirst(std::uint32_t tag, std::string_view data) override {
    sent.emplace_back(std::to_string(tag) + ":" + std::string(data));
    return NextAnswer(taken);
  }
  void Wait(std::uint32_t milliseconds) override { waited += milliseconds; }

  std::deque<bool> free, taken;
  std::vector<std::string> sent;
  std::uint32_t waited = 0;
};

const std::string kTag = std::to_string(kHandOverTag);

// Every attempt sends the same data; each one that fails waits before the next.
TEST(SingleInstanceTest, ALaterStartHandsItsFileToTheFirstOnceItsWindowTakesIt) {
  using Answers = std::deque<bool>;
  const std::tuple<Answers, Answers, std::string, StartClaim, int, std::uint32_t> cases[] = {
      // Alone: this start is the program.
      {{true}, {}, "C:\\a.zvk", StartClaim::first, 0, 0},
      // The first is still making its window: tried again until it takes it.
      {{}, {false, false, true}, "C:\\a.zvk", StartClaim::handedOver, 3, 2 * kHandOverRetryMs},
      // The first ends meanwhile: this start becomes the program.
      {{false, false, true}, {}, "", StartClaim::first, 2, 2 * kHandOverRetryMs},
      // A first that never answers: given up after about ten seconds.
      {{}, {}, "", StartClaim::noAnswer, kHandOverAttempts, kHandOverAttempts * kHandOverRetryMs},
  };
  for (const auto& [free, taken, file, claim, sends, waited] : cases) {
    ScriptedInstance port;
    port.free = free;
    port.taken = taken;
    EXPECT_EQ(ClaimOrHandOver(port, {file}), claim) << sends;
    EXPECT_EQ(port.sent, std::vector<std::string>(sends, kTag + ":" + file));
    EXPECT_EQ(port.waited, waited) << sends;
  }
}

TEST(SingleInstanceTest, OnlyAHandOverOfAPlainPathIsTakenAndNeverCarriedOutInsideAModalWindow) {
  const std::string longest(kMaxHandOverPath, 'x');
  for (const std::string& path : {std::string(), std::string("C:\\My Macros\\a.zvk"), longest}) {
    const auto taken = DecodeHandOver(kHandOverTag, EncodeHandOver({path}));
    ASSERT_TRUE(taken.has_value()) << path.size();
    EXPECT_EQ(taken->file, path);
  }
  // An older version's later start sends its path in the legacy code page.
  EXPECT_EQ(DecodeHandOver(kHandOverTag, "C:\\Caf\xE9.zvk")->file, "C:\\Caf\u00E9.zvk");
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
