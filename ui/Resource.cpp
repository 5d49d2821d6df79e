#include "ui/Resource.h"

#include <windows.h>

#include <string>

#include "ui/Error.h"

namespace {

ErrorText ResourceMissing(const std::string& name) {
    return {"ResourceError", "Ressource " + name + " nicht gefunden"};
}

std::string_view Bytes(LPCSTR name, const std::string& shownName) {
    const HMODULE executable = GetModuleHandleA(nullptr);
    const HRSRC resource = FindResourceA(executable, name, MAKEINTRESOURCEA(10));
    const HGLOBAL loaded = resource ? LoadResource(executable, resource) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) Raise(ResourceMissing(shownName));
    return {static_cast<const char*>(bytes), SizeofResource(executable, resource)};
}

}  // namespace

std::string_view ResourceBytes(const char* name) {
    return Bytes(name, name);
}

std::string_view ResourceBytes(int number) {
    return Bytes(MAKEINTRESOURCEA(number), std::to_string(number));
}
