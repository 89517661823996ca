// What PARSEDRV decides without Windows: whether its command line asks for
// removal, and the prompt it has the installation library show while the
// headset does not answer, in the suite's language.
#pragma once

#include <string_view>

namespace setup {

// True when a blank-separated word of the arguments is "/remove" or
// "-remove", in any case.
bool WantsRemoval(std::string_view arguments);

// The retry prompt's text (Windows-1252) for a Windows primary language id;
// English for a language the suite does not serve.
const char* RetryText(unsigned languageId);

}  // namespace setup
