#include "layout_choice.h"

#include <climits>

#include "headset_ids.h"

namespace tavimo {

int SerialPrefix(std::string_view serial) {
    long long number = 0;
    for (char c : serial) {
        if (c < '0' || c > '9') {
            break;
        }
        number = number * 10 + (c - '0');
        if (number > INT_MAX) {
            return INT_MAX;
        }
    }
    return static_cast<int>(number);
}

int ChooseLayout(std::uint16_t productId, std::string_view serial) {
    if (productId != kOlderProductId) {
        return kLayoutDefault;
    }
    return SerialPrefix(serial) == kProModel ? kLayoutPro : kLayoutHeadphone;
}

}  // namespace tavimo
