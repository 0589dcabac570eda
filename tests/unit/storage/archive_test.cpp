#include "storage/archive.h"

#include <gtest/gtest.h>

#include "storage/exceptions.h"
#include "storage/mem_file.h"
#include "support/test_bytes.h"

namespace {

Bytes Stored(const std::string& text) {
  CMemFile file;
  CArchive ar(file, CArchive::store);
  ar.WriteString(text);
  ar.Close();
  return file.Bytes();
}

std::string Loaded(const Bytes& bytes) {
  CMemFile file(bytes);
  CArchive ar(file, CArchive::load);
  return ar.ReadString();
}

Bytes Prefix(const Bytes& bytes, std::size_t n) { return Bytes(bytes.begin(), bytes.begin() + n); }

TEST(CountedString, PrefixFormsAtEveryBoundary) {
  EXPECT_EQ(Stored(""), Bytes{0x00});
  EXPECT_EQ(Prefix(Stored(std::string(254, 'x')), 1), (Bytes{0xFE}));
  EXPECT_EQ(Prefix(Stored(std::string(255, 'x')), 3), (Bytes{0xFF, 0xFF, 0x00}));
  EXPECT_EQ(Prefix(Stored(std::string(65533, 'x')), 3), (Bytes{0xFF, 0xFD, 0xFF}));
  EXPECT_EQ(Prefix(Stored(std::string(65534, 'x')), 7),
            (Bytes{0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}));
  EXPECT_EQ(Stored(std::string(65534, 'x')).size(), 65534u + 7);
}

TEST(CountedString, EveryLengthFormReadsBack) {
  for (std::size_t n : {0u, 1u, 254u, 255u, 4095u, 4096u, 4097u, 65533u, 65534u, 70000u}) {
    std::string text(n, '\0');
    for (std::size_t i = 0; i < n; ++i) text[i] = static_cast<char>(i * 7 + 3);
    EXPECT_EQ(Loaded(Stored(text)), text) << "length " << n;
  }
}

TEST(CountedString, WideFormIsConvertedToEightBitText) {
  EXPECT_EQ(Loaded({0xFF, 0xFE, 0xFF, 0x03, 'T', 0, 'a', 0, 'b', 0}), "Tab");
  // The unit count may itself use the longer forms.
  Bytes longForm{0xFF, 0xFE, 0xFF, 0xFF, 0x02, 0x00};
  longForm = longForm + Bytes{'h', 0, 'i', 0};
  EXPECT_EQ(Loaded(longForm), std::string(1, 'h') + "i");
  EXPECT_EQ(Loaded({0xFF, 0xFE, 0xFF, 0x01, 0xAC, 0x20}), "\x80");  // the euro sign
}

// Includes lengths far beyond the file (2 GiB claimed by 10 bytes, in
// bytes and in wide units): refused before anything is allocated.
TEST(CountedString, ShortInputFailsWithEndOfFile) {
  for (const Bytes& bytes :
       {Bytes{}, Bytes{0xFF}, Bytes{0xFF, 0x00}, Bytes{0xFF, 0xFF, 0xFF, 0x01}, Bytes{0xFF, 0xFE, 0xFF},
        Bytes{0x02, 'a'}, Bytes{0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80, 'a', 'b', 'c'},
        Bytes{0xFF, 0xFE, 0xFF, 0x03, 'a', 0, 'b', 0, 'c'},
        Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}}) {
    try {
      Loaded(bytes);
      ADD_FAILURE() << "no exception for " << Hex(bytes);
    } catch (const CArchiveException& e) {
      EXPECT_EQ(e.Cause(), CArchiveException::endOfFile) << Hex(bytes);
    }
  }
}

TEST(Archive, IntegersAreLittleEndianAcrossBufferBoundaries) {
  CMemFile file;
  {
    CArchive ar(file, CArchive::store, 16);
    for (int i = 0; i < 100; ++i) ar.WriteInt32(i * 0x01010101 - 7);
    ar.Close();
  }
  EXPECT_EQ(Prefix(file.Bytes(), 4), (Bytes{0xF9, 0xFF, 0xFF, 0xFF}));
  file.Rewind();
  CArchive in(file, CArchive::load, 16);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(in.ReadInt32(), i * 0x01010101 - 7);
  EXPECT_THROW(in.ReadInt32(), CArchiveException);
}

TEST(Archive, WriteFailureOfTheFileSurfacesOnClose) {
  CMemFile file;
  file.SetWriteLimit(10);
  CArchive ar(file, CArchive::store);
  ar.WriteString("a text longer than ten bytes");  // still buffered
  try {
    ar.Close();
    FAIL() << "no exception";
  } catch (const CFileException& e) {
    EXPECT_EQ(e.Cause(), CFileException::diskFull);
  }
}

}  // namespace
