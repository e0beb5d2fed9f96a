#include "ui/RowSelectionGesture.h"

#include "support/NamedCase.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

using NamedCases::PrintTo;

using Flags = QItemSelectionModel::SelectionFlags;

struct Step
{
    qint64 first;
    qint64 last;
    Flags command;
};

struct GestureCase
{
    const char *name;
    std::vector<qint64> selectedBefore;
    std::vector<Step> steps;
    std::vector<qint64> expected;
};

class RowSelectionGestureTest : public ::testing::TestWithParam<GestureCase>
{};

// Each step is what the table view derives from a click, a drag or a key; the selection after
// the last step must be what a selection model would hold.
TEST_P(RowSelectionGestureTest, AppliesCommandsAsASelectionModelWould)
{
    IndexSet selected;
    for (qint64 row : GetParam().selectedBefore)
        selected.add(row);
    RowSelectionGesture gesture;
    gesture.restart(selected);
    for (const Step &step : GetParam().steps)
        selected = gesture.apply(
            selected, IndexSet::fromRange(step.first, step.last - step.first + 1), step.command);
    const std::vector<qint64> rows(selected.begin(), selected.end());
    EXPECT_EQ(rows, GetParam().expected);
}

constexpr Flags Press = QItemSelectionModel::ClearAndSelect;
constexpr Flags Drag = QItemSelectionModel::Clear | QItemSelectionModel::SelectCurrent;
constexpr Flags Shift = QItemSelectionModel::SelectCurrent;
constexpr Flags CtrlSelect = QItemSelectionModel::Select;
constexpr Flags CtrlDeselect = QItemSelectionModel::Deselect;
constexpr Flags CtrlDragDeselect = QItemSelectionModel::Deselect | QItemSelectionModel::Current;
constexpr Flags Toggle = QItemSelectionModel::Toggle;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Gestures, RowSelectionGestureTest, ::testing::Values(
    GestureCase{"DragBackShrinks", {}, {{2, 2, Press}, {2, 6, Drag}, {2, 3, Drag}}, {2, 3}},
    GestureCase{"ShiftClickKeepsEarlierRows", {0}, {{4, 4, CtrlSelect}, {4, 7, Shift}, {4, 5, Shift}}, {0, 4, 5}},
    GestureCase{"CtrlClickRemoves", {2, 3, 4}, {{3, 3, CtrlDeselect}}, {2, 4}},
    GestureCase{"CtrlDragDeselectsOnlyTheDraggedRows", {1, 2, 3, 4, 5}, {{2, 2, CtrlDeselect}, {2, 4, CtrlDragDeselect}, {2, 3, CtrlDragDeselect}}, {1, 4, 5}},
    GestureCase{"ToggleFlipsEachRow", {1, 2}, {{2, 3, Toggle}}, {1, 3}},
    GestureCase{"ClickOnNothingClears", {1, 2}, {{0, -1, QItemSelectionModel::Clear}}, {}}),
    caseName);
// clang-format on

} // namespace
