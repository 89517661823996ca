// The Windows mixer services, one call for one call, so that the headset
// model runs against the system's mixer or against the virtual headset.
#pragma once

#include <windows.h>

#include <mmsystem.h>

namespace devices {

class MixerApi {
public:
    virtual ~MixerApi() = default;

    virtual UINT GetNumDevs() = 0;
    virtual MMRESULT Open(HMIXER* mixer, UINT device, DWORD_PTR callback, DWORD_PTR instance,
                          DWORD flags) = 0;
    virtual MMRESULT Close(HMIXER mixer) = 0;
    virtual MMRESULT GetDevCaps(UINT_PTR device, MIXERCAPSA* caps, UINT size) = 0;
    virtual MMRESULT GetLineInfo(HMIXEROBJ mixer, MIXERLINEA* line, DWORD flags) = 0;
    virtual MMRESULT GetLineControls(HMIXEROBJ mixer, MIXERLINECONTROLSA* controls,
                                     DWORD flags) = 0;
    virtual MMRESULT GetControlDetails(HMIXEROBJ mixer, MIXERCONTROLDETAILS* details,
                                       DWORD flags) = 0;
    virtual MMRESULT SetControlDetails(HMIXEROBJ mixer, MIXERCONTROLDETAILS* details,
                                       DWORD flags) = 0;
};

// The system's mixer services (winmm).
MixerApi& SystemMixer();

}  // namespace devices
