// The program part of a command line found in the registry, as the launcher
// buttons start it.
#pragma once

#include <string>
#include <string_view>

namespace tavimo {

// The line ends at its first NUL, if any. Line ends (CR, LF) are dropped
// wherever they stand; then leading blanks and tabs are skipped, and a
// quoted program ends at its closing quote (or at the end, when the quote is
// never closed), an unquoted one at the first blank or tab. The result is
// never longer than `commandLine` and holds no NUL.
std::string ExecutableOf(std::string_view commandLine);

}  // namespace tavimo
