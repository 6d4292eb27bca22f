#include "PlotFileReader.h"

#include <algorithm>
#include <array>

#include "InOutError.h"
#include "WordRead.h"
#include "numtext.h"

namespace tarne {
namespace {

// Line names by method code (1..9).
constexpr std::array<const char*, 10> kMethodNames{"",    "FHWA", "USACE", "Lambda", "API",
                                                   "User Spec.", "NGI", "MTD", "FUGRO", "UWA"};
// The capacity blocks' order in the file, by method code; the last four only
// when the offshore methods are enabled.
constexpr std::array<int, 9> kBlockOrder{5, 1, 2, 3, 4, 6, 7, 8, 9};
constexpr int kCurvePoints = 10;      // points of every t-z curve
constexpr int kTipMovements = 9;      // load-distribution groups and load-settlement rows

// Most points (or lines) one graph takes from the file. A run of the engine
// fills at most a few thousand (nine methods of 501 rows); a count beyond
// this budget comes from a damaged file and must not size the graphs.
constexpr long long kMaxGraphPoints = 100000;

// A count that sizes a graph to `count` × `pointsEach` points.
int ReadCount(TWordReader& r, int pointsEach) {
    const int count = r.ReadInteger();
    if (count < 0 || static_cast<long long>(count) * pointsEach > kMaxGraphPoints)
        throw EInOutError("Error on Line " + std::to_string(r.LineIndex() + 1) + " Item " +
                          std::to_string(r.ItemIndex()) + "\rThe count " + std::to_string(count) +
                          " is out of range.");
    return count;
}

// A block of t-z curves: the count, then per curve its number, point count
// and depth (ft / m), and ten pairs of t (Y) and z (X). The curve is named
// by its depth.
void ReadTzCurves(TWordReader& r, TGraphPlot& graph, int units) {
    const int count = ReadCount(r, kCurvePoints);
    graph.SetLineCount(count);
    graph.SetPointCount(kCurvePoints);
    for (int i = 0; i < count; ++i) {
        r.ReadInteger();  // the curve's number
        r.ReadInteger();  // its point count: every curve has ten
        const long double depth = r.ReadFloat();
        graph.Line(i).Name = FormatGeneral(depth, 15) + (units == 1 ? " ft" : " m");
        for (int j = 0; j < kCurvePoints; ++j) {
            TFloatPoint& p = graph.Point(i, j);
            p.Y = r.ReadFloat();
            p.X = r.ReadFloat();
        }
    }
}

void ReadPlotFile(TWordReader& r, TResultGraphs& g, TProgramData& p) {
    TGraphPlot* const capacity[] = {&g.pltSkin, &g.pltTip, &g.pltTotal, &g.pltUSkin};

    const int plotCount = ReadCount(r, 1);
    for (TGraphPlot* graph : capacity) graph->SetLineCount(plotCount);
    g.pltAxial.SetLineCount(1);
    g.pltLoad.SetLineCount(kTipMovements);
    g.PltQw.SetLineCount(1);
    g.pltCombine.SetLineCount(3);
    // Compression settles downwards, uplift upwards.
    g.pltAxial.XOnTop = p.LoadingType <= 0;
    g.PltQw.XOnTop = p.LoadingType <= 0;

    const int rowCount = ReadCount(r, std::max(plotCount, kTipMovements));
    for (TGraphPlot* graph : {&g.pltSkin, &g.pltUSkin, &g.pltTip, &g.pltTotal, &g.pltLoad, &g.pltCombine})
        graph->SetPointCount(rowCount);
    g.pltAxial.SetPointCount(kCurvePoints);
    g.PltQw.SetPointCount(kCurvePoints);
    p.TransferPointCount = rowCount;
    const auto rows = static_cast<std::size_t>(rowCount);
    p.TransferDepth.assign(rows, 0.0L);
    p.TransferUnitSkin.assign(rows, 0.0L);
    p.TransferTip.assign(rows, 0.0L);

    const int units = r.ReadInteger();
    for (TGraphPlot* graph : g.Results()) graph->SetUnits(units);
    const bool english = units == 1;
    g.pltAxial.YCaption = english ? "Settlement, in." : "Settlement, m";
    g.PltQw.YCaption = g.pltAxial.YCaption;
    if (p.LoadingType == 1) g.pltAxial.YCaption = english ? "Uplift, in." : "Uplift, m";

    // Line names in block order; the transfer line is the block of the
    // load-transfer method. A project whose selection does not match the
    // header names only the lines the file has.
    const int transfer = r.ReadInteger();
    int transferLine = -1;
    int line = 0;
    for (const int code : kBlockOrder) {
        if (p.MethodSwitch[static_cast<std::size_t>(code)] != 1) continue;
        if (code >= 6 && p.OffshoreEnabled != 1) continue;
        if (line < plotCount) {
            for (TGraphPlot* graph : capacity) graph->Line(line).Name = kMethodNames[static_cast<std::size_t>(code)];
            if (code == transfer) transferLine = line;
        }
        ++line;
    }
    g.pltAxial.Line(0).Name = transfer >= 1 && transfer <= 9 ? kMethodNames[static_cast<std::size_t>(transfer)] : "";
    g.pltCombine.Line(0).Name = "Skin Friction";
    g.pltCombine.Line(1).Name = p.LoadingType == 1 ? "Self Weight" : "Tip Resistance";
    g.pltCombine.Line(2).Name = "Total Capacity";
    if (transferLine < 0) {
        // Without the method's own block there is no resistance to hand on:
        // another method's line must not stand in for it.
        p.TransferPointCount = 0;
        p.TransferDepth.clear();
        p.TransferUnitSkin.clear();
        p.TransferTip.clear();
    }

    // A circular pile's perimeter, in the unit of the diameter (in / mm).
    if (p.Perimeter < 1.0E-6L) p.Perimeter = 3.1416L * p.OutsideDiameter;

    for (int i = 0; i < plotCount; ++i) {
        for (int j = 0; j < rowCount; ++j) {
            const long double depth = r.ReadFloat();
            for (TGraphPlot* graph : capacity) graph->Point(i, j).Y = depth;
            for (TGraphPlot* graph : capacity) graph->Point(i, j).X = r.ReadFloat();
            if (i == transferLine) {
                const auto k = static_cast<std::size_t>(j);
                p.TransferDepth[k] = depth;
                p.TransferUnitSkin[k] = g.pltUSkin.Point(i, j).X;
                p.TransferTip[k] = g.pltTip.Point(i, j).X;
            }
        }
    }

    const TGraphPlot* const combined[] = {&g.pltSkin, &g.pltTip, &g.pltTotal};
    for (int c = 0; c < 3; ++c)
        for (int j = 0; j < rowCount; ++j)
            g.pltCombine.Point(c, j) = transferLine >= 0 ? combined[c]->Point(transferLine, j) : TFloatPoint{};

    ReadTzCurves(r, g.pltTZcurves, units);

    for (int i = 0; i < kTipMovements; ++i) {
        for (int j = 0; j < rowCount; ++j) {
            TFloatPoint& point = g.pltLoad.Point(i, j);
            point.Y = r.ReadFloat();  // depth of the segment's midpoint below the pile head
            point.X = r.ReadFloat();  // average axial load
            r.ReadFloat();            // movement of the midpoint: not plotted
        }
    }

    g.pltAxial.Point(0, 0) = TFloatPoint{};
    g.PltQw.Point(0, 0) = TFloatPoint{};
    for (int k = 1; k <= kTipMovements; ++k) {
        TFloatPoint& head = g.pltAxial.Point(0, k);
        head.X = r.ReadFloat();
        head.Y = r.ReadFloat();
        TFloatPoint& tip = g.PltQw.Point(0, k);
        tip.X = r.ReadFloat();
        tip.Y = r.ReadFloat();
    }

    if (p.ExtraTzCurves == 1) ReadTzCurves(r, g.PltExtraTZ, units);

    const TGridTable& layers = p.Tables().D;
    for (TGraphPlot* graph : {&g.pltUSkin, &g.pltSkin, &g.pltTip, &g.pltTotal, &g.pltLoad, &g.pltCombine})
        AddLayersGraphPlot(*graph, layers);

    for (TGraphPlot* graph : g.All()) graph->SetUnits(units);
}

}  // namespace

bool ReadPlotData(const std::string& path, TResultGraphs& graphs, TProgramData& project,
                  const TPlotDataFailure& failure) {
    try {
        TWordReader reader(path);
        ReadPlotFile(reader, graphs, project);
        return true;
    } catch (const EInOutError& e) {
        if (failure) failure(kPlotDataFailure, e.what());
        return false;
    }
}

void AddLayersGraphPlot(TGraphPlot& graph, const TGridTable& layers) {
    if (graph.PointCount() < 1) return;
    graph.SetLayerLineCount(layers.RowCount());
    graph.SetLayerPointCount(1);
    for (int i = 0; i < layers.RowCount(); ++i) {
        TLine& layer = graph.LayerLine(i);
        TFloatPoint& point = layer.Point(0);
        layer.Name = "LAYER " + std::to_string(i + 1);
        point.X = 0.0L;  // no soil drawn
        switch (layers.Cell(LayerColumn::Type, i).AsInteger()) {
            case kSand:
                layer.Name = " SAND ";
                point.X = 7.0L;
                break;
            case kClay:
                layer.Name = " CLAY ";
                point.X = 1.0L;
                break;
            default:
                break;
        }
        point.Y = layers.Cell(LayerColumn::Depth, i).AsFloat();
    }
}

}  // namespace tarne
