#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "slideshow/BrowserGuard.h"

namespace {

struct StoredValue {
    DWORD type;
    std::string data;  // raw bytes, terminators included
    bool operator==(const StoredValue&) const = default;
};

// Inspects and sets up the registry with the plain API, apart from the code under test.
class RawKey {
public:
    explicit RawKey(const char* path, bool create = false) {
        const LSTATUS status = create ? RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0,
                                                        KEY_ALL_ACCESS, nullptr, &key_, nullptr)
                                      : RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_ALL_ACCESS, &key_);
        if (status != ERROR_SUCCESS) key_ = nullptr;
    }
    ~RawKey() {
        if (key_) RegCloseKey(key_);
    }
    RawKey(const RawKey&) = delete;
    RawKey& operator=(const RawKey&) = delete;

    bool Exists() const { return key_ != nullptr; }

    std::optional<StoredValue> Get(const char* name) const {
        DWORD type = 0;
        DWORD size = 0;
        if (!key_ || RegQueryValueExA(key_, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        std::string data(size, '\0');
        RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
        data.resize(size);
        return StoredValue{type, data};
    }

    void Set(const char* name, const StoredValue& value) {
        ASSERT_EQ(RegSetValueExA(key_, name, 0, value.type, reinterpret_cast<const BYTE*>(value.data.data()),
                                 static_cast<DWORD>(value.data.size())),
                  ERROR_SUCCESS);
    }

    void Delete(const char* name) { RegDeleteValueA(key_, name); }

    std::map<std::string, StoredValue> All() const {
        std::map<std::string, StoredValue> values;
        for (DWORD index = 0; key_; ++index) {
            char name[16384];
            DWORD nameLength = sizeof name;
            if (RegEnumValueA(key_, index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS) {
                break;
            }
            values[std::string(name, nameLength)] = *Get(name);
        }
        return values;
    }

private:
    HKEY key_ = nullptr;
};

bool KeyExists(const char* path) {
    return RawKey(path).Exists();
}

// The prefix's own state of one key, put back when the test ends.
class SavedKey {
public:
    explicit SavedKey(const char* path) : path_(path) {
        const RawKey key(path);
        existed_ = key.Exists();
        values_ = key.All();
    }
    ~SavedKey() {
        if (!existed_) {
            RegDeleteKeyA(HKEY_CURRENT_USER, path_);
            return;
        }
        RawKey key(path_, true);
        for (const auto& [name, value] : key.All()) {
            if (!values_.contains(name)) key.Delete(name.c_str());
        }
        for (const auto& [name, value] : values_) key.Set(name.c_str(), value);
    }
    SavedKey(const SavedKey&) = delete;
    SavedKey& operator=(const SavedKey&) = delete;

private:
    const char* path_;
    bool existed_;
    std::map<std::string, StoredValue> values_;
};

StoredValue Text(const std::string& text, DWORD type = REG_SZ) {
    return {type, text + '\0'};
}

StoredValue Dword(std::uint32_t value) {
    return {REG_DWORD, std::string(reinterpret_cast<const char*>(&value), sizeof value)};
}

std::optional<StoredValue> Sound() {
    return RawKey(kNavigationSoundKey).Get("");
}

std::optional<StoredValue> PageTransitions() {
    return RawKey(kBrowserMainKey).Get(kPageTransitionsValue);
}

void SetSound(const StoredValue& value) {
    RawKey(kNavigationSoundKey, true).Set("", value);
}

void SetPageTransitions(const StoredValue& value) {
    RawKey(kBrowserMainKey, true).Set(kPageTransitionsValue, value);
}

void RemovePageTransitions() {
    RawKey(kBrowserMainKey).Delete(kPageTransitionsValue);
}

// The two steps of the stop, as the shutdown runs them.
void Stop() {
    RestoreNavigationSound();
    if (PageTransitionsWereOff) DisablePageTransitions();
}

class BrowserGuard : public testing::Test {
protected:
    BrowserGuard() { PageTransitionsWereOff = false; }
    ~BrowserGuard() override { PageTransitionsWereOff = false; }

    SavedKey savedSound_{kNavigationSoundKey};
    SavedKey savedBrowser_{kBrowserMainKey};
};

const std::string kMarker = kSoundMarker;
const std::string kPath = "C:\\windows\\Media\\Kl\xE4nge\\start navigation.wav";

}  // namespace

TEST_F(BrowserGuard, SoundIsMarkedDuringTheRunAndRestoredAfterIt) {
    const struct {
        const char* name;
        StoredValue initial;
        std::string during;
        std::string after;
    } rows[] = {
        {"path", Text(kPath), kPath + kMarker, kPath},
        {"empty", Text(""), kMarker, ""},
        {"marker already present", Text(kPath + kMarker), kPath + kMarker + kMarker, kPath},
        {"marker twice at start", Text(kPath + kMarker + kMarker), kPath + kMarker + kMarker + kMarker,
         kPath},
        {"text after the marker", Text(kPath + kMarker + "x.wav"), kPath + kMarker + "x.wav" + kMarker,
         kPath},
        {"expandable", Text("%SystemRoot%\\media\\a.wav", REG_EXPAND_SZ),
         "%SystemRoot%\\media\\a.wav" + kMarker, "%SystemRoot%\\media\\a.wav"},
        {"no terminator stored", {REG_SZ, kPath}, kPath + kMarker, kPath},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SetSound(row.initial);
        EXPECT_EQ(MuteNavigationSound(), row.during);
        // An expandable path stays expandable, or its variables would no longer be resolved.
        EXPECT_EQ(Sound(), Text(row.during, row.initial.type));
        EXPECT_EQ(RestoreNavigationSound(), row.after);
        EXPECT_EQ(Sound(), Text(row.after, row.initial.type));
    }
}

TEST_F(BrowserGuard, MissingSoundKeyIsNotCreated) {
    RegDeleteKeyA(HKEY_CURRENT_USER, kNavigationSoundKey);
    ASSERT_FALSE(KeyExists(kNavigationSoundKey));
    EXPECT_EQ(MuteNavigationSound(), "");
    EXPECT_EQ(RestoreNavigationSound(), "");
    EXPECT_FALSE(KeyExists(kNavigationSoundKey));
}

TEST_F(BrowserGuard, SoundKeyWithoutDefaultValueGetsNoValue) {
    RawKey key(kNavigationSoundKey, true);
    for (const auto& [name, value] : key.All()) key.Delete(name.c_str());
    ASSERT_FALSE(Sound());
    EXPECT_EQ(MuteNavigationSound(), "");
    EXPECT_EQ(RestoreNavigationSound(), "");
    EXPECT_TRUE(key.All().empty());
}

TEST_F(BrowserGuard, TransitionsSwitchedOffAreOnDuringTheRunAndOffAfterIt) {
    SetPageTransitions(Dword(0));
    EnablePageTransitions();
    EXPECT_TRUE(PageTransitionsWereOff);
    EXPECT_EQ(PageTransitions(), Dword(1));
    Stop();
    EXPECT_EQ(PageTransitions(), Dword(0));
}

TEST_F(BrowserGuard, TransitionsSwitchedOnStayOnAndAreNotTouchedByTheStop) {
    for (const std::uint32_t initial : {1u, 5u}) {
        SCOPED_TRACE(initial);
        PageTransitionsWereOff = true;  // left over from an earlier reading
        SetPageTransitions(Dword(initial));
        EnablePageTransitions();
        EXPECT_FALSE(PageTransitionsWereOff);
        EXPECT_EQ(PageTransitions(), Dword(1));
        Stop();
        EXPECT_EQ(PageTransitions(), Dword(1));
    }
}

TEST_F(BrowserGuard, MissingTransitionsSwitchIsNotCreated) {
    RemovePageTransitions();
    EnablePageTransitions();
    EXPECT_FALSE(PageTransitionsWereOff);
    DisablePageTransitions();
    EXPECT_FALSE(PageTransitions());
}

TEST_F(BrowserGuard, StoppingTwiceLeavesTheStateOfStoppingOnce) {
    SetSound(Text(kPath));
    SetPageTransitions(Dword(0));
    MuteNavigationSound();
    EnablePageTransitions();
    Stop();
    const auto soundAfterOne = Sound();
    const auto transitionsAfterOne = PageTransitions();
    Stop();
    EXPECT_EQ(Sound(), soundAfterOne);
    EXPECT_EQ(PageTransitions(), transitionsAfterOne);
    EXPECT_EQ(Sound(), Text(kPath));
    EXPECT_EQ(PageTransitions(), Dword(0));
}

TEST_F(BrowserGuard, ValuesOfAnotherTypeAreLeftUntouched) {
    const struct {
        const char* name;
        StoredValue sound;
        StoredValue transitions;
    } rows[] = {
        {"integer sound, text switch", Dword(7), Text("0")},
        {"binary sound, wide binary switch", {REG_BINARY, "\x01\x02"}, {REG_BINARY, std::string(8, '\0')}},
        {"list sound, short binary switch",
         {REG_MULTI_SZ, std::string("a\0b\0\0", 5)},
         {REG_BINARY, std::string("\0\0", 2)}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SetSound(row.sound);
        SetPageTransitions(row.transitions);
        EXPECT_NO_THROW({
            EXPECT_EQ(MuteNavigationSound(), "");
            EnablePageTransitions();
            EXPECT_EQ(RestoreNavigationSound(), "");
            DisablePageTransitions();
        });
        EXPECT_FALSE(PageTransitionsWereOff);
        EXPECT_EQ(Sound(), row.sound);
        EXPECT_EQ(PageTransitions(), row.transitions);
    }
}
