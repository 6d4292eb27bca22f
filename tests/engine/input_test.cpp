#include "input.h"

#include <clocale>

#include <gtest/gtest.h>

#include "list_reader.h"
#include "test_support.h"

namespace tarne {
namespace {

using test::small_project;

std::unique_ptr<AnalysisState> read(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    ListReader r("p.tq7d", text);
    auto s = std::make_unique<AnalysisState>();
    read_input(*s, r);
    return s;
}

TEST(ListReader, ReadsAcrossLinesAndIgnoresTheRestOfALine) {
    ListReader r("f", "1 2\r\n3 4 5 extra\r\n\r\n6\r\n");
    r.begin_record();
    EXPECT_EQ(r.read_int("a"), 1);
    EXPECT_EQ(r.read_int("b"), 2);
    EXPECT_EQ(r.read_int("c"), 3);  // too few values on line 1: the read goes on
    r.begin_record();               // a new read starts on a new line: 4 5 are skipped
    EXPECT_DOUBLE_EQ(r.read_real("d"), 6.0);  // empty lines are passed over
    EXPECT_TRUE(r.at_end());
}

TEST(ListReader, ErrorsNameLineAndItem) {
    struct Case { const char* text; bool integer; int line, item; const char* message; };
    const Case cases[] = {
        {"1 x\r\n", true, 1, 2, "an integer was expected for v but \"x\" was found"},
        {"1\r\n2.5\r\n", true, 2, 1, "an integer was expected for v but \"2.5\" was found"},
        {"1 1,5\r\n", false, 1, 2, "a number was expected for v but \"1,5\" was found"},
        {"1 nan\r\n", false, 1, 2, "a number was expected for v but \"nan\" was found"},
        {"1\r\n", false, 2, 0, "the file ends where v was expected"},
    };
    for (const auto& c : cases) {
        ListReader r("f.tq7d", c.text);
        r.begin_record();
        (void)r.read_real("v");
        try {
            if (c.integer) (void)r.read_int("v"); else (void)r.read_real("v");
            ADD_FAILURE() << c.text;
        } catch (const EngineError& e) {
            EXPECT_EQ(e.line(), c.line) << c.text;
            EXPECT_EQ(e.item(), c.item) << c.text;
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST(ListReader, DecimalPointIsDotUnderACommaLocale) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no comma-decimal locale installed";
    ListReader r("f", "1.25E+01 -0.5 +3\r\n");
    r.begin_record();
    EXPECT_DOUBLE_EQ(r.read_real("a"), 12.5);
    EXPECT_DOUBLE_EQ(r.read_real("b"), -0.5);
    EXPECT_DOUBLE_EQ(r.read_real("c"), 3.0);
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(ReadInput, FillsTheStateWithConversions) {
    auto s = read(small_project());
    EXPECT_EQ(s->unit_system, kEnglish);
    EXPECT_EQ(s->profile_point_count, 4);
    EXPECT_DOUBLE_EQ(s->outside_diameter, 18.0);
    EXPECT_DOUBLE_EQ(s->inside_diameter, 17.0);
    // No enhanced end: one section with the ordinary ID, just short of the pile.
    EXPECT_DOUBLE_EQ(s->enhanced_end_inside_diameter, 17.0);
    EXPECT_DOUBLE_EQ(s->enhanced_end_length, 40.0 - 1.0e-7);
    // Sand carries its blow count in the remolded place.
    EXPECT_DOUBLE_EQ(s->prof_blow_count[1], 12.0);
    EXPECT_DOUBLE_EQ(s->prof_su_remolded[1], 0.0);
    // English limits and strengths are converted to ksf; a zero limit means none.
    EXPECT_DOUBLE_EQ(s->prof_max_friction[1], 1.7);
    EXPECT_EQ(s->prof_friction_unlimited[1], 0);
    EXPECT_DOUBLE_EQ(s->prof_max_friction[3], kNoLimit);
    EXPECT_EQ(s->prof_friction_unlimited[3], 1);
    EXPECT_EQ(s->prof_bearing_unlimited[3], 1);
    EXPECT_DOUBLE_EQ(s->prof_su[4], 2.0);
    EXPECT_DOUBLE_EQ(s->prof_su_remolded[4], 0.9);
    EXPECT_DOUBLE_EQ(s->prof_blow_count[3], 1.0);  // the clay's yield stress ratio
    // The first submerged unit weight marks the water table.
    EXPECT_DOUBLE_EQ(s->water_table_depth, 20.0);
    EXPECT_EQ(s->area_table_count, 2);
    EXPECT_DOUBLE_EQ(s->area_table_distance[2], 40.0);
}

TEST(ReadInput, SubstitutionsForSectionSiltAndWaterTable) {
    auto lines = small_project();
    lines[4] = "31.416 144 0 0 29000000 40 0 ";  // a non-circular section of perimeter 10 pi
    lines[6] = "0 1 6 0 4 1 0 ";
    lines[13] = "20 3 0.8 115 28 0.0 ";           // silt keeps its B4 as remolded strength
    lines[14] = "0 0 1000 15 0.0 0.0 0.0 0.0 0.0 1 1 0 ";
    lines[15] = "60 3 0.8 115 28 0.0 ";
    lines[16] = "0 0 1000 15 0.0 0.0 0.0 0.0 0.0 1 1 0 ";
    auto s = read(lines);
    EXPECT_NEAR(s->outside_diameter, 10.0, 1e-12);
    EXPECT_DOUBLE_EQ(s->inside_diameter, 0.0);
    EXPECT_DOUBLE_EQ(s->tip_area, 1.0);  // 144 in2 is 1 ft2
    EXPECT_DOUBLE_EQ(s->prof_su_remolded[3], 0.015);
    EXPECT_DOUBLE_EQ(s->prof_blow_count[3], 0.0);
    EXPECT_DOUBLE_EQ(s->water_table_depth, 99999.0);  // every unit weight is 75 pcf or more
}

TEST(ReadInput, SiValuesStayAsRead) {
    auto lines = small_project();
    lines[3] = "2 1 4 0 ";
    lines[13] = "20 2 0.0 9.5 0.0 0.0 ";
    lines[15] = "60 2 0.0 9.5 0.0 0.0 ";
    auto s = read(lines);
    EXPECT_DOUBLE_EQ(s->prof_max_friction[1], 1700.0);  // kPa, not converted
    EXPECT_DOUBLE_EQ(s->prof_su[3], 1000.0);
    EXPECT_DOUBLE_EQ(s->water_table_depth, 20.0);  // 9.5 kN/m3 is below 12: submerged
}

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

// An inside diameter as large as the outside one leaves no wall; the
// offshore methods' equivalent radius would be the root of a negative number.
TEST(Input, InsideDiameterNotBelowTheOutsideOneIsRefused) {
    struct Case { const char* pile; const char* enhanced_end; int line; const char* message; };
    const Case cases[] = {
        {"0 0 24 24 29000000 8 0 ", "0 0 ", 5, "the inside diameter must be less than the outside diameter"},
        {"0 0 24 22 29000000 8 0 ", "3 25 ", 6,
         "the inside diameter of the enhanced end section must be less than the outside diameter"},
    };
    for (const auto& c : cases) {
        auto s = std::make_unique<AnalysisState>();
        ListReader data("id.tq7d", std::string("Id\r\nDesigner\r\nJob\r\n1 1 2 0 \r\n") + c.pile + "\r\n" +
                                       c.enhanced_end + "\r\n0 1 1 0 4 1 0 \r\n");
        try {
            read_input(*s, data);
            ADD_FAILURE() << c.message << ": accepted";
        } catch (const EngineError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
            EXPECT_EQ(e.line(), c.line);
        }
    }
}

}  // namespace
}  // namespace tarne
