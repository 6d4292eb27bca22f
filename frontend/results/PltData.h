// TGraphPlot: the numbers of one graph (curve lines and soil-layer lines of
// X-Y points) with the settings of its presentation. A plain model without
// widgets: readers of result and input files fill it, the plot window draws
// it and changes its settings, the spreadsheet export reads it.
//
// The graph converts no units: it holds what its filler stores; `Units`
// only chooses the unit text of the axis titles.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarne {

class TGraphPlot;

// One X-Y point, (0, 0) when created.
struct TFloatPoint {
    long double X = 0.0L;
    long double Y = 0.0L;
};

// One curve, or one soil layer, of a graph.
class TLine {
public:
    // A line of `owner`: numbered after the graph's curve lines so far, with
    // as many (0, 0) points as the graph's first curve line has now.
    explicit TLine(TGraphPlot& owner);
    TLine(const TLine&) = delete;
    TLine& operator=(const TLine&) = delete;

    int PointCount() const { return static_cast<int>(Points_.size()); }
    // Drops points from the end or appends (0, 0) points; below 0 counts as 0.
    void SetPointCount(int count);
    // Point `index` (0-based); throws std::out_of_range outside the line.
    TFloatPoint& Point(int index) { return Points_.at(static_cast<std::size_t>(index)); }
    const TFloatPoint& Point(int index) const { return Points_.at(static_cast<std::size_t>(index)); }

    TGraphPlot& Owner() const { return *Owner_; }

    // The graph's curve-line count before this line was added, plus 1.
    long double Number;
    std::string Name;     // empty: the legend shows CurveName and Number
    bool Visible = true;  // drawn only when true
    bool Active = true;   // only active curves are in the legend and drawn

private:
    TGraphPlot* Owner_;
    std::vector<TFloatPoint> Points_;
};

// The window that draws a graph. The plot window implements it; the graph
// asks a factory for one on the first ShowPlot.
class TPlotWindow {
public:
    virtual ~TPlotWindow() = default;
    // Shows the window and brings it forward.
    virtual void ShowWindow() = 0;
    virtual bool IsMinimized() const = 0;
    // Restores a minimised window to its normal size.
    virtual void ShowNormal() = 0;
    // Frees the window when its graph goes away.
    virtual void Free() = 0;
};

class TGraphPlot {
public:
    TGraphPlot() = default;
    ~TGraphPlot();
    TGraphPlot(const TGraphPlot&) = delete;
    TGraphPlot& operator=(const TGraphPlot&) = delete;

    // Settings stored with the main window.
    std::string CurveName = "Curve #";  // name prefix of a line without a name
    std::string Caption;                // with the cursor read-out; print job title
    bool ShowLegend = true;
    bool ShowLayers = false;            // soil-layer column beside the plot
    bool ShowWall = false;              // wall geometry (no graph of this program uses it)
    bool ShowThree = false;             // three-panel layout (no graph of this program uses it)
    bool ShowFontWidth = true;          // the plot window offers font size and line width
    int WallLineCount = 0;
    int Markers = 1;                    // a marker at every n-th point; 0 none
    int SizeFont = 10;                  // text size in tenths of the base font height
    int LegendFont = 11;                // legend font size, points
    int WidthLine = 1;                  // multiplier of the curve pen width
    std::string XCaption, YCaption;     // axis titles
    std::string XUnits, YUnits;         // unit text of the axis titles, with unit tokens
    bool XOnTop = true;                 // X axis on top and Y growing downwards (depth graphs)
    std::string XCaption2, XUnits2, YCaption2, YUnits2;
    std::string XCaption3, XUnits3, YCaption3, YUnits3;
    // Called for every active curve line as the legend is built, with the
    // line index and its name, which the handler may change.
    std::function<void(int index, std::string& value)> onGetCaption;

    // 1 English, 2 S.I., 3 unit text as stored; values above 3 count as 3,
    // below 1 as 1.
    int Units() const { return Units_; }
    void SetUnits(int units);

    // Set while the program runs.
    std::string GraphTitle;     // from the Graph Caption dialog
    bool TitleOnTop = false;    // graph title at the top (else at the bottom)
    long double LayerTop = 0.0L;  // depth at which the first soil layer begins
    bool ActiveLimit = true;    // a new window makes only the first 20 curves active

    // Curve lines. Counts below 0 count as 0; lines and points are removed
    // from the end or appended (new lines get the first line's point count,
    // new points are (0, 0)). Line and Point throw std::out_of_range outside
    // the graph.
    int LineCount() const { return static_cast<int>(Lines_.size()); }
    void SetLineCount(int count);
    int PointCount() const;  // of the first curve line; 0 without lines
    void SetPointCount(int count);
    TLine& Line(int index) const { return *Lines_.at(static_cast<std::size_t>(index)); }
    TFloatPoint& Point(int line, int index) const { return Line(line).Point(index); }

    // Soil-layer lines: one per layer with one point, X the soil code (1 clay,
    // 7 sand, else an empty layer) and Y the depth of the layer's bottom.
    int LayerLineCount() const { return static_cast<int>(LayerLines_.size()); }
    void SetLayerLineCount(int count);
    int LayerPointCount() const;  // of the first layer line; 0 without layer lines
    void SetLayerPointCount(int count);
    TLine& LayerLine(int index) const { return *LayerLines_.at(static_cast<std::size_t>(index)); }
    TFloatPoint& LayerPoint(int line, int index) const { return LayerLine(line).Point(index); }

    // The line's Name, or CurveName followed by its Number ("Curve #2").
    std::string LineName(const TLine& line) const;

    // Unit text of `units` in the graph's unit system: the first force kind
    // found among F2, F1, F (tons/kN, kips/kN, lbs/kN), then the first length
    // kind among L2, L1, L (ft/m, in/mm, in/m); with Units 3 unchanged.
    std::string UnitText(std::string_view units) const;
    // Axis titles: the caption, then " (" unit text ")" when there is unit text.
    std::string AxisTitle(std::string_view caption, std::string_view units) const;
    std::string XTitle() const { return AxisTitle(XCaption, XUnits); }
    std::string YTitle() const { return AxisTitle(YCaption, YUnits); }

    // The plot window. ShowPlot creates one through the factory when none
    // exists, then shows it, restoring it when minimised; without a factory
    // (no window system) it does nothing. The window calls WindowClosed when
    // it closes and frees itself; the graph frees a window still open when
    // the graph goes away.
    using WindowFactory = std::function<TPlotWindow*(TGraphPlot& graph)>;
    void SetWindowFactory(WindowFactory factory) { Factory_ = std::move(factory); }
    void ShowPlot();
    void WindowClosed();
    bool WindowExists() const { return WindowExists_; }
    TPlotWindow* Window() const { return WindowExists_ ? Window_ : nullptr; }

private:
    void ResizeLines(std::vector<std::unique_ptr<TLine>>& lines, int count);

    int Units_ = 1;
    std::vector<std::unique_ptr<TLine>> Lines_;
    std::vector<std::unique_ptr<TLine>> LayerLines_;
    WindowFactory Factory_;
    TPlotWindow* Window_ = nullptr;
    bool WindowExists_ = false;
};

}  // namespace tarne
