#include "pipe_interface.h"

#include "interface_walk.h"

namespace headset {

PipeHandle OpenPipe(devices::PipeApi& api, const std::string& path) {
    return PipeHandle(api,
                      api.CreatePipeFile(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING, 0));
}

std::string FindPipeInterface(devices::PipeApi& api,
                              const std::function<bool(const std::string& path)>& accept) {
    return WalkInterfaces(api, devices::kFilterDriverClass, accept);
}

}  // namespace headset
