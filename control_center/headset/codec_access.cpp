#include "codec_access.h"

#include "outside_library.h"

namespace headset {
namespace {

using GetMemFn = BOOL(WINAPI*)(DWORD address, DWORD length, BYTE* buffer);
using XdspWriteFn = BOOL(WINAPI*)(DWORD address, LONG value);

template <typename Fn>
Fn As(FARPROC entry) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(entry));
}

}  // namespace

int CodecAccess::Load() {
    if (loaded_) {
        return 1;
    }
    codec_ = tavimo::LoadOutsideLibrary(libraries_.codec);
    loaded_ = codec_ && tavimo::ResolveAll(codec_.get(), {{"_HsioGetMem@12", &getMem_},
                                                          {"_HsioSetMem@12", &setMem_},
                                                          {"_HsioXDSPRead@8", &dspRead_},
                                                          {"_HsioXDSPWrite@8", &dspWrite_}});
    loaded_ = loaded_ && Probe();
    if (loaded_) {
        coefficients_ = tavimo::LoadOutsideLibrary(libraries_.coefficients);
        FARPROC bandCalc = nullptr, getCof = nullptr, getScal = nullptr;
        loaded_ =
            coefficients_ && tavimo::ResolveAll(coefficients_.get(), {{"_BandCalc@28", &bandCalc},
                                                                      {"_GetCof@16", &getCof},
                                                                      {"_GetScal@4", &getScal}});
    }
    if (!loaded_) {
        Unload();
        return 0;
    }
    return 1;
}

void CodecAccess::Unload() {
    loaded_ = false;
    getMem_ = setMem_ = dspRead_ = dspWrite_ = nullptr;
    coefficients_.reset();
    codec_.reset();
}

bool CodecAccess::Probe() const {
    if (getMem_ == nullptr) {
        return false;
    }
    BYTE byte = 0;
    return As<GetMemFn>(getMem_)(0, 1, &byte) != FALSE;
}

void CodecAccess::Download(const DspWrites& writes) const {
    if (!loaded_) {
        return;
    }
    for (const DspWrite& write : writes) {
        As<XdspWriteFn>(dspWrite_)(write.address, write.value);
    }
}

}  // namespace headset
