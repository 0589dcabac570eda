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
  int LoadFailure(const Bytes& bytes) {
    return CauseOf<CArchiveException>([&] { Load(bytes); });
  }
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

// An older file's accents and euro sign (Windows-1252 here) read as those
// characters and are saved byte for byte as before; names and texts in
// other scripts, an emoji among them, come back whole from the wide form.
TEST_F(DocTest, CodePageTextKeepsItsBytesAndTextInAnyScriptComesBack) {
  const Bytes older = kHeader + Int32(1) + Int32(1) + Counted("Caf\xE9") + Counted("\x80 5") +
                      Counted("na\xEFve") + Int32(1);
  Load(older);
  EXPECT_EQ(doc->strSubMenuName[0], "Caf\u00E9");
  EXPECT_EQ(doc->strSubMenuItemName[0], "\u20AC 5");
  EXPECT_EQ(doc->strSubMenuItemText[0], "na\u00EFve");
  EXPECT_EQ(Save(), older);

  DocumentBuilder()
      .SubMenu(
          "Zo\u00EB \u4E2D\u6587 \u0416 \U0001F642",
          {{"\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC", "\u65E5\u672C\u8A9E \U0001F642", 1},
           {"Zo\u00EB", "Za\u017C\u00F3\u0142\u0107", 0}})
      .AddTo(*doc);
  const MacroData written = *doc;
  Load(Save());
  EXPECT_TRUE(static_cast<const MacroData&>(*doc) == written);
}

// A newer file cut short in its header fails at its end: the version is
// looked at only after the reserved words.
TEST_F(DocTest, AHeaderCutShortFailsBeforeTheVersionIsLookedAt) {
  const Bytes newer = Int32(2) + Int32(0) + Int32(0);
  EXPECT_EQ(LoadFailure(Bytes(newer.begin(), newer.end() - 1)), CArchiveException::endOfFile);
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
