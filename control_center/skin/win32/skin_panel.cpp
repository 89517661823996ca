#include "di_dropdown.h"
#include "di_tabs.h"
#include "layout_rules.h"
#include "saturating.h"
#include "skin_bitmap.h"
#include "skin_layout.h"

namespace skin {
namespace {

// The panel's size: its background bitmap's, or its size entry's.
Size PanelSize(const LayoutSection& section, HBITMAP background) {
    const LayoutEntry* entry = section.Entry(kBackgroundKey);
    if (entry != nullptr && !entry->Values().empty()) {
        return BitmapSize(background);
    }
    entry = section.Entry(kSizeKey);
    if (entry != nullptr && entry->Values().size() >= 2) {
        return {ReadNumber(entry->Value(0)), ReadNumber(entry->Value(1))};
    }
    return {};
}

HBITMAP LoadBackground(const LayoutSection& section, BitmapCache& bitmaps) {
    const LayoutEntry* entry = section.Entry(kBackgroundKey);
    if (entry == nullptr || entry->Values().empty()) {
        return nullptr;
    }
    return bitmaps.Get(BitmapFields(entry->Value(0)).Read(entry->Value(0)));
}

}  // namespace

void ControlSet::Show(bool show) const {
    for (const auto& item : items) {
        item->Show(show);
    }
}

bool SkinPanel::Build(const LayoutSection& section, int id, HWND owner, int originY,
                      BitmapCache& bitmaps) {
    id_ = id;
    background_ = LoadBackground(section, bitmaps);
    size_ = PanelSize(section, background_);
    if (!IsUsablePanelSize(size_)) {
        return false;
    }
    ControlSet current;
    for (const LayoutEntry& entry : section.entries) {
        if (EqualsIgnoringCase(entry.Key(), kBackgroundKey) ||
            EqualsIgnoringCase(entry.Key(), kSizeKey)) {
            continue;
        }
        if (entry.Key() == kControlSetKey) {
            if (!entry.Values().empty()) {
                if (!current.items.empty()) {
                    AddSet(std::move(current));
                    current = ControlSet();
                }
                current.number = ReadNumber(entry.Value(0));
            }
            continue;
        }
        const int elementId = ReadNumber(entry.Key());
        if (elementId == 0 || entry.Values().empty()) {
            continue;
        }
        AddElement(current, entry, owner, originY, bitmaps);
    }
    if (!current.items.empty()) {
        AddSet(std::move(current));
    }
    return true;
}

// Builds one element line into the set; a line that fails builds nothing
// and the walk goes on.
void SkinPanel::AddElement(ControlSet& set, const LayoutEntry& entry, HWND owner, int originY,
                           BitmapCache& bitmaps) {
    const ElementTypeInfo* type = FindElementType(entry.Value(0));
    if (type != nullptr && type->type == ElementType::DropDownItem) {
        if (set.dropDown != nullptr && entry.Values().size() >= type->minValues) {
            set.dropDown->AttachEntry(entry);
        }
        return;
    }
    auto item = CreateDisplayItem(entry, owner, ReadNumber(entry.Value(1)),
                                  SaturatingAdd(originY, ReadNumber(entry.Value(2))), bitmaps);
    if (!item) {
        return;
    }
    if (auto* strip = dynamic_cast<DITabCtl*>(item.get())) {
        set.tabStrip = strip;
    } else if (auto* dropDown = dynamic_cast<DIDropDown*>(item.get())) {
        set.dropDown = dropDown;
    } else if (auto* tab = dynamic_cast<TabItem*>(item.get()); tab != nullptr && set.tabStrip) {
        set.tabStrip->AttachTab(*tab);
    }
    set.items.push_back(std::move(item));
}

void SkinPanel::AddSet(ControlSet set) {
    if (set.tabStrip != nullptr) {
        set.tabStrip->SelectTab(0);
        set.tabStrip->LayOutTabs();
    }
    sets_.push_back(std::move(set));
}

ControlSet* SkinPanel::FindSet(int number) {
    for (ControlSet& set : sets_) {
        if (set.number == number) {
            return &set;
        }
    }
    return nullptr;
}

void SkinPanel::SetShown(bool shown) {
    if (shown == shown_) {
        return;
    }
    shown_ = shown;
    if (ControlSet* set = FindSet(currentSet_)) {
        set->Show(shown);
    }
}

void SkinPanel::SwitchControlSet(int number) {
    if (ControlSet* set = FindSet(currentSet_)) {
        set->Show(false);
    }
    if (ControlSet* set = FindSet(number)) {
        set->Show(true);
    }
    currentSet_ = number;
}

}  // namespace skin
