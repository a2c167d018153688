// The numeric editor: typed deltas, the typed end point, navigation and
// "ok", and the integer fields' filter.
#include "editor/EditFieldIntero.h"
#include "support/test_support.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct FilterCase {
    const char* typed;
    const char* shown;
};

void PrintTo(const FilterCase& c, std::ostream* os) { *os << '"' << c.typed << '"'; }

class IntegerFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(IntegerFilter, KeepsDigitsAndALeadingMinus)
{
    EXPECT_EQ(EditFieldIntero::filtraIntero(QString::fromUtf8(GetParam().typed)),
              QString::fromLatin1(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Texts, IntegerFilter,
                         ::testing::Values(FilterCase{"1.5", "15"}, FilterCase{"-12a3", "-123"},
                                           FilterCase{"5-3", "53"}, FilterCase{"+4", "4"},
                                           FilterCase{"007", "7"}, FilterCase{"", "0"},
                                           FilterCase{"-", "0"}, FilterCase{"-0", "0"},
                                           FilterCase{" 12 ", "12"}, FilterCase{"--5", "-5"},
                                           FilterCase{"abc", "0"}, FilterCase{"1e5", "15"},
                                           FilterCase{"\xd9\xa3" "2", "2"}));

TEST(IntegerField, FiltersItsTextWhenItLosesTheFocus)
{
    QWidget window;
    auto* field = new EditFieldIntero(&window);
    auto* other = new EditFieldIntero(&window);
    other->move(0, 40);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    QTest::keyClicks(field, "-1.2x5");
    EXPECT_EQ(field->text(), "-1.2x5");
    other->setFocus();
    EXPECT_EQ(field->text(), "-125");
    EXPECT_EQ(other->text(), "");
}

} // namespace
