// Fitting the keyboard into a window, mapping points to keys, and the faces of two-cell keys.
#include "keyboard/Geometry.h"
#include "keyboard/KeyLayouts.h"
#include "tests/keyboard/TestKeyboards.h"

#include "foundation/Settings.h"

#include <gtest/gtest.h>

namespace {

// Each test sets the settings it needs; the record is put back afterwards.
class GeometryTest : public ::testing::Test {
protected:
    void SetUp() override { Saved = GetSettings(); }
    void TearDown() override { GetSettings() = Saved; }

    static void Use(int keyboardType, int no3D, int floatingSizeType = 0) {
        GetSettings().KeyboardType = keyboardType;
        GetSettings().No3D = no3D;
        GetSettings().FloatingSizeType = floatingSizeType;
    }
    static const KeyboardMetrics& Metrics() { return GetSettings().Metrics; }

    Settings Saved;
};

struct DockedCase {
    int KeyboardType, No3D, Right, Bottom, Alternate;
    int Layout, Columns, Rows, KeyMargin, KeyWidth, KeyHeight, PanelWidth, PanelHeight;
};

TEST_F(GeometryTest, DockedKeyboards) {
    const DockedCase cases[] = {
        {0, 0, 240, 80, 0, 0, 5, 3, 2, 45, 26, 130, 69},
        {0, 0, 240, 80, 1, 1, 5, 3, 2, 45, 26, 130, 69},
        {0, 1, 240, 80, 0, 0, 5, 3, 0, 46, 26, 130, 69},
        {0, 5, 240, 80, 0, 0, 5, 3, 2, 45, 26, 130, 69}, // only 1 is flat
        {1, 1, 240, 80, 1, 3, 5, 4, 0, 46, 20, 130, 92},
        {2, 0, 240, 80, 1, 5, 7, 3, 2, 32, 26, 176, 69},
        {3, 0, 240, 80, 0, 6, 6, 4, 2, 38, 19, 153, 92},
        {4, 0, 240, 80, 0, 8, 10, 4, 2, 22, 19, 245, 92},
        {4, 1, 240, 80, 1, 9, 10, 4, 0, 23, 20, 245, 92},
        {5, 0, 240, 80, 0, 10, 13, 1, 2, 17, 78, 314, 12},
        {5, 1, 240, 80, 1, 11, 13, 1, 0, 17, 80, 314, 12},
    };
    for (const DockedCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "type " << c.KeyboardType << " No3D " << c.No3D
                                          << " alternate " << c.Alternate);
        Use(c.KeyboardType, c.No3D);
        EXPECT_EQ(ComputeGeometry(0, 0, c.Right, c.Bottom, 0, c.Alternate), c.Layout);
        EXPECT_EQ(Metrics().Columns, c.Columns);
        EXPECT_EQ(Metrics().Rows, c.Rows);
        EXPECT_EQ(Metrics().KeyMargin, c.KeyMargin);
        EXPECT_EQ(Metrics().KeyWidth, c.KeyWidth);
        EXPECT_EQ(Metrics().KeyHeight, c.KeyHeight);
        EXPECT_EQ(Metrics().PanelWidth, c.PanelWidth);
        EXPECT_EQ(Metrics().PanelHeight, c.PanelHeight);
    }
}

TEST_F(GeometryTest, OnlyTheRectangleSizeCounts) {
    Use(0, 0);
    ComputeGeometry(100, 200, 340, 280, 0, 0);
    EXPECT_EQ(Metrics().KeyWidth, 45);
    EXPECT_EQ(Metrics().KeyHeight, 26);
}

struct FloatingCase {
    int KeyboardType, FloatingSizeType, KeySize, PanelWidth, PanelHeight;
};

