#include "ui/Registry.h"

#include "ui/Error.h"

Registry::Registry(HKEY root, REGSAM access) : root_(root), access_(access) {}

Registry::~Registry() {
    CloseKey();
}

bool Registry::OpenKey(const std::string& path, bool canCreate) {
    CloseKey();
    const char* subKey = path.c_str();
    const LSTATUS status = canCreate ? RegCreateKeyExA(root_, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                                       access_, nullptr, &key_, nullptr)
                                     : RegOpenKeyExA(root_, subKey, 0, access_, &key_);
    // A failed open may leave anything in the handle.
    if (status != ERROR_SUCCESS) key_ = nullptr;
    return key_ != nullptr;
}

void Registry::CloseKey() {
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
}

bool Registry::ValueExists(const std::string& name) const {
    return key_ && RegQueryValueExA(key_, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

DWORD Registry::QueryValue(const std::string& name, void* data, DWORD& size) const {
    DWORD type = REG_NONE;
    auto* bytes = static_cast<BYTE*>(data);
    if (!key_ || RegQueryValueExA(key_, name.c_str(), nullptr, &type, bytes, &size) != ERROR_SUCCESS) {
        Raise(RegistryReadError(name));
    }
    return type;
}

void Registry::SetValue(const std::string& name, DWORD type, const void* data, DWORD size) {
    const auto* bytes = static_cast<const BYTE*>(data);
    if (!key_ || RegSetValueExA(key_, name.c_str(), 0, type, bytes, size) != ERROR_SUCCESS) {
        Raise(RegistryWriteError(name));
    }
}

std::int32_t Registry::ReadInteger(const std::string& name) const {
    // Zeroed, so that a REG_DWORD stored shorter than 4 bytes reads as its low bytes.
    std::int32_t value = 0;
    DWORD size = sizeof value;
    // Data longer than 4 bytes fails the query itself, whatever its type.
    if (QueryValue(name, &value, size) != REG_DWORD) Raise(RegistryTypeError(name));
    return value;
}

void Registry::WriteInteger(const std::string& name, std::int32_t value) {
    SetValue(name, REG_DWORD, &value, sizeof value);
}

std::string Registry::ReadString(const std::string& name) const {
    DWORD size = 0;
    const DWORD type = QueryValue(name, nullptr, size);
    if (type != REG_SZ && type != REG_EXPAND_SZ) Raise(RegistryTypeError(name));
    std::string text(size, '\0');
    // The value may have grown since its size was asked for: the query then fails.
    if (size != 0) QueryValue(name, text.data(), size);
    // The stored data usually, but not always, ends with its terminator.
    text.resize(size);
    while (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

void Registry::WriteString(const std::string& name, const std::string& value) {
    SetValue(name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

void Registry::WriteExpandString(const std::string& name, const std::string& value) {
    SetValue(name, REG_EXPAND_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

DWORD Registry::ValueType(const std::string& name) const {
    DWORD type = REG_NONE;
    if (!key_ || RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS) {
        return REG_NONE;
    }
    return type;
}
