// WaveLoopback: records a few seconds from the default wave-in device and
// plays them back on the default wave-out device, for the microphone test.
// Both devices signal one auto-reset event. The buffer is owned here and is
// never freed or reused while a device holds it.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <vector>

#include "unique_handle.h"
#include "wave_api.h"

namespace headset {

struct WaveFormat {
    WORD channels = 0;
    WORD bitsPerSample = 0;
    DWORD samplesPerSecond = 0;
    DWORD seconds = 0;
};

class WaveLoopback {
public:
    // How long a device may take to tell that it opened.
    static constexpr DWORD kOpenTimeout = 1000;
    // The pause between two looks at a running phase.
    static constexpr DWORD kPollInterval = 100;
    // How long a phase may run beyond its length before it is stopped.
    static constexpr DWORD kOverrun = 1000;

    WaveLoopback(devices::WaveApi& wave, const WaveFormat& format);
    ~WaveLoopback();
    WaveLoopback(const WaveLoopback&) = delete;
    WaveLoopback& operator=(const WaveLoopback&) = delete;

    // Starts recording into a new buffer of silence; false when refused
    // (running, a format field 0) or when a step fails.
    bool Record();
    // Whether the recording runs, after waiting up to `milliseconds` for its
    // end; a recording that ended is finished here.
    bool IsRecording(DWORD milliseconds = 0);
    // Starts playing the whole buffer; false when refused or a step fails.
    bool Play();
    bool IsPlaying(DWORD milliseconds = 0);

    // Each runs its phase to the end, looking every kPollInterval, and stops
    // it when it overruns its length by kOverrun. False when it did not start.
    bool RecordToEnd();
    bool PlayToEnd();

    // Ends whatever runs: the device gives the buffer back, its header is
    // unprepared and the device closed.
    void Stop();

    DWORD BufferBytes() const;

private:
    WAVEFORMATEX Pcm() const;
    bool Usable() const;
    bool OpenNotified();
    bool RunToEnd(bool (WaveLoopback::*running)(DWORD));
    void CloseInput(bool reset);
    void CloseOutput(bool reset);

    devices::WaveApi& wave_;
    WaveFormat format_;
    tavimo::UniqueHandle event_;
    HWAVEIN in_ = nullptr;
    HWAVEOUT out_ = nullptr;
    WAVEHDR header_{};
    bool prepared_ = false;
    std::vector<char> buffer_;
    bool recording_ = false;
    bool playing_ = false;
};

}  // namespace headset
