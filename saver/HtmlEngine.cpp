#include "saver/HtmlEngine.h"

#include <windows.h>
#include <objbase.h>

#include <string>

#include "saver/EngineVersion.h"

namespace {

// The engine's HTML document class; MinGW's import libraries lack its identifier.
constexpr CLSID kHtmlDocumentClass = {
    0x25336920, 0x03F9, 0x11CF, {0x8F, 0xD0, 0x00, 0xAA, 0x00, 0x68, 0x6F, 0x13}};

// The engine's version as its setup records it; empty when there is none.
std::string EngineVersion() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Internet Explorer", 0, KEY_QUERY_VALUE,
                      &key) != ERROR_SUCCESS) {
        return {};
    }
    char text[64] = "";
    DWORD size = sizeof text - 1;
    DWORD type = 0;
    const LONG result =
        RegQueryValueExA(key, "Version", nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ) return {};
    text[size] = '\0';
    return text;
}

bool CanCreateHtmlDocument() {
    IUnknown* document = nullptr;
    if (FAILED(CoCreateInstance(kHtmlDocumentClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                reinterpret_cast<void**>(&document)))) {
        return false;
    }
    document->Release();
    return true;
}

}  // namespace

bool HtmlEnginePlaysTransitions() {
    return EnginePlaysPageTransitions(EngineVersion()) && CanCreateHtmlDocument();
}
