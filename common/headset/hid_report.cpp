#include "hid_report.h"

#include <algorithm>

#include "hid_usages.h"

namespace headset {
namespace {

// The first groups the device lists for a report type, at most
// kMaxReportGroups of them; none when it lists none or the query fails.
template <typename Caps, typename Query>
std::vector<Caps> ReportCaps(USHORT declared, Query query) {
    std::vector<Caps> caps(declared);
    USHORT count = declared;
    if (declared == 0 || query(caps.data(), &count) != HIDP_STATUS_SUCCESS) {
        return {};
    }
    caps.resize(std::min<std::size_t>({count, declared, kMaxReportGroups}));
    return caps;
}

// A group's usages: its one usage, or its range cut to capacity.
template <typename Caps>
std::vector<USAGE> UsagesOf(const Caps& caps, std::size_t capacity) {
    return caps.IsRange ? RangeUsages(caps.Range.UsageMin, caps.Range.UsageMax, capacity)
                        : std::vector<USAGE>{caps.NotRange.Usage};
}

bool Contains(const std::vector<USAGE>& usages, USAGE usage) {
    return std::find(usages.begin(), usages.end(), usage) != usages.end();
}

}  // namespace

HidReport LoadReport(devices::HidApi& api, PHIDP_PREPARSED_DATA preparsed, HIDP_REPORT_TYPE type,
                     USHORT buttonCaps, USHORT valueCaps, USHORT length) {
    HidReport report;
    report.type = type;
    report.buffer.assign(length, 0);
    const auto buttons =
        ReportCaps<HIDP_BUTTON_CAPS>(buttonCaps, [&](HIDP_BUTTON_CAPS* caps, USHORT* count) {
            return api.GetSpecificButtonCaps(type, 0, 0, 0, caps, count, preparsed);
        });
    if (!buttons.empty()) {
        report.usageCapacity = std::min(
            api.MaxUsageListLength(type, buttons.front().UsagePage, preparsed), kMaxPressedUsages);
    }
    for (const HIDP_BUTTON_CAPS& b : buttons) {
        report.buttons.push_back({b.UsagePage, UsagesOf(b, report.usageCapacity), false});
    }
    const auto values =
        ReportCaps<HIDP_VALUE_CAPS>(valueCaps, [&](HIDP_VALUE_CAPS* caps, USHORT* count) {
            return api.GetSpecificValueCaps(type, 0, 0, 0, caps, count, preparsed);
        });
    for (const HIDP_VALUE_CAPS& v : values) {
        report.values.push_back(
            {v.UsagePage, UsagesOf(v, kMaxGroupUsages), v.LogicalMin, v.LogicalMax, 0});
    }
    return report;
}

std::optional<std::pair<LONG, LONG>> ValueRange(const HidReport& report, USAGE page, USAGE usage) {
    for (const ValueGroup& group : report.values) {
        if (group.page == page && Contains(group.usages, usage)) {
            return std::pair{group.minimum, group.maximum};
        }
    }
    return std::nullopt;
}

bool WriteGainReport(devices::HidApi& api, HANDLE write, PHIDP_PREPARSED_DATA preparsed,
                     HidReport& output, ULONG value, bool mute) {
    if (output.buffer.empty()) {
        return false;
    }
    char* report = output.buffer.data();
    const auto length = static_cast<ULONG>(output.buffer.size());
    std::fill(output.buffer.begin(), output.buffer.end(), 0);
    if (api.SetUsageValue(HidP_Output, kConsumerPage, 0, kGainUsage, value, preparsed, report,
                          length) != HIDP_STATUS_SUCCESS) {
        return false;
    }
    USAGE muteUsage = kMuteUsage;
    ULONG count = 1;
    if (api.SetUsages(HidP_Output, kConsumerPage, 0, &muteUsage, &count, preparsed, report,
                      length) != HIDP_STATUS_SUCCESS) {
        return false;
    }
    if (!mute && api.UnsetUsages(HidP_Output, kConsumerPage, 0, &muteUsage, &count, preparsed,
                                 report, length) != HIDP_STATUS_SUCCESS) {
        return false;
    }
    DWORD written = 0;
    return api.WriteFile(write, report, length, &written) != FALSE;
}

}  // namespace headset
