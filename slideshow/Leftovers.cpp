#include "slideshow/Leftovers.h"

#include <algorithm>
#include <cctype>

namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// What follows the file name's last dot; empty without one.
std::string_view ExtensionOf(std::string_view path) {
    const std::size_t nameStart = path.find_last_of("\\/") + 1;  // npos + 1 is 0
    const std::size_t dot = path.rfind('.');
    return dot == std::string_view::npos || dot < nameStart ? std::string_view() : path.substr(dot + 1);
}

}  // namespace

std::string WithExtension(std::string_view path, std::string_view extension) {
    const std::string_view old = ExtensionOf(path);
    std::string result(path.substr(0, path.size() - old.size()));
    if (old.empty() && !result.ends_with('.')) result += '.';
    result += extension;
    return result;
}

TempFileKind KindOf(std::string_view path) {
    const std::string_view extension = ExtensionOf(path);
    if (EqualIgnoringCase(extension, "htm")) return TempFileKind::Page;
    if (EqualIgnoringCase(extension, "jpg")) return TempFileKind::Photo;
    if (EqualIgnoringCase(extension, "tmp")) return TempFileKind::Reservation;
    return TempFileKind::Other;
}

bool MayBeLeftover(const FoundTempFile& file) {
    if (file.kind == TempFileKind::Other || file.reservationHeld) return false;
    if (file.kind == TempFileKind::Reservation) return true;
    // A time after the search's own (a clock set back) is not old.
    return file.writtenAt <= file.now && file.now - file.writtenAt >= kLeftoverAge;
}
