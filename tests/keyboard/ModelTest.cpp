// The keyboard model's own operations, which the library's window never reaches: the add
// operations at the edges of the table, a second build, and a window too small for keys.
// Everything the keyboard does with them is tested through the built library (tests/imserver).
#include "foundation/Settings.h"
#include "keyboard/BuildKeyboards.h"
#include "keyboard/Geometry.h"
#include "keyboard/KeyLayouts.h"
#include "keyboard/ModuleInstance.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The keyboards of this program's own resources (the key pictures are compiled into it).
void Build() {
    ModuleInstance = GetModuleHandleW(nullptr);
    BuildKeyboards();
}

TEST(Model, AddingStopsAtTheEdgesOfTheTable) {
    Build();
    const std::vector<KeyDef> saved(std::begin(KeyLayouts), std::end(KeyLayouts));
    NextKeySlot = 0;
    EXPECT_TRUE(AddTextKey(10, L"- 1 -", L"www"));
    EXPECT_EQ(LayoutKey(10, 0).GetCode(), NoKeyCode); // a text key has no code
    EXPECT_EQ(LayoutKey(10, 0).GetText(), L"www");
    for (int slot = 1; slot < SlotsPerLayout; ++slot)
        ASSERT_TRUE(AddCharKey(10, L"x", 'x'));
    EXPECT_FALSE(AddKey(10, L"y", 'y', -1, 0, nullptr));
    EXPECT_FALSE(AddImageKey(10, L"y", 'y', 0));
    EXPECT_EQ(NextKeySlot, SlotsPerLayout);
    EXPECT_EQ(LayoutKey(11, 0).GetCode(), PageToggleCode); // the next layout is untouched
    NextKeySlot = 0;
    EXPECT_FALSE(AddCharKey(LayoutCount, L"y", 'y'));
    EXPECT_FALSE(AddCharKey(-1, L"y", 'y'));
    EXPECT_EQ(NextKeySlot, 0);
    std::copy(saved.begin(), saved.end(), KeyLayouts);
}

TEST(Model, SecondBuildChangesNothing) {
    Build();
    const HIMAGELIST pictures = KeyImageList;
    EXPECT_EQ(ImageList_GetImageCount(pictures), 12);
    LayoutKey(0, 1).SetLabel(L"changed");
    BuildKeyboards();
    EXPECT_EQ(static_cast<HIMAGELIST>(KeyImageList), pictures);
    EXPECT_EQ(LayoutKey(0, 1).GetLabel(), L"changed");
    LayoutKey(0, 1).SetLabel(L"7");
}

TEST(Model, WindowWithoutAPixelPerKeyHasNoKeys) {
    const std::pair<int, int> sizes[] = {{15, 80}, {240, 4}, {-20, -20}};
    for (const auto& size : sizes) {
        GetSettings().KeyboardType = 0;
        GetSettings().No3D = 0;
        EXPECT_EQ(ComputeGeometry(0, 0, size.first, size.second, 0, 0), 0);
        EXPECT_EQ(GetSettings().Metrics.KeyWidth * GetSettings().Metrics.KeyHeight, 0);
        EXPECT_EQ(KeyAt(11, 2), -1);
        EXPECT_EQ(KeyFaceRect(0, 0, 0).Slot, -1);
    }
}

} // namespace
