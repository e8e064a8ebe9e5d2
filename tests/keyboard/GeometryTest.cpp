// Fitting the keyboard into a window, mapping points to keys, and the faces of two-cell keys.
#include "keyboard/Geometry.h"
#include "keyboard/KeyLayouts.h"
#include "tests/keyboard/TestKeyboards.h"

#include "foundation/Settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

// Each test sets the settings it needs; the record is put back afterwards.
class GeometryTest : public ::testing::Test {
protected:
    void SetUp() override { Saved = GetSettings(); }
    void TearDown() override { GetSettings() = Saved; }

    static void Use(int keyboardType, int no3D, int floatingSizeType = 0) {
        Settings& settings = GetSettings();
        settings.KeyboardType = keyboardType;
        settings.No3D = no3D;
        settings.FloatingSizeType = floatingSizeType;
    }
    // Columns, Rows, KeyMargin, KeyWidth, KeyHeight, PanelWidth, PanelHeight.
    static std::vector<int> Grid() {
        const KeyboardMetrics& m = GetSettings().Metrics;
        return {m.Columns,   m.Rows,       m.KeyMargin,  m.KeyWidth,
                m.KeyHeight, m.PanelWidth, m.PanelHeight};
    }

    Settings Saved;
};

TEST_F(GeometryTest, DockedKeyboards) {
    // KeyboardType, No3D, alternate page, layout, then the Grid() in a 240 x 80 window. A
    // KeyboardType outside 0..5 shows "Numeric" and stays as the file has it.
    const int cases[][11] = {
        {0, 0, 0, 0, 5, 3, 2, 45, 26, 130, 69},       {0, 0, 1, 1, 5, 3, 2, 45, 26, 130, 69},
        {0, 1, 0, 0, 5, 3, 0, 46, 26, 130, 69},       {0, 5, 0, 0, 5, 3, 2, 45, 26, 130, 69},
        {1, 1, 1, 3, 5, 4, 0, 46, 20, 130, 92},       {2, 0, 1, 5, 7, 3, 2, 32, 26, 176, 69},
        {3, 0, 0, 6, 6, 4, 2, 38, 19, 153, 92},       {4, 0, 0, 8, 10, 4, 2, 22, 19, 245, 92},
        {4, 1, 1, 9, 10, 4, 0, 23, 20, 245, 92},      {5, 0, 0, 10, 13, 1, 2, 17, 78, 314, 12},
        {5, 1, 1, 11, 13, 1, 0, 17, 80, 314, 12},     {6, 0, 0, 0, 5, 3, 2, 45, 26, 130, 69},
        {-1, 0, 1, 1, 5, 3, 2, 45, 26, 130, 69},      {1000, 0, 0, 0, 5, 3, 2, 45, 26, 130, 69},
        {INT_MIN, 0, 0, 0, 5, 3, 2, 45, 26, 130, 69},
    };
    for (const auto& c : cases) {
        for (int offset : {0, 100}) { // only the rectangle's size counts
            SCOPED_TRACE(::testing::Message() << "type " << c[0] << " No3D " << c[1] << " page "
                                              << c[2] << " offset " << offset);
            Use(c[0], c[1]);
            EXPECT_EQ(ComputeGeometry(offset, offset, offset + 240, offset + 80, 0, c[2]), c[3]);
            EXPECT_EQ(Grid(), std::vector<int>(c + 4, c + 11));
            EXPECT_EQ(GetSettings().KeyboardType, c[0]);
        }
    }
}

TEST_F(GeometryTest, FloatingKeyboards) {
    // KeyboardType, FloatingSizeType, layout, KeyWidth = KeyHeight, PanelWidth, PanelHeight.
    const int cases[][6] = {
        {0, 0, 0, 20, 115, 60},  {0, 1, 0, 25, 140, 75},  {0, 2, 0, 32, 175, 96},
        {0, 9, 0, 32, 175, 96},  {0, -1, 0, 32, 175, 96}, {1, 2, 2, 20, 115, 80},
        {1, 0, 2, 20, 115, 80},  {2, 1, 4, 20, 155, 60},  {3, 2, 6, 20, 135, 80},
        {4, 0, 8, 20, 215, 80},  {5, 2, 10, 20, 275, 20}, {7, 1, 0, 25, 140, 75},
        {-1, 1, 0, 25, 140, 75},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "type " << c[0] << " size " << c[1]);
        Use(c[0], 0, c[1]);
        EXPECT_EQ(ComputeGeometry(0, 0, 3, 3, 1, 0), c[2]); // the rectangle is ignored
        const std::vector<int> grid = Grid();
        EXPECT_EQ(std::vector<int>(grid.begin() + 3, grid.end()),
                  std::vector<int>({c[3], c[3], c[4], c[5]}));
    }
}

