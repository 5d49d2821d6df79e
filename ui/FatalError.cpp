#include "ui/FatalError.h"

#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/ErrorReport.h"

namespace {

std::string FileNameOf(HMODULE module) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    const std::string full(path, length);
    return full.substr(full.find_last_of("\\/") + 1);
}

// Where the raising code lies: its module and its offset there, which stays
// the same from run to run wherever the loader puts the module.
struct CodeLocation {
    std::string moduleName;
    std::uintptr_t offset;
};

CodeLocation LocateCode(const void* address) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExA(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            static_cast<LPCSTR>(address), &module)) {
        return {FileNameOf(nullptr), reinterpret_cast<std::uintptr_t>(address)};
    }
    return {FileNameOf(module),
            reinterpret_cast<std::uintptr_t>(address) - reinterpret_cast<std::uintptr_t>(module)};
}

}  // namespace

void ReportFatalError(const Error& error) {
    const CodeLocation where = LocateCode(error.Address());
    const std::string text =
        FormatFatalReport(error.TypeName(), where.moduleName, where.offset, error.what());
    MessageBoxA(nullptr, text.c_str(), kFatalReportTitle, MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}
