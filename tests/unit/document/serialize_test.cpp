#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "document/zorvak_doc.h"
#include "storage/archive.h"
#include "storage/exceptions.h"
#include "storage/mem_file.h"
#include "support/test_bytes.h"

namespace {

// The 70-byte file of the two-submenu example: "TopLevel" with Enter
// (chained) and Tab, then an empty "Help".
const Bytes kExample = Int32(1) + Int32(0) + Int32(0) + Int32(2) + Int32(2) + Counted("TopLevel") +
                       Counted("Enter") + Counted("[enter]") + Int32(1) + Counted("Tab") +
                       Counted("[tab]") + Int32(0) + Int32(0) + Counted("Help");

struct DocTest : ::testing::Test {
  std::unique_ptr<CZorvakDoc> doc = std::make_unique<CZorvakDoc>();

  void SetUp() override { doc->OnNewDocument(); }

  void FillExample() {
    doc->nNumSubMenus = 2;
    doc->nNumSubMenuItems[0] = 2;
    doc->strSubMenuName[0] = "TopLevel";
    doc->strSubMenuItemName[0] = "Enter";
    doc->strSubMenuItemText[0] = "[enter]";
    doc->bChainToNext[0] = 1;
    doc->strSubMenuItemName[1] = "Tab";
    doc->strSubMenuItemText[1] = "[tab]";
    doc->strSubMenuName[1] = "Help";
  }

  Bytes Save() {
    CMemFile file;
    CArchive ar(file, CArchive::store);
    doc->Serialize(ar);
    ar.Close();
    return file.Bytes();
  }

  void Load(const Bytes& bytes) {
    CMemFile file(bytes);
    CArchive ar(file, CArchive::load);
    doc->Serialize(ar);
  }

