// Libraries come from the system folder though a file of a system library's
// name lies beside the program, as one may beside a downloaded saver. Wine
// runs its own code for a system library wherever it found the file, so the
// path it was loaded from is what is compared.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ui/SystemLibraries.h"

namespace {

std::string LoweredPath(HMODULE module) {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(module, path, MAX_PATH);
    return CharLowerA(path);
}

TEST(SystemLibraries, ComeFromTheSystemFolderThoughOneIsPlantedBesideTheProgram) {
    const std::string program = LoweredPath(nullptr);
    const std::string planted = program.substr(0, program.rfind('\\') + 1) + "winmm.dll";
    ASSERT_TRUE(CopyFileA(PASSWORD_LIB_ANSWERING "\\PASSWORD.CPL", planted.c_str(), FALSE));
    std::string system = SystemDirectory() + "\\winmm.dll";
    CharLowerA(system.data());
    {
        const ScopedLibrary ours = LoadSystemLibrary("winmm.dll");
        EXPECT_EQ(LoweredPath(ours.Get()), system);
    }
    {
        // A bare name finds the planted file, until the start's call.
        const ScopedLibrary searched(LoadLibraryA("winmm.dll"));
        EXPECT_EQ(LoweredPath(searched.Get()), planted);
    }
    LoadLibrariesOnlyFromTheSystemFolder();
    const ScopedLibrary searched(LoadLibraryA("winmm.dll"));
    EXPECT_EQ(LoweredPath(searched.Get()), system);
    DeleteFileA(planted.c_str());
}

// Wine has every function of the list, as Windows 10 does.
TEST(SystemLibraries, EveryListedFunctionIsFound) {
    EXPECT_NE(Kernel32().SetDefaultDllDirectories, nullptr);
    EXPECT_NE(User32().GetDpiForWindow, nullptr);
    EXPECT_NE(User32().RegisterPowerSettingNotification, nullptr);
    EXPECT_NE(User32().UnregisterPowerSettingNotification, nullptr);
    EXPECT_NE(Winmm().timeBeginPeriod, nullptr);
    EXPECT_NE(Winmm().timeEndPeriod, nullptr);
}

}  // namespace
