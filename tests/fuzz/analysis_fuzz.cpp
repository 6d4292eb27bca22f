// Fuzz target: one whole analysis, on a fresh state, from arbitrary bytes.
// The input is the data file, then optionally a line "#CPT#" and the CPT
// file. Whatever the bytes, the run must end with a status, not a crash,
// a sanitizer report or a hang.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string_view>

#include <unistd.h>

#include "run.h"
#include "state.h"

namespace {

const std::filesystem::path& scratch() {
    static const auto dir = [] {
        auto p = std::filesystem::temp_directory_path() / ("tarne-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(p);
        return p;
    }();
    return dir;
}

void write(const std::filesystem::path& p, std::string_view bytes) {
    std::ofstream(p, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    constexpr std::string_view kSeparator = "#CPT#";
    const auto cut = all.find(kSeparator);
    const auto files = tarne::files_beside((scratch() / "p.tq7d").string());
    write(files.input_path, all.substr(0, cut));
    write(files.cpt_path, cut == std::string_view::npos ? std::string_view(" 1 0\r\n")
                                                        : all.substr(cut + kSeparator.size()));
    auto state = std::make_unique<tarne::AnalysisState>();
    std::ostringstream out;
    std::istringstream in;
    tarne::Console console{&out, &in};
    (void)tarne::run_analysis(*state, files, console);
    return 0;
}
