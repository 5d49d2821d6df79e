#include "view/PageReader.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "ui/Error.h"

namespace {

ErrorText PageError(const std::string& what) {
    return {"PageError", "The page cannot be shown: " + what};
}

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

// One start tag: its name and the attribute text up to the closing ">".
struct Tag {
    std::string_view name;
    std::string_view attributes;
};

// The next start tag at or after `from`; quoted values may hold ">" (a
// closing quote is required). Advances `from` past the tag.
std::optional<Tag> NextTag(std::string_view text, std::size_t& from) {
    const std::size_t open = text.find('<', from);
    if (open == std::string_view::npos) return std::nullopt;
    std::size_t at = open + 1;
    while (at < text.size() && !IsSpace(text[at]) && text[at] != '>') ++at;
    const std::string_view name = text.substr(open + 1, at - open - 1);
    const std::size_t attributesStart = at;
    char quote = 0;
    for (; at < text.size(); ++at) {
        if (quote) {
            if (text[at] == quote) quote = 0;
        } else if (text[at] == '"' || text[at] == '\'') {
            quote = text[at];
        } else if (text[at] == '>') {
            break;
        }
    }
    if (at == text.size()) Raise(PageError("the tag <" + std::string(name) + " is not closed"));
    from = at + 1;
    return Tag{name, text.substr(attributesStart, at - attributesStart)};
}

// The first start tag of this name (letter case aside).
std::optional<Tag> FindTag(std::string_view text, std::string_view name) {
    std::size_t from = 0;
    while (const auto tag = NextTag(text, from)) {
        if (SameLetters(tag->name, name)) return tag;
    }
    return std::nullopt;
}

// The value of an attribute, quoted or not; nullopt when the tag lacks it.
std::optional<std::string_view> Attribute(const Tag& tag, std::string_view name) {
    const std::string_view text = tag.attributes;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && IsSpace(text[at])) ++at;
        const std::size_t nameStart = at;
        while (at < text.size() && !IsSpace(text[at]) && text[at] != '=') ++at;
        const std::string_view attribute = text.substr(nameStart, at - nameStart);
        std::string_view value;
        if (at < text.size() && text[at] == '=') {
            ++at;
            if (at < text.size() && (text[at] == '"' || text[at] == '\'')) {
                const std::size_t close = text.find(text[at], at + 1);
                if (close == std::string_view::npos)
                    Raise(PageError("a value of <" + std::string(tag.name) + "> is not closed"));
                value = text.substr(at + 1, close - at - 1);
                at = close + 1;
            } else {
                const std::size_t valueStart = at;
                while (at < text.size() && !IsSpace(text[at])) ++at;
                value = text.substr(valueStart, at - valueStart);
            }
        }
        if (!attribute.empty() && SameLetters(attribute, name)) return value;
    }
    return std::nullopt;
}

std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

std::int32_t ParseInteger(std::string_view text, std::string_view what) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        Raise(PageError(std::string(what) + " " + Quoted(text) + " is not a whole number"));
    }
    return value;
}

// No screen is larger; sizes computed from a page stay well within 32 bits.
constexpr std::int32_t kLargestPageSide = 32768;

// A size in pixels: a whole number, not negative, not beyond any screen.
std::int32_t ParsePixels(const Tag& tag, std::string_view attribute) {
    const std::string what = "the " + std::string(attribute) + " of <" + std::string(tag.name) + ">";
    const auto value = Attribute(tag, attribute);
    if (!value) Raise(PageError(what + " is missing"));
    const std::int32_t pixels = ParseInteger(*value, what);
    if (pixels < 0) Raise(PageError(what + " is negative"));
    if (pixels > kLargestPageSide) {
        Raise(PageError(what + " is larger than " + std::to_string(kLargestPageSide) + " pixels"));
    }
    return pixels;
}

PixelSize ParseSize(const Tag& tag) {
    return {ParsePixels(tag, "width"), ParsePixels(tag, "height")};
}

// "Duration=3" in seconds, fractions allowed, into milliseconds.
std::int32_t ParseDuration(std::string_view text) {
    double seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (error != std::errc() || end != text.data() + text.size() || !(seconds >= 0) || seconds > 3600) {
        Raise(PageError("the transition duration " + Quoted(text) + " is not a number of seconds"));
    }
    return static_cast<std::int32_t>(std::lround(seconds * 1000));
}

