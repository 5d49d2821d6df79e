#include "slideshow/BrowserGuard.h"

#include <cstdint>
#include <optional>

#include "ui/Error.h"
#include "ui/Registry.h"

bool PageTransitionsWereOff = false;

namespace {

constexpr const char* kDefaultValue = "";

// A value of an unexpected type, or one that cannot be written, is left as it
// is: the window's creation and its shutdown must run to their end whatever
// another program has stored there.

std::optional<std::string> ReadSound(const Registry& registry) {
    if (!registry.ValueExists(kDefaultValue)) return std::nullopt;
    try {
        return registry.ReadString(kDefaultValue);
    } catch (const Error&) {
        return std::nullopt;
    }
}

// The text that now stands in the registry, or empty when it could not be
// written. An expandable path (as the system stores its own sounds) stays
// expandable.
std::string WriteSound(Registry& registry, const std::string& sound) {
    try {
        if (registry.ValueType(kDefaultValue) == REG_EXPAND_SZ) {
            registry.WriteExpandString(kDefaultValue, sound);
        } else {
            registry.WriteString(kDefaultValue, sound);
        }
        return sound;
    } catch (const Error&) {
        return {};
    }
}

std::optional<std::int32_t> ReadPageTransitions(const Registry& registry) {
    if (!registry.ValueExists(kPageTransitionsValue)) return std::nullopt;
    try {
        return registry.ReadInteger(kPageTransitionsValue);
    } catch (const Error&) {
        return std::nullopt;
    }
}

void WritePageTransitions(Registry& registry, std::int32_t value) {
    try {
        registry.WriteInteger(kPageTransitionsValue, value);
    } catch (const Error&) {
    }
}

}  // namespace

std::string MuteNavigationSound() {
    Registry registry;
    registry.OpenKey(kNavigationSoundKey, false);
    const auto sound = ReadSound(registry);
    if (!sound) return {};
    return WriteSound(registry, *sound + kSoundMarker);
}

std::string RestoreNavigationSound() {
    Registry registry;
    registry.OpenKey(kNavigationSoundKey, false);
    auto sound = ReadSound(registry);
    if (!sound) return {};
    // The first marker: a value muted by several runs that never stopped
    // properly returns to the path of before the first of them.
    if (const auto marker = sound->find(kSoundMarker); marker != std::string::npos) sound->erase(marker);
    return WriteSound(registry, *sound);
}

void EnablePageTransitions() {
    Registry registry;
    registry.OpenKey(kBrowserMainKey, false);
    if (const auto transitions = ReadPageTransitions(registry)) {
        PageTransitionsWereOff = *transitions == 0;
        WritePageTransitions(registry, 1);
    }
}

void DisablePageTransitions() {
    Registry registry;
    registry.OpenKey(kBrowserMainKey, false);
    if (ReadPageTransitions(registry)) WritePageTransitions(registry, 0);
}
