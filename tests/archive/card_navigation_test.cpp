#include <gtest/gtest.h>

#include "archive/card_navigation.h"

namespace custovia {
namespace {

using B = NavigationButton;
using K = NavigationStep::Kind;

TEST(CardNavigation, FollowsTheButtonRules) {
    struct Case {
        B button;
        const char* label;
        std::uint64_t count;
        K kind;
        std::uint64_t index;
    };
    const Case cases[] = {
        {B::First, "", 0, K::EmptyArchive, 0},
        {B::First, "5", 7, K::Load, 0},
        {B::Last, "", 0, K::EmptyArchive, 0},
        {B::Last, "2", 7, K::Load, 6},
        {B::Next, "", 0, K::EmptyAndClear, 0},
        {B::Next, "", 7, K::Load, 0},  // a new card steps to card 1
        {B::Next, "3", 7, K::Load, 3},
        {B::Next, "7", 7, K::Nothing, 0},  // last card: silence
        {B::Previous, "1", 0, K::Nothing, 0},
        {B::Previous, "1", 7, K::Nothing, 0},
        {B::Previous, "", 0, K::EmptyArchive, 0},
        {B::Previous, "", 7, K::Load, 0},
        {B::Previous, "3", 7, K::Load, 1},
    };
    for (const Case& c : cases) {
        const NavigationStep step = navigationStep(c.button, c.label, c.count);
        EXPECT_EQ(step.kind, c.kind) << int(c.button) << " " << c.label << " " << c.count;
        if (c.kind == K::Load) {
            EXPECT_EQ(step.index, c.index) << int(c.button) << " " << c.label;
        }
    }
}

TEST(CardNavigation, PositionLabelReadsAsANumberOrANewCard) {
    EXPECT_EQ(positionNumber("8"), 8u);
    EXPECT_EQ(positionNumber(""), std::nullopt);
    EXPECT_EQ(positionNumber("x"), std::nullopt);
    EXPECT_EQ(positionNumber("0"), std::nullopt);
}

}  // namespace
}  // namespace custovia