// "blendTrans(Duration=3)" or "revealTrans(Duration=3,transition=12)".
ExitTransition ParseTransition(std::string_view content) {
    const std::size_t open = content.find('(');
    if (open == std::string_view::npos || content.back() != ')') {
        Raise(PageError("the exit transition " + Quoted(content) + " is malformed"));
    }
    const std::string_view filter = content.substr(0, open);
    ExitTransition result;
    if (SameLetters(filter, "blendTrans")) {
        result.kind = ExitTransition::Kind::Fade;
    } else if (SameLetters(filter, "revealTrans")) {
        result.kind = ExitTransition::Kind::Reveal;
    } else {
        Raise(PageError("the exit transition " + Quoted(filter) + " is unknown"));
    }
    bool hasDuration = false;
    bool hasPattern = false;
    std::string_view settings = content.substr(open + 1, content.size() - open - 2);
    while (!settings.empty()) {
        const std::size_t comma = settings.find(',');
        const std::string_view setting = settings.substr(0, comma);
        settings = comma == std::string_view::npos ? std::string_view() : settings.substr(comma + 1);
        const std::size_t equals = setting.find('=');
        const std::string_view key = setting.substr(0, equals);
        const std::string_view value = equals == std::string_view::npos ? "" : setting.substr(equals + 1);
        if (SameLetters(key, "Duration")) {
            result.durationMs = ParseDuration(value);
            hasDuration = true;
        } else if (SameLetters(key, "transition") && result.kind == ExitTransition::Kind::Reveal) {
            result.pattern = ParseInteger(value, "the transition number");
            hasPattern = true;
        } else {
            Raise(PageError("the exit transition setting " + Quoted(setting) + " is unknown"));
        }
    }
    if (!hasDuration) Raise(PageError("the exit transition " + Quoted(content) + " has no duration"));
    if (result.kind == ExitTransition::Kind::Reveal && !hasPattern) {
        Raise(PageError("the exit transition " + Quoted(content) + " has no transition number"));
    }
    return result;
}

}  // namespace

ExitTransition ReadExitTransition(std::string_view text) {
    std::size_t from = 0;
    while (const auto tag = NextTag(text, from)) {
        if (!SameLetters(tag->name, "meta")) continue;
        const auto equiv = Attribute(*tag, "http-equiv");
        if (!equiv || !SameLetters(*equiv, "Page-Exit")) continue;
        const auto content = Attribute(*tag, "content");
        if (!content || content->empty()) Raise(PageError("the exit tag has no transition"));
        return ParseTransition(*content);
    }
    return {};
}

namespace {

PhotoFit ReadFit(const Tag& image) {
    const auto height = Attribute(image, "height");
    const auto width = Attribute(image, "width");
    if (height && *height == "100%" && !width) return PhotoFit::Height;
    if (width && *width == "100%" && !height) return PhotoFit::Width;
    Raise(PageError("the photograph is sized neither to 100% of the height nor of the width"));
}

PagePhoto ReadPhoto(std::string_view text, const Tag& image) {
    PagePhoto photo;
    const auto source = Attribute(image, "src");
    if (!source || source->empty()) Raise(PageError("the photograph has no source"));
    photo.source = *source;
    photo.fit = ReadFit(image);
    const auto table = FindTag(text, "table");
    const auto cell = FindTag(text, "td");
    if (!table || !cell) Raise(PageError("the photograph is not in its table"));
    photo.table = ParseSize(*table);
    photo.cell = ParseSize(*cell);
    return photo;
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The names the system takes for a device in any folder and with any
// extension ("C:\photos\nul.jpg" is the null device): CON, PRN, AUX, NUL,
// CONIN$, CONOUT$, and COM or LPT with a digit (or a superscript 1, 2, 3).
bool IsDeviceName(std::string_view component) {
    std::string_view base = component.substr(0, component.find('.'));
    while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
    for (const std::string_view device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
        if (SameLetters(base, device)) return true;
    }
    if (base.size() != 4 ||
        !(SameLetters(base.substr(0, 3), "COM") || SameLetters(base.substr(0, 3), "LPT"))) {
        return false;
    }
    const char number = base[3];
    return (number >= '0' && number <= '9') || number == '\xB9' || number == '\xB2' || number == '\xB3';
}

// A file on a drive letter: "X:\" and a path of plain names below it. Not a
// drive-relative path, nor one with a second colon (an alternate data stream).
bool IsFileOnDrive(std::string_view path) {
    if (path.size() < 4 || !IsLetter(path[0]) || path[1] != ':' || !IsSeparator(path[2])) return false;
    const std::string_view below = path.substr(3);
    if (below.find(':') != std::string_view::npos || IsSeparator(below.back())) return false;
    std::size_t start = 0;
    while (start <= below.size()) {
        std::size_t end = start;
        while (end < below.size() && !IsSeparator(below[end])) ++end;
        if (IsDeviceName(below.substr(start, end - start))) return false;
        start = end + 1;
    }
    return true;
}

}  // namespace

std::string PhotoFileOf(std::string_view source, std::string_view pageFile) {
    std::string file(source);
    const bool absolute =
        (source.size() >= 2 && source[1] == ':') || (!source.empty() && IsSeparator(source[0]));
    if (!absolute) {
        const std::size_t slash = pageFile.find_last_of("\\/");
        if (slash != std::string_view::npos) file.insert(0, pageFile.substr(0, slash + 1));
    }
    if (!IsFileOnDrive(file)) {
        Raise(PageError("the photograph " + Quoted(file) +
                        " is not a file on a drive letter (network paths and devices are refused)"));
    }
    return file;
}

PageContent ReadPage(std::string_view text) {
    if (!FindTag(text, "html")) Raise(PageError("the file holds no HTML page"));
    PageContent page;
    page.exit = ReadExitTransition(text);
    if (const auto image = FindTag(text, "img")) page.photo = ReadPhoto(text, *image);
    return page;
}
