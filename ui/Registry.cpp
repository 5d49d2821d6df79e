#include "ui/Registry.h"

#include "ui/Error.h"

Registry::Registry(HKEY root, REGSAM access) : root_(root), access_(access) {}

Registry::~Registry() {
    CloseKey();
}

bool Registry::OpenKey(const std::string& path, bool canCreate) {
    CloseKey();
    const LSTATUS status =
        canCreate ? RegCreateKeyExA(root_, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access_,
                                    nullptr, &key_, nullptr)
                  : RegOpenKeyExA(root_, path.c_str(), 0, access_, &key_);
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

std::int32_t Registry::ReadInteger(const std::string& name) const {
    std::int32_t value = 0;
    DWORD type = REG_NONE;
    DWORD size = sizeof value;
    if (!key_ || RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                                  &size) != ERROR_SUCCESS) {
        RaiseRegistryReadError(name);
    }
    if (type != REG_DWORD) RaiseRegistryTypeError(name);
    return value;
}

void Registry::WriteInteger(const std::string& name, std::int32_t value) {
    if (!key_ || RegSetValueExA(key_, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                sizeof value) != ERROR_SUCCESS) {
        RaiseRegistryWriteError(name);
    }
}

std::string Registry::ReadString(const std::string& name) const {
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (!key_ || RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        RaiseRegistryReadError(name);
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) RaiseRegistryTypeError(name);
    std::string text(size, '\0');
    if (size != 0 && RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                                      &size) != ERROR_SUCCESS) {
        RaiseRegistryReadError(name);
    }
    // The stored data usually, but not always, ends with its terminator.
    text.resize(size);
    while (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

void Registry::WriteString(const std::string& name, const std::string& value) {
    if (!key_ || RegSetValueExA(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                static_cast<DWORD>(value.size() + 1)) != ERROR_SUCCESS) {
        RaiseRegistryWriteError(name);
    }
}
