#include "methods/fhwa_charts.h"

#include <cstddef>

#include "charts.h"

namespace tarne {
namespace {

template <std::size_t N>
constexpr bool increasing(const Breakpoint (&p)[N]) {
    for (std::size_t i = 1; i < N; ++i)
        if (!(p[i].x > p[i - 1].x)) return false;
    return N > 0;
}

// One curve of a chart of several: the value of the chart's second argument
// it is drawn for.
struct Curve {
    double at;
    const Chart* chart;
};

// Linear between neighbouring curves in `parameter`, held at the outer
// curves: the curves' values at x form a chart of their own in `parameter`.
template <std::size_t N>
double across_curves(const Curve (&curves)[N], double parameter, double x) {
    Breakpoint through[N];
    for (std::size_t i = 0; i < N; ++i) through[i] = {curves[i].at, evaluate(*curves[i].chart, x)};
    return evaluate(Chart{"across curves", through}, parameter);
}

// ---- delta/phi against the displaced volume V (ft3/ft), by pile type ----

constexpr Breakpoint kDeltaRatioPipe[] = {  // 1: steel pipe, non-tapered monotube
    {0.08, 0.342}, {0.1, 0.342}, {0.2, 0.342}, {0.3, 0.342}, {0.4, 0.41}, {0.52, 0.476}, {0.6, 0.516},
    {0.8, 0.593},  {1, 0.652},   {1.2, 0.697}, {1.4, 0.733}, {1.6, 0.763}, {1.9, 0.798},
};
constexpr Breakpoint kDeltaRatioTimber[] = {  // 2
    {0.08, 0.404}, {0.1, 0.404}, {0.2, 0.404}, {0.3, 0.404}, {0.4, 0.466}, {0.52, 0.527}, {0.6, 0.562},
    {0.8, 0.637},  {1, 0.693},   {1.2, 0.734}, {1.4, 0.766}, {1.6, 0.793}, {1.9, 0.825},
};
constexpr Breakpoint kDeltaRatioPrecast[] = {  // 3
    {0.08, 0.466}, {0.1, 0.466}, {0.2, 0.466}, {0.3, 0.466}, {0.4, 0.525}, {0.52, 0.59}, {0.6, 0.63},
    {0.8, 0.708},  {1, 0.767},   {1.2, 0.813}, {1.4, 0.848}, {1.6, 0.877}, {1.9, 0.914},
};
constexpr Breakpoint kDeltaRatioStepTaper[] = {  // 4: Raymond step-taper
    {0.08, 0.571}, {0.1, 0.571}, {0.2, 0.571}, {0.3, 0.571}, {0.4, 0.637}, {0.52, 0.699}, {0.6, 0.736},
    {0.8, 0.814},  {1, 0.873},   {1.2, 0.917}, {1.4, 0.953}, {1.6, 0.985}, {1.9, 1.024},
};
constexpr Breakpoint kDeltaRatioUniformTaper[] = {  // 5: Raymond uniform taper
    {0.08, 0.801}, {0.1, 0.801}, {0.2, 0.801}, {0.3, 0.801}, {0.4, 0.845}, {0.52, 0.895}, {0.6, 0.925},
    {0.8, 0.994},  {1, 1.053},   {1.2, 1.11},  {1.4, 1.159}, {1.6, 1.207}, {1.9, 1.27},
};
constexpr Breakpoint kDeltaRatioHPile[] = {  // 6
    {0.08, 0.727}, {0.1, 0.747}, {0.2, 0.827}, {0.3, 0.8875}, {0.4, 0.933}, {0.52, 0.972}, {0.6, 0.98},
    {0.8, 0.98},   {1, 0.98},    {1.2, 0.98},  {1.4, 0.98},   {1.6, 0.98},  {1.9, 0.98},
};
constexpr Breakpoint kDeltaRatioTaperedMonotube[] = {  // 7
    {0.08, 0.643}, {0.1, 0.643}, {0.2, 0.643}, {0.3, 0.643}, {0.4, 0.696}, {0.52, 0.757}, {0.6, 0.792},
    {0.8, 0.86},   {1, 0.916},   {1.2, 0.958}, {1.4, 0.994}, {1.6, 1.024}, {1.9, 1.062},
};

// ---- CF against phi (degrees), one curve per delta/phi ----

constexpr Breakpoint kCf02[] = {
    {14, 0.83}, {18, 0.77}, {22, 0.71}, {26, 0.64}, {30, 0.58}, {34, 0.5}, {38, 0.42}, {42, 0.32}, {45, 0.24},
};
constexpr Breakpoint kCf04[] = {
    {14, 0.9}, {18, 0.85}, {22, 0.8}, {26, 0.74}, {30, 0.69}, {34, 0.63}, {38, 0.56}, {42, 0.49}, {45, 0.43},
};
constexpr Breakpoint kCf06[] = {
    {14, 0.95}, {18, 0.92}, {22, 0.89}, {26, 0.85}, {30, 0.82}, {34, 0.77}, {38, 0.72}, {42, 0.66}, {45, 0.62},
};
constexpr Breakpoint kCf08[] = {
    {14, 0.99}, {18, 0.98}, {22, 0.97}, {26, 0.95}, {30, 0.94}, {34, 0.92}, {38, 0.9}, {42, 0.87}, {45, 0.84},
};
constexpr Breakpoint kCf10[] = {
    {14, 1}, {18, 1}, {22, 1}, {26, 1}, {30, 1}, {34, 1}, {38, 1}, {42, 1}, {45, 1},
};
constexpr Breakpoint kCf12[] = {
    {14, 1.01}, {18, 1.02}, {22, 1.02}, {26, 1.02}, {30, 1.03}, {34, 1.05}, {38, 1.07}, {42, 1.09}, {45, 1.12},
};
constexpr Breakpoint kCfAbove12[] = {
    {14, 1.02}, {18, 1.03}, {22, 1.03}, {26, 1.04}, {30, 1.06}, {34, 1.08}, {38, 1.1}, {42, 1.13}, {45, 1.16},
};

// ---- K-delta against the taper angle omega (degrees), one curve per V ----

constexpr Breakpoint kKdelta25V01[] = {
    {0, 0.7},    {0.1, 0.739}, {0.2, 0.817}, {0.3, 0.922}, {0.4, 1.042},
    {0.5, 1.194}, {0.6, 1.4},  {0.8, 1.808}, {1, 2.322},   {1.2, 2.917},
};
constexpr Breakpoint kKdelta25V1[] = {
    {0, 0.85},    {0.1, 0.902}, {0.2, 0.992}, {0.3, 1.085}, {0.4, 1.206},
    {0.5, 1.353}, {0.6, 1.536}, {0.8, 1.886}, {1, 2.337},   {1.2, 2.917},
};
constexpr Breakpoint kKdelta25V10[] = {
    {0, 1},       {0.1, 1.05},  {0.2, 1.136}, {0.3, 1.237}, {0.4, 1.349},
    {0.5, 1.478}, {0.6, 1.646}, {0.8, 1.944}, {1, 2.316},   {1.2, 2.917},
};

constexpr Breakpoint kKdelta30V01[] = {
    {0, 0.85},  {0.1, 1.043}, {0.2, 1.26},  {0.3, 1.551}, {0.4, 2.017}, {0.5, 2.56},  {0.6, 3.18},
    {0.8, 4.332}, {1, 5.36},  {1.2, 5.934}, {1.4, 6.244}, {1.6, 6.399}, {1.8, 6.487}, {1.9, 6.494},
};
constexpr Breakpoint kKdelta30V1[] = {
    {0, 1.15},  {0.1, 1.408}, {0.2, 1.629}, {0.3, 1.958}, {0.4, 2.435}, {0.5, 2.928}, {0.6, 3.444},
    {0.8, 4.421}, {1, 5.36},  {1.2, 5.934}, {1.4, 6.244}, {1.6, 6.399}, {1.8, 6.487}, {1.9, 6.494},
};
constexpr Breakpoint kKdelta30V10[] = {
    {0, 1.45},  {0.1, 1.745}, {0.2, 1.978}, {0.3, 2.339}, {0.4, 2.746}, {0.5, 3.18},  {0.6, 3.638},
    {0.8, 4.499}, {1, 5.36},  {1.2, 5.934}, {1.4, 6.244}, {1.6, 6.399}, {1.8, 6.487}, {1.9, 6.494},
};

constexpr Breakpoint kKdelta35V01[] = {
    {0, 1.15},   {0.1, 1.47},   {0.2, 2},   {0.25, 2.32},  {0.3, 2.9}, {0.4, 4.18}, {0.5, 5.42},
    {0.6, 6.81}, {0.75, 8.55},  {0.88, 9.75}, {1, 10.18},  {1.11, 10.34}, {2, 10.34},
};
constexpr Breakpoint kKdelta35V1[] = {
    {0, 1.75},   {0.1, 2.01},   {0.2, 2.59}, {0.25, 2.98}, {0.3, 3.56}, {0.4, 4.66}, {0.5, 5.65},
    {0.6, 6.85}, {0.75, 8.55},  {0.88, 9.75}, {1, 10.18},  {1.11, 10.34}, {2, 10.34},
};
constexpr Breakpoint kKdelta35V10[] = {
    {0, 2.35},   {0.1, 2.76},   {0.2, 3.37}, {0.25, 3.72}, {0.3, 4.26}, {0.4, 5.19}, {0.5, 6.08},
    {0.6, 7.12}, {0.75, 8.55},  {0.88, 9.75}, {1, 10.18},  {1.11, 10.34}, {2, 10.34},
};

constexpr Breakpoint kKdelta40V01[] = {
    {0, 1.7},   {0.1, 5.12},  {0.15, 7.36}, {0.22, 10.56}, {0.3, 13.6},
    {0.4, 15.84}, {0.43, 16.64}, {0.5, 17.28}, {0.56, 17.54}, {2, 17.54},
};
constexpr Breakpoint kKdelta40V1[] = {
    {0, 3},     {0.1, 6.352}, {0.15, 8},    {0.22, 10.56}, {0.3, 13.6},
    {0.4, 15.84}, {0.43, 16.64}, {0.5, 17.28}, {0.56, 17.54}, {2, 17.54},
};
constexpr Breakpoint kKdelta40V10[] = {
    {0, 4.3},   {0.1, 7.04},  {0.15, 8.48}, {0.22, 10.56}, {0.3, 13.6},
    {0.4, 15.84}, {0.43, 16.64}, {0.5, 17.28}, {0.56, 17.54}, {2, 17.54},
};

// ---- alpha-t against phi (degrees), one curve per length ratio ----

constexpr Breakpoint kAlphaT20[] = {
    {20, 0.365}, {20.5, 0.375}, {22.5, 0.416}, {25, 0.47}, {27.5, 0.525}, {30, 0.58}, {32.5, 0.637},
    {35, 0.68},  {36.5, 0.7},   {37.5, 0.715}, {40, 0.75}, {42.5, 0.78},  {45, 0.8},
};
constexpr Breakpoint kAlphaT30[] = {
    {20, 0.256}, {20.5, 0.267}, {22.5, 0.319}, {25, 0.389}, {27.5, 0.4}, {30, 0.52}, {32.5, 0.605},
    {35, 0.67},  {36.5, 0.7},   {37.5, 0.715}, {40, 0.75},  {42.5, 0.78}, {45, 0.8},
};
constexpr Breakpoint kAlphaT45[] = {
    {20, 0.177}, {20.5, 0.19}, {22.5, 0.242}, {25, 0.318}, {27.5, 0.4}, {30, 0.49}, {32.5, 0.578},
    {35, 0.66},  {36.5, 0.7},  {37.5, 0.715}, {40, 0.75},  {42.5, 0.78}, {45, 0.8},
};

// ---- N'q and the limiting tip resistance against phi (degrees) ----

constexpr Breakpoint kNqPrime[] = {
    {15, 4.8}, {17.5, 6.2}, {20, 8.2}, {22.5, 12}, {25, 15},   {27.5, 21},  {30, 30},
    {32.5, 43}, {35, 64},   {37.5, 98}, {40, 160}, {42.5, 265}, {45, 475},
};
constexpr Breakpoint kTipLimit[] = {
    {30, 6.66},   {31.25, 11.25}, {32.5, 20},    {33.75, 32.5},  {35, 53.8},    {36.25, 81.3},
    {37.5, 117.5}, {38.75, 159.5}, {40, 208.8},  {41.25, 262.5}, {42.5, 318.8}, {43.75, 368.8},
};

// ---- Adhesion factor against su (ksf), one curve per case and penetration ratio ----

constexpr Breakpoint kAdhesionOne[] = {{0, 1}};  // case 1 up to ratio 10
constexpr Breakpoint kAdhesion1Ratio20[] = {
    {0, 1}, {0.5, 1}, {1, 1}, {1.5, 1}, {2, 0.95}, {2.5, 0.875}, {3, 0.75}, {3.5, 0.75}, {4, 0.75}, {4.5, 0.75},
};
constexpr Breakpoint kAdhesion1Ratio40[] = {
    {0, 1}, {0.5, 1}, {1, 0.9}, {1.5, 0.815}, {2, 0.68}, {2.5, 0.5}, {3, 0.44}, {3.5, 0.4}, {4, 0.4}, {4.5, 0.4},
};
constexpr Breakpoint kAdhesion2Ratio10[] = {
    {0, 0.7},     {0.5, 0.519}, {1, 0.398}, {1.5, 0.334}, {2, 0.298},
    {2.5, 0.272}, {3, 0.246},   {3.5, 0.226}, {4, 0.206}, {4.5, 0.186},
};
constexpr Breakpoint kAdhesion2Ratio20[] = {
    {0, 0.97},    {0.5, 0.84}, {1, 0.746},  {1.5, 0.694}, {2, 0.675},
    {2.5, 0.656}, {3, 0.626},  {3.5, 0.599}, {4, 0.568},  {4.5, 0.54},
};
constexpr Breakpoint kAdhesion3Ratio10[] = {
    {0, 1},       {0.5, 0.984}, {1, 0.923},   {1.5, 0.829}, {2, 0.688},
    {2.5, 0.443}, {3, 0.303},   {3.5, 0.245}, {4, 0.238},   {4.5, 0.238},
};
constexpr Breakpoint kAdhesion3Ratio40[] = {
    {0, 1},       {0.5, 1},   {1, 1},       {1.5, 1},   {2, 0.9},
    {2.5, 0.701}, {3, 0.502}, {3.5, 0.388}, {4, 0.315}, {4.5, 0.299},
};

static_assert(increasing(kDeltaRatioPipe) && increasing(kDeltaRatioTimber) && increasing(kDeltaRatioPrecast) &&
              increasing(kDeltaRatioStepTaper) && increasing(kDeltaRatioUniformTaper) &&
              increasing(kDeltaRatioHPile) && increasing(kDeltaRatioTaperedMonotube));
static_assert(increasing(kCf02) && increasing(kCf04) && increasing(kCf06) && increasing(kCf08) &&
              increasing(kCf10) && increasing(kCf12) && increasing(kCfAbove12));
static_assert(increasing(kKdelta25V01) && increasing(kKdelta25V1) && increasing(kKdelta25V10) &&
              increasing(kKdelta30V01) && increasing(kKdelta30V1) && increasing(kKdelta30V10) &&
              increasing(kKdelta35V01) && increasing(kKdelta35V1) && increasing(kKdelta35V10) &&
              increasing(kKdelta40V01) && increasing(kKdelta40V1) && increasing(kKdelta40V10));
static_assert(increasing(kAlphaT20) && increasing(kAlphaT30) && increasing(kAlphaT45) && increasing(kNqPrime) &&
              increasing(kTipLimit));
static_assert(increasing(kAdhesionOne) && increasing(kAdhesion1Ratio20) && increasing(kAdhesion1Ratio40) &&
              increasing(kAdhesion2Ratio10) && increasing(kAdhesion2Ratio20) && increasing(kAdhesion3Ratio10) &&
              increasing(kAdhesion3Ratio40));

constexpr Chart kDeltaRatio[] = {
    {"delta/phi, steel pipe or non-tapered monotube", kDeltaRatioPipe},
    {"delta/phi, timber", kDeltaRatioTimber},
    {"delta/phi, precast concrete", kDeltaRatioPrecast},
    {"delta/phi, Raymond step-taper", kDeltaRatioStepTaper},
    {"delta/phi, Raymond uniform taper", kDeltaRatioUniformTaper},
    {"delta/phi, H-pile", kDeltaRatioHPile},
    {"delta/phi, tapered monotube", kDeltaRatioTaperedMonotube},
};

constexpr Chart kCfDelta02{"CF, delta/phi 0.2 and below", kCf02};
constexpr Chart kCfDelta04{"CF, delta/phi 0.4", kCf04};
constexpr Chart kCfDelta06{"CF, delta/phi 0.6", kCf06};
constexpr Chart kCfDelta08{"CF, delta/phi 0.8", kCf08};
constexpr Chart kCfDelta10{"CF, delta/phi 1.0", kCf10};
constexpr Chart kCfDelta12{"CF, delta/phi 1.2", kCf12};
constexpr Chart kCfDeltaAbove12{"CF, delta/phi above 1.2", kCfAbove12};
constexpr Curve kCfCurves[] = {
    {0.2, &kCfDelta02}, {0.4, &kCfDelta04}, {0.6, &kCfDelta06},
    {0.8, &kCfDelta08}, {1.0, &kCfDelta10}, {1.2, &kCfDelta12},
};

constexpr Chart kKdelta25Volume01{"K-delta, phi 25, V 0.1", kKdelta25V01};
constexpr Chart kKdelta25Volume1{"K-delta, phi 25, V 1", kKdelta25V1};
constexpr Chart kKdelta25Volume10{"K-delta, phi 25, V 10", kKdelta25V10};
constexpr Chart kKdelta30Volume01{"K-delta, phi 30, V 0.1", kKdelta30V01};
constexpr Chart kKdelta30Volume1{"K-delta, phi 30, V 1", kKdelta30V1};
constexpr Chart kKdelta30Volume10{"K-delta, phi 30, V 10", kKdelta30V10};
constexpr Chart kKdelta35Volume01{"K-delta, phi 35, V 0.1", kKdelta35V01};
constexpr Chart kKdelta35Volume1{"K-delta, phi 35, V 1", kKdelta35V1};
constexpr Chart kKdelta35Volume10{"K-delta, phi 35, V 10", kKdelta35V10};
constexpr Chart kKdelta40Volume01{"K-delta, phi 40, V 0.1", kKdelta40V01};
constexpr Chart kKdelta40Volume1{"K-delta, phi 40, V 1", kKdelta40V1};
constexpr Chart kKdelta40Volume10{"K-delta, phi 40, V 10", kKdelta40V10};
constexpr Curve kKdelta25Curves[] = {{0.1, &kKdelta25Volume01}, {1, &kKdelta25Volume1}, {10, &kKdelta25Volume10}};
constexpr Curve kKdelta30Curves[] = {{0.1, &kKdelta30Volume01}, {1, &kKdelta30Volume1}, {10, &kKdelta30Volume10}};
constexpr Curve kKdelta35Curves[] = {{0.1, &kKdelta35Volume01}, {1, &kKdelta35Volume1}, {10, &kKdelta35Volume10}};
constexpr Curve kKdelta40Curves[] = {{0.1, &kKdelta40Volume01}, {1, &kKdelta40Volume1}, {10, &kKdelta40Volume10}};

constexpr Chart kAlphaTRatio20{"alpha-t, L/D 20", kAlphaT20};
constexpr Chart kAlphaTRatio30{"alpha-t, L/D 30", kAlphaT30};
constexpr Chart kAlphaTRatio45{"alpha-t, L/D 45", kAlphaT45};
constexpr Curve kAlphaTCurves[] = {{20, &kAlphaTRatio20}, {30, &kAlphaTRatio30}, {45, &kAlphaTRatio45}};

constexpr Chart kNqPrimeChart{"N'q", kNqPrime};
constexpr Chart kTipLimitChart{"limiting tip resistance (half ksf)", kTipLimit};

constexpr Chart kAdhesionCase1Ratio10{"adhesion, case 1, ratio 10 and below", kAdhesionOne};
constexpr Chart kAdhesionCase1Ratio20{"adhesion, case 1, ratio 20", kAdhesion1Ratio20};
constexpr Chart kAdhesionCase1Ratio40{"adhesion, case 1, ratio 40", kAdhesion1Ratio40};
constexpr Chart kAdhesionCase2Ratio10{"adhesion, case 2, ratio 10", kAdhesion2Ratio10};
constexpr Chart kAdhesionCase2Ratio20{"adhesion, case 2, ratio 20", kAdhesion2Ratio20};
constexpr Chart kAdhesionCase3Ratio10{"adhesion, case 3, ratio 10", kAdhesion3Ratio10};
constexpr Chart kAdhesionCase3Ratio40{"adhesion, case 3, ratio 40", kAdhesion3Ratio40};
constexpr Curve kAdhesionCase1Curves[] = {
    {10, &kAdhesionCase1Ratio10}, {20, &kAdhesionCase1Ratio20}, {40, &kAdhesionCase1Ratio40}};
constexpr Curve kAdhesionCase2Curves[] = {{10, &kAdhesionCase2Ratio10}, {20, &kAdhesionCase2Ratio20}};
constexpr Curve kAdhesionCase3Curves[] = {{10, &kAdhesionCase3Ratio10}, {40, &kAdhesionCase3Ratio40}};

}  // namespace

double delta_ratio_chart(double volume, int pile_type) {
    const int row = pile_type < 1 ? 1 : (pile_type > 7 ? 7 : pile_type);
    return evaluate(kDeltaRatio[row - 1], volume);
}

double cf_chart(double delta_ratio, double phi) {
    if (delta_ratio > 1.2) return evaluate(kCfDeltaAbove12, phi);
    return across_curves(kCfCurves, delta_ratio, phi);
}

double kdelta_chart_25(double omega, double volume) { return across_curves(kKdelta25Curves, volume, omega); }
double kdelta_chart_30(double omega, double volume) { return across_curves(kKdelta30Curves, volume, omega); }
double kdelta_chart_35(double omega, double volume) { return across_curves(kKdelta35Curves, volume, omega); }
double kdelta_chart_40(double omega, double volume) { return across_curves(kKdelta40Curves, volume, omega); }

double alpha_t_chart(double phi, double length_ratio) { return across_curves(kAlphaTCurves, length_ratio, phi); }

double nq_prime_chart(double phi) { return evaluate(kNqPrimeChart, phi); }

double tip_limit_chart(double phi) { return evaluate(kTipLimitChart, phi); }

double adhesion_case_1(double su, double ratio) { return across_curves(kAdhesionCase1Curves, ratio, su); }
double adhesion_case_2(double su, double ratio) { return across_curves(kAdhesionCase2Curves, ratio, su); }
double adhesion_case_3(double su, double ratio) { return across_curves(kAdhesionCase3Curves, ratio, su); }

}  // namespace tarne
