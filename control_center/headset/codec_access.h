// CodecAccess: the binding of the codec-access library through which the
// newer headset family's DSP equalizer is written and its presence probed.
// It counts as loaded only when the library, its four entry points, a codec
// that answers and the coefficient library with its three entry points are
// all there; otherwise nothing stays loaded.
#pragma once

#include <windows.h>

#include "codec_preset.h"
#include "unique_handle.h"

namespace headset {

class CodecAccess {
public:
    struct Libraries {
        const char* codec = "HSIO.DLL";
        const char* coefficients = "BANDCALC.DLL";
    };

    CodecAccess() = default;
    explicit CodecAccess(Libraries libraries) : libraries_(libraries) {}

    // 1 when loaded (also when it already was), else 0.
    int Load();
    void Unload();
    bool IsLoaded() const { return loaded_; }
    // Whether the codec answers a one-byte read of address 0; false when not
    // loaded.
    bool Probe() const;
    // The fifteen DSP writes in order; their results are not looked at.
    void Download(const DspWrites& writes) const;

private:
    Libraries libraries_;
    tavimo::UniqueModule codec_, coefficients_;
    FARPROC getMem_ = nullptr, setMem_ = nullptr, dspRead_ = nullptr, dspWrite_ = nullptr;
    bool loaded_ = false;
};

}  // namespace headset
