// What cddswitch is asked to do, read from its command line, and where each
// CD-ROM drive keeps its digital-audio switch.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cddswitch {

// The DigitalAudioPlay byte that switches digital CD audio on or off.
inline constexpr std::uint8_t kEnableByte = 0x03;
inline constexpr std::uint8_t kDisableByte = 0x02;

// Drive keys are numbered with four digits: 0000 ... 9999.
inline constexpr unsigned kMaxDriveIndex = 9999;

// The byte to write, from the whole command line: the program name (up to
// its closing quote when it starts with one, otherwise up to the first
// blank), one or more blanks, then exactly "-e" or "/e" (enable) or "-d" or
// "/d" (disable), case-sensitive, with nothing after the letter. Anything
// else asks for nothing.
std::optional<std::uint8_t> ParseSwitch(std::string_view commandLine);

// "System\CurrentControlSet\Services\Class\CDROM\NNNN" below HKEY_LOCAL_MACHINE.
std::string DriveKeyPath(unsigned index);

}  // namespace cddswitch
