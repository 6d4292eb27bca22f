// tarne: runs analyses from the command line with the same engine the
// desktop program loads.
#include <algorithm>
#include <atomic>
#include <cstring>
#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "run.h"
#include "state.h"
#include "summary.h"

#ifdef TARNE_WITH_CONVERT
#include "DataUnit.h"
#include "InOutError.h"
#endif

#ifdef TARNE_WITH_READBACK
#include "PlotFileReader.h"
#endif

namespace {

const char* const kUsage =
    "Usage: tarne run [--summary csv|json] PROJECT.tq7d\n"
    "       tarne run [-j N] PROJECT.tq7d PROJECT.tq7d ...\n"
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
    "                     report's path and, for every selected method, the\n"
    "                     ultimate capacity at the pile tip; exits 1 when the\n"
    "                     analysis stops (the report says why) or a file is missing.\n"
#ifdef TARNE_WITH_READBACK
    "                     The plot data are then read back as the desktop program\n"
    "                     reads them, and the driveability input PROJECT.gwi is\n"
    "                     written from them; plot data that do not read back exit 1.\n"
#endif
    "  --summary csv|json also prints capacity versus depth of every computed\n"
    "                     method (every output point) as CSV or JSON.\n"
    "  run A.tq7d B.tq7d  runs many projects, up to N at once (-j N; default: the\n"
    "                     number of cores), each on its own; prints one line per\n"
    "                     project (ok with the load-transfer method's ultimate\n"
    "                     capacity at the pile tip, stopped with the reason, or\n"
    "                     failed when the plot data do not read back) and exits 1\n"
    "                     if any run stopped or failed.\n"
#ifdef TARNE_WITH_CONVERT
    "  convert IN OUT.tq7d\n"
    "                     loads the project IN in any data-file format (.tq7d,\n"
    "                     .tq6d or .tqd, by its extension) with its CPT file when\n"
    "                     there is one, and saves it as OUT.tq7d in the current\n"
    "                     format with OUT.cpt beside it. Exits 1 when IN does not\n"
    "                     load or OUT cannot be written.\n"
#endif
    ;

struct Analysis {
    tarne::RunResult result;
    std::unique_ptr<tarne::AnalysisState> state;
    std::string report_path;
    std::string readback_error;  // the run ended, but its plot data did not read back
    std::string gwi_path;        // the driveability input written from them
};

// The front end's messages break lines with "\r".
[[maybe_unused]] std::string one_line(std::string text) {
    for (std::size_t at; (at = text.find('\r')) != std::string::npos;) text.replace(at, 1, ": ");
    return text;
}

#ifdef TARNE_WITH_READBACK
// What the desktop program does once the engine has returned: the plot data
// are read into the result graphs and the project's transfer profile, and
// the driveability input is written beside the data file from them. Each
// analysis has its own project and graphs. Returns why it failed, or
// nothing.
std::string read_back(Analysis& a, const std::string& data_path, const std::string& plot_path) {
    tarne::TProjectTables tables;
    tarne::TProgramData project(tables);
    try {
        project.LoadFromFile(data_path, tarne::kCurrentFormat);
    } catch (const tarne::EInOutError& e) {
        return "cannot read the project back: " + one_line(e.what());
    }
    tarne::TResultGraphs graphs;
    std::string failure;
    const auto tell = [&](const std::string& message, const std::string& cause) {
        failure = message + " (plot data \"" + plot_path + "\": " + one_line(cause) + ")";
    };
    if (!tarne::ReadPlotData(plot_path, graphs, project, tell)) return failure;
    try {
        project.SaveGwi();
    } catch (const tarne::EInOutError& e) {
        return "cannot write the driveability input: " + one_line(e.what());
    }
    a.gwi_path = project.GwiFileName;
    return {};
}
#endif

// One analysis on its own state. The engine's console output (banner,
// progress) is not shown: the report holds everything.
Analysis analyse(const std::string& data_arg) {
    namespace fs = std::filesystem;
    Analysis a;
    a.state = std::make_unique<tarne::AnalysisState>();
    std::error_code ec;
    const fs::path data = fs::absolute(data_arg, ec);
    if (ec || !fs::is_regular_file(data, ec)) {
        a.result = {1, "cannot open the data file \"" + data_arg + "\""};
        return a;
    }
    const tarne::RunFiles files = tarne::files_beside(data.string());
    a.report_path = files.report_path;
    if (!fs::is_regular_file(files.cpt_path, ec)) {
        a.result = {1, "cannot open the CPT file \"" + files.cpt_path + "\""};
        a.report_path.clear();
        return a;
    }
    std::ostringstream engine_console;
    std::istringstream no_answers;
    tarne::Console console{&engine_console, &no_answers};
    a.result = tarne::run_analysis(*a.state, files, console);
#ifdef TARNE_WITH_READBACK
    // No error may leave a worker thread of a batch run.
    if (a.result.status == 0) {
        try {
            a.readback_error = read_back(a, files.input_path, files.plot_path);
        } catch (const std::exception& e) {
            a.readback_error = std::string("cannot read the plot data back: ") + e.what();
        }
    }
#endif
    return a;
}

int run_one(const std::string& project, const std::string& summary) {
    const Analysis a = analyse(project);
    if (a.result.status != 0) {
        std::cerr << "tarne: " << a.result.message;
        if (!a.report_path.empty()) std::cerr << " (report: " << a.report_path << ")";
        std::cerr << "\n";
        return 1;
    }
    if (!a.readback_error.empty()) {
        std::cerr << "tarne: " << a.readback_error << "\n";
        return 1;
    }
    if (summary == "csv") {
        tarne::cli::print_csv(std::cout, *a.state);
        return 0;
    }
    if (summary == "json") {
        tarne::cli::print_json(std::cout, *a.state);
        return 0;
    }
    std::cout << "Report: " << a.report_path << "\n";
    std::cout << "Plot data: " << tarne::files_beside(a.state->input_path).plot_path << "\n";
    if (!a.gwi_path.empty()) std::cout << "Driveability input: " << a.gwi_path << "\n";
    tarne::cli::print_capacity_summary(std::cout, *a.state);
    return 0;
}

// Runs every project on worker threads, each analysis on its own state and
// files; prints the lines in the order the projects were given.
int run_many(const std::vector<std::string>& projects, unsigned jobs) {
    std::vector<std::string> lines(projects.size());
    std::vector<char> stopped(projects.size(), 0);
    std::atomic<std::size_t> next{0};
    const auto worker = [&] {
        for (std::size_t i; (i = next++) < projects.size();) {
            const Analysis a = analyse(projects[i]);
            std::ostringstream line;
            if (a.readback_error.empty())
                tarne::cli::print_batch_line(line, projects[i], a.result, *a.state);
            else
                line << projects[i] << ": failed: " << a.readback_error << "\n";
            lines[i] = line.str();
            stopped[i] = a.result.status != 0 || !a.readback_error.empty();
        }
    };
    jobs = std::clamp<unsigned>(jobs, 1, static_cast<unsigned>(projects.size()));
    std::vector<std::thread> threads;
    for (unsigned t = 1; t < jobs; ++t) threads.emplace_back(worker);
    worker();
    for (auto& t : threads) t.join();
    for (const auto& l : lines) std::cout << l;
    return std::any_of(stopped.begin(), stopped.end(), [](char c) { return c != 0; }) ? 1 : 0;
}

int usage_error(const std::string& what) {
    std::cerr << "tarne: " << what << "\n\n" << kUsage;
    return 2;
}

int run_command(int argc, char** argv) {
    std::string summary;
    unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::string> projects;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--summary") {
            if (i + 1 >= argc) return usage_error("--summary needs csv or json");
            summary = argv[++i];
            if (summary != "csv" && summary != "json") return usage_error("--summary needs csv or json");
        } else if (arg == "-j") {
            if (i + 1 >= argc) return usage_error("-j needs a number");
            const std::string n = argv[++i];
            if (n.empty() || n.size() > 4 || n.find_first_not_of("0123456789") != std::string::npos || std::stoi(n) < 1)
                return usage_error("-j needs a number from 1 to 9999");
            jobs = static_cast<unsigned>(std::stoi(n));
        } else if (arg.size() > 1 && arg[0] == '-') {
            return usage_error("unknown option " + arg);
        } else {
            projects.push_back(arg);
        }
    }
    if (projects.empty()) return usage_error("no project given");
    if (projects.size() == 1) return run_one(projects.front(), summary);
    if (!summary.empty()) return usage_error("--summary takes one project");
    return run_many(projects, jobs);
}

#ifdef TARNE_WITH_CONVERT
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
    if (argc >= 2 && std::strcmp(argv[1], "run") == 0) return run_command(argc, argv);
#ifdef TARNE_WITH_CONVERT
    if (argc == 4 && std::strcmp(argv[1], "convert") == 0) return convert_command(argv[2], argv[3]);
#endif
    std::cerr << kUsage;
    return 2;
}
