// Start-up end to end: the real screen saver started with a command line, as
// the display settings start it.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <new>
#include <ostream>
#include <stdexcept>
#include <string>

#include "driver/DisplaySettings.h"
#include "ui/FatalError.h"
#include "ui/Scoped.h"

namespace {

// True when the offset from the executable's load address lies in one of its
// code sections, as the address of the code that raised an error must.
bool IsCodeOffsetOfSaver(std::uintptr_t offset) {
    const ScopedLibrary image(LoadLibraryExA(SaverPath(), nullptr, DONT_RESOLVE_DLL_REFERENCES));
    if (!image) return false;
    const auto* base = reinterpret_cast<const BYTE*>(image.Get());
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    bool inCode = false;
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
        inCode |= (section->Characteristics & IMAGE_SCN_CNT_CODE) && offset >= section->VirtualAddress &&
                  offset < section->VirtualAddress + section->Misc.VirtualSize;
    }
    return inCode;
}

// The address in "... bei <address>.": the hexadecimal digits, pointer-wide.
bool ReadReportAddress(const std::string& report, std::string& hex, std::uintptr_t& address) {
    const auto start = report.find(" bei ");
    if (start == std::string::npos) return false;
    hex = report.substr(start + 5, 2 * sizeof(void*));
    if (hex.size() != 2 * sizeof(void*) || hex.find_first_not_of("0123456789ABCDEF") != std::string::npos) {
        return false;
    }
    address = static_cast<std::uintptr_t>(std::stoull(hex, nullptr, 16));
    return true;
}

// The box shows an icon beside its text (which one, the icon handle of another
// process cannot tell).
bool ShowsAnIcon(HWND box) {
    for (HWND label : ChildWindows(box, "Static")) {
        if ((GetWindowLongA(label, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(label) &&
            SendMessageA(label, STM_GETICON, 0, 0) != 0) {
            return true;
        }
    }
    return false;
}

// The system's texts are Windows-1252: "\xFC" is "ü".
constexpr const char* kRangeMessage =
    "Fehler bei Bereichspr\xFC"
    "fung";

struct MalformedCase {
    const char* name;
    const char* arguments;
    const char* typeName;
    const char* message;  // as raised, without the final full stop
};

void PrintTo(const MalformedCase& row, std::ostream* out) {
    *out << "[" << row.arguments << "]";
}

class MalformedCommandLine : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedCommandLine, ShowsTheFatalReportThenExitsWithCode1) {
    const MalformedCase& row = GetParam();
    SaverProcess saver(row.arguments);
    const HWND box = saver.WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "no error box for " << row.arguments;
    EXPECT_EQ(WindowText(box), "Anwendungsfehler");
    EXPECT_TRUE(ShowsAnIcon(box));

    const std::string report = MessageBoxText(box);
    std::string hex;
    std::uintptr_t address = 0;
    ASSERT_TRUE(ReadReportAddress(report, hex, address)) << report;
    EXPECT_EQ(report, std::string("Exception ") + row.typeName + " in Modul Solquera.scr bei " + hex +
                          ".\r\n" + row.message + ".\r\n");
    EXPECT_TRUE(IsCodeOffsetOfSaver(address)) << "bei " << hex;

    ASSERT_TRUE(ClickButton(GetDlgItem(box, IDOK)));
    DWORD exitCode = 99;
    ASSERT_TRUE(saver.WaitForExit(kPromptly, exitCode)) << "still running after the box was closed";
    EXPECT_EQ(exitCode, 1u);
}

INSTANTIATE_TEST_SUITE_P(Startup, MalformedCommandLine,
                         testing::Values(MalformedCase{"PreviewWithoutHandle", "/p", "ConvertError",
                                                       "'' ist kein g\xFCltiger Integerwert"},
                                         MalformedCase{"LoneSlash", "/", "RangeError", kRangeMessage},
                                         MalformedCase{"ConfigWithTextHandle", "/c:abc", "ConvertError",
                                                       "'ABC' ist kein g\xFCltiger Integerwert"}),
                         [](const testing::TestParamInfo<MalformedCase>& info) {
                             return std::string(info.param.name);
                         });

// What escapes the start-up need not be an error of the program's own: an
// allocation that fails, an exception of the standard library or of no kind
// at all gets the same report (here shown by this process).
TEST(Startup, ExceptionsOfEveryKindGetTheFatalReport) {
    const struct {
        const char* typeName;
        const char* message;
        std::function<void()> raise;
    } rows[] = {
        {"std::bad_alloc", "std::bad_alloc", [] { throw std::bad_alloc(); }},
        {"std::out_of_range", "no such photograph", [] { throw std::out_of_range("no such photograph"); }},
        {"int", "Unbekannte Ausnahme", [] { throw 42; }},
    };
    for (const auto& row : rows) {
        OwnMessageBoxAnswer answer;
        try {
            row.raise();
        } catch (...) {
            ReportFatalException();
        }
        answer.Wait();
        ASSERT_TRUE(answer.Seen()) << row.typeName;
        EXPECT_EQ(answer.Caption(), "Anwendungsfehler");
        const std::string start = std::string("Exception ") + row.typeName + " in Modul win_tests.exe bei ";
        const std::string end = std::string(".\r\n") + row.message + ".\r\n";
        EXPECT_TRUE(answer.Text().starts_with(start) && answer.Text().ends_with(end)) << answer.Text();
        std::string hex;
        std::uintptr_t address = 0;
        EXPECT_TRUE(ReadReportAddress(answer.Text(), hex, address)) << answer.Text();
    }
}

// Modes other than the saver's and the password's open the configuration
// dialog; closing it ends the process normally.
void ExpectConfigurationDialog(const std::string& arguments) {
    SaverProcess saver(arguments);
    const HWND dialog = saver.WaitForWindow("SolqueraForm");
    ASSERT_NE(dialog, nullptr) << "'" << arguments << "' shows no dialog";
    EXPECT_EQ(WindowText(dialog), "Orvandel - Solquera") << arguments;
    ASSERT_TRUE(PressButton(dialog, "Cancel")) << arguments;
    DWORD exitCode = 99;
    ASSERT_TRUE(saver.WaitForExit(kPromptly, exitCode)) << "'" << arguments << "' still runs";
    EXPECT_EQ(exitCode, 0u) << arguments;
}

TEST(Startup, UnknownModeLetterOpensTheConfiguration) {
    ExpectConfigurationDialog("/x");
}

TEST(Startup, NoArgumentOpensTheConfiguration) {
    ExpectConfigurationDialog("");
}

}  // namespace
