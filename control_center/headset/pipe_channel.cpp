#include "pipe_channel.h"

#include "pipe_interface.h"

namespace headset {

bool PipeChannel::Find() {
    path_ = FindPipeInterface(api_);
    return HasPath();
}

DWORD PipeChannel::Write(const void* data, DWORD size) {
    if (path_.empty()) {
        return 0;
    }
    const std::string pipe = PipePath(path_);
    for (int attempt = 0; attempt < kPipeAttempts; ++attempt) {
        const PipeHandle handle = OpenPipe(api_, pipe);
        if (handle) {
            return WriteOpened(handle.get(), data, size);
        }
        platform_.Wait(kPipeRetryPause);
    }
    return 0;
}

DWORD PipeChannel::WriteOpened(HANDLE pipe, const void* data, DWORD size) {
    for (int attempt = 0; attempt < kPipeAttempts; ++attempt) {
        DWORD written = 0;
        if (api_.WritePipe(pipe, data, size, &written)) {
            return written;
        }
        platform_.Wait(kPipeRetryPause);
    }
    return 0;
}

}  // namespace headset
