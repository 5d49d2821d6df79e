// A registry accessor: one root, one open key at a time, typed reads and
// writes that raise the framework's registry errors. A missing key or value
// is the normal absent case, never an error.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class Registry {
public:
    explicit Registry(HKEY root = HKEY_CURRENT_USER, REGSAM access = KEY_ALL_ACCESS);
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    // Opens path under the root, creating it (and its parents) when allowed.
    // Closes the key opened before. False when the key could not be opened.
    bool OpenKey(const std::string& path, bool canCreate);
    void CloseKey();

    // The empty name stands for the key's default value.
    bool ValueExists(const std::string& name) const;
    std::int32_t ReadInteger(const std::string& name) const;
    void WriteInteger(const std::string& name, std::int32_t value);
    // Reads plain and expandable strings; writes plain ones.
    std::string ReadString(const std::string& name) const;
    void WriteString(const std::string& name, const std::string& value);

private:
    HKEY root_;
    REGSAM access_;
    HKEY key_ = nullptr;
};
