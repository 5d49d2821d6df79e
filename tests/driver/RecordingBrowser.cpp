#include "driver/RecordingBrowser.h"

#include <cstdio>

#include "driver/DisplaySettings.h"

namespace {

constexpr const char* kCommandKey = "Software\\Classes\\http\\shell\\open\\command";

}  // namespace

RecordingBrowser::RecordingBrowser() : record_(TempDirectory() + "recording-browser.txt") {
    DeleteFileA(record_.c_str());
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, kCommandKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                    nullptr, &key_, nullptr);
    DWORD size = sizeof saved_;
    if (RegQueryValueExA(key_, nullptr, nullptr, &savedType_, saved_, &size) != ERROR_SUCCESS) size = 0;
    savedSize_ = size;
    const std::string command = "C:\\windows\\system32\\cmd.exe /c echo %1>>\"" + record_ + "\"";
    RegSetValueExA(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                   static_cast<DWORD>(command.size() + 1));
}

RecordingBrowser::~RecordingBrowser() {
    if (savedSize_ > 0) {
        RegSetValueExA(key_, nullptr, 0, savedType_, saved_, savedSize_);
    } else {
        RegDeleteValueA(key_, nullptr);
    }
    RegCloseKey(key_);
    DeleteFileA(record_.c_str());
}

std::vector<std::string> RecordingBrowser::Opened() const {
    std::vector<std::string> lines;
    FILE* in = std::fopen(record_.c_str(), "rb");
    if (!in) return lines;
    char line[1024];
    while (std::fgets(line, sizeof line, in)) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
            text.pop_back();
        }
        lines.push_back(text);
    }
    std::fclose(in);
    return lines;
}
