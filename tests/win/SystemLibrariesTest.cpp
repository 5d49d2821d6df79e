// Libraries come from the system folder though a file of the same name lies
// beside the program, as one may beside a downloaded saver. Wine then runs
// its own code for a system library wherever the file was found, so the
// path the library was loaded from is what these tests compare.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ui/SystemLibraries.h"

namespace {

std::string ModulePath(HMODULE module) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    return CharLowerA(std::string(path, length < MAX_PATH ? length : 0).data());
}

std::string Lowered(std::string text) {
    CharLowerA(text.data());
    return text;
}

// A DLL (the stand-in password library) under a system library's name in
// this program's folder, for one test.
class PlantedLibrary {
public:
    explicit PlantedLibrary(const char* fileName) {
        std::string folder = ModulePath(nullptr);
        path_ = folder.substr(0, folder.rfind('\\') + 1) + Lowered(fileName);
        EXPECT_TRUE(CopyFileA(PASSWORD_LIB_ANSWERING "\\PASSWORD.CPL", path_.c_str(), FALSE)) << path_;
    }
    ~PlantedLibrary() { DeleteFileA(path_.c_str()); }
    PlantedLibrary(const PlantedLibrary&) = delete;
    PlantedLibrary& operator=(const PlantedLibrary&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

const std::string kSystemWinmm = Lowered(SystemDirectory() + "\\winmm.dll");

TEST(SystemLibraries, OursComeFromTheSystemFolderWhereABareNameFindsThePlantedOne) {
    const PlantedLibrary planted("winmm.dll");
    {
        const ScopedLibrary winmm = LoadSystemLibrary("winmm.dll");
        EXPECT_EQ(ModulePath(winmm.Get()), kSystemWinmm);
    }
    // As the multimedia library was loaded before: the planted file.
    const ScopedLibrary searched(LoadLibraryA("winmm.dll"));
    EXPECT_EQ(ModulePath(searched.Get()), planted.Path());
}

TEST(SystemLibraries, AfterTheStartsCallABareNameFindsOnlyTheSystemFolder) {
    const PlantedLibrary planted("winmm.dll");
    LoadLibrariesOnlyFromTheSystemFolder();
    const ScopedLibrary searched(LoadLibraryA("winmm.dll"));
    EXPECT_EQ(ModulePath(searched.Get()), kSystemWinmm);
}

// Wine has every function of the list, as Windows 10 does.
TEST(SystemLibraries, EveryListedFunctionIsFound) {
    EXPECT_NE(Kernel32().SetDefaultDllDirectories, nullptr);
    EXPECT_NE(User32().GetDpiForWindow, nullptr);
    EXPECT_NE(User32().RegisterPowerSettingNotification, nullptr);
    EXPECT_NE(User32().UnregisterPowerSettingNotification, nullptr);
    EXPECT_NE(Winmm().timeBeginPeriod, nullptr);
    EXPECT_NE(Winmm().timeEndPeriod, nullptr);
    EXPECT_EQ(ModulePath(GetModuleHandleA("winmm.dll")), kSystemWinmm);
}

}  // namespace
