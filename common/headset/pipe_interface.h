// The filter driver's device interface and the bulk pipe below it, through
// which the older headset family takes its 94-byte preset blocks.
#pragma once

#include <functional>
#include <string>

#include "pipe_api.h"

namespace headset {

// The pipe's name below the interface path.
inline constexpr char kPipeName[] = "\\PIPE00";

inline std::string PipePath(const std::string& interfacePath) {
    return interfacePath + kPipeName;
}

// An open pipe or interface file, closed exactly once through the boundary
// that opened it.
class PipeHandle {
public:
    PipeHandle(devices::PipeApi& api, HANDLE handle) : api_(api), handle_(handle) {}
    ~PipeHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            api_.ClosePipe(handle_);
        }
    }
    PipeHandle(const PipeHandle&) = delete;
    PipeHandle& operator=(const PipeHandle&) = delete;
    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    devices::PipeApi& api_;
    HANDLE handle_;
};

// Opens path for reading and writing, shared, as the filter driver expects.
PipeHandle OpenPipe(devices::PipeApi& api, const std::string& path);

// The first present interface of the filter driver's class that accept
// takes (by default the first one); empty when there is none.
std::string FindPipeInterface(
    devices::PipeApi& api, const std::function<bool(const std::string& path)>& accept =
                               [](const std::string&) { return true; });

}  // namespace headset
