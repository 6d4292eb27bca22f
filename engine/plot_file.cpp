#include "plot_file.h"

#include "profile.h"

namespace tarne {

bool method_plotted(const AnalysisState& s, int code) {
    if (s.method_switch[code] != 1) return false;
    return code <= kUserSpecified || s.offshore_enabled == 1;
}

int plot_block_count(const AnalysisState& s) {
    int count = 0;
    for (int code = 1; code <= kMethodCount; ++code)
        if (method_plotted(s, code)) ++count;
    return count;
}

void write_plot_header(TextOut& out, const AnalysisState& s) {
    FixedLine l;
    out.line(l.i(plot_block_count(s), 6).i(s.printed_row_count, 6).i(s.unit_system, 6).i(s.transfer_method, 6));
}

void write_plot_capacity_block(TextOut& out, const AnalysisState& s, int code) {
    const MethodResults& r = s.results[code];
    FixedLine l;
    for (int row = 1; row <= s.printed_row_count; ++row) {
        const int j = printed_point(s, row);
        l.clear();
        l.blanks(2).f(s.point_depth[j], 7, 2);
        if (r.computed)
            l.blanks(2).f(r.skin_friction[j], 8, 1).blanks(2).f(r.tip[j], 8, 1).blanks(2).f(r.ultimate[j], 9, 1)
                .blanks(2).f(r.unit_side[j], 9, 3);
        else
            l.blanks(2).f(0.0, 8, 1).blanks(2).f(0.0, 8, 1).blanks(2).f(0.0, 9, 1).blanks(2).f(0.0, 9, 3);
        out.line(l);
    }
}

}  // namespace tarne
