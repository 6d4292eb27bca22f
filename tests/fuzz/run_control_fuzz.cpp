// Fuzz target: the run-control file "names.dat" with arbitrary bytes, the
// console prompts answered from the same bytes.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "input.h"
#include "state.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto path =
        std::filesystem::temp_directory_path() / ("tarne-fuzz-names-" + std::to_string(::getpid()) + ".dat");
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(path, std::ios::binary) << bytes;
    tarne::AnalysisState state;
    std::ostringstream out;
    std::istringstream answers(bytes);
    tarne::Console console{&out, &answers};
    tarne::read_run_control(state, path.string(), console);
    return 0;
}
