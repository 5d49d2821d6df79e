#include "driver/DisplaySettings.h"

#include <stdexcept>
#include <thread>

SaverProcess::SaverProcess(const std::string& arguments) {
    std::string commandLine = std::string("\"") + SaverPath() + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(SaverPath(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info_)) {
        throw std::runtime_error("cannot start " + commandLine);
    }
    WaitForInputIdle(info_.hProcess, 5000);
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
    if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) return false;
    GetExitCodeProcess(info_.hProcess, &exitCode);
    return true;
}

namespace {

struct WindowSearch {
    DWORD processId;
    const char* className;
    std::vector<HWND> found;
};

bool HasClass(HWND window, const char* className) {
    if (!className) return true;
    char name[256];
    return GetClassNameA(window, name, sizeof name) && lstrcmpiA(name, className) == 0;
}

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && HasClass(window, search.className)) search.found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> SaverProcess::TopLevelWindows(const char* className) const {
    WindowSearch search{info_.dwProcessId, className, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND SaverProcess::WaitForWindow(const char* className, std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        for (HWND window : TopLevelWindows(className)) {
            if (IsWindowVisible(window)) return window;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } while (std::chrono::steady_clock::now() < deadline);
    return nullptr;
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), length + 1)));
    return text;
}

std::vector<std::string> ChildTexts(HWND parent, const char* className) {
    std::vector<std::string> texts;
    for (HWND child = FindWindowExA(parent, nullptr, className, nullptr); child;
         child = FindWindowExA(parent, child, className, nullptr)) {
        texts.push_back(WindowText(child));
    }
    return texts;
}

bool PressButton(HWND dialog, const char* caption) {
    const HWND button = FindWindowExA(dialog, nullptr, "Button", caption);
    if (!button) return false;
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    return true;
}

std::string MessageBoxText(HWND box) {
    // The message is the dialog's static control with id 0xFFFF; the icon is another static.
    const HWND text = GetDlgItem(box, 0xFFFF);
    return text ? WindowText(text) : std::string();
}

const char* SaverPath() {
    return SOLQUERA_SCR;
}
