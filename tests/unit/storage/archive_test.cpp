#include "storage/archive.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "storage/exceptions.h"
#include "storage/legacy_code_page.h"
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
  for (std::size_t i = 0; i < n; ++i) text[i] = static_cast<char>(' ' + (i * 7 + 3) % 95);
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

std::string Repeated(const std::string& text, std::size_t n) {
  std::string out;
  for (std::size_t i = 0; i < n; ++i) out += text;
  return out;
}

Bytes Wide(std::u16string_view units) {
  Bytes bytes{0xFF, 0xFE, 0xFF, static_cast<std::uint8_t>(units.size())};
  for (const char16_t unit : units) {
    bytes = bytes + Bytes{static_cast<std::uint8_t>(unit), static_cast<std::uint8_t>(unit >> 8)};
  }
  return bytes;
}

// Every byte of the legacy code page (Windows-1252 here) has a character
// and comes back from it; a character it lacks, or a text that is not
// UTF-8, has no legacy form.
TEST(LegacyCodePage, EveryByteMakesTheTripAndOnlyItsCharactersHaveBytes) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToLegacy(LegacyToUtf8(all)), all);
  EXPECT_EQ(LegacyToUtf8("\x81\x9D\x80\x9F\xE9"), "\u0081\u009D\u20AC\u0178\u00E9");
  for (const char* lacking : {"\u0080", "\u4E2D", "\U0001F642", "\xFF"}) {
    EXPECT_EQ(Utf8ToLegacy(lacking), std::nullopt) << lacking;
  }
}

// A text the legacy code page holds takes the single-byte form, as older
// versions wrote and read it; any other the wide form, its unit count in
// the longer prefixes when it needs them. Both come back whole, through
// buffers so small that units and surrogate pairs straddle the refills.
TEST(CountedString, TextsOfEveryScriptKeepTheirFormAndComeBackWhole) {
  EXPECT_EQ(Stored("Zo\u00EB \u20AC"), (Bytes{5, 'Z', 'o', 0xEB, ' ', 0x80}));
  EXPECT_EQ(Stored("Zo\u00EB \u4E2D\u6587 \u0416 \U0001F642"),
            Wide(u"Zo\u00EB \u4E2D\u6587 \u0416 \U0001F642"));
  EXPECT_EQ(Prefix(Stored(std::string(100, 'x') + std::string(100, '\x2B') + "\u0416\u0416" +
                          std::string(300, 'y')),
                   6),
            (Bytes{0xFF, 0xFE, 0xFF, 0xFF, 246, 1}));
  // A text that is not UTF-8 came from the legacy code page: kept as it is.
  EXPECT_EQ(Stored("caf\xE9"), (Bytes{4, 'c', 'a', 'f', 0xE9}));

  for (const std::string& text :
       std::vector<std::string>{"Zo\u00EB \u4E2D\u6587 \u0416 \U0001F642",
                                "\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC",
                                "Za\u017C\u00F3\u0142\u0107 g\u0119\u015Bl\u0105",
                                "\u65E5\u672C\u8A9E\u30C6\u30AD\u30B9\u30C8",
                                std::string(300, 'a') + "\U0001F600" + Repeated("\u0416", 66000)}) {
    for (const std::size_t buffer :
         {CArchive::kDefaultBufferSize, std::size_t{17}, std::size_t{18}}) {
      ASSERT_TRUE(Loaded(Stored(text), buffer) == text)
          << text.substr(0, 40) << " buffer " << buffer;
    }
  }
  // The unit count may itself use the longer forms.
  EXPECT_EQ(Loaded({0xFF, 0xFE, 0xFF, 0xFF, 0x02, 0x00, 'h', 0, 'i', 0}), "hi");
}

// Half of a surrogate pair stands as U+FFFD: alone at the end, a low one
// first, a high one before a plain unit; a whole pair stays one character.
TEST(CountedString, AnUnpairedSurrogateReadsAsTheReplacementCharacter) {
  EXPECT_EQ(Loaded(Wide(u"a\xD83D")), "a\uFFFD");
  EXPECT_EQ(Loaded(Wide(u"\xDE42"
                        u"b")),
            "\uFFFDb");
  EXPECT_EQ(Loaded(Wide(u"\xD83D"
                        u"c\xD83D\xDE42")),
            "\uFFFDc\U0001F642");
  EXPECT_EQ(Loaded(Wide(u"\xD83D\xD83D\xDE42")), "\uFFFD\U0001F642");
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
