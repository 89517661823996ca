// The headset's model number: the leading decimal digits of its HID
// serial-number string (100, 200, 300, 400 or 500; 200 is the "Pro").
#pragma once

#include <climits>
#include <string_view>

namespace headset {

// 0 when the string is empty or starts with anything but a digit; saturates
// rather than overflow.
inline int ModelNumber(std::string_view serial) {
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

}  // namespace headset
