#include "panel_stack.h"

#include <algorithm>

#include "saturating.h"

namespace skin {

// Panel sizes are bounded, but not their count: sums saturate.

const StackedPanel& PanelStack::Add(int id, Size size) {
    panels_.push_back({id, size, nextOriginY_});
    nextOriginY_ = SaturatingAdd(nextOriginY_, size.height);
    return panels_.back();
}

int PanelStack::SelectConfig(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= configs_.size()) {
        return -1;
    }
    current_ = index;
    return current_;
}

int PanelStack::NextConfig() {
    if (configs_.empty()) {
        return -1;
    }
    const int next = current_ + 1;
    return SelectConfig(static_cast<std::size_t>(next) < configs_.size() ? next : 0);
}

bool PanelStack::IsShown(int panelId) const {
    if (current_ < 0) {
        return false;
    }
    const std::vector<int>& ids = configs_[static_cast<std::size_t>(current_)].panelIds;
    return std::find(ids.begin(), ids.end(), panelId) != ids.end();
}

Size PanelStack::BoundingSize() const {
    Size bounds;
    for (const StackedPanel& panel : panels_) {
        if (IsShown(panel.id)) {
            bounds.width = std::max(bounds.width, panel.size.width);
            bounds.height = SaturatingAdd(bounds.height, panel.size.height);
        }
    }
    return bounds;
}

int PanelStack::HitTest(int x, int y) const {
    for (const StackedPanel& panel : panels_) {
        if (x >= 0 && x < panel.size.width && y >= panel.originY &&
            y - panel.originY < panel.size.height) {
            return panel.id;
        }
    }
    return -1;
}

}  // namespace skin
