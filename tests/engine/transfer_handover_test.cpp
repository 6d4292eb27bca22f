#include "transfer_handover.h"

#include <cmath>

#include <gtest/gtest.h>

#include "transfer_fixture.h"

namespace tarne {
namespace {

// Every method hands over its side resistance as kept; the tip is unfactored
// afterwards: FHWA and USACE keep it so already, the others are divided by
// the end-bearing factor of the element at the output point.
TEST(TransferHandOver, UnfactoredTipForEveryMethod) {
    auto s = test::hand_pile({}, {{0, 20, 1, 30, 30}, {20, 60, 2}});
    for (int k = 1; k <= s->element_count; ++k) s->seg_end_factor[k] = k <= 20 ? 0.5 : 0.8;
    struct Case { int method; bool factored; };
    const Case cases[] = {{kFhwa, false}, {kUsace, false}, {kLambda, true}, {kApi, true}, {kUserSpecified, true},
                          {kNgi, true},   {kIcp, true},    {kFugro, true},  {kUwa, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.method);
        EXPECT_EQ(tip_copy_is_factored(c.method), c.factored);
        MethodResults& r = s->results[c.method];
        for (int j = 1; j <= s->output_point_count; ++j) {
            r.side_for_transfer[j] = 3.0 * j + c.method;
            r.tip_for_transfer[j] = 40.0 + c.method;
        }
        s->transfer_method = c.method;
        hand_over_transfer_results(*s);
        for (const int j : {1, 20, 21, 41}) {
            EXPECT_DOUBLE_EQ(s->transfer_side[j], 3.0 * j + c.method) << j;
            const double factor = j <= 20 ? 0.5 : 0.8;
            EXPECT_DOUBLE_EQ(s->transfer_tip[j], c.factored ? (40.0 + c.method) / factor : 40.0 + c.method) << j;
        }
    }
}

TEST(TransferHandOver, ZeroFactorAndPointsBelowTheElements) {
    auto s = test::hand_pile({}, {{0, 60, 1, 30, 30}});
    s->transfer_method = kApi;
    for (int j = 1; j <= s->output_point_count; ++j) s->results[kApi].tip_for_transfer[j] = 12.0;
    // A zero factor leaves the (zero-factored) tip as it is instead of dividing by zero.
    for (int k = 1; k <= s->element_count; ++k) s->seg_end_factor[k] = 0.0;
    hand_over_transfer_results(*s);
    for (int j = 1; j <= s->output_point_count; ++j) ASSERT_EQ(s->transfer_tip[j], 12.0) << j;
    // An output point below the last element takes the deepest element's factor.
    s->element_count = 40;
    s->seg_end_factor[40] = 0.75;
    hand_over_transfer_results(*s);
    EXPECT_DOUBLE_EQ(s->transfer_tip[41], 16.0);
    EXPECT_TRUE(std::isfinite(s->transfer_tip[41]));
}

}  // namespace
}  // namespace tarne
