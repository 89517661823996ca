// One opened mixer device as the headset model sees it: its lines (each
// destination followed by its sources) and their controls, read and written
// through the device boundary.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <optional>
#include <string_view>
#include <vector>

#include "mixer_api.h"

namespace headset {

class LineControl {
public:
    LineControl(devices::MixerApi& api, HMIXER mixer, const MIXERCONTROLA& info, DWORD channels)
        : api_(&api), mixer_(mixer), info_(info), channels_(channels == 0 ? 1 : channels) {}

    const MIXERCONTROLA& Info() const { return info_; }
    DWORD Type() const { return info_.dwControlType; }
    // Bounds of meters, switches and faders; -1 for any other class.
    int Minimum() const;
    int Maximum() const;

    // Channel n's value, or the uniform value for channel -1; nullopt when
    // the read fails or there is no such channel.
    std::optional<DWORD> Read(int channel) const;
    // One uniform value, or one value per channel.
    bool Write(const std::vector<DWORD>& values) const;

private:
    bool HasBounds() const;

    devices::MixerApi* api_;
    HMIXER mixer_;
    MIXERCONTROLA info_;
    DWORD channels_;
};

struct MixerLine {
    MIXERLINEA info;
    std::vector<LineControl> controls;

    const LineControl* ControlOfType(DWORD type) const;
    // By full name, compared exactly.
    const LineControl* ControlNamed(std::string_view name) const;
    const LineControl* ControlWithId(DWORD id) const;
};

class MixerDevice {
public:
    explicit MixerDevice(devices::MixerApi& api) : api_(api) {}
    ~MixerDevice() { Close(); }
    MixerDevice(const MixerDevice&) = delete;
    MixerDevice& operator=(const MixerDevice&) = delete;

    // Opens device index with window as callback and reads its lines.
    bool Open(UINT index, HWND callback);
    void Close();
    bool IsOpen() const { return mixer_ != nullptr; }
    const MIXERCAPSA& Caps() const { return caps_; }

    const std::vector<MixerLine>& Lines() const { return lines_; }
    // The first line of a component type; null when none.
    const MixerLine* LineOf(DWORD componentType) const;
    // A control of the first line of a component type; null when either is missing.
    const LineControl* Control(DWORD componentType, DWORD controlType) const;

private:
    void AddLine(const MIXERLINEA& line);

    devices::MixerApi& api_;
    HMIXER mixer_ = nullptr;
    MIXERCAPSA caps_ = {};
    std::vector<MixerLine> lines_;
};

}  // namespace headset
