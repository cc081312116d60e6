// Reading and writing the preferences in the platform's settings store.
#pragma once

#include "model/preferences.h"

class QSettings;

namespace larkspan {

// Every key into `prefs`; a missing key, or one of another type, keeps the
// value `prefs` already holds.
void LoadPrefs(QSettings& store, Preferences& prefs);
// Every key from `prefs`, then forces the store to disk.
void SavePrefs(QSettings& store, const Preferences& prefs);

}  // namespace larkspan
