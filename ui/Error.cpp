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

// Each raiser stays out of line so that its return address is the code that
// raised the error, not the raiser itself.
#define SOLQUERA_RAISER __attribute__((noinline, noreturn))

SOLQUERA_RAISER void RaiseRangeError() {
    throw Error("RangeError",
                "Fehler bei Bereichspr\xFC"
                "fung",
                __builtin_return_address(0));
}

SOLQUERA_RAISER void RaiseConvertError(std::string_view text) {
    throw Error("ConvertError", FillIn("'%s' ist kein g\xFCltiger Integerwert", text),
                __builtin_return_address(0));
}

SOLQUERA_RAISER void RaiseRegistryReadError(std::string_view valueName) {
    throw Error("RegistryError", FillIn("Fehler beim Holen der Daten f\xFCr '%s'", valueName),
                __builtin_return_address(0));
}

SOLQUERA_RAISER void RaiseRegistryTypeError(std::string_view valueName) {
    throw Error("RegistryError", FillIn("Ung\xFCltiger Datentyp f\xFCr '%s'", valueName),
                __builtin_return_address(0));
}

SOLQUERA_RAISER void RaiseRegistryWriteError(std::string_view valueName) {
    throw Error("RegistryError", FillIn("Fehler beim Setzen der Daten f\xFCr '%s'", valueName),
                __builtin_return_address(0));
}
