// How the screen-saver command line names a run mode and a parent window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum TSaverMode : std::uint8_t {
    smNone = 0,  // no mode recognised: treated like smConfig
    smConfig = 1,
    smPassword = 2,
    smPreview = 3,
    smSaver = 4,
};

// The process's arguments after the program path, up to the first empty one.
// Items are separated by runs of blanks and control characters; double quotes
// start and end stretches that may hold blanks and are dropped; a pair of
// double quotes where an item would begin is skipped.
std::vector<std::string> SplitArguments(std::string_view commandLine);

struct ModeChoice {
    TSaverMode mode = smNone;
    std::int32_t parentWindow = 0;
    // "/c" without a handle: the parent is whatever window is in the
    // foreground, which only the caller can ask the system for.
    bool parentIsForegroundWindow = false;
};

// Reads the mode and the parent from the arguments. Raises the range error
// for a first argument made only of blanks, "/" and "-", and the conversion
// error for a handle that is no integer.
ModeChoice ChooseMode(const std::vector<std::string>& arguments);

// Which entry a mode starts.
enum class ModeEntry { ChangePassword, StartSaver, RunConfig };
ModeEntry EntryFor(TSaverMode mode);
