#include "run.h"

#include <chrono>
#include <ctime>
#include <exception>
#include <filesystem>
#include <memory>
#include <new>
#include <ostream>

#include "errors.h"
#include "list_reader.h"
#include "passes.h"
#include "profile.h"
#include "report.h"
#include "settlement.h"
#include "text_out.h"
#include "transfer_handover.h"

namespace tarne {
namespace {

std::tm local_now() {
    const std::time_t t = std::time(nullptr);
    std::tm when{};
    localtime_r(&t, &when);
    return when;
}

std::string describe(const EngineError& e) {
    std::string where;
    if (!e.file().empty()) {
        where = std::filesystem::path(e.file()).filename().string();
        if (e.line() > 0) where += ", line " + std::to_string(e.line());
        if (e.item() > 0) where += ", item " + std::to_string(e.item());
        where += ": ";
    }
    return where + e.what();
}

// Console-only notice when the deepest profile point is shallower than the
// soil the pile needs; the run goes on to the check on the profile bottom.
void warn_profile_too_shallow(TextOut& console, const AnalysisState& s) {
    FixedLine l;
    console.empty(3);
    console.line(l.blanks(10).text("COMPUTATION DOES NOT PROCEED BECAUSE NO SOILINFORMATION"));
    l.clear();
    console.line(l.blanks(10).text("WAS PROVIDED AT THE DEPTH ").f(s.required_soil_depth, 10, 2).blanks(1)
                     .text(s.length_label));
    l.clear();
    console.line(l.blanks(10).text("PLEASE NOTE THAT SOIL SHOULD EXTEND AT LEAST THE "));
    l.clear();
    console.line(l.blanks(10).text(" PILE LENGTH PLUS TWO PILE DIAMETERS"));
}

RunResult stop_profile_too_shallow(TextOut& report, const AnalysisState& s) {
    FixedLine l;
    report.empty(2);
    report.line(l.blanks(10).text("COMPUTATION DOES NOT PROCEED BECAUSE THE DEEPEST SOIL PROFILE ")
                    .f(s.profile_bottom, 7, 2).blanks(1).text(s.length_label));
    l.clear();
    report.line(l.blanks(10).text("IS LESS THAN PILE EMBEDDED LENGTH PLUS TWO TIMES THE PILE DIAMETER ")
                    .f(s.required_soil_depth, 10, 2).blanks(1).text(s.length_label));
    const auto depth = [&](double v) { return trim(format_f(v, 12, 2)) + " " + trim(s.length_label); };
    return {1, "the deepest soil profile (" + depth(s.profile_bottom) +
                   ") is less than the embedded pile length plus two pile diameters (" +
                   depth(s.required_soil_depth) + ")"};
}

RunResult stop_too_many_elements(TextOut& report, TextOut& console, const AnalysisState& s) {
    for (TextOut* out : {&console, &report}) {
        FixedLine l;
        out->empty(2);
        out->line(l.blanks(1).text("YOUR NUMBERS OF SEGMENT ").i(s.element_count, 4).text(" IS LARGER THAN"));
        l.clear();
        out->line(l.blanks(1).text("DEFAULT VALUE 500. YOU MIGHT WANT TO CHANGE THE LENGTH OF "));
        l.clear();
        out->line(l.blanks(1).text("SEGMENT OR CONSULT VELMOR, INC. FOR CHANGING THE DEFAULT VALUE"));
    }
    return {1, "the pile needs " + std::to_string(s.element_count) + " elements; at most 500 are possible"};
}

RunResult stop_on_error(TextOut& report, TextOut& console, const std::string& what) {
    for (TextOut* out : {&console, &report}) {
        FixedLine l;
        out->empty(2);
        out->line(l.blanks(10).text("COMPUTATION DOES NOT PROCEED BECAUSE OF AN ERROR IN THE INPUT:"));
        l.clear();
        out->line(l.blanks(10).text(what));
    }
    return {1, what};
}

// Steps after the run-control file: everything up to the closed files.
RunResult run_files(AnalysisState& s, Console& console_streams) {
    TextOut console(console_streams.out);
    write_banner(console, s);

    TextOut report;
    if (!report.open_file(s.report_path)) {
        const std::string what = "cannot create the report file \"" + s.report_path + "\"";
        console.line(what);
        return {1, what};
    }
    write_banner(report, s);
    write_file_block(report, s);
    write_date_block(report, local_now());

    TextOut plot;
    try {
        auto data = ListReader::open(s.input_path);
        if (!plot.open_file(s.plot_path))
            throw EngineError("cannot create the plot file \"" + s.plot_path + "\"");
        auto cpt = ListReader::open(s.cpt_path);

        read_input(s, data);
        set_unit_labels(s);
        read_cpt(s, cpt);

        // The soil must reach two pile diameters below the tip.
        compute_required_soil_depth(s);
        if (s.prof_depth[s.profile_point_count] < s.required_soil_depth) warn_profile_too_shallow(console, s);
        if (s.profile_bottom < s.required_soil_depth) return stop_profile_too_shallow(report, s);
        console.line("COMPUTATION IS PROCEEDING........");

        // The echo shows the embedded length in place of the total length from here on.
        s.total_length = s.total_length_input - s.stickup_length;
        write_input_echo(report, s);
        write_results_heading(report);

        if (compute_element_count(s) > kMaxElements) return stop_too_many_elements(report, console, s);
        adjust_boundaries_to_grid(s);

        run_capacity_passes(s, report, plot);

        // End of pass 2: the chosen method's results go to the load-transfer stage.
        hand_over_transfer_results(s);
        load_settlement_analysis(s, report, plot);
        if (s.extra_tz_count > 0) extra_tz_section(s, report, plot);
    } catch (const EngineError& e) {
        return stop_on_error(report, console, describe(e));
    } catch (const std::bad_alloc&) {
        return stop_on_error(report, console, "not enough memory for the analysis");
    }
    return {};
}

}  // namespace

RunFiles files_beside(const std::string& data_path) {
    std::filesystem::path p(data_path);
    const auto with = [&](const char* ext) { return std::filesystem::path(p).replace_extension(ext).string(); };
    return {p.string(), with(".tq7o"), with(".tq7p"), with(".cpt")};
}

RunResult run_analysis(AnalysisState& s, const RunFiles& files, Console& console) {
    s.water_table_depth = 99999.0;
    s.tension_factor = 1.0;
    s.version_text = kVersionText;
    s.input_path = files.input_path;
    s.report_path = files.report_path;
    s.plot_path = files.plot_path;
    s.cpt_path = files.cpt_path;
    return run_files(s, console);
}

RunResult run_from_run_control(AnalysisState& s, const std::string& names_path, Console& console) {
    s.water_table_depth = 99999.0;
    s.tension_factor = 1.0;
    read_run_control(s, names_path, console);
    return run_files(s, console);
}

}  // namespace tarne