TEST_F(GeometryTest, TinyWindowHasNoKeys) {
    const int sizes[][2] = {{0, 0}, {15, 80}, {240, 4}, {5, 5}, {-20, -20}, {11, 2}};
    Use(0, 0);
    for (const auto& size : sizes) {
        SCOPED_TRACE(::testing::Message() << size[0] << " x " << size[1]);
        EXPECT_EQ(ComputeGeometry(0, 0, size[0], size[1], 0, 0), 0);
        EXPECT_EQ(Grid(), std::vector<int>({5, 3, 2, 0, 0, 130, 69}));
        for (int x = 0; x < 40; x += 3)
            for (int y = 0; y < 40; y += 3)
                ASSERT_EQ(KeyAt(x, y), -1) << x << ", " << y;
        EXPECT_EQ(KeyFaceRect(0, 0, 0).Slot, -1);
    }
}

TEST_F(GeometryTest, KeyAtCellBordersAndOutside) {
    // x, y and the slot there. A 240 x 82 window has a grid of 45 x 26 keys over 11..235 x
    // 2..79, leaving 236..239 and 80..81 over; points from left of or above the window come in
    // as large 16-bit words.
    const int wide[][3] = {
        {56, 30, 6},      {12, 3, 0},       {11, 2, 0},       {55, 27, 0},         {56, 27, 1},
        {55, 28, 5},      {235, 79, 14},    {191, 53, 9},     {236, 3, -1},        {239, 79, -1},
        {12, 80, -1},     {235, 81, -1},    {10, 30, -1},     {0, 0, -1},          {56, 1, -1},
        {0x8000, 30, -1}, {0xFFFB, 30, -1}, {56, 0xFFFF, -1}, {0xFFFF, 0xFFFF, -1}};
    // The flat "Big numeric" in 240 x 80: 23 x 20 keys from x = 9, y = 0.
    const int flat[][3] = {{9, 0, 0},    {8, 0, -1},    {31, 19, 0},
                           {32, 20, 11}, {238, 79, 39}, {239, 79, -1}};
    const int onePixelCells[][3] = {{11, 2, 0}, {15, 4, 14}, {16, 4, -1}}; // in 16 x 5
    const auto expect = [](const auto& points) {
        for (const auto& p : points)
            EXPECT_EQ(KeyAt(p[0], p[1]), p[2]) << "at " << p[0] << ", " << p[1];
    };
    Use(0, 0);
    ComputeGeometry(0, 0, 240, 82, 0, 0);
    expect(wide);
    ComputeGeometry(0, 0, 16, 5, 0, 0);
    expect(onePixelCells);
    Use(4, 1);
    ComputeGeometry(0, 0, 240, 80, 0, 0);
    expect(flat);
}

TEST_F(GeometryTest, FacesOfSingleAndTwoCellKeys) {
    BuildTestKeyboards();
    // KeyboardType, row, column, layout, slot, then the face's left, top, right, bottom in a
    // 240 x 80 window. "Big numeric" has 22 x 19 keys with "SPC" over columns 1 and 2 of row 3
    // and "RET" over rows 2 and 3 of column 6 in layout 8; layout 9 has "b" alone in column 2.
    const int cases[][9] = {
        {0, 1, 2, 0, 7, 101, 28, 144, 52},
        {4, 3, 1, 8, 31, 33, 59, 75, 76},
        {4, 3, 2, 8, 31, 33, 59, 75, 76},
        {4, 2, 6, 8, 26, 143, 40, 163, 76},
        {4, 3, 6, 8, 26, 143, 40, 163, 76},
        {4, 3, 2, 9, 32, 55, 59, 75, 76},
        // Outside the grid or the table: nothing.
        {0, 3, 0, 0, -1},
        {0, 0, 5, 0, -1},
        {0, -1, 0, 0, -1},
        {0, 0, 0, LayoutCount, -1},
        {0, 0, 0, -1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "layout " << c[3] << " row " << c[1] << " column " << c[2]);
        Use(c[0], 0);
        ComputeGeometry(0, 0, 240, 80, 0, 0);
        const KeyFace face = KeyFaceRect(c[1], c[2], c[3]);
        ASSERT_EQ(face.Slot, c[4]);
        if (c[4] >= 0) {
            EXPECT_EQ(std::vector<LONG>(
                          {face.Rect.left, face.Rect.top, face.Rect.right, face.Rect.bottom}),
                      std::vector<LONG>(c + 5, c + 9));
        }
    }
}

TEST_F(GeometryTest, SecondHalfBeforeTheLayoutDrawsNothing) {
    BuildTestKeyboards();
    Use(0, 0);
    ComputeGeometry(0, 0, 240, 80, 0, 0);
    const KeyDef first = LayoutKey(0, 0);
    const KeyDef third = LayoutKey(0, 2);
    LayoutKey(0, 0).SetHorizontalSpan(-1);
    LayoutKey(0, 2).SetVerticalSpan(-1);
    EXPECT_EQ(KeyFaceRect(0, 0, 0).Slot, -1);
    EXPECT_EQ(KeyFaceRect(0, 2, 0).Slot, -1);
    EXPECT_EQ(KeyFaceRect(0, 1, 0).Slot, 1);
    LayoutKey(0, 0) = first;
    LayoutKey(0, 2) = third;
}

} // namespace
