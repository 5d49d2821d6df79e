#include "ui/Error.h"

Error::Error(const char* typeName, const std::string& message, const void* address)
    : std::runtime_error(message), typeName_(typeName), address_(address) {}

namespace {

// The format with its one "%s" replaced by the text.
std::string FillIn(std::string_view format, std::string_view text) {
    const auto at = format.find("%s");
    std::string result(format.substr(0, at));
    result += text;
    result += format.substr(at + 2);
    return result;
}

}  // namespace

// Its return address is the raising code only while no caller inlines it.
__attribute__((noinline, noreturn)) void Raise(const ErrorText& error) {
    throw Error(error.typeName, error.message, __builtin_return_address(0));
}

ErrorText RangeError() {
    return {"RangeError",
            "Fehler bei Bereichspr\xFC"
            "fung"};
}

ErrorText ConvertError(std::string_view text) {
    return {"ConvertError", FillIn("'%s' ist kein g\xFCltiger Integerwert", text)};
}

ErrorText RegistryReadError(std::string_view valueName) {
    return {"RegistryError", FillIn("Fehler beim Holen der Daten f\xFCr '%s'", valueName)};
}

ErrorText RegistryTypeError(std::string_view valueName) {
    return {"RegistryError", FillIn("Ung\xFCltiger Datentyp f\xFCr '%s'", valueName)};
}

ErrorText RegistryWriteError(std::string_view valueName) {
    return {"RegistryError", FillIn("Fehler beim Setzen der Daten f\xFCr '%s'", valueName)};
}
