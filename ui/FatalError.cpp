#include "ui/FatalError.h"

#include <windows.h>

#include <string>

#include "ui/ErrorReport.h"

namespace {

std::string ExecutableFileName() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string full(path, length);
    return full.substr(full.find_last_of("\\/") + 1);
}

}  // namespace

void ReportFatalError(const Error& error) {
    const std::string text =
        FormatFatalReport(error.TypeName(), ExecutableFileName(), error.Address(), error.what());
    MessageBoxA(nullptr, text.c_str(), kFatalReportTitle, MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}
