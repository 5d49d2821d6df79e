// The password mode as the display settings start it: "/a" with the handle of
// the window that is to own the system's password-change dialog.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "driver/DisplaySettings.h"

namespace {

struct PasswordModeCase {
    const char* arguments;
    std::uintptr_t owner;
};

constexpr PasswordModeCase kCases[] = {
    {"/a 4711", 4711},
    {"/a:4711", 4711},
    {"/a 0", 0},
};

// A handle or pointer as Wine's traces print it: as many hex digits as a pointer has.
std::string Traced(std::uintptr_t value) {
    char text[2 * sizeof(void*) + 1];
    std::snprintf(text, sizeof text, "%0*llx", static_cast<int>(2 * sizeof(void*)),
                  static_cast<unsigned long long>(value));
    return text;
}

TEST(PasswordMode, EndsWithExitCodeZeroAndShowsNoWindowOfItsOwn) {
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.arguments);
        SaverProcess saver(row.arguments);
        bool sawWindow = false;
        DWORD code = 99;
        const bool ended = WaitUntil([&] {
            if (!saver.VisibleWindows().empty()) sawWindow = true;
            return saver.WaitForExit(std::chrono::milliseconds(0), code);
        });
        ASSERT_TRUE(ended) << "still running";
        EXPECT_EQ(code, 0u);
        EXPECT_FALSE(sawWindow);
    }
}

std::string FileContents(const std::string& path) {
    std::string text;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
            text.append(buffer, read);
        }
        std::fclose(file);
    }
    return text;
}

// How Windows sees a file of this machine: Wine maps the Unix root to Z:.
std::string WindowsPath(std::string unixPath) {
    for (char& c : unixPath) {
        if (c == '/') c = '\\';
    }
    return "Z:" + unixPath;
}

struct TracedRun {
    bool ended = false;
    DWORD exitCode = 99;
    std::string mprTrace;
};

// Runs the saver with Wine's fixme messages of MPR.DLL switched on: Wine's
// PwdChangePasswordA is a stub that reports its arguments there. Wine writes
// them to the Unix standard error, which a child of a Windows process shares
// with its parent whatever its STARTUPINFO says; so the saver is started
// through a Unix shell that sends them to a file. The shell has no Windows
// process object to wait for, so it leaves the exit code in a file too.
TracedRun RunWithMprTrace(const std::string& arguments) {
    const std::string trace = PASSWORD_MODE_RUN_DIR "/mpr-trace.txt";
    const std::string exitCode = PASSWORD_MODE_RUN_DIR "/exit-code.txt";
    const std::string traceFile = WindowsPath(trace);
    const std::string exitCodeFile = WindowsPath(exitCode);
    DeleteFileA(traceFile.c_str());
    DeleteFileA(exitCodeFile.c_str());
    std::string commandLine = "/bin/sh -c \"WINEDEBUG=fixme+mpr '" SOLQUERA_WINE_RUN "' '" +
                              std::string(SaverPath()) + "' " + arguments + " 2>'" + trace + "'; echo $? >'" +
                              exitCode + ".new'; mv '" + exitCode + ".new' '" + exitCode + "'\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION shell{};
    TracedRun run;
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &shell)) {
        return run;
    }
    CloseHandle(shell.hThread);
    CloseHandle(shell.hProcess);
    // The shell writes the exit code under another name and renames it when complete.
    run.ended = WaitUntil([&] { return GetFileAttributesA(exitCodeFile.c_str()) != INVALID_FILE_ATTRIBUTES; },
                          std::chrono::seconds(30));
    if (run.ended) run.exitCode = static_cast<DWORD>(std::stoul(FileContents(exitCodeFile)));
    run.mprTrace = FileContents(traceFile);
    DeleteFileA(traceFile.c_str());
    DeleteFileA(exitCodeFile.c_str());
    return run;
}

// The arguments of every PwdChangePasswordA call the trace reports, one a line.
std::vector<std::string> TracedPasswordChanges(const std::string& trace) {
    constexpr std::string_view kMarker = "fixme:mpr:PwdChangePasswordA ";
    std::vector<std::string> calls;
    for (std::size_t at = trace.find(kMarker); at != std::string::npos; at = trace.find(kMarker, at)) {
        at += kMarker.size();
        calls.push_back(trace.substr(at, trace.find_first_of("\r\n", at) - at));
    }
    return calls;
}

TEST(PasswordMode, AsksTheSystemToChangeTheSaverPasswordForTheGivenOwner) {
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.arguments);
        const TracedRun run = RunWithMprTrace(row.arguments);
        ASSERT_TRUE(run.ended) << "did not start or did not end";
        EXPECT_EQ(run.exitCode, 0u);
        const std::vector<std::string> expected = {"\"SCRSAVE\" " + Traced(row.owner) + " 0 " + Traced(0)};
        EXPECT_EQ(TracedPasswordChanges(run.mprTrace), expected) << run.mprTrace;
    }
}

}  // namespace
