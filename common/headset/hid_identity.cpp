#include "hid_identity.h"

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

std::optional<std::wstring> ReadHidString(devices::HidApi& api, HidStringQuery query,
                                          HANDLE device) {
    wchar_t text[kStringCharacters] = {};
    if (!(api.*query)(device, text, sizeof text)) {
        return std::nullopt;
    }
    text[kStringCharacters - 1] = L'\0';
    return std::wstring(text);
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
