// DLLs come from the system folder only: a DLL planted beside the program
// is not loaded by its name, while the system's own DLLs still are.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>

#include "framework/dll_search_win32.h"

namespace {

using LoadedLibrary = std::unique_ptr<std::remove_pointer_t<HMODULE>, decltype(&FreeLibrary)>;

LoadedLibrary Load(const char* name, DWORD flags = 0) {
  return {LoadLibraryExA(name, nullptr, flags), &FreeLibrary};
}

std::string ModulePath(HMODULE module) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(module, path, MAX_PATH);
  return path;
}

TEST(DllSearchTest, ADllBesideTheProgramIsNotLoadedByItsName) {
  SearchDllsInTheSystemFolderOnly();

  EXPECT_EQ(Load("zvk_planted.dll"), nullptr);

  // The planted DLL is there and loads when its folder is asked for.
  const LoadedLibrary planted = Load("zvk_planted.dll", LOAD_LIBRARY_SEARCH_APPLICATION_DIR);
  ASSERT_NE(planted, nullptr);
  EXPECT_NE(GetProcAddress(planted.get(), "ZvkPlantedMarker"), nullptr);

  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  const LoadedLibrary version = Load("version.dll");
  ASSERT_NE(version, nullptr);
  const std::string path = ModulePath(version.get());
  EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, path.c_str(),
                           static_cast<int>(std::string(system).size()), system, -1),
            CSTR_EQUAL)
      << path;
}

}  // namespace
