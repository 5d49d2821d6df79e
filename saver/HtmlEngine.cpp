#include "saver/HtmlEngine.h"

#include <windows.h>
#include <objbase.h>

#include <string>

#include "saver/EngineVersion.h"
#include "ui/Registry.h"
#include "ui/Scoped.h"

namespace {

// The engine's HTML document class; MinGW's import libraries lack its identifier.
constexpr CLSID kHtmlDocumentClass = {
    0x25336920, 0x03F9, 0x11CF, {0x8F, 0xD0, 0x00, 0xAA, 0x00, 0x68, 0x6F, 0x13}};

// The engine's version as its setup records it; empty when there is none.
std::string EngineVersion() {
    Registry registry(HKEY_LOCAL_MACHINE, KEY_QUERY_VALUE);
    if (!registry.OpenKey("Software\\Microsoft\\Internet Explorer", false) ||
        registry.ValueType("Version") != REG_SZ) {
        return {};
    }
    return registry.ReadString("Version");
}

bool CanCreateHtmlDocument() {
    ComPtr<IUnknown> document;
    return SUCCEEDED(
        CoCreateInstance(kHtmlDocumentClass, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&document)));
}

}  // namespace

bool HtmlEnginePlaysTransitions() {
    return EnginePlaysPageTransitions(EngineVersion()) && CanCreateHtmlDocument();
}
