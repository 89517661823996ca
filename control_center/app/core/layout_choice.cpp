#include "layout_choice.h"

#include "headset_ids.h"
#include "model_number.h"

namespace tavimo {

int ChooseLayout(std::uint16_t productId, std::string_view serial) {
    if (productId != kOlderProductId) {
        return kLayoutDefault;
    }
    return headset::ModelNumber(serial) == kProModel ? kLayoutPro : kLayoutHeadphone;
}

}  // namespace tavimo