TEST_F(GeometryTest, FloatingKeyboards) {
    const FloatingCase cases[] = {
        {0, 0, 20, 115, 60},  {0, 1, 25, 140, 75}, {0, 2, 32, 175, 96}, {0, 9, 32, 175, 96},
        {0, -1, 32, 175, 96}, {1, 2, 20, 115, 80}, {1, 0, 20, 115, 80}, {2, 1, 20, 155, 60},
        {3, 2, 20, 135, 80},  {4, 0, 20, 215, 80}, {5, 2, 20, 275, 20},
    };
    for (const FloatingCase& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "type " << c.KeyboardType << " size " << c.FloatingSizeType);
        Use(c.KeyboardType, 0, c.FloatingSizeType);
        // The rectangle is ignored when floating.
        EXPECT_EQ(ComputeGeometry(0, 0, 3, 3, 1, 0), 2 * c.KeyboardType);
        EXPECT_EQ(Metrics().KeyWidth, c.KeySize);
        EXPECT_EQ(Metrics().KeyHeight, c.KeySize);
        EXPECT_EQ(Metrics().PanelWidth, c.PanelWidth);
        EXPECT_EQ(Metrics().PanelHeight, c.PanelHeight);
    }
}

TEST_F(GeometryTest, UnknownKeyboardTypeShowsNumeric) {
    for (int type : {6, 7, -1, 1000, -2147483647 - 1}) {
        SCOPED_TRACE(type);
        Use(type, 0);
        EXPECT_EQ(ComputeGeometry(0, 0, 240, 80, 0, 0), 0);
        EXPECT_EQ(ComputeGeometry(0, 0, 240, 80, 0, 1), 1);
        EXPECT_EQ(Metrics().Columns, 5);
        EXPECT_EQ(Metrics().Rows, 3);
        EXPECT_EQ(Metrics().KeyWidth, 45);
        EXPECT_EQ(GetSettings().KeyboardType, type); // kept as the file has it
        Use(type, 0, 1);
        ComputeGeometry(0, 0, 0, 0, 1, 0);
        EXPECT_EQ(Metrics().KeyWidth, 25);
    }
}

TEST_F(GeometryTest, TinyWindowHasNoKeys) {
    struct {
        int Right, Bottom;
    } const sizes[] = {{0, 0}, {15, 80}, {240, 4}, {5, 5}, {-20, -20}, {11, 2}};
    Use(0, 0);
    for (const auto& size : sizes) {
        SCOPED_TRACE(::testing::Message() << size.Right << " x " << size.Bottom);
        EXPECT_EQ(ComputeGeometry(0, 0, size.Right, size.Bottom, 0, 0), 0);
        EXPECT_EQ(Metrics().KeyWidth, 0);
        EXPECT_EQ(Metrics().KeyHeight, 0);
        EXPECT_EQ(Metrics().PanelWidth, 130);
        for (int x = 0; x < 40; x += 3)
            for (int y = 0; y < 40; y += 3)
                ASSERT_EQ(KeyAt(x, y), -1) << x << ", " << y;
        EXPECT_EQ(KeyFaceRect(0, 0, 0).Slot, -1);
    }
}

TEST_F(GeometryTest, OnePixelPerCellStillHasKeys) {
    Use(0, 0);
    ComputeGeometry(0, 0, 2 + 9 + 5, 2 + 3, 0, 0);
    EXPECT_EQ(Metrics().KeyWidth, 1);
    EXPECT_EQ(Metrics().KeyHeight, 1);
    EXPECT_EQ(KeyAt(11, 2), 0);
    EXPECT_EQ(KeyAt(15, 4), 14);
    EXPECT_EQ(KeyAt(16, 4), -1);
}

struct PointCase {
    int X, Y, Slot;
};

TEST_F(GeometryTest, KeyAtCellBordersAndOutside) {
    Use(0, 0);
    ComputeGeometry(0, 0, 240, 82, 0, 0); // grid 11..235 x 2..79; 236..239 and 80..81 left over
    const PointCase cases[] = {
        {56, 30, 6},      {12, 3, 0},       {11, 2, 0},           {55, 27, 0},      {56, 27, 1},
        {55, 28, 5},      {235, 79, 14},    {191, 53, 9},         {236, 3, -1},     {239, 79, -1},
        {12, 80, -1},     {235, 81, -1},    {10, 30, -1},         {0, 0, -1},       {56, 1, -1},
        {0xFFFB, 30, -1}, {56, 0xFFFF, -1}, {0xFFFF, 0xFFFF, -1}, {0x8000, 30, -1},
    };
    for (const PointCase& c : cases)
        EXPECT_EQ(KeyAt(c.X, c.Y), c.Slot) << "(" << c.X << ", " << c.Y << ")";
}

