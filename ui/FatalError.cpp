#include "ui/FatalError.h"

#include <windows.h>

#include <cxxabi.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <typeinfo>

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

// The exception's type as the program spells it; a standard library without
// demangling gives the name as the compiler wrote it.
std::string TypeNameOfCurrentException() {
    const std::type_info* type = abi::__cxa_current_exception_type();
    if (!type) return kUnknownExceptionMessage;
    int status = -1;
    char* readable = abi::__cxa_demangle(type->name(), nullptr, nullptr, &status);
    std::string name = status == 0 && readable ? readable : type->name();
    std::free(readable);
    return name;
}

void ShowFatalReport(std::string_view typeName, const void* address, std::string_view message) {
    const CodeLocation where = LocateCode(address);
    const std::string text = FormatFatalReport(typeName, where.moduleName, where.offset, message);
    MessageBoxA(nullptr, text.c_str(), kFatalReportTitle, MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

}  // namespace

__attribute__((noinline)) void ReportFatalException() noexcept {
    // Where it was caught: the only code address known of an exception not ours.
    const void* catcher = __builtin_return_address(0);
    try {
        try {
            throw;
        } catch (const Error& error) {
            ShowFatalReport(error.TypeName(), error.Address(), error.what());
        } catch (const std::exception& error) {
            ShowFatalReport(TypeNameOfCurrentException(), catcher, error.what());
        } catch (...) {
            ShowFatalReport(TypeNameOfCurrentException(), catcher, kUnknownExceptionMessage);
        }
    } catch (...) {
        // The report itself failed (no memory for its text): the box in its plainest form.
        MessageBoxA(nullptr, kUnknownExceptionMessage, kFatalReportTitle, MB_OK | MB_ICONSTOP | MB_TASKMODAL);
    }
}
