#include "transfer_handover.h"

#include <algorithm>
#include <cmath>

namespace tarne {
namespace {

// By method code: 1 FHWA, 2 USACE, 3 Revised Lambda, 4 API RP-2A,
// 5 user-specified, 6 NGI, 7 ICP/MTD, 8 FUGRO, 9 UWA.
constexpr bool kTipCopyFactored[kMethodCount] = {false, false, true, true, true, true, true, true, true};

// End-bearing factor of the element below output point j; the deepest
// element's below the element grid, none (1) without elements.
double end_factor_at_point(const AnalysisState& s, int j) {
    if (s.element_count < 1) return 1.0;
    return s.seg_end_factor[std::min(j, s.element_count)];
}

}  // namespace

bool tip_copy_is_factored(int method_code) {
    return method_code >= 1 && method_code <= kMethodCount && kTipCopyFactored[method_code - 1];
}

void hand_over_transfer_results(AnalysisState& s) {
    const MethodResults& r = s.results[s.transfer_method];
    const bool factored = tip_copy_is_factored(s.transfer_method);
    for (int j = 1; j <= s.output_point_count; ++j) {
        s.transfer_side[j] = r.side_for_transfer[j];
        double tip = r.tip_for_transfer[j];
        if (factored) {
            const double factor = end_factor_at_point(s, j);
            if (std::abs(factor) > kZeroTolerance) tip /= factor;
        }
        s.transfer_tip[j] = tip;
    }
}

}  // namespace tarne