  // Loads and returns the archive failure's cause, or -1 without one.
  int LoadFailure(const Bytes& bytes) {
    try {
      Load(bytes);
    } catch (const CArchiveException& e) {
      return e.m_cause;
    }
    return -1;
  }
};

TEST_F(DocTest, NewDocumentClearsEverySlotAndIsSixteenBytes) {
  FillExample();
  doc->strSubMenuName[49] = "x";
  doc->strSubMenuItemText[2499] = "y";
  doc->strSubMenuItemName[2499] = "z";
  doc->bChainToNext[2499] = 1;
  doc->nNumSubMenuItems[49] = 50;
  doc->SetModifiedFlag(true);
  doc->SetPathNameOnly("C:\\a.zvk");
  ASSERT_TRUE(doc->OnNewDocument());
  EXPECT_FALSE(doc->IsModified());
  EXPECT_EQ(doc->GetPathName(), "");
  EXPECT_EQ(doc->strSubMenuName[49] + doc->strSubMenuItemText[2499] + doc->strSubMenuItemName[2499], "");
  EXPECT_EQ(doc->bChainToNext[2499] + doc->bChainToNext[0] + doc->nNumSubMenuItems[49], 0);
  EXPECT_EQ(Save(), Int32(1) + Int32(0) + Int32(0) + Int32(0));
}

TEST_F(DocTest, WorkedExampleIsWrittenByteForByteAndReadsBack) {
  FillExample();
  EXPECT_EQ(Hex(Save()), Hex(kExample));
  EXPECT_EQ(kExample.size(), 70u);

  doc->OnNewDocument();
  Load(kExample);
  EXPECT_EQ(doc->strSubMenuName[1], "Help");
  EXPECT_EQ(doc->bChainToNext[ItemSlot(0, 0)], 1);
  EXPECT_EQ(Hex(Save()), Hex(kExample));
}

TEST_F(DocTest, VersionAndReservedWordsOnReading) {
  // Version 0 and -1 are accepted, reserved words are ignored, and bytes
  // after the last record are never read.
  for (std::int32_t version : {0, -1, 1}) {
    Bytes file = kExample;
    std::copy_n(Int32(version).begin(), 4, file.begin());
    std::copy_n(Int32(0x7eadbeef).begin(), 4, file.begin() + 4);
    file = file + Bytes{0xFF, 0xFF, 0xFF};
    doc->OnNewDocument();
    Load(file);
    EXPECT_EQ(doc->strSubMenuName[1], "Help") << version;
    EXPECT_EQ(doc->LoadedVersion(), version);
  }
}

TEST_F(DocTest, NewerVersionFailsWithItsNoticeAndLeavesTheDocumentUntouched) {
  FillExample();
  try {
    Load(Int32(2) + Int32(0) + Int32(0) + Int32(0));
    FAIL() << "no exception";
  } catch (const CNewerVersionException& e) {
    EXPECT_EQ(e.m_cause, CFileException::genericException);
    EXPECT_TRUE(e.m_strFileName.empty());
    EXPECT_EQ(e.Notice().rfind(
                  "Zorvakomat Error:  Unable to load this file with this version of Zorvakomat.  "
                  "Please check for an upgrade at ",
                  0),
              0u);
  }
  EXPECT_EQ(doc->nNumSubMenus, 2);
}

TEST_F(DocTest, ShortHeadersFailBeforeTheVersionIsLookedAt) {
  const Bytes newer = Int32(2) + Int32(0) + Int32(0);
  for (std::size_t n : {0u, 1u, 4u, 11u}) {
    EXPECT_EQ(LoadFailure(Bytes(newer.begin(), newer.begin() + std::min(n, newer.size()))),
              CArchiveException::endOfFile)
        << n << " bytes";
  }
}

TEST_F(DocTest, TruncationInsideTheSecondItemKeepsWhatWasRead) {
  // Cut after the second item's name: its text and flag are missing.
  EXPECT_EQ(LoadFailure(Bytes(kExample.begin(), kExample.begin() + 51)), CArchiveException::endOfFile);
  EXPECT_EQ(doc->nNumSubMenuItems[0], 2);
  EXPECT_EQ(doc->strSubMenuItemText[0], "[enter]");
  EXPECT_EQ(doc->strSubMenuItemName[1], "Tab");
  EXPECT_EQ(doc->strSubMenuItemText[1], "");
}

TEST_F(DocTest, LoadingInPlaceKeepsSlotsBeyondTheNewCounts) {
  doc->nNumSubMenus = 5;
  for (int s = 0; s < 5; ++s) {
    doc->strSubMenuName[s] = "old" + std::to_string(s);
    doc->nNumSubMenuItems[s] = 3;
    doc->strSubMenuItemText[ItemSlot(s, 2)] = "old text";
  }
  Load(kExample);
  EXPECT_EQ(doc->strSubMenuName[2], "old2");
  EXPECT_EQ(doc->nNumSubMenuItems[4], 3);
  EXPECT_EQ(doc->strSubMenuItemText[ItemSlot(0, 2)], "old text");
  // Only the content within the counts is written back.
  EXPECT_EQ(Hex(Save()), Hex(kExample));
}

TEST_F(DocTest, NegativeCountsAndAnyChainFlagAreKeptAsStored) {
  const Bytes header = Int32(1) + Int32(0) + Int32(0);
  const Bytes chained = header + Int32(1) + Int32(1) + Counted("S") + Counted("i") + Counted("t") + Int32(7);
  Load(chained);
  EXPECT_EQ(doc->bChainToNext[0], 7);
  EXPECT_EQ(Save(), chained);

  const Bytes noItems = header + Int32(1) + Int32(-1) + Counted("S");
  Load(noItems);
  EXPECT_EQ(doc->ItemCount(0), 0);
  EXPECT_EQ(Save(), noItems);
  Load(header + Int32(-3));
  EXPECT_EQ(doc->SubMenuCount(), 0);
  EXPECT_EQ(Save(), header + Int32(-3));
}

TEST_F(DocTest, CountsAboveCapacityAreRefusedBeforeAnythingPastItIsTouched) {
  const Bytes header = Int32(1) + Int32(0) + Int32(0);
  EXPECT_EQ(LoadFailure(header + Int32(51)), CArchiveException::badIndex);
  EXPECT_EQ(doc->nNumSubMenus, 0);
  EXPECT_EQ(LoadFailure(header + Int32(1) + Int32(51)), CArchiveException::badIndex);
  EXPECT_EQ(doc->nNumSubMenuItems[0], 0);
  EXPECT_EQ(LoadFailure(header + Int32(0x7FFFFFFF)), CArchiveException::badIndex);
  // 50 is the capacity and is accepted (here it then runs out of bytes).
  EXPECT_EQ(LoadFailure(header + Int32(50)), CArchiveException::endOfFile);
  EXPECT_EQ(doc->nNumSubMenus, 50);
}

}  // namespace
