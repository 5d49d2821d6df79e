#include "config/Settings.h"

#include "config/EffectNames.h"
#include "ui/Registry.h"

const char* const SettingsKey = "Software\\Orvandel\\Orvandel - Solquera";

namespace {

// The key is opened with creation allowed by readers too, so that it exists,
// empty, after the first run. A key that cannot be opened makes every later
// query fail, which reads as "no value".
void OpenSettings(Registry& registry) {
    registry.OpenKey(SettingsKey, true);
}

}  // namespace

std::int32_t LoadEffect() {
    Registry registry;
    OpenSettings(registry);
    return registry.ValueExists(kEffectValueName) ? registry.ReadInteger(kEffectValueName) : kDefaultEffect;
}

void LoadSettings(SettingsView& view) {
    view.ShowTipsPage();
    view.SelectEffect(LoadEffect());
}

void SaveSettings(const SettingsView& view) {
    Registry registry;
    OpenSettings(registry);
    registry.WriteInteger(kEffectValueName, view.SelectedEffect());
}
