#include "passes.h"

#include <cmath>
#include <string>

#include "capacity_table.h"
#include "errors.h"
#include "fixed_format.h"
#include "framework.h"
#include "methods/registry.h"
#include "plot_file.h"
#include "profile.h"
#include "transfer_handover.h"

namespace tarne {
namespace {

[[noreturn]] void throw_not_finite(const AnalysisState& s, int code, int j) {
    throw EngineError("the capacity by " + std::string(capacity_table_title(code)) + " at " +
                      trim(format_f(s.point_depth[j], 12, 2)) + " " + trim(s.length_label) +
                      " is not a finite number; check the soil and pile data");
}

}  // namespace

void run_capacity_passes(AnalysisState& s, TextOut& report, TextOut& plot) {
    // Every method interpolates within elements: without one there is nothing to compute.
    if (s.element_count < 1)
        throw EngineError("the soil profile (" + trim(format_f(s.profile_bottom, 12, 2)) + " " +
                          trim(s.length_label) + ") is shallower than one length increment (" +
                          trim(format_f(s.length_increment, 12, 2)) + " " + trim(s.length_label) + ")");
    for (int pass = 1; pass <= 2; ++pass) {
        s.run_pass = pass;
        build_elements(s);
        // The output points come first: the chain resamples onto them.
        compute_output_points(s);
        prepare_capacity_pass(s);
        if (pass == 1) write_plot_header(plot, s);
        run_pass_methods(s, report, plot);
    }
}

void prepare_capacity_pass(AnalysisState& s) {
    prepare_stress_and_parameters(s);
    for (const int index : {kIndexFhwa, kIndexUsace, kIndexLambda}) run_chain(s, method_rules(index));
}

void form_method_results(AnalysisState& s, int code) {
    const CapacityMethod& method = capacity_method(code);
    MethodResults& r = s.results[code];
    method.collect_side(s, r);
    const PlugFlags& flags = s.plug_flag[method.rules.method_index];
    // A method whose hand-over takes its tip before the end-bearing factor
    // hands over the chain's own copy of it.
    const bool unfactored_copy = !tip_copy_is_factored(code) && method.rules.tip_copy != nullptr;
    // A method with a tip array of its own (the user-specified method) forms its tip from it.
    const PointTable& tips = method.tip_source ? s.*method.tip_source : s.tip_resistance;
    for (int j = 1; j <= s.output_point_count; ++j) {
        const double tip = tips[j] * s.seg_end_factor[element_at_point(s, j)];
        r.tip[j] = tip;
        r.ultimate[j] = r.skin_friction[j] + tip;
        r.plug_flag[j] = flags[j];
        r.tip_for_transfer[j] = unfactored_copy ? (s.*method.rules.tip_copy)[j] : tip;
        if (!std::isfinite(r.ultimate[j]) || !std::isfinite(r.unit_side[j]) || !std::isfinite(r.side_for_transfer[j]))
            throw_not_finite(s, code, j);
    }
    r.computed = true;
}

void run_pass_methods(AnalysisState& s, TextOut& report, TextOut& plot) {
    for (const int code : kMethodRunOrder) {
        const CapacityMethod& method = capacity_method(code);
        if (method.pass != s.run_pass) continue;
        if (method.offshore && s.offshore_enabled != 1) continue;
        // A method may be due only once (the user-specified method), may
        // write warnings, and may need the chain only in tension.
        if (method.compute && (!method.due || method.due(s))) {
            method.compute(s);
            if (method.write_warnings) method.write_warnings(s, report);
            if (!method.chain_in_tension_only || s.loading_type == 1) run_chain(s, method.rules);
            form_method_results(s, code);
        }
        if (s.method_switch[code] != 1) continue;
        if (s.results[code].computed) {
            write_capacity_table(report, s, code);
            if (method.write_table_notes) method.write_table_notes(s, report);
        }
        if (method_plotted(s, code)) write_plot_capacity_block(plot, s, code);
    }
}

}  // namespace tarne
