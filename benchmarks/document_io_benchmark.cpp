// Loading and saving a large document (49 submenus of 48 items, 8 KiB
// texts: 19 MB, the most the Edit SubMenus dialog makes) from memory and
// from a file, beside a plain read of the same bytes in 64 KiB blocks, as
// a program that only reads a file would read it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "document/zorvak_doc.h"
#include "storage/archive.h"
#include "storage/disk_file.h"
#include "storage/mem_file.h"

namespace {

constexpr int kSubMenus = 49;
constexpr int kItems = 48;

std::unique_ptr<CZorvakDoc> FullDocument() {
  auto doc = std::make_unique<CZorvakDoc>();
  doc->OnNewDocument();
  doc->nNumSubMenus = kSubMenus;
  for (int s = 0; s < kSubMenus; ++s) {
    doc->nNumSubMenuItems[s] = kItems;
    doc->strSubMenuName[s] = "Submenu " + std::to_string(s);
    for (int j = 0; j < kItems; ++j) {
      const int k = ItemSlot(s, j);
      doc->strSubMenuItemName[k] = "Item " + std::to_string(j);
      doc->strSubMenuItemText[k] = std::string(8192, static_cast<char>('a' + k % 26));
      doc->bChainToNext[k] = j % 2;
    }
  }
  return doc;
}

const std::vector<std::uint8_t>& FullDocumentBytes() {
  static const std::vector<std::uint8_t> bytes = [] {
    CMemFile file;
    CArchive ar(file, CArchive::store);
    FullDocument()->Serialize(ar);
    ar.Close();
    return file.Bytes();
  }();
  return bytes;
}

const std::string& FullDocumentPath() {
  static const std::string path = [] {
    const auto p = std::filesystem::temp_directory_path() / "zvk_benchmark_full.zvk";
    std::FILE* f = std::fopen(p.string().c_str(), "wb");
    const auto& bytes = FullDocumentBytes();
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return p.string();
  }();
  return path;
}

void SetThroughput(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(FullDocumentBytes().size()));
}

void BM_LoadFromMemory(benchmark::State& state) {
  auto doc = std::make_unique<CZorvakDoc>();
  CMemFile file(FullDocumentBytes());
  for (auto _ : state) {
    file.Rewind();
    CArchive ar(file, CArchive::load);
    doc->Serialize(ar);
    benchmark::DoNotOptimize(doc->nNumSubMenus);
  }
  SetThroughput(state);
}
BENCHMARK(BM_LoadFromMemory)->Unit(benchmark::kMillisecond);

void BM_SaveToMemory(benchmark::State& state) {
  const auto doc = FullDocument();
  for (auto _ : state) {
    CMemFile file;
    CArchive ar(file, CArchive::store);
    doc->Serialize(ar);
    ar.Close();
    benchmark::DoNotOptimize(file.Bytes().data());
  }
  SetThroughput(state);
}
BENCHMARK(BM_SaveToMemory)->Unit(benchmark::kMillisecond);

void BM_PlainReadOfFile(benchmark::State& state) {
  const std::string& path = FullDocumentPath();
  std::vector<char> buffer(64 * 1024);
  for (auto _ : state) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    std::size_t total = 0;
    for (std::size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), f)) > 0;) total += got;
    std::fclose(f);
    benchmark::DoNotOptimize(total);
  }
  SetThroughput(state);
}
BENCHMARK(BM_PlainReadOfFile)->Unit(benchmark::kMillisecond);

// The same reads, each into the next part of memory that holds the whole
// file, as loading must keep every byte it reads.
void BM_PlainReadOfFileIntoMemory(benchmark::State& state) {
  const std::string& path = FullDocumentPath();
  std::vector<char> memory(FullDocumentBytes().size());
  constexpr std::size_t kBlock = 64 * 1024;
  for (auto _ : state) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    std::size_t total = 0;
    for (std::size_t got; (got = std::fread(memory.data() + total, 1,
                                            std::min(kBlock, memory.size() - total), f)) > 0;) {
      total += got;
    }
    std::fclose(f);
    benchmark::DoNotOptimize(total);
  }
  SetThroughput(state);
}
BENCHMARK(BM_PlainReadOfFileIntoMemory)->Unit(benchmark::kMillisecond);

void LoadFile(CZorvakDoc& doc) {
  DiskFile file(FullDocumentPath(), DiskFile::Mode::read);
  CArchive ar(file, CArchive::load);
  doc.Serialize(ar);
  benchmark::DoNotOptimize(doc.nNumSubMenus);
}

// Over the same document each time: the file is read into a new content,
// which then takes the place of the one before (freed then).
void BM_LoadFromFile(benchmark::State& state) {
  auto doc = std::make_unique<CZorvakDoc>();
  for (auto _ : state) LoadFile(*doc);
  SetThroughput(state);
}
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond);

// Into a document made for each load, whose strings have no storage yet:
// what a process that loads the file once pays.
void BM_LoadFromFileIntoNewDocument(benchmark::State& state) {
  for (auto _ : state) LoadFile(*std::make_unique<CZorvakDoc>());
  SetThroughput(state);
}
BENCHMARK(BM_LoadFromFileIntoNewDocument)->Unit(benchmark::kMillisecond);

void BM_SaveToFile(benchmark::State& state) {
  const auto doc = FullDocument();
  const std::string path =
      (std::filesystem::temp_directory_path() / "zvk_benchmark_saved.zvk").string();
  for (auto _ : state) {
    DiskFile file(path, DiskFile::Mode::create);
    CArchive ar(file, CArchive::store);
    doc->Serialize(ar);
    ar.Close();
    file.Close();
  }
  SetThroughput(state);
  std::filesystem::remove(path);
}
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