TEST_F(GeometryTest, KeyAtFlatAndBigNumeric) {
    Use(4, 1);
    ComputeGeometry(0, 0, 240, 80, 0, 0); // keys 23 x 20 from x = 9, y = 0
    const PointCase cases[] = {
        {9, 0, 0}, {8, 0, -1}, {31, 19, 0}, {32, 20, 11}, {238, 79, 39}, {239, 79, -1},
    };
    for (const PointCase& c : cases)
        EXPECT_EQ(KeyAt(c.X, c.Y), c.Slot) << "(" << c.X << ", " << c.Y << ")";
}

TEST_F(GeometryTest, SingleCellFace) {
    BuildTestKeyboards();
    Use(0, 0);
    ComputeGeometry(0, 0, 240, 80, 0, 0);
    KeyFace face = KeyFaceRect(1, 2, 0);
    EXPECT_EQ(face.Slot, 7);
    EXPECT_EQ(face.Rect.left, 2 + 9 + 2 * 45);
    EXPECT_EQ(face.Rect.top, 2 + 26);
    EXPECT_EQ(face.Rect.right, 2 + 9 + 3 * 45 - 2);
    EXPECT_EQ(face.Rect.bottom, 2 + 2 * 26 - 2);
}

TEST_F(GeometryTest, BothHalvesOfTwoCellKeysGiveOneFace) {
    BuildTestKeyboards();
    Use(4, 0);
    ComputeGeometry(0, 0, 240, 80, 0, 0); // keys 22 x 19, margin 2
    struct {
        int Row, Column, Slot, Left, Top, Right, Bottom;
    } const cases[] = {
        // "SPC": columns 1 and 2 of row 3
        {3, 1, 31, 11 + 22, 2 + 57, 11 + 3 * 22 - 2, 2 + 4 * 19 - 2},
        {3, 2, 31, 11 + 22, 2 + 57, 11 + 3 * 22 - 2, 2 + 4 * 19 - 2},
        // "RET": rows 2 and 3 of column 6
        {2, 6, 26, 11 + 6 * 22, 2 + 38, 11 + 7 * 22 - 2, 2 + 4 * 19 - 2},
        {3, 6, 26, 11 + 6 * 22, 2 + 38, 11 + 7 * 22 - 2, 2 + 4 * 19 - 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "row " << c.Row << " column " << c.Column);
        KeyFace face = KeyFaceRect(c.Row, c.Column, 8);
        EXPECT_EQ(face.Slot, c.Slot);
        EXPECT_EQ(face.Rect.left, c.Left);
        EXPECT_EQ(face.Rect.top, c.Top);
        EXPECT_EQ(face.Rect.right, c.Right);
        EXPECT_EQ(face.Rect.bottom, c.Bottom);
    }
    // Layout 9 has no wide "SPC": its row 3 column 2 is "b" on its own.
    EXPECT_EQ(KeyFaceRect(3, 2, 9).Slot, 32);
    EXPECT_EQ(KeyFaceRect(3, 6, 9).Slot, 26);
}

TEST_F(GeometryTest, FaceOutsideTheGridOrBeforeTheLayoutIsEmpty) {
    BuildTestKeyboards();
    Use(0, 0);
    ComputeGeometry(0, 0, 240, 80, 0, 0);
    EXPECT_EQ(KeyFaceRect(3, 0, 0).Slot, -1);
    EXPECT_EQ(KeyFaceRect(0, 5, 0).Slot, -1);
    EXPECT_EQ(KeyFaceRect(-1, 0, 0).Slot, -1);
    EXPECT_EQ(KeyFaceRect(0, 0, LayoutCount).Slot, -1);
    EXPECT_EQ(KeyFaceRect(0, 0, -1).Slot, -1);

    // Second halves in the first column or row would name a slot before the layout.
    KeyDef first = LayoutKey(0, 0);
    KeyDef third = LayoutKey(0, 2);
    LayoutKey(0, 0).SetHorizontalSpan(-1);
    LayoutKey(0, 2).SetVerticalSpan(-1);
    EXPECT_EQ(KeyFaceRect(0, 0, 0).Slot, -1);
    EXPECT_EQ(KeyFaceRect(0, 2, 0).Slot, -1);
    EXPECT_EQ(KeyFaceRect(0, 1, 0).Slot, 1);
    LayoutKey(0, 0) = first;
    LayoutKey(0, 2) = third;
}

} // namespace
