#include "command_line.h"

namespace tavimo {

std::string ExecutableOf(std::string_view commandLine) {
    // The line ends at a NUL, as it does for the shell that starts the
    // program and for the registry value it is stored in.
    commandLine = commandLine.substr(0, commandLine.find('\0'));
    std::string line;
    line.reserve(commandLine.size());
    for (const char c : commandLine) {
        if (c != '\r' && c != '\n') {
            line += c;
        }
    }
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos) {
        return std::string();
    }
    if (line[start] == '"') {
        const std::size_t close = line.find('"', start + 1);
        return line.substr(start + 1,
                           close == std::string::npos ? std::string::npos : close - start - 1);
    }
    const std::size_t end = line.find_first_of(" \t", start);
    return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace tavimo
