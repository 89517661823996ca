// TAVI_xx.DLL: the texts of one language, served by id through the one
// export "GetString" (cdecl) to the control center, the applet and the tray
// agent.
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "language_texts.h"

// Copies the text of `id` with its terminating zero into `buffer` of `size`
// bytes; nonzero when it did. An unknown id, or a text that does not fit
// whole, leaves the buffer alone and gives 0.
extern "C" int __cdecl GetString(unsigned id, char* buffer, unsigned size) {
    const LanguageText* end = kLanguageTexts + kLanguageTextCount;
    const LanguageText* found = std::lower_bound(
        kLanguageTexts, end, id,
        [](const LanguageText& text, unsigned wanted) { return text.id < wanted; });
    if (found == end || found->id != id || buffer == nullptr || found->length >= size) {
        return 0;
    }
    std::memcpy(buffer, found->text, found->length);
    buffer[found->length] = '\0';
    return 1;
}
