#pragma once
// Takes the general settings chosen on the preferences sheet: writes them to the settings store
// in their stored forms and answers what the auto-save timer must do. The auto-save values are
// taken and written only as far as auto-save changed.

#include "app/general_settings.h"
#include "dialogs/auto_save_choice.h"

namespace tw {

class ISettingsStore;

// `current` becomes the settings in force (with `chosen`'s values, the auto-save minutes only
// when taken); false when the store refused a value (the rest is still written).
bool StoreGeneralPreferences(ISettingsStore& store, GeneralSettings& current,
                             const GeneralSettings& chosen, AutoSaveTimerAction& timer);

}  // namespace tw
