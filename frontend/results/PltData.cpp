#include "PltData.h"

#include <algorithm>

#include "numtext.h"
#include "units.h"

namespace tarne {

TLine::TLine(TGraphPlot& owner)
    : Number(static_cast<long double>(owner.LineCount() + 1)),
      Owner_(&owner),
      Points_(static_cast<std::size_t>(owner.PointCount())) {}

void TLine::SetPointCount(int count) { Points_.resize(static_cast<std::size_t>(std::max(count, 0))); }

TGraphPlot::~TGraphPlot() {
    if (WindowExists_ && Window_) Window_->Free();
}

void TGraphPlot::SetUnits(int units) { Units_ = std::clamp(units, 1, 3); }

void TGraphPlot::ResizeLines(std::vector<std::unique_ptr<TLine>>& lines, int count) {
    const auto n = static_cast<std::size_t>(std::max(count, 0));
    if (lines.size() > n) lines.resize(n);
    // One at a time: each new line is numbered and sized by the graph as it
    // is when the line is made.
    while (lines.size() < n) lines.push_back(std::make_unique<TLine>(*this));
}

void TGraphPlot::SetLineCount(int count) { ResizeLines(Lines_, count); }

int TGraphPlot::PointCount() const { return Lines_.empty() ? 0 : Lines_.front()->PointCount(); }

void TGraphPlot::SetPointCount(int count) {
    for (auto& line : Lines_) line->SetPointCount(count);
}

void TGraphPlot::SetLayerLineCount(int count) { ResizeLines(LayerLines_, count); }

int TGraphPlot::LayerPointCount() const { return LayerLines_.empty() ? 0 : LayerLines_.front()->PointCount(); }

void TGraphPlot::SetLayerPointCount(int count) {
    for (auto& line : LayerLines_) line->SetPointCount(count);
}

std::string TGraphPlot::LineName(const TLine& line) const {
    if (!line.Name.empty()) return line.Name;
    return CurveName + FormatGeneral(line.Number, 15);
}

std::string TGraphPlot::UnitText(std::string_view units) const {
    return UnitLabel(units, Units_, UnitLabelRule::Graph);
}

std::string TGraphPlot::AxisTitle(std::string_view caption, std::string_view units) const {
    const std::string text = UnitText(units);
    if (text.empty()) return std::string(caption);
    return std::string(caption) + " (" + text + ")";
}

void TGraphPlot::ShowPlot() {
    if (!WindowExists_) {
        if (!Factory_) return;
        Window_ = Factory_(*this);
        if (!Window_) return;
        WindowExists_ = true;
    }
    Window_->ShowWindow();
    if (Window_->IsMinimized()) Window_->ShowNormal();
}

void TGraphPlot::WindowClosed() {
    WindowExists_ = false;
    Window_ = nullptr;
}

}  // namespace tarne
