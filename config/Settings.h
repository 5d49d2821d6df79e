// The one persistent setting, the transition effect, in the user's registry.
// Every routine makes one complete access: open (creating the key when it is
// missing), read or write, close.
#pragma once

#include <cstdint>

extern const char* const SettingsKey;  // under HKEY_CURRENT_USER
inline constexpr const char* kEffectValueName = "Effect";

// What the settings routines need of the configuration dialog.
class SettingsView {
public:
    virtual void ShowTipsPage() = 0;
    // An index outside the list leaves nothing selected.
    virtual void SelectEffect(std::int32_t index) = 0;
    // -1 when nothing is selected.
    virtual std::int32_t SelectedEffect() const = 0;

protected:
    ~SettingsView() = default;
};

// The stored effect, or the default (fade) when none is stored. Raises a
// registry read error for a value that is not a 32-bit REG_DWORD.
std::int32_t LoadEffect();

// Opens the dialog on its "Tips" page (also when the read then fails) and
// selects the stored effect.
void LoadSettings(SettingsView& view);

// Stores the selected effect (-1 when none) as REG_DWORD; raises a registry
// write error on failure.
void SaveSettings(const SettingsView& view);
