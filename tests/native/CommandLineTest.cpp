#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "saver/CommandLine.h"
#include "ui/Error.h"

namespace {

// The display settings start the saver by its quoted full path.
const std::string kProgram = "\"C:\\Program Files\\Solquera\\Solquera.scr\" ";

std::string ModeName(TSaverMode mode) {
    switch (mode) {
        case smNone:
            return "smNone";
        case smConfig:
            return "smConfig";
        case smPassword:
            return "smPassword";
        case smPreview:
            return "smPreview";
        case smSaver:
            return "smSaver";
    }
    return "mode " + std::to_string(static_cast<int>(mode));
}

// What a command line leads to, in one line that a failing row prints.
std::string Outcome(std::string_view commandLine) {
    try {
        const ModeChoice choice = ChooseMode(SplitArguments(commandLine));
        std::string outcome = ModeName(choice.mode) + ", parent " + std::to_string(choice.parentWindow);
        if (choice.parentIsForegroundWindow) outcome += " (foreground)";
        return outcome;
    } catch (const Error& error) {
        return std::string(error.TypeName()) + ": " + error.what();
    }
}

// The system's texts are Windows-1252: "\xFC" is "ü".
constexpr const char* kRangeError =
    "RangeError: Fehler bei Bereichspr\xFC"
    "fung";
constexpr const char* kNoHandleError = "ConvertError: '' ist kein g\xFCltiger Integerwert";

struct CommandLineRow {
    const char* arguments;  // after the program path
    const char* outcome;
};

const CommandLineRow kCommandLineRows[] = {
    {"", "smConfig, parent 0"},
    {"   ", "smConfig, parent 0"},
    // Full screen; a second argument is never used.
    {"/s", "smSaver, parent 0"},
    {"/S", "smSaver, parent 0"},
    {"-s", "smSaver, parent 0"},
    {"s", "smSaver, parent 0"},
    {"//s", "smSaver, parent 0"},
    {"-/-s", "smSaver, parent 0"},
    {"/save", "smSaver, parent 0"},
    {"/Save", "smSaver, parent 0"},
    {"/s 4711", "smSaver, parent 0"},
    {"/s abc", "smSaver, parent 0"},
    {"/s:abc", "smSaver, parent 0"},
    // Preview: the handle after a colon or as the second argument.
    {"/p 4711", "smPreview, parent 4711"},
    {"/l 4711", "smPreview, parent 4711"},
    {"/P 4711", "smPreview, parent 4711"},
    {"/p:4711", "smPreview, parent 4711"},
    {"/L:4711", "smPreview, parent 4711"},
    {"/pc 4711", "smPreview, parent 4711"},
    {"/p:4711 815", "smPreview, parent 4711"},
    {"/p 4711 815", "smPreview, parent 4711"},
    {"/p -5", "smPreview, parent -5"},
    {"/p $FFFFFFFF", "smPreview, parent -1"},
    {"/p x1f", "smPreview, parent 31"},
    {"/p:x1f", "smPreview, parent 31"},
    {"/p \"  4711\"", "smPreview, parent 4711"},
    // A bare number is a preview handle; the test comes before any stripping.
    {"4711", "smPreview, parent 4711"},
    {"-5", "smPreview, parent -5"},
    {"+5", "smPreview, parent 5"},
    {"$1F", "smPreview, parent 31"},
    {"x1f", "smPreview, parent 31"},
    {"0x1F", "smPreview, parent 31"},
    {"\" 4711\"", "smPreview, parent 4711"},
    // Configuration: a given handle, else the foreground window.
    {"/c", "smConfig, parent 0 (foreground)"},
    {"/c:", "smConfig, parent 0 (foreground)"},
    {"/config", "smConfig, parent 0 (foreground)"},
    {"/c: 4711", "smConfig, parent 0 (foreground)"},
    {"/c:4711", "smConfig, parent 4711"},
    {"/c 4711", "smConfig, parent 4711"},
    {"/C:$10", "smConfig, parent 16"},
    // Password change.
    {"/a 4711", "smPassword, parent 4711"},
    {"/a:4711", "smPassword, parent 4711"},
    {"/A:X1F", "smPassword, parent 31"},
    // No mode letter: nothing set, the dispatch opens the configuration.
    {"/x", "smNone, parent 0"},
    {"/b", "smNone, parent 0"},
    {"/5", "smNone, parent 0"},
    {"/x 4711", "smNone, parent 0"},
    {":p 4711", "smNone, parent 0"},
    {"/\xE4", "smNone, parent 0"},
    // A handle that is no integer.
    {"/p", kNoHandleError},
    {"/l", kNoHandleError},
    {"/a", kNoHandleError},
    {"/p:", kNoHandleError},
    {"/p: 4711", kNoHandleError},
    {"/p4711", kNoHandleError},
    {"/p abc", "ConvertError: 'abc' ist kein g\xFCltiger Integerwert"},
    {"/p:abc", "ConvertError: 'ABC' ist kein g\xFCltiger Integerwert"},
    {"/c:abc", "ConvertError: 'ABC' ist kein g\xFCltiger Integerwert"},
    {"/c abc", "ConvertError: 'abc' ist kein g\xFCltiger Integerwert"},
    {"/c:\xE4", "ConvertError: '\xE4' ist kein g\xFCltiger Integerwert"},
    {"/p 2147483648", "ConvertError: '2147483648' ist kein g\xFCltiger Integerwert"},
    {"/a 12x", "ConvertError: '12x' ist kein g\xFCltiger Integerwert"},
    // Nothing left once blanks, slashes and dashes are stripped.
    {"/", kRangeError},
    {"--", kRangeError},
    {"-", kRangeError},
    {"\"   \"", kRangeError},
    {"\" / - \" 4711", kRangeError},
    {"/ p 4711", kRangeError},
    // Quoting and separators as the argument splitter reads them.
    {"\"/ p\" 4711", "smPreview, parent 4711"},
    {"\"/p\" \"4711\"", "smPreview, parent 4711"},
    {"\"\" /s", "smSaver, parent 0"},
    {"/p \"\" 4711", "smPreview, parent 4711"},
    {"/p\t4711", "smPreview, parent 4711"},
    {"/p \"", kNoHandleError},
};

TEST(CommandLine, EveryFormGivesItsModeAndParentOrError) {
    for (const CommandLineRow& row : kCommandLineRows) {
        EXPECT_EQ(Outcome(kProgram + row.arguments), row.outcome) << "arguments: [" << row.arguments << "]";
    }
}

TEST(CommandLine, ErrorsKnowTheCodeThatRaisedThem) {
    for (const char* arguments : {"/p", "/"}) {
        try {
            ChooseMode(SplitArguments(kProgram + arguments));
            ADD_FAILURE() << "no error for " << arguments;
        } catch (const Error& error) {
            EXPECT_NE(error.Address(), nullptr) << arguments;
        }
    }
}

TEST(CommandLine, EachModeStartsItsEntry) {
    EXPECT_EQ(EntryFor(smNone), ModeEntry::RunConfig);
    EXPECT_EQ(EntryFor(smConfig), ModeEntry::RunConfig);
    EXPECT_EQ(EntryFor(smPassword), ModeEntry::ChangePassword);
    EXPECT_EQ(EntryFor(smPreview), ModeEntry::StartSaver);
    EXPECT_EQ(EntryFor(smSaver), ModeEntry::StartSaver);
}

struct SplitRow {
    const char* commandLine;  // whole, program path included
    const char* arguments;    // each in brackets
};

const SplitRow kSplitRows[] = {
    {"", ""},
    {"saver.scr", ""},
    {"saver.scr /p 4711", "[/p][4711]"},
    {"   saver.scr   /p    4711   ", "[/p][4711]"},
    {"C:\\SOLQUERA.SCR /s", "[/s]"},
    {"\"C:\\Program Files\\Sol quera.scr\" /s", "[/s]"},
    {"\"C:\\Program Files\\Sol quera.scr\"/s", ""},  // a closing quote ends no item
    {"C:\\Program\" Files\"\\Solquera.scr /s", "[/s]"},
    // Quotes group blanks and are dropped, wherever they stand.
    {"saver.scr \"a b\" c", "[a b][c]"},
    {"saver.scr a\"b c\"d", "[ab cd]"},
    {"saver.scr \"ab\"\"cd\"", "[abcd]"},
    {"saver.scr a\"\"b", "[ab]"},
    {"saver.scr \"a\tb\"", "[a\tb]"},
    {"saver.scr \"/p 4711", "[/p 4711]"},
    // A pair of quotes where an item would begin is no item.
    {"saver.scr \"\" /s", "[/s]"},
    {"saver.scr \"\"\"\" /s", "[/s]"},
    {"saver.scr \"\"/s", "[/s]"},
    {"saver.scr /s \"\"", "[/s]"},
    {"\"\" saver.scr /s", "[/s]"},
    // The count ends at the first empty item.
    {"saver.scr /s \"", "[/s]"},
    {"saver.scr \"", ""},
    // Control characters separate like blanks; bytes above 127 do not.
    {"saver.scr\t/p\t4711", "[/p][4711]"},
    {"saver.scr\x01/p\x1Fx1f\r\n", "[/p][x1f]"},
    {"saver.scr /\xFC\xA0x", "[/\xFC\xA0x]"},
};

std::string Bracketed(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += "[" + item + "]";
    return text;
}

TEST(CommandLine, SplitsArgumentsAfterTheProgramPath) {
    for (const SplitRow& row : kSplitRows) {
        EXPECT_EQ(Bracketed(SplitArguments(row.commandLine)), row.arguments)
            << "command line: [" << row.commandLine << "]";
    }
}

}  // namespace
