// Replays the fuzzing seed corpus and every input a fuzzer once found
// troublesome through a whole analysis: each must end with a status.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "test_support.h"

namespace tarne {
namespace {

namespace fs = std::filesystem;

TEST(FuzzCorpus, EveryInputEndsWithAStatus) {
    int replayed = 0;
    for (const char* folder : {TARNE_FUZZ_DIR "/corpus/analysis_fuzz", TARNE_FUZZ_DIR "/regressions"}) {
        if (!fs::exists(folder)) continue;
        for (const auto& entry : fs::directory_iterator(folder)) {
            const std::string bytes = test::read_text(entry.path());
            // The data file, then optionally "#CPT#" and the CPT file, as the fuzz target splits them.
            const auto cut = bytes.find("#CPT#");
            test::ScratchDir dir;
            std::ofstream(dir.file("p.tq7d"), std::ios::binary) << bytes.substr(0, cut);
            std::ofstream(dir.file("p.cpt"), std::ios::binary)
                << (cut == std::string::npos ? std::string(" 1 0\r\n") : bytes.substr(cut + 5));
            AnalysisState* s = new AnalysisState();
            std::ostringstream out;
            std::istringstream in;
            Console console{&out, &in};
            const auto result = run_analysis(*s, files_beside(dir.file("p.tq7d").string()), console);
            delete s;
            EXPECT_TRUE(result.status == 0 || result.status == 1) << entry.path();
            ++replayed;
        }
    }
    EXPECT_GT(replayed, 0);
}

}  // namespace
}  // namespace tarne
