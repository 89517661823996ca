// Fuzz target: any byte string as a command line found in the registry,
// through the extraction of its program; traps when the program breaks a
// promise of the extraction, not only when it crashes.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "command_line.h"

namespace {

void Require(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

// The line as a C string sees it, without its line ends.
std::string Visible(std::string_view commandLine) {
    std::string line;
    for (const char c : commandLine.substr(0, commandLine.find('\0'))) {
        if (c != '\r' && c != '\n') {
            line += c;
        }
    }
    return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view commandLine(reinterpret_cast<const char*>(data), size);
    const std::string program = tavimo::ExecutableOf(commandLine);

    // A C string of its own: what is started is what is stored.
    Require(std::strlen(program.c_str()) == program.size());
    Require(program.size() <= commandLine.size());
    Require(program.find_first_of("\r\n") == std::string::npos);

    const std::string line = Visible(commandLine);
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos) {
        Require(program.empty());
        return 0;
    }
    const bool quoted = line[start] == '"';
    const std::string_view rest = std::string_view(line).substr(start + (quoted ? 1 : 0));
    // The program is where the line's program starts, and ends where it ends:
    // at the closing quote, or at a blank or tab when it is not quoted.
    Require(rest.substr(0, program.size()) == program);
    const std::string_view after = rest.substr(program.size());
    if (quoted) {
        Require(program.find('"') == std::string::npos);
        Require(after.empty() || after.front() == '"');
        // Quoted again, it comes back whole, blanks and all.
        Require(tavimo::ExecutableOf("\"" + program + "\" %1") == program);
    } else {
        Require(!program.empty() && program.find_first_of(" \t") == std::string::npos);
        Require(after.empty() || after.front() == ' ' || after.front() == '\t');
        Require(tavimo::ExecutableOf(program) == program);
    }
    return 0;
}
