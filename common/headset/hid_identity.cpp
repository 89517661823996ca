#include "hid_identity.h"

#include "headset_ids.h"
#include "hid_device_file.h"

namespace headset {
namespace {

constexpr std::size_t kStringCharacters = 256;
constexpr int kAnsiBytes = 256;

}  // namespace

void PreparsedData::reset() {
    if (data_ != nullptr) {
        api_->FreePreparsedData(data_);
        data_ = nullptr;
    }
}

bool PreparsedData::Read(HANDLE device) {
    reset();
    if (!api_->GetPreparsedData(device, &data_)) {
        data_ = nullptr;
        return false;
    }
    return true;
}

bool ReadHidIdentity(devices::HidApi& api, HANDLE device, PreparsedData& preparsed,
                     HidIdentity& identity) {
    identity = {};
    identity.attributes.Size = sizeof identity.attributes;
    return preparsed.Read(device) && api.GetAttributes(device, &identity.attributes) &&
           api.GetCaps(preparsed.get(), &identity.caps) == HIDP_STATUS_SUCCESS;
}

bool IsVendorDevice(devices::HidApi& api, const std::string& path) {
    const HidFile probe(
        api, api.CreateDeviceFile(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  OPEN_EXISTING, FILE_FLAG_OVERLAPPED));
    if (!probe) {
        return false;
    }
    HIDD_ATTRIBUTES attributes = {};
    attributes.Size = sizeof attributes;
    return api.GetAttributes(probe.get(), &attributes) && attributes.VendorID == tavimo::kVendorId;
}

std::optional<std::wstring> ReadHidString(devices::HidApi& api, HidStringQuery query,
                                          HANDLE device) {
    wchar_t text[kStringCharacters] = {};
    if (!(api.*query)(device, text, sizeof text)) {
        return std::nullopt;
    }
    text[kStringCharacters - 1] = L'\0';
    return std::wstring(text);
}

std::string ReadAnsiHidString(devices::HidApi& api, HidStringQuery query, HANDLE device) {
    const std::optional<std::wstring> text = ReadHidString(api, query, device);
    return text ? ToAnsi(*text).value_or("") : std::string();
}

std::optional<std::string> ToAnsi(const std::wstring& text) {
    char converted[kAnsiBytes] = {};
    // The terminating zero is converted too, and counts within the room.
    const int length = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, converted, sizeof converted,
                                           nullptr, nullptr);
    if (length <= 0) {
        return std::nullopt;
    }
    return std::string(converted);
}

}  // namespace headset
