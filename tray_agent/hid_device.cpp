#include "hid_device.h"

namespace tray {

bool CHidDevice::OpenForWriting() {
    Close();
    if (node_ == nullptr) {
        return false;
    }
    write_ =
        HidFile(api_, api_.CreateDeviceFile(node_->path.c_str(), GENERIC_WRITE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING, 0));
    if (!write_ || !headset::ReadHidIdentity(api_, write_.get(), preparsed_, identity_)) {
        Close();
        return false;
    }
    const HIDP_CAPS& caps = identity_.caps;
    if (caps.OutputReportByteLength != 0) {
        output_ =
            headset::LoadReport(api_, preparsed_.get(), HidP_Output, caps.NumberOutputButtonCaps,
                                caps.NumberOutputValueCaps, caps.OutputReportByteLength);
    }
    return true;
}

std::optional<GainRange> CHidDevice::OutputRange() const {
    const auto range = headset::ValueRange(output_, headset::kConsumerPage, headset::kGainUsage);
    if (!range) {
        return std::nullopt;
    }
    return GainRange{static_cast<std::uint16_t>(range->first),
                     static_cast<std::uint16_t>(range->second)};
}

bool CHidDevice::SendGainReport(std::uint16_t value, bool mute) {
    return write_ &&
           headset::WriteGainReport(api_, write_.get(), preparsed_.get(), output_, value, mute);
}

void CHidDevice::Close() {
    output_ = {};
    identity_ = {};
    preparsed_.reset();
    write_.reset();
}

std::string CHidDevice::SerialText() const {
    if (node_ == nullptr) {
        return {};
    }
    const auto serial =
        headset::ReadHidString(api_, &devices::HidApi::GetSerialNumberString, node_->query.get());
    if (!serial) {
        return {};
    }
    return headset::ToAnsi(*serial).value_or(kUnconvertibleSerial);
}

}  // namespace tray
