// tarne: runs analyses from the command line with the same engine the
// desktop program loads.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "capacity_table.h"
#include "fixed_format.h"
#include "methods/registry.h"
#include "run.h"
#include "state.h"

namespace {

const char* const kUsage =
    "Usage: tarne run PROJECT.tq7d\n"
    "       tarne --help\n"
    "\n"
    "Analyses the axial capacity and short-term settlement of a driven pile.\n"
    "\n"
    "  run PROJECT.tq7d   runs one analysis of the data file and of its CPT file\n"
    "                     (PROJECT.cpt). The report PROJECT.tq7o and the plot data\n"
    "                     PROJECT.tq7p are written beside the data file. Prints the\n"
    "                     report's path and, for every selected method, the\n"
    "                     ultimate capacity at the pile tip; exits 1 when the\n"
    "                     analysis stops (the report says why) or a file is missing.\n";

// The capacity at the pile tip of every selected method the run computed,
// with the digits of its capacity table.
void print_capacity_summary(std::ostream& out, const tarne::AnalysisState& s) {
    const int tip = s.output_point_count;
    if (tip < 1) return;
    const bool english = s.unit_system == tarne::kEnglish;
    const char* force = english ? "kips" : "kN";
    const char* length = english ? "ft" : "m";
    const char* tip_column = s.loading_type == 1 ? "self weight" : "end bearing";
    bool heading = false;
    for (const int code : tarne::kMethodRunOrder) {
        const tarne::MethodResults& r = s.results[code];
        if (s.method_switch[code] != 1 || !r.computed) continue;
        if (!heading) {
            out << "Ultimate capacity at the pile tip (penetration " << tarne::trim(tarne::format_f(s.point_depth[tip], 12, 2))
                << " " << length << "):\n";
            heading = true;
        }
        const auto value = [&](double v) { return tarne::trim(tarne::format_f(v, 12, 1)) + " " + force; };
        out << "  " << tarne::capacity_table_title(code) << ": " << value(r.ultimate[tip]) << " (skin friction "
            << value(r.skin_friction[tip]) << ", " << tip_column << " " << value(r.tip[tip]) << ")\n";
    }
    if (!heading) out << "No capacity method was selected.\n";
}

int run_command(const std::string& data_arg) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path data = fs::absolute(data_arg, ec);
    if (ec || !fs::is_regular_file(data, ec)) {
        std::cerr << "tarne: cannot open the data file \"" << data_arg << "\"\n";
        return 1;
    }
    const tarne::RunFiles files = tarne::files_beside(data.string());
    if (!fs::is_regular_file(files.cpt_path, ec)) {
        std::cerr << "tarne: cannot open the CPT file \"" << files.cpt_path << "\"\n";
        return 1;
    }

    auto state = std::make_unique<tarne::AnalysisState>();
    std::ostringstream engine_console;  // banner and progress lines; not needed here
    std::istringstream no_answers;
    tarne::Console console{&engine_console, &no_answers};
    const tarne::RunResult result = tarne::run_analysis(*state, files, console);
    if (result.status != 0) {
        std::cerr << "tarne: " << result.message << " (report: " << files.report_path << ")\n";
        return 1;
    }
    std::cout << "Report: " << files.report_path << "\n";
    std::cout << "Plot data: " << files.plot_path << "\n";
    print_capacity_summary(std::cout, *state);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout << kUsage;
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "run") == 0) return run_command(argv[2]);
    std::cerr << kUsage;
    return 2;
}
