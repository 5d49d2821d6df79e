#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include <stdexcept>

#include "ui/ErrorReport.h"
#include "ui/ShutdownSteps.h"

namespace {

constexpr std::size_t kAddressDigits = 2 * sizeof(void*);

TEST(ErrorReport, FatalReportReadsByteForByte) {
    const std::string address = std::string(kAddressDigits - 4, '0') + "1A2B";
    EXPECT_EQ(
        FormatFatalReport("ConvertError", "Solquera.scr", 0x1A2B, "'ABC' ist kein g\xFCltiger Integerwert"),
        "Exception ConvertError in Modul Solquera.scr bei " + address +
            ".\r\n'ABC' ist kein g\xFCltiger Integerwert.\r\n");
    EXPECT_EQ(FormatFatalReport("RangeError", "Solquera.scr", 0x1A2B, "Fehler."),
              "Exception RangeError in Modul Solquera.scr bei " + address + ".\r\nFehler.\r\n");
}

TEST(ErrorReport, AddressIsAsWideAsAPointer) {
    const auto AddressIn = [](std::uintptr_t address) {
        const std::string report = FormatFatalReport("E", "M", address, "m");
        const auto start = report.find(" bei ") + 5;
        return report.substr(start, report.find(".\r\n") - start);
    };
    EXPECT_EQ(AddressIn(0), std::string(kAddressDigits, '0'));
    EXPECT_EQ(AddressIn(UINTPTR_MAX), std::string(kAddressDigits, 'F'));
    EXPECT_EQ(AddressIn(0xABCDEF), std::string(kAddressDigits - 6, '0') + "ABCDEF");
}

TEST(ErrorReport, MessageEndsWithOneFullStop) {
    const struct {
        const char* message;
        const char* shown;
    } rows[] = {
        {"Fehler", "Fehler."},
        {"Fehler.", "Fehler."},
        {"Fehler..", "Fehler.."},
        {"Fehler. ", "Fehler. ."},
        {"", "."},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(WithFinalPeriod(row.message), row.shown) << "message: [" << row.message << "]";
    }
}

}  // namespace

// A restore that fails, with our error or any other, must not keep the temp
// files or the quit message from coming.
TEST(ShutdownSteps, EveryStepRunsAndTheFirstFailureIsRaisedAgain) {
    ShutdownSteps steps;
    int ran = 0;
    steps.Run([] { throw 42; });
    steps.Run([&] { ++ran; });
    steps.Run([] { throw std::runtime_error("second"); });
    steps.Run([&] { ++ran; });
    EXPECT_EQ(ran, 2);
    EXPECT_THROW(steps.RaiseFirstFailure(), int);
    EXPECT_NO_THROW(ShutdownSteps().RaiseFirstFailure());
}
