#include "capacity_table.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "profile.h"
#include "report.h"

namespace tarne {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

// English state with output points every foot down to `embedded` ft.
std::unique_ptr<AnalysisState> points_state(double embedded, int print_interval) {
    auto s = std::make_unique<AnalysisState>();
    s->unit_system = kEnglish;
    set_unit_labels(*s);
    s->length_increment = 1.0;
    s->total_length = embedded;
    s->print_interval = print_interval;
    compute_output_points(*s);
    return s;
}

TEST(CapacityTable, RowsFollowThePrintInterval) {
    struct Case {
        double embedded;
        int interval;
        std::vector<int> points;
        bool tip_added;
    };
    const Case cases[] = {
        {40, 5, {1, 6, 11, 16, 21, 26, 31, 36, 41}, false},     // M = 41: the tip is on the sequence
        {42, 5, {1, 6, 11, 16, 21, 26, 31, 36, 41, 43}, true},  // M = 43: the tip is added
        {3, 1, {1, 2, 3, 4}, false},
        {2, 7, {1, 3}, true},
    };
    for (const auto& c : cases) {
        auto s = points_state(c.embedded, c.interval);
        std::vector<int> printed;
        for (int row = 1; row <= s->printed_row_count; ++row) printed.push_back(printed_point(*s, row));
        EXPECT_EQ(printed, c.points) << "M " << s->output_point_count << ", every " << c.interval;
        // FHWA and USACE leave an added tip row to the plot file; the others print it.
        EXPECT_EQ(report_prints_row(*s, kFhwa, s->printed_row_count), !c.tip_added);
        EXPECT_EQ(report_prints_row(*s, kUsace, s->printed_row_count), !c.tip_added);
        EXPECT_TRUE(report_prints_row(*s, kApi, s->printed_row_count));
    }
}

std::string table_text(const AnalysisState& s, int code) {
    std::ostringstream text;
    {
        TextOut out(&text);
        write_capacity_table(out, s, code);
    }
    return text.str();
}

// Two rows: a plugged point and one whose soil plug governs.
void fill_results(AnalysisState& s, int code) {
    MethodResults& r = s.results[code];
    r.skin_friction[1] = 0.0;
    r.tip[1] = 1.26;
    r.ultimate[1] = 1.26;
    r.plug_flag[1] = 1;
    r.skin_friction[2] = 123.44;
    r.tip[2] = 7.06;
    r.ultimate[2] = 130.5;
    r.plug_flag[2] = 2;
    r.computed = true;
}

TEST(CapacityTable, ApiTableLayoutWithThePlugMark) {
    auto s = points_state(1, 1);
    fill_results(*s, kApi);
    const auto lines = lines_of(table_text(*s, kApi));
    const std::vector<std::string> expected = {
        "", "", "",
        "                            **********************",
        "                            *  API RP-2A (1994)  *",
        "                            **********************",
        "",
        "             PILE       TOTAL SKIN       END       ULTIMATE",
        "          PENETRATION   FRICTION       BEARING     CAPACITY",
        "              FT.          KIP           KIP          KIP",
        "              0.00           0.0           1.3          1.3",
        "              1.00         123.4           7.1*       130.5",
    };
    EXPECT_EQ(lines, expected);
}

TEST(CapacityTable, TensionHeadingsExceptForTheUserMethod) {
    auto s = points_state(1, 1);
    s->loading_type = 1;
    fill_results(*s, kApi);
    fill_results(*s, kUserSpecified);
    const auto api = lines_of(table_text(*s, kApi));
    EXPECT_EQ(api[7], "             PILE       TOTAL SKIN       SELF      ULTIMATE");
    EXPECT_EQ(api[8], "          PENETRATION   FRICTION        WEIGHT     CAPACITY");
    const auto user = lines_of(table_text(*s, kUserSpecified));
    EXPECT_EQ(user[4], "                             * GENERAL METHOD *");
    EXPECT_EQ(user[7], "             PILE       TOTAL SKIN       END       ULTIMATE");
    EXPECT_EQ(user[11], "              1.00         123.4           7.1        130.5");  // never marked
}

TEST(CapacityTable, BannersOfEveryMethod) {
    auto s = points_state(1, 1);
    struct Banner {
        int code;
        const char* title_line;
    };
    const Banner banners[] = {
        {kFhwa, "                            *  FED. HWY. METHOD  *"},
        {kUsace, "                            * ARMY CORPS METHOD  *"},
        {kLambda, "                            *  LAMBDA 2 METHOD   *"},
        {kNgi, "          *  NORWEIGIAN GEOTECHNICAL INSTITUTE (NGI) METHOD  *"},
        {kIcp, "                    *  IMPERIAL COLLEGE (MTD) METHOD  *"},
        {kFugro, "                    *    FUGRO 2004 (FUGRO) METHOD    *"},
        {kUwa, "             *  UNIV. OF WESTERN AUSTRALIA (UWA) METHOD  *"},
    };
    for (const auto& b : banners) {
        const auto lines = lines_of(table_text(*s, b.code));
        EXPECT_EQ(lines[4], b.title_line);
        const std::string title(b.title_line);
        EXPECT_EQ(lines[3], title.substr(0, title.find('*')) + std::string(title.size() - title.find('*'), '*'));
    }
    EXPECT_EQ(capacity_table_title(kApi), "API RP-2A (1994)");
}

TEST(CapacityTable, NotesAddTheBuoyancyLineInTension) {
    auto s = points_state(1, 1);
    std::ostringstream compression;
    {
        TextOut out(&compression);
        write_capacity_notes(out, *s);
    }
    EXPECT_NE(compression.str().find("            - AN ASTERISK IS PLACED IN THE END-BEARING COLUMN\n"),
              std::string::npos);
    EXPECT_EQ(compression.str().find("BOUYANCY"), std::string::npos);
    s->loading_type = 1;
    std::ostringstream tension;
    {
        TextOut out(&tension);
        write_capacity_notes(out, *s);
    }
    EXPECT_NE(tension.str().find("            - A NEGATIVE SELF-WEIGHT VALUE IS DUE TO THE\n"
                                 "              BOUYANCY EFFECT.\n"),
              std::string::npos);
}

}  // namespace
}  // namespace tarne
