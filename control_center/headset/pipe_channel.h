// PipeChannel: the older headset family's way in for equalizer presets, the
// bulk pipe "\PIPE00" below the filter driver's device interface. Opening
// and writing are each tried three times, with a pause after every failure.
#pragma once

#include <windows.h>

#include <string>

#include "pipe_api.h"
#include "platform_api.h"

namespace headset {

inline constexpr int kPipeAttempts = 3;
inline constexpr DWORD kPipeRetryPause = 500;

class PipeChannel {
public:
    PipeChannel(devices::PipeApi& api, devices::PlatformApi& platform)
        : api_(api), platform_(platform) {}

    // Takes the first non-empty interface path of the filter driver's class;
    // true when there is one.
    bool Find();
    void Clear() { path_.clear(); }
    bool HasPath() const { return !path_.empty(); }
    const std::string& Path() const { return path_; }

    // The bytes written by the attempt that succeeded; 0 without a path or
    // when every attempt to open or to write failed.
    DWORD Write(const void* data, DWORD size);

private:
    DWORD WriteOpened(HANDLE pipe, const void* data, DWORD size);

    devices::PipeApi& api_;
    devices::PlatformApi& platform_;
    std::string path_;
};

}  // namespace headset
