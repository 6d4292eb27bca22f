#include "plot_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "profile.h"

namespace tarne {
namespace {

std::unique_ptr<AnalysisState> two_points() {
    auto s = std::make_unique<AnalysisState>();
    s->unit_system = kSI;
    s->transfer_method = kApi;
    s->length_increment = 0.5;
    s->total_length = 0.5;
    s->print_interval = 1;
    compute_output_points(*s);
    return s;
}

std::string written(const std::function<void(TextOut&)>& write) {
    std::ostringstream text;
    {
        TextOut out(&text);
        write(out);
    }
    return text.str();
}

TEST(PlotFile, HeaderCountsTheOffshoreBlocksOnlyWhenEnabled) {
    auto s = two_points();
    for (const int code : {kApi, kUserSpecified, kIcp, kUwa}) s->method_switch[code] = 1;
    s->offshore_enabled = 0;
    EXPECT_EQ(plot_block_count(*s), 2);
    EXPECT_FALSE(method_plotted(*s, kIcp));
    s->offshore_enabled = 1;
    EXPECT_EQ(plot_block_count(*s), 4);
    EXPECT_EQ(written([&](TextOut& out) { write_plot_header(out, *s); }), "     4     2     2     4\n");
}

TEST(PlotFile, BlockRowsOfAComputedMethod) {
    auto s = two_points();
    MethodResults& r = s->results[kApi];
    r.skin_friction[2] = 1234.56;
    r.tip[2] = 77.77;
    r.ultimate[2] = 1312.33;
    r.unit_side[2] = 45.6789;
    r.computed = true;
    EXPECT_EQ(written([&](TextOut& out) { write_plot_capacity_block(out, *s, kApi); }),
              "     0.00       0.0       0.0        0.0      0.000\n"
              "     0.50    1234.6      77.8     1312.3     45.679\n");
}

// The user-specified method is not computed when every user value is zero;
// its block still comes, with zero resistances at every printed depth, so the
// header's count and the blocks agree.
TEST(PlotFile, SelectedMethodNotComputedWritesZeros) {
    auto s = two_points();
    s->method_switch[kUserSpecified] = 1;
    s->results[kUserSpecified].skin_friction[2] = 99.0;  // left from nowhere: not shown
    EXPECT_EQ(written([&](TextOut& out) { write_plot_capacity_block(out, *s, kUserSpecified); }),
              "     0.00       0.0       0.0        0.0      0.000\n"
              "     0.50       0.0       0.0        0.0      0.000\n");
}

}  // namespace
}  // namespace tarne
