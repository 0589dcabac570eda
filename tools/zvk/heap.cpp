#include "tools/zvk/heap.h"

#include <cstddef>  // first: it tells whether the C library is glibc
#include <cstdint>
#include <cstdlib>

#ifdef __GLIBC__
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

void TuneHeap() {
  // Every command ends by freeing the document it loaded, and the process
  // ends right after. glibc would hand its heap back to the system as the
  // texts are freed, about one system call for each (2,338 for a file of
  // 49 submenus of 48 texts of 8 KiB), more than loading the file takes.
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  // A large document's texts fill tens of megabytes of new heap, which the
  // system makes a 4 KiB page at a time, one fault each: more than reading
  // the file costs. So the heap is grown by 30 MiB at once, kept, and asked
  // for 2 MiB pages where the system offers them on request.
  constexpr std::size_t kReserve = std::size_t{30} << 20;
  constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
  mallopt(M_MMAP_THRESHOLD, 32 << 20);  // the most glibc allows
  const auto offset = [](const char* at) {
    return reinterpret_cast<std::uintptr_t>(at) % kHugePage;
  };
  char* const end = static_cast<char*>(sbrk(0));
  void* volatile reserve = std::malloc(kReserve);  // volatile: not left out as unused
  std::free(reserve);
  char* const grown = static_cast<char*>(sbrk(0));
  char* const bottom = end + (offset(end) == 0 ? 0 : kHugePage - offset(end));
  char* const top = grown - offset(grown);
  if (top > bottom) madvise(bottom, static_cast<std::size_t>(top - bottom), MADV_HUGEPAGE);
}
#else
void TuneHeap() {}
#endif
