// Choosing the user's language as the Control Panel applet does: the name
// is stored, then a running control center is told to follow it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavimo {

// The stored language's name; nothing when none can be read.
std::optional<std::string> StoredLanguage();

// Stores name as the language ("Language" "Value"), creating the key; true
// when written.
bool StoreLanguage(std::string_view name);

// Stores name and tells the running control center, if there is one; true
// when the name was stored.
bool SwitchLanguage(std::string_view name);

}  // namespace tavimo
