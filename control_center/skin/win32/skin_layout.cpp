#include "skin_layout.h"

#include "layout_rules.h"
#include "saturating.h"
#include "skin_bitmap.h"

namespace skin {

std::string_view LayoutResourceText(int resourceId) {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resourceId), "LAYOUT");
    const HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    const DWORD size = found != nullptr ? SizeofResource(module, found) : 0;
    if (data == nullptr || size == 0) {
        return {};
    }
    return {static_cast<const char*>(data), size};
}

bool SkinLayout::Load(int resourceId) {
    const std::string_view text = LayoutResourceText(resourceId);
    if (text.empty()) {
        Clear();
        return false;
    }
    return LoadText(text);
}

bool SkinLayout::LoadText(std::string_view text) {
    Clear();
    // Section and key lookups leave the system code page's double-byte
    // characters alone.
    const LayoutDoc doc =
        ReadLayoutText(text, [](unsigned char c) { return IsDBCSLeadByte(c) != FALSE; });
    const LayoutSection* layout = doc.Section("Layout");
    int badLine = 0;
    const auto panels = layout != nullptr ? ReadPanelList(*layout, &badLine) : std::nullopt;
    if (!panels || panels->empty()) {
        return false;
    }
    for (const PanelDecl& decl : *panels) {
        const LayoutSection* section = doc.Section(decl.section);
        auto panel = std::make_unique<SkinPanel>();
        if (section == nullptr ||
            !panel->Build(*section, decl.id, owner_, stack_.NextOriginY(), bitmaps_)) {
            Clear();
            return false;
        }
        panel->SwitchControlSet(1);
        stack_.Add(decl.id, panel->GetSize());
        panels_.push_back(std::move(panel));
    }
    auto configs = ReadPanelConfigs(doc.Section("Config"), *panels, &badLine);
    if (!configs || configs->empty()) {
        Clear();
        return false;
    }
    stack_.SetConfigs(std::move(*configs));
    return true;
}

void SkinLayout::Clear() {
    panels_.clear();
    bitmaps_.Clear();  // after the items that borrowed them
    stack_ = PanelStack();
}

int SkinLayout::SelectConfig(int index) {
    const int selected = stack_.SelectConfig(index);
    if (selected >= 0) {
        Apply();
    }
    return selected;
}

int SkinLayout::NextConfig() {
    const int selected = stack_.NextConfig();
    if (selected >= 0) {
        Apply();
    }
    return selected;
}

void SkinLayout::Apply() {
    for (const auto& panel : panels_) {
        panel->SetShown(stack_.IsShown(panel->Id()));
    }
}

bool SkinLayout::SwitchControlSet(int panelId, int setNumber) {
    for (const auto& panel : panels_) {
        if (panel->Id() == panelId) {
            panel->SwitchControlSet(setNumber);
            return true;
        }
    }
    return false;
}

void SkinLayout::Paint(HDC dc) const {
    int y = 0;
    for (const auto& panel : panels_) {
        if (panel->IsShown()) {
            DrawBitmap(dc, panel->Background(), 0, y);
            y = SaturatingAdd(y, panel->GetSize().height);
        }
    }
}

std::vector<HWND> SkinLayout::ItemWindows() const {
    std::vector<HWND> windows;
    for (const auto& panel : panels_) {
        panel->ForEachItem(
            [&windows](const DisplayItem& item) { windows.push_back(item.Window()); });
    }
    return windows;
}

void SkinLayout::RefreshTexts() const {
    for (const auto& panel : panels_) {
        panel->ForEachItem(
            [](const DisplayItem& item) { PostMessageA(item.Window(), kItemsRefresh, 0, 0); });
    }
}

}  // namespace skin
