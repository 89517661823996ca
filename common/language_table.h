// The texts of the suite by string id, in the user's language. Every text
// the programs show goes through Text.
#pragma once

#include <string>

namespace tavimo {

class LanguageTable {
public:
    // The text of string id; empty when there is none. Texts are at most
    // 1023 characters.
    std::string Text(unsigned id) const;
};

// The control center's one table.
LanguageTable& Languages();

}  // namespace tavimo
