#include "storage/archive.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "storage/exceptions.h"
#include "support/test_bytes.h"

namespace {

// A file that notes the size of every read and write asked of it. Its
// length can claim more bytes than it holds, as a file cut short after it
// was opened does.
struct RecordingFile : CMemFile {
  using CMemFile::CMemFile;
  std::size_t Read(void* buffer, std::size_t count) override {
    reads.push_back(count);
    return CMemFile::Read(buffer, count);
  }
  void Write(const void* buffer, std::size_t count) override {
    writes.push_back(count);
    CMemFile::Write(buffer, count);
  }
  std::uint64_t GetLength() const override {
    return std::max(claimed_length, CMemFile::GetLength());
  }

  std::vector<std::size_t> reads;
  std::vector<std::size_t> writes;
  std::uint64_t claimed_length = 0;
};

struct Text {
  std::string text;
  void Serialize(CArchive& ar) const { ar.WriteString(text); }
};
Bytes Stored(const std::string& text) { return StoredBytes(Text{text}); }

std::string Loaded(const Bytes& bytes, std::size_t buffer = CArchive::kDefaultBufferSize) {
  CMemFile file(bytes);
  CArchive ar(file, CArchive::load, buffer);
  return ar.ReadString();
}

Bytes Prefix(const Bytes& bytes, std::size_t n) { return Bytes(bytes.begin(), bytes.begin() + n); }

std::string Pattern(std::size_t n) {
  std::string text(n, '\0');
  for (std::size_t i = 0; i < n; ++i) text[i] = static_cast<char>(i * 7 + 3);
  return text;
}

TEST(CountedString, PrefixFormsAtEveryBoundary) {
  EXPECT_EQ(Stored(""), Bytes{0x00});
  EXPECT_EQ(Prefix(Stored(std::string(254, 'x')), 1), (Bytes{0xFE}));
  EXPECT_EQ(Prefix(Stored(std::string(255, 'x')), 3), (Bytes{0xFF, 0xFF, 0x00}));
  EXPECT_EQ(Prefix(Stored(std::string(65533, 'x')), 3), (Bytes{0xFF, 0xFD, 0xFF}));
  EXPECT_EQ(Prefix(Stored(std::string(65534, 'x')), 7),
            (Bytes{0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}));
}

// Every length form, and lengths around the buffer's size (just under, the
// same, one more, several buffers) starting at every offset into a buffer,
// read back in place over longer and shorter earlier contents; the file is
// read in whole buffers but for its end.
TEST(CountedString, EveryLengthReadsBackThroughWholeBufferReads) {
  constexpr std::size_t kBuffer = 16;
  for (std::size_t n : {0u, 1u, 15u, 16u, 17u, 53u, 254u, 255u, 65533u, 65534u}) {
    for (std::size_t offset = 0; offset < kBuffer; ++offset) {
      const Bytes file = Bytes(offset, 0x00) + Stored(Pattern(n)) + Stored("after");
      RecordingFile in(file);
      CArchive ar(in, CArchive::load, kBuffer);
      for (std::size_t i = 0; i < offset; ++i) ASSERT_EQ(ar.ReadString(), "");
      std::string text(40, '?');
      ar.ReadString(text);
      ASSERT_EQ(text, Pattern(n)) << "length " << n << " at offset " << offset;
      EXPECT_EQ(ar.ReadString(), "after");
      for (std::size_t i = 0; i + 1 < in.reads.size(); ++i) ASSERT_EQ(in.reads[i], kBuffer);
      EXPECT_EQ(in.reads.back(), (file.size() - 1) % kBuffer + 1);
    }
  }
}

// Strings are written in the buffer's whole blocks or straight from where
// they lie, never in pieces smaller than the buffer but for the last.
TEST(Archive, StringsAreWrittenInWholeBuffersOrWhole) {
  RecordingFile file;
  CArchive ar(file, CArchive::store, 16);
  for (std::size_t n : {3u, 40u, 5u, 16u, 100u}) ar.WriteString(Pattern(n));
  ar.Close();
  for (std::size_t i = 0; i + 1 < file.writes.size(); ++i) EXPECT_GE(file.writes[i], 16u);
  Bytes expected;
  for (std::size_t n : {3u, 40u, 5u, 16u, 100u}) expected = expected + Stored(Pattern(n));
  EXPECT_EQ(file.Bytes(), expected);
}

// Including a wide string whose units straddle the buffer's refills.
TEST(CountedString, WideFormIsConvertedToEightBitText) {
  // The unit count may itself use the longer forms.
  EXPECT_EQ(Loaded({0xFF, 0xFE, 0xFF, 0xFF, 0x02, 0x00, 'h', 0, 'i', 0}), "hi");
  EXPECT_EQ(Loaded({0xFF, 0xFE, 0xFF, 0x01, 0xAC, 0x20}), "\x80");  // the euro sign

  const std::string letters = "abcdefghijklmnopqrst";
  Bytes straddling{0xFF, 0xFE, 0xFF, 20};
  for (const char c : letters) straddling = straddling + Bytes{static_cast<std::uint8_t>(c), 0};
  EXPECT_EQ(Loaded(straddling, 17), letters);
}

// A length prefix cut short; lengths beyond the file (2 GiB claimed by 10
// bytes, 3 wide units by 5 bytes): refused before anything is allocated, and
// before the string read into is touched. A file that ends before the
// length it had when it was opened fails the same way, inside a string or
// a number.
TEST(CountedString, ShortInputFailsWithEndOfFile) {
  for (const Bytes& bytes : {Bytes{0xFF, 0xFF, 0xFF, 0x01}, Bytes{0x02, 'a'},
                             Bytes{0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80, 'a', 'b', 'c'},
                             Bytes{0xFF, 0xFE, 0xFF, 0x03, 'a', 0, 'b', 0, 'c'}}) {
    CMemFile file(bytes);
    CArchive ar(file, CArchive::load);
    std::string text = "earlier";
    EXPECT_EQ(CauseOf<CArchiveException>([&] { ar.ReadString(text); }),
              CArchiveException::endOfFile)
        << ::testing::PrintToString(bytes);
    EXPECT_EQ(text, "earlier") << ::testing::PrintToString(bytes);
  }
  const Bytes whole = Stored(Pattern(100)) + Int32(7);
  for (const std::size_t cut : {1u, 3u, 20u, 50u, 101u, 104u}) {  // of 105 bytes
    RecordingFile file(Prefix(whole, cut));
    file.claimed_length = whole.size();
    CArchive ar(file, CArchive::load, 16);
    const auto read = [&] {
      ar.ReadString();
      ar.ReadInt32();
    };
    EXPECT_EQ(CauseOf<CArchiveException>(read), CArchiveException::endOfFile) << "cut at " << cut;
  }
}

}  // namespace
