#include "saver/CommandLine.h"

#include "saver/IntegerSyntax.h"
#include "ui/Error.h"

namespace {

bool IsSeparator(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// Reads one item from pos on and leaves pos after it; empty at the end.
std::string NextItem(std::string_view line, std::size_t& pos) {
    for (;;) {
        while (pos < line.size() && IsSeparator(line[pos])) ++pos;
        if (line.substr(pos).starts_with("\"\"")) {
            pos += 2;
        } else {
            break;
        }
    }
    std::string item;
    bool quoted = false;
    while (pos < line.size() && (quoted || !IsSeparator(line[pos]))) {
        if (line[pos] == '"') {
            quoted = !quoted;
        } else {
            item += line[pos];
        }
        ++pos;
    }
    return item;
}

std::string UpperAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

std::int32_t HandleFrom(const std::string& text) {
    const auto value = ParseInteger(text);
    if (!value) Raise(ConvertError(text));
    return *value;
}

}  // namespace

std::vector<std::string> SplitArguments(std::string_view commandLine) {
    std::size_t pos = 0;
    NextItem(commandLine, pos);  // the program's own path
    std::vector<std::string> arguments;
    for (std::string item = NextItem(commandLine, pos); !item.empty(); item = NextItem(commandLine, pos)) {
        arguments.push_back(std::move(item));
    }
    return arguments;
}

ModeChoice ChooseMode(const std::vector<std::string>& arguments) {
    ModeChoice choice;
    if (arguments.empty()) {
        choice.mode = smConfig;
        return choice;
    }
    std::string first = UpperAscii(arguments[0]);
    // A bare number is a preview handle; tested before anything is stripped,
    // so "-5" is a number while "/5" is not.
    if (const auto handle = ParseInteger(first)) {
        choice.mode = smPreview;
        choice.parentWindow = *handle;
        return choice;
    }
    const std::size_t letter = first.find_first_not_of(" /-");
    if (letter == std::string::npos) Raise(RangeError());
    first.erase(0, letter);

    std::string handleText;
    if (first.size() >= 2 && first[1] == ':') {
        handleText = first.substr(2);
    } else if (arguments.size() >= 2) {
        handleText = arguments[1];
    }

    switch (first[0]) {
        case 'A':
            choice.parentWindow = HandleFrom(handleText);
            choice.mode = smPassword;
            break;
        case 'C':
            if (handleText.empty()) {
                choice.parentIsForegroundWindow = true;
            } else {
                choice.parentWindow = HandleFrom(handleText);
            }
            choice.mode = smConfig;
            break;
        case 'L':
        case 'P':
            choice.parentWindow = HandleFrom(handleText);
            choice.mode = smPreview;
            break;
        case 'S':
            choice.mode = smSaver;
            break;
        default:
            break;
    }
    return choice;
}

ModeEntry EntryFor(TSaverMode mode) {
    switch (mode) {
        case smPassword:
            return ModeEntry::ChangePassword;
        case smPreview:
        case smSaver:
            return ModeEntry::StartSaver;
        default:
            return ModeEntry::RunConfig;
    }
}
