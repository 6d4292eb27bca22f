#include "input.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "errors.h"
#include "list_reader.h"

namespace tarne {
namespace {

TEST(Input, PileWithoutDiameterIsRefused) {
    auto s = std::make_unique<AnalysisState>();
    ListReader data("zero.tq7d",
                    "Zero\r\nDesigner\r\nJob\r\n1 1 2 1 \r\n0 0 0 0 29000000 8 0 \r\n0 0 \r\n0 1 1 0 4 1 0 \r\n");
    try {
        read_input(*s, data);
        ADD_FAILURE() << "a zero diameter was accepted";
    } catch (const EngineError& e) {
        EXPECT_NE(std::string(e.what()).find("outside diameter"), std::string::npos) << e.what();
        EXPECT_EQ(e.line(), 5);
    }
}

}  // namespace
}  // namespace tarne
