#include "report.h"

#include <sstream>

#include <gtest/gtest.h>

#include "input.h"
#include "list_reader.h"
#include "test_support.h"

namespace tarne {
namespace {

// The input echo of a project given as data-file lines.
std::string echo_of(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    ListReader r("p.tq7d", text);
    auto s = std::make_unique<AnalysisState>();
    read_input(*s, r);
    set_unit_labels(*s);
    s->total_length = s->total_length_input - s->stickup_length;
    std::ostringstream out;
    TextOut t(&out);
    write_input_echo(t, *s);
    return out.str();
}

bool has_line(const std::string& text, const std::string& line) {
    return text.find("\n" + line + "\n") != std::string::npos;
}

TEST(ReportEcho, HeaderTextsAreCutToTheirFields) {
    auto lines = test::small_project();
    lines[0] = std::string(75, 'T');
    lines[1] = std::string(65, 'D');
    const auto echo = echo_of(lines);
    EXPECT_TRUE(has_line(echo, std::string(10, ' ') + std::string(70, 'T')));
    EXPECT_TRUE(has_line(echo, "          DESIGNER   : " + std::string(60, 'D')));
    EXPECT_TRUE(has_line(echo, "          JOB NUMBER : T-1" + std::string(57, ' ')));
}

TEST(ReportEcho, OptionalLinesFollowTheOptions) {
    struct Case { const char* name; std::vector<std::pair<int, std::string>> edits; std::vector<std::string> expected; };
    const Case cases[] = {
        {"tension with API",
         {{18, "1 0.7 "}},
         {"          - TENSION  ", "            REDUCTION FACTOR FOR TENSION LOADING =      0.70"}},
        {"USACE at a user depth, ICP drained",
         {{7, "0 1 0 1 0 0 1 0 0 "}, {19, "1 0 "}, {23, "2 35.5 "}},
         {"          - USACE (U.S. Army Corps of Engineers)", "            # Critical Depth Method for Sand:",
          "              At User-Specified Critical Depth =     35.50 FT.",
          "          - ICP/MTD (Imperial College of London)", "            # Use Drained Condition for Clay"}},
        {"area table, enhanced end, plugged",
         {{5, "6 16 "}, {19, "0 1 "}, {20, "2 2 "}, {21, "0 28.5 "}, {22, "40 20.25 "}},
         {"          - CROSS SECTION AREA ALONG DEPTH", "           DEPTH,FT.           AREA,IN2",
          "                0.00               28.50", "               40.00               20.25",
          "          - LENGTH OF ENHANCED ", "            END SECTION               =      6.00 FT.",
          "            ENHANCED END SECTION      =     16.00 IN.", "          Plugged for open-ended pile"}},
        {"pipe from its dimensions",
         {},
         {"          - CROSS SECTION AREA        =     27.49 IN2", "          - Open-Ended Pile",
          "          Internal Pile Plug Calculated by Program",
          "          - MODULUS OF ELASTICITY     = 0.290E+08 PSI"}},
    };
    for (const auto& c : cases) {
        auto lines = test::small_project();
        for (const auto& [index, text] : c.edits) lines[static_cast<std::size_t>(index)] = text;
        const auto echo = echo_of(lines);
        for (const auto& e : c.expected) EXPECT_TRUE(has_line(echo, e)) << c.name << ": [" << e << "]\n" << echo;
    }
}

TEST(ReportEcho, NoEnhancedEndLinesWithoutStickUpOrEnhancedEnd) {
    const auto echo = echo_of(test::small_project());
    EXPECT_EQ(echo.find("LENGTH OF ENHANCED"), std::string::npos);
    EXPECT_EQ(echo.find("REDUCTION FACTOR FOR TENSION"), std::string::npos);
}

}  // namespace
}  // namespace tarne
