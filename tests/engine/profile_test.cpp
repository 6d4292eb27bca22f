#include "profile.h"

#include <gtest/gtest.h>

namespace tarne {
namespace {

// A state with layers given as (top, bottom, kind, k0 top, k0 bottom).
struct Layer { double top, bottom, kind, k0_top, k0_bottom; };

std::unique_ptr<AnalysisState> profile(std::initializer_list<Layer> layers, double increment) {
    auto s = std::make_unique<AnalysisState>();
    s->unit_system = kEnglish;
    s->length_increment = increment;
    s->print_interval = 1;
    s->tension_factor = 1.0;
    int i = 0;
    for (const auto& l : layers) {
        ++i;
        s->prof_depth[i] = l.top; s->prof_soil_kind[i] = l.kind; s->prof_k0[i] = l.k0_top;
        ++i;
        s->prof_depth[i] = l.bottom; s->prof_soil_kind[i] = l.kind; s->prof_k0[i] = l.k0_bottom;
    }
    s->profile_point_count = i;
    s->profile_bottom = s->prof_depth[i];
    return s;
}

TEST(Profile, ElementCountTruncates) {
    struct Case { double bottom, increment; int expected; };
    for (const Case c : {Case{60.0, 0.5, 120}, Case{60.0, 0.7, 85}, Case{60.0, 1.0, 60}, Case{500.0, 1.0, 500},
                         Case{501.0, 1.0, 501}, Case{1.0e12, 1.0e-6, 2147483647}}) {
        AnalysisState s;
        s.profile_bottom = c.bottom;
        s.length_increment = c.increment;
        EXPECT_EQ(compute_element_count(s), c.expected) << c.bottom << " / " << c.increment;
    }
}

TEST(Profile, RequiredSoilDepthAddsTwoDiameters) {
    AnalysisState s;
    s.unit_system = kEnglish;
    s.total_length = 60; s.stickup_length = 2; s.outside_diameter = 18;
    EXPECT_DOUBLE_EQ(compute_required_soil_depth(s), 61.0);
    s.unit_system = kSI;
    s.total_length = 20; s.stickup_length = 0.5; s.outside_diameter = 500;
    EXPECT_DOUBLE_EQ(compute_required_soil_depth(s), 20.5);
}

TEST(Profile, BoundariesSnapToTheGrid) {
    // 0.2 ft layer vanishes; the next layer starts where it started.
    auto s = profile({{0, 10, 1, 0, 0}, {10, 10.2, 2, 0, 0}, {10.2, 20, 1, 0, 0}}, 1.0);
    adjust_boundaries_to_grid(*s);
    const double thin[] = {0, 10, 10, 10, 10, 20};
    for (int i = 1; i <= 6; ++i) EXPECT_DOUBLE_EQ(s->prof_depth[i], thin[i - 1]) << i;

    // 0.7 ft layer grows to one increment at the cost of the layer below.
    s = profile({{0, 10, 1, 0, 0}, {10, 10.7, 2, 0, 0}, {10.7, 20, 1, 0, 0}}, 1.0);
    adjust_boundaries_to_grid(*s);
    const double grown[] = {0, 10, 10, 11, 11, 20};
    for (int i = 1; i <= 6; ++i) EXPECT_DOUBLE_EQ(s->prof_depth[i], grown[i - 1]) << i;
}

TEST(Profile, ElementsTakeMidDepthValuesAndTheTopPointsKind) {
    auto s = profile({{0, 4, 1, 1.0, 2.0}, {4, 8, 2, 5.0, 9.0}}, 1.0);
    s->element_count = compute_element_count(*s);
    build_elements(*s);
    ASSERT_EQ(s->element_count, 8);
    EXPECT_DOUBLE_EQ(s->seg_top[1], 0.0);
    EXPECT_DOUBLE_EQ(s->seg_bottom[1], 1.0);
    EXPECT_DOUBLE_EQ(s->seg_k0[1], 1.125);  // mid-depth 0.5 of 4 ft: 1 + 1 * 0.5/4
    EXPECT_DOUBLE_EQ(s->seg_k0[4], 1.875);
    EXPECT_DOUBLE_EQ(s->seg_soil_kind[4], 1.0);
    EXPECT_DOUBLE_EQ(s->seg_soil_kind[5], 2.0);  // the zero-length gap at 4 ft is skipped
    EXPECT_DOUBLE_EQ(s->seg_k0[5], 5.5);
    EXPECT_DOUBLE_EQ(s->seg_top[8], 7.0);
}

TEST(Profile, ElementsBelowTheDeepestPointTakeItsValues) {
    // A bottom layer thinner than half an increment collapses; the last
    // elements then lie below every profile interval.
    auto s = profile({{0, 10, 1, 1.0, 3.0}, {10, 10.4, 2, 7.0, 8.0}}, 1.0);
    s->profile_bottom = 12.0;
    adjust_boundaries_to_grid(*s);
    s->element_count = compute_element_count(*s);
    build_elements(*s);
    EXPECT_DOUBLE_EQ(s->seg_k0[12], 8.0);
    EXPECT_DOUBLE_EQ(s->seg_soil_kind[12], 2.0);
}

// User values become ksf in English units and are reduced by the tension
// factor in tension only, in either unit system.
TEST(Profile, UserValuesAreConvertedAndReducedInTensionOnly) {
    struct Case { int units, loading; double friction, bearing; };
    const Case cases[] = {
        {kEnglish, 0, 1.0, 20.0},    // 1000 psf, 20000 psf: not reduced in compression
        {kEnglish, 1, 0.7, 14.0},    // 1000 * 0.7 / 1000, 20000 * 0.7 / 1000
        {kSI, 0, 1000.0, 20000.0},   // kPa as entered
        {kSI, 1, 700.0, 14000.0},    // reduced in SI as well
    };
    for (const auto& c : cases) {
        auto s = profile({{0, 10, 1, 0, 0}}, 1.0);
        s->unit_system = c.units;
        s->loading_type = c.loading;
        s->prof_user_friction[1] = s->prof_user_friction[2] = 1000;
        s->prof_user_bearing[1] = s->prof_user_bearing[2] = 20000;
        s->tension_factor = 0.7;
        s->element_count = 10;
        build_elements(*s);
        EXPECT_DOUBLE_EQ(s->seg_user_friction[3], c.friction) << c.units << " " << c.loading;
        EXPECT_DOUBLE_EQ(s->seg_user_bearing[3], c.bearing) << c.units << " " << c.loading;
    }
}

TEST(Profile, OutputPointsAndPrintedRows) {
    struct Case { double length, increment; int interval, points, rows, last_regular, row_after; };
    const Case cases[] = {
        {40.0, 1.0, 1, 41, 41, 41, 0},
        {40.0000001, 1.0, 1, 41, 41, 41, 0},
        {40.0, 1.0, 5, 41, 9, 41, 0},
        {42.0, 1.0, 5, 43, 10, 41, 43},  // the last point follows the regular rows
        {0.0, 1.0, 3, 1, 1, 1, 0},
    };
    for (const auto& c : cases) {
        AnalysisState s;
        s.total_length = c.length;
        s.length_increment = c.increment;
        s.print_interval = c.interval;
        compute_output_points(s);
        EXPECT_EQ(s.output_point_count, c.points) << c.length;
        EXPECT_EQ(s.printed_row_count, c.rows) << c.length;
        EXPECT_EQ(s.last_printed_row, c.last_regular) << c.length;
        EXPECT_DOUBLE_EQ(s.point_depth[s.output_point_count], (c.points - 1) * c.increment);
        EXPECT_EQ(printed_point(s, 2), c.points > 1 ? 1 + c.interval : 1);
        if (c.row_after) {
            EXPECT_EQ(printed_point(s, s.printed_row_count), c.row_after);
        }
    }
}

}  // namespace
}  // namespace tarne
