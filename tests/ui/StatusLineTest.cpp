#include "ui/StatusLine.h"

#include "support/NamedCase.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using NamedCases::PrintTo;

struct StatusCase
{
    const char *name;
    qint64 selected, visible, total;
    const char *expected;
};

class StatusLineTest : public ::testing::TestWithParam<StatusCase>
{};

TEST_P(StatusLineTest, NamesSelectionAndShownRows)
{
    const StatusCase &c = GetParam();
    EXPECT_EQ(StatusLine::text(c.selected, c.visible, c.total), QString::fromUtf8(c.expected));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, StatusLineTest, ::testing::Values(
    StatusCase{"NothingShown", 0, 0, 7, " "},
    StatusCase{"OneRowOfOne", 0, 1, 1, " 1 row"},
    StatusCase{"OneRowOfMany", 1, 1, 9, "1 row selected, 1 of 9 rows"},
    StatusCase{"AllRows", 2, 5, 5, "2 rows selected, 5 rows"},
    StatusCase{"SomeRows", 0, 3, 40, " 3 of 40 rows"}),
    caseName);
// clang-format on

} // namespace
