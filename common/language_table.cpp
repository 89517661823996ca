#include "language_table.h"

#include <windows.h>

namespace tavimo {

std::string LanguageTable::Text(unsigned id) const {
    char text[1024];
    const int length = LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
    return length > 0 ? std::string(text, static_cast<std::size_t>(length)) : std::string();
}

LanguageTable& Languages() {
    static LanguageTable table;
    return table;
}

}  // namespace tavimo
