#include "mixer_device.h"

#include <algorithm>
#include <cstring>

#include "mixer_limits.h"

namespace headset {
namespace {

HMIXEROBJ Object(HMIXER mixer) {
    return reinterpret_cast<HMIXEROBJ>(mixer);
}

}  // namespace

bool LineControl::HasBounds() const {
    const DWORD controlClass = info_.dwControlType & MIXERCONTROL_CT_CLASS_MASK;
    return controlClass == MIXERCONTROL_CT_CLASS_METER ||
           controlClass == MIXERCONTROL_CT_CLASS_SWITCH ||
           controlClass == MIXERCONTROL_CT_CLASS_FADER;
}

int LineControl::Minimum() const {
    return HasBounds() ? static_cast<int>(info_.Bounds.dwMinimum) : -1;
}

int LineControl::Maximum() const {
    return HasBounds() ? static_cast<int>(info_.Bounds.dwMaximum) : -1;
}

std::optional<DWORD> LineControl::Read(int channel) const {
    if (channel >= static_cast<int>(channels_)) {
        return std::nullopt;
    }
    std::vector<MIXERCONTROLDETAILS_UNSIGNED> values(channels_);
    MIXERCONTROLDETAILS details = {};
    details.cbStruct = sizeof details;
    details.dwControlID = info_.dwControlID;
    details.cChannels = channel < 0 ? 1 : channels_;
    details.cbDetails = sizeof(MIXERCONTROLDETAILS_UNSIGNED);
    details.paDetails = values.data();
    if (api_->GetControlDetails(Object(mixer_), &details, MIXER_GETCONTROLDETAILSF_VALUE) !=
        MMSYSERR_NOERROR) {
        return std::nullopt;
    }
    return values[channel < 0 ? 0 : static_cast<std::size_t>(channel)].dwValue;
}

bool LineControl::Write(const std::vector<DWORD>& values) const {
    if (values.empty() || values.size() > channels_) {
        return false;
    }
    std::vector<MIXERCONTROLDETAILS_UNSIGNED> details(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        details[i].dwValue = values[i];
    }
    MIXERCONTROLDETAILS request = {};
    request.cbStruct = sizeof request;
    request.dwControlID = info_.dwControlID;
    request.cChannels = static_cast<DWORD>(values.size());
    request.cbDetails = sizeof(MIXERCONTROLDETAILS_UNSIGNED);
    request.paDetails = details.data();
    return api_->SetControlDetails(Object(mixer_), &request, MIXER_SETCONTROLDETAILSF_VALUE) ==
           MMSYSERR_NOERROR;
}

const LineControl* MixerLine::ControlOfType(DWORD type) const {
    for (const LineControl& control : controls) {
        if (control.Type() == type) {
            return &control;
        }
    }
    return nullptr;
}

const LineControl* MixerLine::ControlNamed(std::string_view name) const {
    for (const LineControl& control : controls) {
        if (std::string_view(control.Info().szName,
                             strnlen(control.Info().szName, sizeof control.Info().szName)) ==
            name) {
            return &control;
        }
    }
    return nullptr;
}

const LineControl* MixerLine::ControlWithId(DWORD id) const {
    for (const LineControl& control : controls) {
        if (control.Info().dwControlID == id) {
            return &control;
        }
    }
    return nullptr;
}

bool MixerDevice::Open(UINT index, HWND callback) {
    Close();
    HMIXER mixer = nullptr;
    if (api_.Open(&mixer, index, reinterpret_cast<DWORD_PTR>(callback), 0, CALLBACK_WINDOW) !=
        MMSYSERR_NOERROR) {
        return false;
    }
    mixer_ = mixer;
    if (api_.GetDevCaps(reinterpret_cast<UINT_PTR>(mixer_), &caps_, sizeof caps_) !=
        MMSYSERR_NOERROR) {
        Close();
        return false;
    }
    caps_.szPname[sizeof caps_.szPname - 1] = '\0';
    const DWORD destinations = std::min<DWORD>(caps_.cDestinations, kMaxMixerDestinations);
    for (DWORD d = 0; d < destinations; ++d) {
        MIXERLINEA destination = {};
        destination.cbStruct = sizeof destination;
        destination.dwDestination = d;
        if (api_.GetLineInfo(Object(mixer_), &destination, MIXER_GETLINEINFOF_DESTINATION) !=
            MMSYSERR_NOERROR) {
            continue;
        }
        AddLine(destination);
        const DWORD sources = std::min<DWORD>(destination.cConnections, kMaxLineSources);
        for (DWORD s = 0; s < sources; ++s) {
            MIXERLINEA source = {};
            source.cbStruct = sizeof source;
            source.dwDestination = d;
            source.dwSource = s;
            if (api_.GetLineInfo(Object(mixer_), &source, MIXER_GETLINEINFOF_SOURCE) ==
                MMSYSERR_NOERROR) {
                AddLine(source);
            }
        }
    }
    return true;
}

// Adds a line with all its controls; a line whose controls cannot be read,
// or that claims more controls or channels than a headset line can have,
// is dropped.
void MixerDevice::AddLine(const MIXERLINEA& info) {
    if (info.cControls > kMaxLineControls || info.cChannels > kMaxLineChannels) {
        return;
    }
    MixerLine line{info, {}};
    line.info.szName[sizeof line.info.szName - 1] = '\0';
    if (info.cControls > 0) {
        std::vector<MIXERCONTROLA> controls(info.cControls);
        MIXERLINECONTROLSA request = {};
        request.cbStruct = sizeof request;
        request.dwLineID = info.dwLineID;
        request.cControls = info.cControls;
        request.cbmxctrl = sizeof(MIXERCONTROLA);
        request.pamxctrl = controls.data();
        if (api_.GetLineControls(Object(mixer_), &request, MIXER_GETLINECONTROLSF_ALL) !=
            MMSYSERR_NOERROR) {
            return;
        }
        for (MIXERCONTROLA& control : controls) {
            control.szName[sizeof control.szName - 1] = '\0';
            line.controls.emplace_back(api_, mixer_, control, info.cChannels);
        }
    }
    lines_.push_back(std::move(line));
}

void MixerDevice::Close() {
    lines_.clear();
    caps_ = {};
    if (mixer_ != nullptr) {
        api_.Close(mixer_);
        mixer_ = nullptr;
    }
}

const MixerLine* MixerDevice::LineOf(DWORD componentType) const {
    for (const MixerLine& line : lines_) {
        if (line.info.dwComponentType == componentType) {
            return &line;
        }
    }
    return nullptr;
}

const LineControl* MixerDevice::Control(DWORD componentType, DWORD controlType) const {
    const MixerLine* line = LineOf(componentType);
    return line != nullptr ? line->ControlOfType(controlType) : nullptr;
}

}  // namespace headset
