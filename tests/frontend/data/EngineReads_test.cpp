// The engine reads every data file and CPT file the project writes.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "DataUnit.h"
#include "project_builder.h"
#include "run.h"
#include "state.h"

namespace tarne {
namespace {

struct Case {
    int units;
    int pileType;
};

class EngineReads : public ::testing::TestWithParam<Case> {};

TEST_P(EngineReads, SavedProject) {
    const Case c = GetParam();
    test::TempFolder folder;
    TProjectTables tables;
    TProgramData p(tables);
    test::BuildProject(p, c.units, c.pileType);
    p.FileName = folder.File("built.tq7d");
    p.SaveToFile();

    auto state = std::make_unique<AnalysisState>();
    std::ostringstream console;
    std::istringstream noAnswers;
    Console io{&console, &noAnswers};
    const RunResult result = run_analysis(*state, files_beside(p.FileName), io);
    ASSERT_EQ(result.status, 0) << result.message << "\n" << test::ReadBytes(p.FileName);

    const AnalysisState& s = *state;
    EXPECT_EQ(s.unit_system, c.units);
    EXPECT_EQ(s.title, p.Title);
    EXPECT_EQ(s.pile_type, c.pileType);
    EXPECT_EQ(s.closed_end, c.pileType == 1 ? 1 : 0);
    EXPECT_EQ(s.profile_point_count, 6);
    const double kinds[] = {1, 1, 2, 2, 3, 3};
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(s.prof_soil_kind[i], kinds[i - 1]) << "point " << i;
    // Depths, by the project's own values (the engine keeps doubles).
    const auto depth = [&](int layer) {
        return static_cast<double>(tables.D.Cell(LayerColumn::Depth, layer).AsFloat());
    };
    EXPECT_EQ(s.prof_depth[1], 0.0);
    EXPECT_NEAR(s.prof_depth[3], depth(0), 1e-6 * depth(0));
    EXPECT_NEAR(s.prof_depth[6], depth(2), 1e-6 * depth(2));
    EXPECT_NEAR(s.profile_bottom, depth(2), 1e-6 * depth(2));
    EXPECT_NEAR(s.total_length_input, static_cast<double>(p.TotalLength), 1e-9 * static_cast<double>(p.TotalLength));
    EXPECT_EQ(s.prof_adhesion_method[3], 2.0);
    EXPECT_EQ(s.prof_k0[5], 0.7);
    EXPECT_EQ(s.prof_nq[1], 20.0);
    EXPECT_EQ(s.prof_end_factor[6], 0.85);
    for (int m = 1; m <= 9; ++m) EXPECT_EQ(s.method_switch[m], m <= 4 ? 1 : 0);
    EXPECT_EQ(s.extra_tz_count, 2);
    EXPECT_EQ(s.area_table_count, 2);
    EXPECT_EQ(s.critical_depth_option, 2);
    EXPECT_EQ(s.cpt_units, c.units);
    EXPECT_EQ(s.cpt_count, 17);
}

INSTANTIATE_TEST_SUITE_P(EveryPileTypeBothUnits, EngineReads,
                         ::testing::Values(Case{1, 1}, Case{1, 2}, Case{1, 3}, Case{1, 4}, Case{1, 5}, Case{1, 6},
                                           Case{1, 7}, Case{2, 1}, Case{2, 2}, Case{2, 3}, Case{2, 4}, Case{2, 5},
                                           Case{2, 6}, Case{2, 7}),
                         [](const auto& info) {
                             return std::string(info.param.units == 1 ? "English" : "SI") + "_PileType" +
                                    std::to_string(info.param.pileType);
                         });

// A new project saved at once runs too, once it has soil deep enough.
TEST(EngineReads, NewProjectWithOneLayer) {
    test::TempFolder folder;
    TProjectTables tables;
    TProgramData p(tables);
    p.FileName = folder.File("new.tq7d");
    p.TotalLength = 20.0L;
    p.OutsideDiameter = 12.0L;
    p.ElasticModulus = 29000000.0L;
    tables.D.Cell(LayerColumn::Depth, 0).SetFloat(40.0L);
    tables.D.Cell(LayerColumn::Properties, 0).AsTable()->Cell(SandColumn::UnitWeight, 0).SetFloat(110.0L);
    p.SaveToFile();
    auto state = std::make_unique<AnalysisState>();
    std::ostringstream console;
    std::istringstream noAnswers;
    Console io{&console, &noAnswers};
    const RunResult result = run_analysis(*state, files_beside(p.FileName), io);
    EXPECT_EQ(result.status, 0) << result.message;
    EXPECT_EQ(state->profile_point_count, 2);
    EXPECT_EQ(state->cpt_count, 0);
}

}  // namespace
}  // namespace tarne
