// Sets up and inspects registry state for the tests with the plain Win32 API,
// so that the code under test is checked against what it really stored.
#pragma once

#include <windows.h>
#include <winternl.h>

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ui/Error.h"
#include "ui/SystemLibraries.h"

namespace registry_test {

using Bytes = std::vector<std::uint8_t>;

// The tree every registry test of ours works under; removed before and after each test.
inline constexpr const char* kOwnTree = "Software\\Orvandel";
// The saver's settings key, below that tree.
inline constexpr const char* kSettingsKey = "Software\\Orvandel\\Orvandel - Solquera";

struct StoredValue {
    bool exists = false;
    DWORD type = REG_NONE;
    Bytes data;
};

inline Bytes BytesOf(const std::string& text, bool withTerminator) {
    Bytes bytes(text.begin(), text.end());
    if (withTerminator) bytes.push_back(0);
    return bytes;
}

inline Bytes LittleEndian(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
            static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
}

inline void DeleteTree(const char* path) {
    const LSTATUS status = RegDeleteTreeA(HKEY_CURRENT_USER, path);
    ASSERT_TRUE(status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) << path << ": " << status;
}

inline bool KeyExists(const char* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

inline void CreateKey(const char* path, DWORD options = REG_OPTION_NON_VOLATILE) {
    HKEY key = nullptr;
    ASSERT_EQ(
        RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, options, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        ERROR_SUCCESS)
        << path;
    RegCloseKey(key);
}

// Creates the key when it is missing. An empty name is the key's default value.
inline void StoreValue(const char* path, const char* name, DWORD type, const Bytes& data) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS)
        << path;
    const LSTATUS status = RegSetValueExA(key, name, 0, type, data.data(), static_cast<DWORD>(data.size()));
    RegCloseKey(key);
    ASSERT_EQ(status, ERROR_SUCCESS) << path << " " << name;
}

inline StoredValue ReadStored(const char* path, const char* name) {
    StoredValue stored;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return stored;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &stored.type, nullptr, &size) == ERROR_SUCCESS) {
        stored.data.resize(size);
        stored.exists =
            RegQueryValueExA(key, name, nullptr, &stored.type, stored.data.data(), &size) == ERROR_SUCCESS;
        stored.data.resize(size);
    }
    RegCloseKey(key);
    return stored;
}

// Number of values and subkeys under path; -1 each when the key is missing.
struct KeyContents {
    long values = -1;
    long subkeys = -1;
};

inline KeyContents ContentsOf(const char* path) {
    KeyContents contents;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return contents;
    DWORD subkeys = 0;
    DWORD values = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                         nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
        contents = {static_cast<long>(values), static_cast<long>(subkeys)};
    }
    RegCloseKey(key);
    return contents;
}

// Registry keys this process holds open, from the system's handle table.
// Only keys count: other handles come and go behind the test's back (the
// test framework starts a thread on its first trace, for one). Wine's
// GetProcessHandleCount would not do in any case: it always answers 0.
inline long OpenKeyCount() {
    constexpr auto kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004);
    using QueryFunction = NTSTATUS(NTAPI*)(SYSTEM_INFORMATION_CLASS, PVOID, ULONG, PULONG);
    const auto query = LibraryEntry<QueryFunction>(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation");
    HKEY probe = nullptr;
    if (!query || RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &probe) != ERROR_SUCCESS) {
        ADD_FAILURE() << "cannot look into the handle table";
        return -1;
    }
    std::vector<std::uint8_t> buffer(1 << 16);
    NTSTATUS status;
    while ((status = query(SystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                           nullptr)) == kInfoLengthMismatch) {
        buffer.resize(buffer.size() * 2);
    }
    RegCloseKey(probe);
    if (status != 0) {
        ADD_FAILURE() << "handle table query failed: " << std::hex << status;
        return -1;
    }
    const auto* table = reinterpret_cast<const SYSTEM_HANDLE_INFORMATION*>(buffer.data());
    const auto entries = std::vector<SYSTEM_HANDLE_ENTRY>(table->Handle, table->Handle + table->Count);
    const ULONG ownId = GetCurrentProcessId();
    // The probe key tells which object type number stands for keys.
    const auto probeValue = static_cast<USHORT>(reinterpret_cast<std::uintptr_t>(probe));
    int keyType = -1;
    for (const auto& entry : entries) {
        if (entry.OwnerPid == ownId && entry.HandleValue == probeValue) keyType = entry.ObjectType;
    }
    if (keyType < 0) {
        ADD_FAILURE() << "the probe key is not in the handle table";
        return -1;
    }
    long count = -1;  // the probe itself
    for (const auto& entry : entries) count += entry.OwnerPid == ownId && entry.ObjectType == keyType;
    return count;
}

// The message of the error that action raises, or a note that it raised none.
template <typename Action>
std::string RaisedMessage(Action&& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return "(no error raised)";
}

// An effect of the wrong type: the saver's window reports it in a box at its
// creation, before its activation.
inline void StoreUnreadableEffect() {
    StoreValue(kSettingsKey, "Effect", REG_SZ, BytesOf("Fade", true));
}

inline std::string ReadErrorFor(const std::string& name) {
    return "Fehler beim Holen der Daten f\xFCr '" + name + "'";
}
inline std::string TypeErrorFor(const std::string& name) {
    return "Ung\xFCltiger Datentyp f\xFCr '" + name + "'";
}
inline std::string WriteErrorFor(const std::string& name) {
    return "Fehler beim Setzen der Daten f\xFCr '" + name + "'";
}

// Every test starts and ends without our tree.
class OwnTreeTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteTree(kOwnTree); }
    void TearDown() override { DeleteTree(kOwnTree); }
};

}  // namespace registry_test
