// A registry accessor: one root, one open key at a time, typed reads and
// writes that raise the framework's registry errors. A missing key or value
// is the normal absent case: the open answers false, the existence test no.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/Scoped.h"

class Registry {
public:
    explicit Registry(HKEY root = HKEY_CURRENT_USER, REGSAM access = KEY_ALL_ACCESS);
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    // Opens path under the root, creating it (and its parents) when allowed.
    // Closes the key opened before. False when the key could not be opened.
    bool OpenKey(const std::string& path, bool canCreate);
    void CloseKey();

    // The empty name stands for the key's default value. A value exists
    // whatever its type.
    bool ValueExists(const std::string& name) const;

    // Reads raise the read error when the query fails (no key, no value, data
    // that does not fit) and the type error for a value of another type;
    // writes raise the write error. The value name goes into the message.
    std::int32_t ReadInteger(const std::string& name) const;  // REG_DWORD
    void WriteInteger(const std::string& name, std::int32_t value);
    // Reads plain and expandable strings (not expanded); writes plain ones,
    // or expandable ones, which the system expands when they are used.
    std::string ReadString(const std::string& name) const;
    void WriteString(const std::string& name, const std::string& value);
    void WriteExpandString(const std::string& name, const std::string& value);
    // The stored type of the value; REG_NONE when it cannot be read.
    DWORD ValueType(const std::string& name) const;

private:
    // Returns the stored type; with null data, only the size is asked for.
    DWORD QueryValue(const std::string& name, void* data, DWORD& size) const;
    void SetValue(const std::string& name, DWORD type, const void* data, DWORD size);

    HKEY root_;
    REGSAM access_;
    ScopedRegistryKey key_;
};
