#include "virtual_mixer.h"

#include <algorithm>
#include <cstring>

namespace devices {
namespace {

// Handles of the virtual devices: the device index plus this base.
constexpr UINT_PTR kHandleBase = 0x7000;

HMIXER HandleOf(int device) {
    return reinterpret_cast<HMIXER>(kHandleBase + static_cast<UINT_PTR>(device));
}

void CopyName(char* to, std::size_t size, const char* from) {
    std::strncpy(to, from, size - 1);
    to[size - 1] = '\0';
}

DWORD Claimed(DWORD claim, DWORD count) {
    return claim != 0 ? claim : count;
}

}  // namespace

VirtualMixer::VirtualMixer(Options options) : options_(std::move(options)) {
    const DWORD sources = 1;
    AddLine(0, 0, MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, MIXERLINE_TARGETTYPE_WAVEOUT,
            options_.speakerChannels, "Speaker");
    lines_.back().info.cConnections = sources;
    AddControl(MIXERCONTROL_CONTROLTYPE_VOLUME, "Speaker Volume", options_.volumeMin,
               options_.volumeMax);
    if (options_.hasBass) {
        AddControl(MIXERCONTROL_CONTROLTYPE_BASS, "Bass", options_.toneMin, options_.toneMax);
    }
    if (options_.hasTreble) {
        AddControl(MIXERCONTROL_CONTROLTYPE_TREBLE, "Treble", options_.toneMin, options_.toneMax);
    }
    AddControl(MIXERCONTROL_CONTROLTYPE_MUTE, "Speaker Mute", 0, 1);
    if (options_.hasBassBoost) {
        AddControl(MIXERCONTROL_CONTROLTYPE_ONOFF, "Bass Boost", 0, 1);
    }
    AddLine(0, 0, MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT, MIXERLINE_TARGETTYPE_WAVEOUT, 2, "Wave");
    AddControl(MIXERCONTROL_CONTROLTYPE_VOLUME, "Wave Volume", 0, 65535);
    AddControl(MIXERCONTROL_CONTROLTYPE_MUTE, "Wave Mute", 0, 1);
    if (options_.hasWaveIn) {
        AddLine(1, 0, MIXERLINE_COMPONENTTYPE_DST_WAVEIN, MIXERLINE_TARGETTYPE_WAVEIN, 1,
                "Recording");
        AddControl(MIXERCONTROL_CONTROLTYPE_VOLUME, "Microphone Volume", 0, 65535);
        AddControl(MIXERCONTROL_CONTROLTYPE_MUTE, "Microphone Mute", 0, 1);
    }
}

void VirtualMixer::AddLine(DWORD destination, DWORD source, DWORD componentType, DWORD targetType,
                           DWORD channels, const char* name) {
    Line line = {};
    line.info.cbStruct = sizeof line.info;
    line.info.dwDestination = destination;
    line.info.dwSource = source;
    line.info.dwLineID = 0x1000 + static_cast<DWORD>(lines_.size());
    line.info.dwComponentType = componentType;
    line.info.cChannels = channels;
    line.info.Target.dwType = targetType;
    CopyName(line.info.szName, sizeof line.info.szName, name);
    CopyName(line.info.szShortName, sizeof line.info.szShortName, name);
    lines_.push_back(line);
}

void VirtualMixer::AddControl(DWORD type, const char* name, DWORD minimum, DWORD maximum) {
    Line& line = lines_.back();
    Control control = {};
    control.info.cbStruct = sizeof control.info;
    control.info.dwControlID = nextId_++;
    control.info.dwControlType = type;
    control.info.Bounds.dwMinimum = minimum;
    control.info.Bounds.dwMaximum = maximum;
    CopyName(control.info.szName, sizeof control.info.szName, name);
    CopyName(control.info.szShortName, sizeof control.info.szShortName, name);
    control.values.assign(line.info.cChannels == 0 ? 1 : line.info.cChannels, minimum);
    line.controls.push_back(control);
    line.info.cControls = static_cast<DWORD>(line.controls.size());
}

const VirtualMixer::Control* VirtualMixer::Find(DWORD componentType, DWORD controlType) const {
    for (const Line& line : lines_) {
        if (line.info.dwComponentType != componentType) {
            continue;
        }
        for (const Control& control : line.controls) {
            if (control.info.dwControlType == controlType) {
                return &control;
            }
        }
        return nullptr;
    }
    return nullptr;
}

VirtualMixer::Control* VirtualMixer::FindControl(DWORD controlId) {
    for (Line& line : lines_) {
        for (Control& control : line.controls) {
            if (control.info.dwControlID == controlId) {
                return &control;
            }
        }
    }
    return nullptr;
}

DWORD VirtualMixer::ControlId(DWORD componentType, DWORD controlType) const {
    const Control* control = Find(componentType, controlType);
    return control != nullptr ? control->info.dwControlID : 0;
}

std::vector<DWORD> VirtualMixer::Values(DWORD componentType, DWORD controlType) const {
    const Control* control = Find(componentType, controlType);
    return control != nullptr ? control->values : std::vector<DWORD>{};
}

std::optional<VirtualMixer::Range> VirtualMixer::Bounds(DWORD componentType,
                                                        DWORD controlType) const {
    const Control* control = Find(componentType, controlType);
    if (control == nullptr) {
        return std::nullopt;
    }
    return Range{control->info.Bounds.dwMinimum, control->info.Bounds.dwMaximum};
}

void VirtualMixer::Preset(DWORD componentType, DWORD controlType, std::vector<DWORD> values) {
    if (Control* control = FindControl(ControlId(componentType, controlType))) {
        control->values = std::move(values);
    }
}

void VirtualMixer::ChangeByAnotherProgram(DWORD componentType, DWORD controlType,
                                          std::vector<DWORD> values) {
    const DWORD id = ControlId(componentType, controlType);
    Preset(componentType, controlType, std::move(values));
    Notify(id);
}

void VirtualMixer::Notify(DWORD controlId) const {
    if (callback_ != nullptr && openDevice_ >= 0) {
        PostMessageA(callback_, MM_MIXM_CONTROL_CHANGE,
                     reinterpret_cast<WPARAM>(HandleOf(openDevice_)),
                     static_cast<LPARAM>(controlId));
    }
}

bool VirtualMixer::IsHeadsetHandle(HMIXEROBJ mixer) const {
    return headsetPresent_ && openDevice_ == options_.headsetIndex &&
           reinterpret_cast<UINT_PTR>(mixer) == kHandleBase + static_cast<UINT_PTR>(openDevice_);
}

void VirtualMixer::SetHeadsetPresent(bool present) {
    headsetPresent_ = present;
}

// Without the headset, the devices from its index on are not listed.
UINT VirtualMixer::GetNumDevs() {
    return static_cast<UINT>(headsetPresent_ ? options_.deviceNames.size()
                                             : static_cast<std::size_t>(options_.headsetIndex));
}

MMRESULT VirtualMixer::Open(HMIXER* mixer, UINT device, DWORD_PTR callback, DWORD_PTR,
                            DWORD flags) {
    if (mixer == nullptr || device >= GetNumDevs()) {
        return MMSYSERR_BADDEVICEID;
    }
    openDevice_ = static_cast<int>(device);
    callback_ =
        (flags & CALLBACK_TYPEMASK) == CALLBACK_WINDOW ? reinterpret_cast<HWND>(callback) : nullptr;
    *mixer = HandleOf(openDevice_);
    return MMSYSERR_NOERROR;
}

MMRESULT VirtualMixer::Close(HMIXER mixer) {
    if (openDevice_ < 0 || mixer != HandleOf(openDevice_)) {
        return MMSYSERR_INVALHANDLE;
    }
    openDevice_ = -1;
    callback_ = nullptr;
    return MMSYSERR_NOERROR;
}

MMRESULT VirtualMixer::GetDevCaps(UINT_PTR device, MIXERCAPSA* caps, UINT size) {
    const UINT_PTR index = device >= kHandleBase ? device - kHandleBase : device;
    if (caps == nullptr || size < sizeof *caps || index >= options_.deviceNames.size()) {
        return MMSYSERR_BADDEVICEID;
    }
    *caps = {};
    CopyName(caps->szPname, sizeof caps->szPname, options_.deviceNames[index].c_str());
    caps->cDestinations = static_cast<int>(index) == options_.headsetIndex
                              ? Claimed(options_.claimedDestinations, options_.hasWaveIn ? 2u : 1u)
                              : 0u;
    return MMSYSERR_NOERROR;
}

MIXERLINEA VirtualMixer::Reported(const MIXERLINEA& line) const {
    MIXERLINEA reported = line;
    if (line.dwComponentType == MIXERLINE_COMPONENTTYPE_DST_SPEAKERS) {
        reported.cConnections = Claimed(options_.claimedSpeakerSources, line.cConnections);
        reported.cControls = Claimed(options_.claimedSpeakerControls, line.cControls);
        reported.cChannels = Claimed(options_.claimedSpeakerChannels, line.cChannels);
    }
    return reported;
}

MMRESULT VirtualMixer::GetLineInfo(HMIXEROBJ mixer, MIXERLINEA* line, DWORD flags) {
    ++lineInfoQueries_;
    if (!IsHeadsetHandle(mixer) || line == nullptr) {
        return MMSYSERR_INVALHANDLE;
    }
    const DWORD query = flags & MIXER_GETLINEINFOF_QUERYMASK;
    int sourceIndex = -1;
    for (const Line& candidate : lines_) {
        const bool isDestination =
            candidate.info.dwComponentType < MIXERLINE_COMPONENTTYPE_SRC_FIRST;
        if (candidate.info.dwDestination != line->dwDestination) {
            continue;
        }
        if (query == MIXER_GETLINEINFOF_DESTINATION && isDestination) {
            *line = Reported(candidate.info);
            return MMSYSERR_NOERROR;
        }
        if (query == MIXER_GETLINEINFOF_SOURCE && !isDestination &&
            ++sourceIndex == static_cast<int>(line->dwSource)) {
            const DWORD source = line->dwSource;
            *line = candidate.info;
            line->dwSource = source;
            return MMSYSERR_NOERROR;
        }
    }
    return MIXERR_INVALLINE;
}

MMRESULT VirtualMixer::GetLineControls(HMIXEROBJ mixer, MIXERLINECONTROLSA* controls, DWORD flags) {
    if (!IsHeadsetHandle(mixer) || controls == nullptr ||
        (flags & MIXER_GETLINECONTROLSF_QUERYMASK) != MIXER_GETLINECONTROLSF_ALL) {
        return MMSYSERR_INVALPARAM;
    }
    for (const Line& line : lines_) {
        if (line.info.dwLineID == controls->dwLineID) {
            if (controls->cControls < line.controls.size() || controls->pamxctrl == nullptr) {
                return MMSYSERR_INVALPARAM;
            }
            for (std::size_t i = 0; i < line.controls.size(); ++i) {
                controls->pamxctrl[i] = line.controls[i].info;
            }
            return MMSYSERR_NOERROR;
        }
    }
    return MIXERR_INVALLINE;
}

// The control a details request names, when the request is one the system
// would take: the open headset's handle, a known control, unsigned values
// for one to all of its channels.
MMRESULT VirtualMixer::CheckDetails(HMIXEROBJ mixer, const MIXERCONTROLDETAILS* details,
                                    Control*& control) {
    control = details != nullptr ? FindControl(details->dwControlID) : nullptr;
    if (!IsHeadsetHandle(mixer) || control == nullptr) {
        return MIXERR_INVALCONTROL;
    }
    if (details->cChannels == 0 || details->cChannels > control->values.size() ||
        details->cbDetails != sizeof(MIXERCONTROLDETAILS_UNSIGNED) ||
        details->paDetails == nullptr) {
        return MMSYSERR_INVALPARAM;
    }
    return MMSYSERR_NOERROR;
}

MMRESULT VirtualMixer::GetControlDetails(HMIXEROBJ mixer, MIXERCONTROLDETAILS* details, DWORD) {
    Control* control = nullptr;
    if (const MMRESULT checked = CheckDetails(mixer, details, control);
        checked != MMSYSERR_NOERROR) {
        return checked;
    }
    if (failReads_) {
        return MMSYSERR_ERROR;
    }
    auto* out = static_cast<MIXERCONTROLDETAILS_UNSIGNED*>(details->paDetails);
    for (DWORD i = 0; i < details->cChannels; ++i) {
        out[i].dwValue = control->values[i];
    }
    return MMSYSERR_NOERROR;
}

MMRESULT VirtualMixer::SetControlDetails(HMIXEROBJ mixer, MIXERCONTROLDETAILS* details, DWORD) {
    Control* control = nullptr;
    if (const MMRESULT checked = CheckDetails(mixer, details, control);
        checked != MMSYSERR_NOERROR) {
        return checked;
    }
    const auto* in = static_cast<const MIXERCONTROLDETAILS_UNSIGNED*>(details->paDetails);
    Write write{control->info.dwControlID, {}};
    for (DWORD i = 0; i < details->cChannels; ++i) {
        write.values.push_back(in[i].dwValue);
    }
    writes_.push_back(write);
    if (failWrites_) {
        return MMSYSERR_ERROR;
    }
    if (details->cChannels == 1) {
        std::fill(control->values.begin(), control->values.end(), in[0].dwValue);
    } else {
        control->values = write.values;
    }
    Notify(control->info.dwControlID);
    if (observer_) {
        observer_();
    }
    return MMSYSERR_NOERROR;
}

}  // namespace devices
