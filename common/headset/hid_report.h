// One report type of the headset's HID interface as the programs keep it:
// its buffer and its button and value groups, read from the device's
// capabilities; and the gain and mute output report written through it.
#pragma once

#include <windows.h>

#include <optional>
#include <utility>
#include <vector>

#include "hid_api.h"

namespace headset {

inline constexpr USAGE kConsumerPage = 0x0C;
inline constexpr USAGE kGainUsage = 0xE0;
inline constexpr USAGE kMuteUsage = 0xE2;

struct ButtonGroup {
    USAGE page;
    std::vector<USAGE> usages;
    bool down = false;
};

struct ValueGroup {
    USAGE page;
    std::vector<USAGE> usages;
    LONG minimum, maximum;
    ULONG last = 0;
};

struct HidReport {
    HIDP_REPORT_TYPE type = HidP_Input;
    std::vector<char> buffer;
    std::vector<ButtonGroup> buttons;
    std::vector<ValueGroup> values;
    ULONG usageCapacity = 0;
};

// The report of one type: a zeroed buffer of length bytes and the groups of
// the first button and value capabilities the device lists (a faulty
// descriptor's lists are cut, see hid_usages.h).
HidReport LoadReport(devices::HidApi& api, PHIDP_PREPARSED_DATA preparsed, HIDP_REPORT_TYPE type,
                     USHORT buttonCaps, USHORT valueCaps, USHORT length);

// The logical bounds of the report's value that carries usage of page.
std::optional<std::pair<LONG, LONG>> ValueRange(const HidReport& report, USAGE page, USAGE usage);

// Fills the output report with the gain value (0xE0) and the mute button
// (0xE2) of the consumer page and writes it on the device's write handle.
// True only when every step succeeded; nothing is written after a failed
// one, or for a report without a buffer.
bool WriteGainReport(devices::HidApi& api, HANDLE write, PHIDP_PREPARSED_DATA preparsed,
                     HidReport& output, ULONG value, bool mute);

}  // namespace headset
