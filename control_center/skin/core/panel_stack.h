// The panels of a loaded layout as the frame arranges them: their sizes and
// load-time origins, the configurations and which of them is current.
#pragma once

#include <vector>

#include "layout_rules.h"

namespace skin {

struct Size {
    int width = 0;
    int height = 0;
    bool IsEmpty() const { return width <= 0 || height <= 0; }
    bool operator==(const Size&) const = default;
};

// A panel needs a size within the coordinate range of a window and, as the
// loader has it, not both sides 0.
inline constexpr int kMaxPanelSide = 32767;
inline bool IsUsablePanelSize(Size size) {
    return size.width >= 0 && size.height >= 0 && size.width <= kMaxPanelSide &&
           size.height <= kMaxPanelSide && (size.width != 0 || size.height != 0);
}

struct StackedPanel {
    int id;
    Size size;
    int originY;  // sum of the heights of the panels before it, shown or not
};

class PanelStack {
public:
    // Adds the next panel below the ones added before; returns it.
    const StackedPanel& Add(int id, Size size);
    void SetConfigs(std::vector<PanelConfig> configs) { configs_ = std::move(configs); }

    const std::vector<StackedPanel>& Panels() const { return panels_; }
    // Where the next panel added will start.
    int NextOriginY() const { return nextOriginY_; }
    int CurrentConfig() const { return current_; }

    // Makes configuration index current; -1 (and no change) when out of range.
    int SelectConfig(int index);
    // The next configuration, wrapping to 0 past the last; -1 when there are none.
    int NextConfig();

    // Whether the current configuration lists the panel (none before a selection).
    bool IsShown(int panelId) const;
    // Widest shown panel by the sum of the shown panels' heights.
    Size BoundingSize() const;
    // The first panel, in layout order, whose rectangle at its origin holds
    // the point; -1 when none.
    int HitTest(int x, int y) const;

private:
    std::vector<StackedPanel> panels_;
    std::vector<PanelConfig> configs_;
    int current_ = -1;
    int nextOriginY_ = 0;
};

}  // namespace skin
