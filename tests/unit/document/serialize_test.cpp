// The macro file format: what is written, what is read, and what refuses.
#include <gmock/gmock.h>

#include <memory>

#include "document/zorvak_doc.h"
#include "storage/exceptions.h"
#include "support/document_builder.h"

namespace {

// The example's 70 bytes as the builder writes them by hand.
const Bytes kExample = kExampleDocument.FileBytes();
const Bytes kHeader = Int32(1) + Int32(0) + Int32(0);

struct DocTest : ::testing::Test {
  std::unique_ptr<CZorvakDoc> doc = std::make_unique<CZorvakDoc>();

  void SetUp() override { doc->OnNewDocument(); }

  Bytes Save() { return StoredBytes(*doc); }
  void Load(const Bytes& bytes) {
    CMemFile file(bytes);
    CArchive ar(file, CArchive::load);
    doc->Serialize(ar);
  }
  int LoadFailure(const Bytes& bytes) { return CauseOf<CArchiveException>([&] { Load(bytes); }); }
};

// Written byte for byte; read back over a larger document, of which
// nothing stays, not even beyond the new counts; with any version word up
// to 1 and any reserved words; bytes after the last record never read.
TEST_F(DocTest, TheExampleIsWrittenByteForByteAndReadsBackWhole) {
  kExampleDocument.AddTo(*doc);
  EXPECT_EQ(Save(), kExample);

  const Bytes afterTheReservedWord(kExample.begin() + 8, kExample.end());
  for (std::int32_t version : {0, -1, 1}) {
    DocumentBuilder().NumberedSubMenus(5, NumberedItems(3)).AddTo(*doc);
    Load(Int32(version) + Int32(0x7eadbeef) + afterTheReservedWord + Bytes{0xFF, 0xFF, 0xFF});
    EXPECT_EQ(doc->LoadedVersion(), version);
    EXPECT_TRUE(static_cast<const MacroData&>(*doc) == *kExampleDocument.Build());
    EXPECT_EQ(Save(), kExample) << "saved as version 1 again";
  }
}

// A file cut short in the header fails at its end before the version is
// looked at.
TEST_F(DocTest, NewerVersionFailsWithItsNoticeAfterTheHeader) {
  const Bytes newer = Int32(2) + Int32(0) + Int32(0);
  for (std::size_t n : {0u, 1u, 4u, 11u}) {
    EXPECT_EQ(LoadFailure(Bytes(newer.begin(), newer.begin() + n)), CArchiveException::endOfFile) << n;
  }
  const auto loadNewer = [&] { Load(newer + Int32(0)); };
  EXPECT_EQ(CauseOf<CNewerVersionException>(loadNewer), CFileException::genericException);
}

TEST_F(DocTest, CountsAndChainFlagsAreKeptAsStoredWithinTheCapacity) {
  for (const Bytes& file : {DocumentBuilder().SubMenu("S", {{"i", "t", 7}}).FileBytes(),
                            kHeader + Int32(1) + Int32(-1) + Counted("S"), kHeader + Int32(-3)}) {
    Load(file);
    EXPECT_EQ(Save(), file);
  }

  // Above the capacity: refused before anything past it is touched.
  EXPECT_EQ(LoadFailure(kHeader + Int32(1) + Int32(51)), CArchiveException::badIndex);
  // 50 is the capacity and is accepted (here it then runs out of bytes).
  EXPECT_EQ(LoadFailure(kHeader + Int32(50)), CArchiveException::endOfFile);
}

}  // namespace
