// The plot data file (".tq7p") read back into the main window's result
// graphs and the project's transfer profile, after a run or when a project
// whose plot data exist is opened.
//
// The file holds, in order: a header (number of capacity blocks, rows per
// block, unit system, load-transfer method); one capacity block per selected
// method (depth, cumulative skin friction, tip resistance or self weight,
// total capacity, unit skin friction per row); the t-z curves; nine
// load-distribution groups; nine load-settlement rows; and, when the project
// asks for them, the t-z curves at the user's depths. Values are read word
// by word in that order; the columns do not matter.
//
// Units are the project's: depths in ft / m, forces in kips / kN, unit skin
// friction in ksf / kPa, t in psi / kPa, movements in in / m.
#pragma once

#include <functional>
#include <string>

#include "DataUnit.h"
#include "ResultGraphs.h"

namespace tarne {

// What the user is told when the plot data do not read back.
inline constexpr const char* kPlotDataFailure = "An error occured in running the main program.";

// Tells of a failed reading: kPlotDataFailure, and the word reader's own
// text of what was wrong and where.
using TPlotDataFailure = std::function<void(const std::string& message, const std::string& cause)>;

// Reads the plot data file at `path` into `graphs` (line and point counts,
// values, line names, units, the Y titles and direction of the
// load-settlement graphs, soil layers of the depth graphs) and `project`
// (TransferPointCount and the transfer profile of the load-transfer method;
// Perimeter of a circular pile). Returns true when the whole file was read.
// A value that is missing or not the expected number, or a count that is
// negative or would size a graph beyond 100000 points, ends the reading: `failure`, when given, is
// told, the result is false and the graphs keep what was read.
//
// When the load-transfer method has no capacity block (its switch is off),
// no line is the transfer line: the transfer profile is left empty and the
// combined graph's points are zero.
bool ReadPlotData(const std::string& path, TResultGraphs& graphs, TProgramData& project,
                  const TPlotDataFailure& failure = {});

// Gives `graph` one layer line per row of the soil-layer table `layers`,
// when its first curve line has a point: named "LAYER n", " SAND " (X 7) or
// " CLAY " (X 1), with Y the depth of the layer's bottom.
void AddLayersGraphPlot(TGraphPlot& graph, const TGridTable& layers);

}  // namespace tarne
