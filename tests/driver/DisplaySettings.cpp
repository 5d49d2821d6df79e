#include "driver/DisplaySettings.h"

#include <tlhelp32.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace {

struct WindowSearch {
    DWORD processId;
    const char* className;
    std::vector<HWND> found;
};

bool HasClass(HWND window, const char* className) {
    return !className || lstrcmpiA(ClassName(window).c_str(), className) == 0;
}

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && HasClass(window, search.className)) search.found.push_back(window);
    return TRUE;
}

}  // namespace

SaverProcess::SaverProcess(const std::string& arguments) {
    std::string commandLine = std::string("\"") + SaverPath() + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(SaverPath(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info_)) {
        throw std::runtime_error("cannot start " + commandLine);
    }
}

SaverProcess::~SaverProcess() {
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool SaverProcess::WaitForExit(std::chrono::milliseconds timeout, DWORD& exitCode) {
    if (!WaitForObject(info_.hProcess, timeout)) return false;
    return GetExitCodeProcess(info_.hProcess, &exitCode) != FALSE;
}

std::vector<HWND> SaverProcess::TopLevelWindows(const char* className) const {
    return TopLevelWindowsOf(info_.dwProcessId, className);
}

std::vector<HWND> SaverProcess::VisibleWindows(const char* className) const {
    std::vector<HWND> visible;
    for (HWND window : TopLevelWindows(className)) {
        if (IsWindowVisible(window)) visible.push_back(window);
    }
    return visible;
}

HWND SaverProcess::WaitForWindow(const char* className, std::chrono::milliseconds timeout) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            const auto windows = VisibleWindows(className);
            found = windows.empty() ? nullptr : windows.front();
            return found != nullptr;
        },
        timeout);
    return found;
}

HWND SaverProcess::WaitForMessageBox(std::chrono::milliseconds timeout) const {
    return WaitForWindow("#32770", timeout);
}

bool SaverProcess::WaitUntilIdle(std::chrono::milliseconds timeout) const {
    return WaitUntil([&] { return WaitForInputIdle(info_.hProcess, 0) == 0; }, timeout);
}

std::string WindowText(HWND window) {
    // Asked with a timeout, so that a saver busy or hung fails the test
    // instead of blocking it.
    constexpr UINT kAnswerMs = 5000;
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerMs, &length)) return {};
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kAnswerMs, &copied)) {
        return {};
    }
    text.resize(copied);
    return text;
}

std::string ClassName(HWND window) {
    char name[256];
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::vector<HWND> ChildWindows(HWND parent, const char* className) {
    std::vector<HWND> children;
    for (HWND child = FindWindowExA(parent, nullptr, className, nullptr); child;
         child = FindWindowExA(parent, child, className, nullptr)) {
        children.push_back(child);
    }
    return children;
}

std::vector<std::string> ChildTexts(HWND parent, const char* className) {
    std::vector<std::string> texts;
    for (HWND child : ChildWindows(parent, className)) texts.push_back(WindowText(child));
    return texts;
}

bool ClickButton(HWND button) {
    // A posted notification reaches the owner whether or not the dialog is
    // active, which a simulated mouse click (BM_CLICK) does not promise.
    if (!button || !IsWindowEnabled(button)) return false;
    return PostMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                        reinterpret_cast<LPARAM>(button)) != FALSE;
}

namespace {

struct ButtonSearch {
    const char* caption;
    HWND found;
};

BOOL CALLBACK FindButton(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<ButtonSearch*>(context);
    if (ClassName(window) == "Button" && WindowText(window) == search.caption) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool PressButton(HWND dialog, const char* caption) {
    ButtonSearch search{caption, nullptr};
    EnumChildWindows(dialog, FindButton, reinterpret_cast<LPARAM>(&search));
    return ClickButton(search.found);
}

std::string MessageBoxText(HWND box) {
    // Windows and Wine give the text control different ids; the icon is the
    // other static control.
    for (HWND label : ChildWindows(box, "Static")) {
        if ((GetWindowLongA(label, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) return WindowText(label);
    }
    return {};
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId, const char* className) {
    WindowSearch search{processId, className, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string TempDirectory() {
    char path[MAX_PATH + 1];
    GetTempPathA(MAX_PATH, path);
    return path;
}

std::vector<std::string> TempFiles(const std::string& pattern) {
    std::vector<std::string> paths;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((TempDirectory() + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return paths;
    do paths.push_back(TempDirectory() + found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return paths;
}

std::string ReadFileBytes(const std::string& path) {
    std::string bytes;
    const HANDLE file =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

PreviewParent::PreviewParent() {
    // Like the display settings' preview area, it keeps its painting off the
    // saver's window inside it.
    handle_ = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 200, 150, 152, 112,
                              nullptr, nullptr, nullptr, nullptr);
}

PreviewParent::~PreviewParent() {
    if (IsWindow(handle_)) DestroyWindow(handle_);
}

std::string PreviewParent::Argument() const {
    return "/p " + std::to_string(static_cast<long long>(reinterpret_cast<std::intptr_t>(handle_)));
}

HWND PreviewParent::WaitForSaverChild() const {
    HWND child = nullptr;
    WaitUntil([&] { return (child = FindWindowExA(handle_, nullptr, kFormClass, nullptr)) != nullptr; });
    return child;
}

bool ProcessRuns(const char* exeName) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32First(snapshot, &entry); more && !found;
         more = Process32Next(snapshot, &entry)) {
        found = lstrcmpiA(entry.szExeFile, exeName) == 0;
    }
    CloseHandle(snapshot);
    return found;
}

const char* SaverPath() {
    return SOLQUERA_SCR;
}

bool SendPowerSetting(HWND window, const GUID& setting, DWORD value) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return false;
    // The record ends in the value's first byte: room for the whole value.
    const POWERBROADCAST_SETTING record{setting, sizeof value, {}};
    std::vector<char> bytes(sizeof record + sizeof value);
    std::memcpy(bytes.data(), &record, sizeof record);
    std::memcpy(bytes.data() + offsetof(POWERBROADCAST_SETTING, Data), &value, sizeof value);
    void* remote = VirtualAllocEx(process, nullptr, bytes.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    const bool sent = remote && WriteProcessMemory(process, remote, bytes.data(), bytes.size(), nullptr) &&
                      SendMessageTimeoutA(window, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE,
                                          reinterpret_cast<LPARAM>(remote), SMTO_BLOCK, 5000, nullptr);
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return sent;
}
