// The graph objects of the main window: the ten result graphs the plot data
// file fills and the CPT graph, each with the captions and presentation the
// main window stores for it.
#pragma once

#include <vector>

#include "PltData.h"

namespace tarne {

class TResultGraphs {
public:
    TResultGraphs();
    TResultGraphs(const TResultGraphs&) = delete;
    TResultGraphs& operator=(const TResultGraphs&) = delete;

    TGraphPlot pltUSkin;     // unit skin friction vs depth, one line per method
    TGraphPlot pltSkin;      // accumulated skin friction vs depth
    TGraphPlot pltTip;       // tip resistance (self weight in tension) vs depth
    TGraphPlot pltTotal;     // total capacity vs depth
    TGraphPlot pltLoad;      // load distribution, one line per tip movement
    TGraphPlot pltCombine;   // skin, tip and total of the load-transfer method
    TGraphPlot pltAxial;     // pile-head load vs settlement
    TGraphPlot pltTZcurves;  // internally generated t-z curves
    TGraphPlot PltExtraTZ;   // t-z curves at the user's depths
    TGraphPlot PltQw;        // tip load vs tip movement
    TGraphPlot MotionInput;  // the CPT points

    // The ten graphs of the plot data file, in the order above.
    std::vector<TGraphPlot*> Results();
    // Every graph object of the main window: the ten, then MotionInput.
    std::vector<TGraphPlot*> All();
};

}  // namespace tarne
