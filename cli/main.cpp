// tarne: runs analyses from the command line with the same engine the
// desktop program loads.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "run.h"
#include "state.h"

#ifdef TARNE_WITH_CONVERT
#include "DataUnit.h"
#include "InOutError.h"
#endif

namespace {

const char* const kUsage =
    "Usage: tarne run PROJECT.tq7d\n"
#ifdef TARNE_WITH_CONVERT
    "       tarne convert IN OUT.tq7d\n"
#endif
    "       tarne --help\n"
    "\n"
    "Analyses the axial capacity and short-term settlement of a driven pile.\n"
    "\n"
    "  run PROJECT.tq7d   runs one analysis of the data file and of its CPT file\n"
    "                     (PROJECT.cpt). The report PROJECT.tq7o and the plot data\n"
    "                     PROJECT.tq7p are written beside the data file. Prints the\n"
    "                     report's path; exits 1 when the analysis stops (the\n"
    "                     report says why) or a file is missing.\n"
#ifdef TARNE_WITH_CONVERT
    "  convert IN OUT.tq7d\n"
    "                     loads the project IN in any data-file format (.tq7d,\n"
    "                     .tq6d or .tqd, by its extension) with its CPT file when\n"
    "                     there is one, and saves it as OUT.tq7d in the current\n"
    "                     format with OUT.cpt beside it. Exits 1 when IN does not\n"
    "                     load or OUT cannot be written.\n"
#endif
    ;

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
    return 0;
}

#ifdef TARNE_WITH_CONVERT
// The loader's messages break lines with "\r".
std::string one_line(std::string text) {
    for (std::size_t at; (at = text.find('\r')) != std::string::npos;) text.replace(at, 1, ": ");
    return text;
}

int convert_command(const std::string& in, const std::string& out) {
    const int format = tarne::DataFormatOf(in);
    if (format == 0) {
        std::cerr << "tarne: \"" << in << "\" is not a data file (.tq7d, .tq6d or .tqd)\n";
        return 1;
    }
    if (tarne::DataFormatOf(out) != tarne::kCurrentFormat) {
        std::cerr << "tarne: the converted project must be a .tq7d file, not \"" << out << "\"\n";
        return 1;
    }
    tarne::TProjectTables tables;
    tarne::TProgramData project(tables);
    try {
        project.LoadFromFile(in, format);
    } catch (const tarne::EInOutError& e) {
        std::cerr << "tarne: cannot convert \"" << in << "\": " << one_line(e.what()) << "\n";
        return 1;
    }
    project.FileName = out;
    try {
        project.SaveToFile();
    } catch (const tarne::EInOutError& e) {
        std::cerr << "tarne: " << one_line(e.what()) << "\n";
        return 1;
    }
    std::cout << "Saved: " << project.FileName << "\n";
    std::cout << "CPT file: " << project.CptFileName << "\n";
    return 0;
}
#endif

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout << kUsage;
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "run") == 0) return run_command(argv[2]);
#ifdef TARNE_WITH_CONVERT
    if (argc == 4 && std::strcmp(argv[1], "convert") == 0) return convert_command(argv[2], argv[3]);
#endif
    std::cerr << kUsage;
    return 2;
}
