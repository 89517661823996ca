// A headset known to this prefix's device manager for the life of the
// object: a USB-class device registered with its hardware ids (Wine lists
// it among the present devices), removed again at the end.
#pragma once

#include <windows.h>

#include <setupapi.h>

namespace setup_tests {

class RegisteredHeadset {
public:
    RegisteredHeadset();
    ~RegisteredHeadset();
    RegisteredHeadset(const RegisteredHeadset&) = delete;
    RegisteredHeadset& operator=(const RegisteredHeadset&) = delete;

    bool IsRegistered() const { return registered_; }

private:
    HDEVINFO set_;
    SP_DEVINFO_DATA device_ = {};
    bool registered_ = false;
};

}  // namespace setup_tests
