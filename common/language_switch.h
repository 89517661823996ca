// Choosing the user's language as the Control Panel applet does: the name
// is stored, then the running programs are told to follow it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavimo {

// The stored language's name; nothing when none can be read.
std::optional<std::string> StoredLanguage();

// Whether storing the language may create its key.
enum class LanguageKey { kCreate, kExisting };

// Stores name as the language ("Language" "Value", a string with its
// terminating zero), creating the key unless told to use only an existing
// one; true when written.
bool StoreLanguage(std::string_view name, LanguageKey key = LanguageKey::kCreate);

// Tells the control center (restored when minimized and brought to the
// front) and the tray agent, those that run, that the stored language
// changed.
void AnnounceLanguage();

// Stores name and tells the running control center, if there is one; true
// when the name was stored.
bool SwitchLanguage(std::string_view name);

}  // namespace tavimo
