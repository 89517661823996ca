#include "cd_audio_switch.h"

#include <cstdio>

namespace cddswitch {
namespace {

constexpr std::string_view kClassKey = "System\\CurrentControlSet\\Services\\Class\\CDROM";

// What follows the program name. A quoted name (a path with blanks, as the
// shell passes it) ends at its closing quote; an unquoted one at the first
// blank. An unterminated quote takes the whole line.
std::string_view AfterProgramName(std::string_view line) {
    std::size_t end;
    if (!line.empty() && line.front() == '"') {
        end = line.find('"', 1);
        end = end == std::string_view::npos ? line.size() : end + 1;
    } else {
        end = line.find(' ');
        end = end == std::string_view::npos ? line.size() : end;
    }
    return line.substr(end);
}

}  // namespace

std::optional<std::uint8_t> ParseSwitch(std::string_view commandLine) {
    std::string_view rest = AfterProgramName(commandLine);
    const std::size_t blanks = rest.find_first_not_of(' ');
    if (blanks == 0 || blanks == std::string_view::npos) {
        return std::nullopt;  // no blank after the name, or nothing after the blanks
    }
    rest.remove_prefix(blanks);
    if (rest.size() != 2 || (rest[0] != '-' && rest[0] != '/')) {
        return std::nullopt;
    }
    if (rest[1] == 'e') {
        return kEnableByte;
    }
    if (rest[1] == 'd') {
        return kDisableByte;
    }
    return std::nullopt;
}

std::string DriveKeyPath(unsigned index) {
    char number[16];
    std::snprintf(number, sizeof number, "%04u", index);
    std::string path(kClassKey);
    path += '\\';
    path += number;
    return path;
}

}  // namespace cddswitch
