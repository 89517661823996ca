#include "wave_loopback.h"

namespace headset {
namespace {

// Longest buffer a loopback takes: a minute of 8-channel 32-bit 192 kHz.
constexpr unsigned long long kMaxBufferBytes = 60ULL * 8 * 4 * 192000;

}  // namespace

WaveLoopback::WaveLoopback(devices::WaveApi& wave, const WaveFormat& format)
    : wave_(wave), format_(format), event_(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {}

WaveLoopback::~WaveLoopback() {
    Stop();
}

WAVEFORMATEX WaveLoopback::Pcm() const {
    WAVEFORMATEX pcm{};
    pcm.wFormatTag = WAVE_FORMAT_PCM;
    pcm.nChannels = format_.channels;
    pcm.nSamplesPerSec = format_.samplesPerSecond;
    pcm.nBlockAlign = static_cast<WORD>(format_.bitsPerSample / 8 * format_.channels);
    pcm.nAvgBytesPerSec = pcm.nBlockAlign * format_.samplesPerSecond;
    pcm.wBitsPerSample = format_.bitsPerSample;
    pcm.cbSize = 0;
    return pcm;
}

DWORD WaveLoopback::BufferBytes() const {
    const unsigned long long bytes = 1ULL * format_.bitsPerSample / 8 * format_.channels *
                                     format_.samplesPerSecond * format_.seconds;
    return bytes <= kMaxBufferBytes ? static_cast<DWORD>(bytes) : 0;
}

bool WaveLoopback::Usable() const {
    return event_ && !recording_ && !playing_ && format_.channels != 0 &&
           format_.bitsPerSample != 0 && format_.samplesPerSecond != 0 && format_.seconds != 0 &&
           BufferBytes() != 0;
}

bool WaveLoopback::OpenNotified() {
    return wave_.WaitForEvent(event_.get(), kOpenTimeout) == WAIT_OBJECT_0;
}

bool WaveLoopback::Record() {
    if (!Usable()) {
        return false;
    }
    const WAVEFORMATEX pcm = Pcm();
    ResetEvent(event_.get());
    if (wave_.InOpen(&in_, WAVE_MAPPER, &pcm, reinterpret_cast<DWORD_PTR>(event_.get()), 0,
                     CALLBACK_EVENT) != MMSYSERR_NOERROR) {
        in_ = nullptr;
        return false;
    }
    if (!OpenNotified()) {
        CloseInput(false);
        return false;
    }
    // Silence wherever the device records less than the whole length.
    buffer_.assign(BufferBytes(), format_.bitsPerSample == 8 ? '\x80' : '\0');
    header_ = {};
    header_.lpData = buffer_.data();
    header_.dwBufferLength = static_cast<DWORD>(buffer_.size());
    header_.dwFlags = WHDR_BEGINLOOP | WHDR_ENDLOOP;
    header_.dwLoops = 1;
    if (wave_.InPrepareHeader(in_, &header_, sizeof header_) != MMSYSERR_NOERROR) {
        CloseInput(false);
        return false;
    }
    prepared_ = true;
    if (wave_.InAddBuffer(in_, &header_, sizeof header_) != MMSYSERR_NOERROR ||
        wave_.InStart(in_) != MMSYSERR_NOERROR) {
        CloseInput(true);
        return false;
    }
    recording_ = true;
    return true;
}

bool WaveLoopback::IsRecording(DWORD milliseconds) {
    if (recording_ && wave_.WaitForEvent(event_.get(), milliseconds) == WAIT_OBJECT_0 &&
        (header_.dwFlags & WHDR_DONE) != 0) {
        CloseInput(false);
    }
    return recording_;
}

bool WaveLoopback::Play() {
    if (!Usable() || buffer_.empty()) {
        return false;
    }
    const WAVEFORMATEX pcm = Pcm();
    ResetEvent(event_.get());
    if (wave_.OutOpen(&out_, WAVE_MAPPER, &pcm, reinterpret_cast<DWORD_PTR>(event_.get()), 0,
                      CALLBACK_EVENT) != MMSYSERR_NOERROR) {
        out_ = nullptr;
        return false;
    }
    if (!OpenNotified()) {
        CloseOutput(false);
        return false;
    }
    header_.lpData = buffer_.data();
    header_.dwBufferLength = static_cast<DWORD>(buffer_.size());
    header_.dwFlags = 0;
    header_.dwLoops = 0;
    if (wave_.OutPrepareHeader(out_, &header_, sizeof header_) != MMSYSERR_NOERROR) {
        CloseOutput(false);
        return false;
    }
    prepared_ = true;
    if (wave_.OutWrite(out_, &header_, sizeof header_) != MMSYSERR_NOERROR) {
        CloseOutput(true);
        return false;
    }
    playing_ = true;
    return true;
}

bool WaveLoopback::IsPlaying(DWORD milliseconds) {
    if (playing_ && wave_.WaitForEvent(event_.get(), milliseconds) == WAIT_OBJECT_0 &&
        (header_.dwFlags & WHDR_DONE) != 0) {
        CloseOutput(false);
    }
    return playing_;
}

bool WaveLoopback::RecordToEnd() {
    return Record() && RunToEnd(&WaveLoopback::IsRecording);
}

bool WaveLoopback::PlayToEnd() {
    return Play() && RunToEnd(&WaveLoopback::IsPlaying);
}

bool WaveLoopback::RunToEnd(bool (WaveLoopback::*running)(DWORD)) {
    const DWORD limit = format_.seconds * 1000 + kOverrun;
    for (DWORD waited = 0; (this->*running)(kPollInterval); waited += kPollInterval) {
        if (waited >= limit) {
            Stop();
            break;
        }
    }
    return true;
}

void WaveLoopback::Stop() {
    if (in_ != nullptr) {
        CloseInput(true);
    }
    if (out_ != nullptr) {
        CloseOutput(true);
    }
}

void WaveLoopback::CloseInput(bool reset) {
    if (reset) {
        wave_.InReset(in_);  // the device gives the buffer back
    }
    if (prepared_) {
        wave_.InUnprepareHeader(in_, &header_, sizeof header_);
        prepared_ = false;
    }
    wave_.InClose(in_);
    in_ = nullptr;
    recording_ = false;
}

void WaveLoopback::CloseOutput(bool reset) {
    if (reset) {
        wave_.OutReset(out_);
    }
    if (prepared_) {
        wave_.OutUnprepareHeader(out_, &header_, sizeof header_);
        prepared_ = false;
    }
    wave_.OutClose(out_);
    out_ = nullptr;
    playing_ = false;
}

}  // namespace headset
