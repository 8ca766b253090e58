#include <gtest/gtest.h>

#include "core/segment_editor.h"

namespace talp {
namespace {

TEST(SegmentEditor, OpensWithTheSingleValueAndBothEndsEntered)
{
    Project p;
    p.set(Param::verlegungstiefe, 2.0L);
    const SegmentEditor editor(SegmentMode::Depth, p);
    EXPECT_EQ(editor.cell(1), "2.00");
    EXPECT_EQ(editor.cell(50), "  2.00");
    EXPECT_EQ(editor.cell(100), "2.00");
    EXPECT_EQ(editor.positionText(1), "0.5");
    EXPECT_EQ(editor.positionText(100), "50.0");
    EXPECT_EQ(segmentModeInfo(SegmentMode::BuildingDistance).helpContext, 706);
}

TEST(SegmentEditor, CorrectsOutOfRangeAndUnreadableEntries)
{
    Project p;
    SegmentEditor editor(SegmentMode::Depth, p);
    editor.setCell(10, "12");
    editor.setCell(20, "abc");
    editor.setCell(30, "0.1");
    const auto v = editor.validate();
    EXPECT_EQ(v.invalidEntries, 3);
    EXPECT_TRUE(v.ok);
    EXPECT_EQ(editor.cell(10), "10.0");
    EXPECT_EQ(editor.cell(30), "0.5");
    EXPECT_EQ(editor.cell(20).substr(0, 2), "  ");  // emptied, then interpolated
    EXPECT_EQ(SegmentEditor::typedCharacter(','), '.');
}

TEST(SegmentEditor, InterpolatesBetweenEnteredRows)
{
    Project p;
    SegmentEditor editor(SegmentMode::Depth, p);
    editor.setCell(1, "2.0");
    editor.setCell(100, "3.0");
    EXPECT_TRUE(editor.validate().ok);
    EXPECT_EQ(editor.cell(51), "  2.51");
    EXPECT_EQ(editor.cell(1), "2.0");

    const auto result = editor.takeOver(true);
    EXPECT_TRUE(result.table.variable);  // two entered rows are enough for OK
    EXPECT_TRUE(result.table.entered[0]);
    EXPECT_FALSE(result.table.entered[50]);
    EXPECT_EQ(result.table.values[50], 2.51L);
    EXPECT_NEAR(static_cast<double>(result.mean), 2.5, 0.01);
    EXPECT_FALSE(editor.takeOver(false).table.variable);  // "Übernehmen" needs three

    applySegmentTable(p, SegmentMode::Depth, result);
    EXPECT_TRUE(p.SegmentDepth.variable);
    EXPECT_EQ(p.get(Param::verlegungstiefe), p.set(Param::verlegungstiefe, result.mean));
}

TEST(SegmentEditor, AnEmptyEndDisablesTakingOver)
{
    Project p;
    SegmentEditor editor(SegmentMode::BuildingDistance, p);
    editor.setCell(100, "");
    EXPECT_FALSE(editor.validate().ok);
    editor.reset();
    EXPECT_TRUE(editor.validate().ok);
    EXPECT_EQ(editor.cell(100), "5.00");
}

TEST(SegmentEditor, EqualRowsAreNoTable)
{
    Project p;
    SegmentEditor editor(SegmentMode::Depth, p);
    for (int row = 1; row <= 100; ++row) editor.setCell(row, "2.00");
    EXPECT_TRUE(editor.validate().ok);
    EXPECT_FALSE(editor.takeOver(false).table.variable);
}

TEST(SegmentEditor, AUniformTableOfAnotherValueBecomesTheSingleValue)
{
    // Both ends changed alike: no table, but the pipes now lie 3 m deep.
    Project p;
    SegmentEditor editor(SegmentMode::Depth, p);
    editor.setCell(1, "3");
    editor.setCell(100, "3");
    ASSERT_TRUE(editor.validate().ok);
    for (const bool okButton : {false, true}) {
        Project q = p;
        const SegmentEditor::Result result = editor.takeOver(okButton);
        EXPECT_FALSE(result.table.variable);
        applySegmentTable(q, SegmentMode::Depth, result);
        EXPECT_FALSE(q.SegmentDepth.variable);
        EXPECT_EQ(q.get(Param::verlegungstiefe), 3.0L);
    }
}

TEST(SegmentEditor, ReopensAVariableTableAsEntered)
{
    Project p;
    SegmentEditor first(SegmentMode::Depth, p);
    first.setCell(1, "1.5");
    first.setCell(40, "3");
    first.setCell(100, "2.5");
    ASSERT_TRUE(first.validate().ok);
    applySegmentTable(p, SegmentMode::Depth, first.takeOver(false));
    ASSERT_TRUE(p.SegmentDepth.variable);

    const SegmentEditor again(SegmentMode::Depth, p);
    EXPECT_EQ(again.cell(40), "3.00");
    EXPECT_EQ(again.cell(20).substr(0, 2), "  ");
}

}  // namespace
}  // namespace talp
