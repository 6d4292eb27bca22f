// One whole analysis of the largest project: in-process on a fresh state,
// and as a `tarne run` process.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "largest_project.h"
#include "run.h"
#include "state.h"

extern char** environ;

namespace {

const std::filesystem::path& project() {
    static const auto path = [] {
        const auto folder = std::filesystem::temp_directory_path() / ("tarne-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        return tarne::bench::write_largest_project(folder);
    }();
    return path;
}

void BM_AnalysisInProcess(benchmark::State& state) {
    const auto files = tarne::files_beside(project().string());
    for (auto _ : state) {
        auto s = std::make_unique<tarne::AnalysisState>();
        std::ostringstream out;
        std::istringstream in;
        tarne::Console console{&out, &in};
        const auto result = tarne::run_analysis(*s, files, console);
        if (result.status != 0) {
            state.SkipWithError(result.message.c_str());
            break;
        }
        benchmark::DoNotOptimize(s->results[tarne::kApi].ultimate);
    }
}
BENCHMARK(BM_AnalysisInProcess)->Unit(benchmark::kMillisecond);

void BM_TarneRunProcess(benchmark::State& state) {
    std::string program = TARNE_CLI;
    std::string run = "run";
    std::string data = project().string();
    char* argv[] = {program.data(), run.data(), data.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        int status = 0;
        if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) != 0 ||
            waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("tarne run failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}
BENCHMARK(BM_TarneRunProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
