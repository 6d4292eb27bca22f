#include "ResultGraphs.h"

#include <string>

namespace tarne {
namespace {

// Captions and axis titles of one graph. Depth graphs have the X axis on
// top with depth growing downwards; the t-z and Q-w graphs plot movement
// against load transfer. The plot data reader sets the Y titles of the two
// load-settlement graphs and which way they grow.
void Setup(TGraphPlot& g, const char* caption, const char* xCaption, const char* xUnits, const char* yCaption,
           const char* yUnits, bool xOnTop) {
    g.Caption = caption;
    g.XCaption = xCaption;
    g.XUnits = xUnits;
    g.YCaption = yCaption;
    g.YUnits = yUnits;
    g.XOnTop = xOnTop;
}

}  // namespace

TResultGraphs::TResultGraphs() {
    // Unit tokens: F1 kips / kN, F/L^2 psi / kPa, L2 ft / m, L in / m.
    Setup(pltUSkin, "Unit Skin Friction vs Depth", "Unit Skin Friction", "F1/L2^2", "Depth", "L2", true);
    Setup(pltSkin, "Accumulated Skin Friction vs Depth", "Accumulated Skin Friction", "F1", "Depth", "L2", true);
    Setup(pltTip, "Tip Resistance vs Depth", "Tip Resistance", "F1", "Depth", "L2", true);
    Setup(pltTotal, "Total Capacity vs Depth", "Total Capacity", "F1", "Depth", "L2", true);
    Setup(pltLoad, "Load Distribution", "Axial Load", "F1", "Depth below Pile Head", "L2", true);
    Setup(pltCombine, "Combine Plot", "Capacity", "F1", "Depth", "L2", true);
    Setup(pltAxial, "Axial Load vs Settlement", "Axial Load at Pile Head", "F1", "Settlement, in.", "", true);
    Setup(pltTZcurves, "Internally-Generated t-z Curves", "Pile Movement, z", "L", "Load Transfer, t", "F/L^2",
          false);
    Setup(PltExtraTZ, "Extra t-z curves at User Specified Depths", "Pile Movement, z", "L", "Load Transfer, t",
          "F/L^2", false);
    Setup(PltQw, "Internally-Generated Q-w Curve", "Tip Load", "F1", "Settlement, in.", "", true);
    Setup(MotionInput, "CPT Data", "Cone Resistance, Qc", "F1/L2^2", "Depth", "L2", true);
}

std::vector<TGraphPlot*> TResultGraphs::Results() {
    return {&pltUSkin, &pltSkin, &pltTip, &pltTotal, &pltLoad, &pltCombine, &pltAxial, &pltTZcurves, &PltExtraTZ,
            &PltQw};
}

std::vector<TGraphPlot*> TResultGraphs::All() {
    std::vector<TGraphPlot*> all = Results();
    all.push_back(&MotionInput);
    return all;
}

}  // namespace tarne
