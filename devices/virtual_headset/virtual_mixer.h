// The virtual headset's mixer: a mixer device with the lines and controls a
// USB headset shows to Windows, beside other devices if a test wants them.
// It keeps every write for tests to assert (and tells an observer of it),
// posts MM_MIXM_CONTROL_CHANGE to the callback window as the system does (for
// its own writes too), and can change a control as another program would.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "mixer_api.h"

namespace devices {

class VirtualMixer final : public MixerApi {
public:
    struct Options {
        // Names of the mixer devices in index order; the headset is headsetIndex.
        std::vector<std::string> deviceNames = {"Quorvel USB Headset"};
        int headsetIndex = 0;
        DWORD speakerChannels = 2;
        DWORD volumeMin = 0, volumeMax = 65535;
        DWORD toneMin = 0, toneMax = 65535;
        bool hasBass = true, hasTreble = true, hasBassBoost = true, hasWaveIn = true;
        // Counts a faulty driver reports, beside what the device holds (0:
        // the true count): the headset's destinations, and the speaker
        // line's sources, controls and channels.
        DWORD claimedDestinations = 0;
        DWORD claimedSpeakerSources = 0, claimedSpeakerControls = 0, claimedSpeakerChannels = 0;
    };
    struct Write {
        DWORD controlId;
        std::vector<DWORD> values;
        bool operator==(const Write&) const = default;
    };

    explicit VirtualMixer(Options options);
    VirtualMixer() : VirtualMixer(Options{}) {}

    // The id of a control on the first line of a component type; 0 when none.
    DWORD ControlId(DWORD componentType, DWORD controlType) const;
    // Its values, one per channel.
    std::vector<DWORD> Values(DWORD componentType, DWORD controlType) const;
    // Its bounds, when there is such a control.
    struct Range {
        DWORD minimum, maximum;
    };
    std::optional<Range> Bounds(DWORD componentType, DWORD controlType) const;
    // Sets values without notifying (the state a test starts from).
    void Preset(DWORD componentType, DWORD controlType, std::vector<DWORD> values);
    // Another program changes a control: the callback window is told.
    void ChangeByAnotherProgram(DWORD componentType, DWORD controlType, std::vector<DWORD> values);

    const std::vector<Write>& Writes() const { return writes_; }
    void FailWrites(bool fail) { failWrites_ = fail; }
    void FailReads(bool fail) { failReads_ = fail; }
    // Called after each write that changed a control; empty: none.
    void SetWriteObserver(std::function<void()> observer) { observer_ = std::move(observer); }
    bool IsOpen() const { return openDevice_ >= 0; }
    // mixerGetLineInfo calls so far.
    int LineInfoQueries() const { return lineInfoQueries_; }
    // Unplugging the headset takes its device away; a handle still open on
    // it answers nothing but can be closed.
    void SetHeadsetPresent(bool present);

    UINT GetNumDevs() override;
    MMRESULT Open(HMIXER* mixer, UINT device, DWORD_PTR callback, DWORD_PTR instance,
                  DWORD flags) override;
    MMRESULT Close(HMIXER mixer) override;
    MMRESULT GetDevCaps(UINT_PTR device, MIXERCAPSA* caps, UINT size) override;
    MMRESULT GetLineInfo(HMIXEROBJ mixer, MIXERLINEA* line, DWORD flags) override;
    MMRESULT GetLineControls(HMIXEROBJ mixer, MIXERLINECONTROLSA* controls, DWORD flags) override;
    MMRESULT GetControlDetails(HMIXEROBJ mixer, MIXERCONTROLDETAILS* details, DWORD flags) override;
    MMRESULT SetControlDetails(HMIXEROBJ mixer, MIXERCONTROLDETAILS* details, DWORD flags) override;

private:
    struct Control {
        MIXERCONTROLA info;
        std::vector<DWORD> values;
    };
    struct Line {
        MIXERLINEA info;
        std::vector<Control> controls;
    };

    void AddLine(DWORD destination, DWORD source, DWORD componentType, DWORD targetType,
                 DWORD channels, const char* name);
    void AddControl(DWORD type, const char* name, DWORD minimum, DWORD maximum);
    Control* FindControl(DWORD controlId);
    MMRESULT CheckDetails(HMIXEROBJ mixer, const MIXERCONTROLDETAILS* details, Control*& control);
    const Control* Find(DWORD componentType, DWORD controlType) const;
    bool IsHeadsetHandle(HMIXEROBJ mixer) const;
    void Notify(DWORD controlId) const;
    // The counts a line reports, with the claims of the options.
    MIXERLINEA Reported(const MIXERLINEA& line) const;

    Options options_;
    std::vector<Line> lines_;  // the headset's: destinations, each followed by its sources
    DWORD nextId_ = 1;
    int openDevice_ = -1;
    HWND callback_ = nullptr;
    std::vector<Write> writes_;
    bool failWrites_ = false;
    bool failReads_ = false;
    int lineInfoQueries_ = 0;
    bool headsetPresent_ = true;
    std::function<void()> observer_;
};

}  // namespace devices
