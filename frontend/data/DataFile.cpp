#include "DataFile.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <array>

#include "numtext.h"
#include "units.h"

namespace tarne {
namespace {

// Where a value of a soil point lives, by soil kind and file position.
enum class Place { None, Layer, Properties };

struct Slot {
    Place place = Place::None;
    int column = 0;        // column of D (Layer) or of the property table (Properties)
    bool integer = false;  // written and read as an integer
};

constexpr Slot None{};
constexpr Slot NoneInt{Place::None, 0, true};
constexpr Slot P(int column) { return {Place::Properties, column, false}; }
constexpr Slot PInt(int column) { return {Place::Properties, column, true}; }
constexpr Slot L(int column) { return {Place::Layer, column, false}; }

// Line A, positions 3 to 6 (A1 is the depth, A2 the soil kind).
constexpr std::array<std::array<Slot, 4>, 3> kLineA{{
    {P(SandColumn::Ko), P(SandColumn::UnitWeight), P(SandColumn::FrictionAngle), P(SandColumn::Nq)},
    {None, P(ClayColumn::UnitWeight), None, None},
    {P(SiltColumn::Ko), P(SiltColumn::UnitWeight), P(SiltColumn::FrictionAngle), None},
}};

// Line B, positions 1 to 12.
constexpr std::array<std::array<Slot, 12>, 3> kLineB{{
    {L(LayerColumn::MaxFriction), L(LayerColumn::MaxBearing), None, PInt(SandColumn::BlowCount), None, None,
     P(SandColumn::Qc), P(SandColumn::UserSkin), P(SandColumn::UserBearing), L(LayerColumn::SideFactor),
     L(LayerColumn::EndFactor), NoneInt},
    {L(LayerColumn::MaxFriction), L(LayerColumn::MaxBearing), P(ClayColumn::ShearStrength),
     P(ClayColumn::RemoldedStrength), P(ClayColumn::YieldStressRatio), P(ClayColumn::PlasticIndex),
     P(ClayColumn::Qc), P(ClayColumn::UserSkin), P(ClayColumn::UserBearing), L(LayerColumn::SideFactor),
     L(LayerColumn::EndFactor), PInt(ClayColumn::AdhesionMethod)},
    {L(LayerColumn::MaxFriction), L(LayerColumn::MaxBearing), P(SiltColumn::ShearStrength),
     PInt(SiltColumn::BlowCount), None, None, None, None, None, L(LayerColumn::SideFactor),
     L(LayerColumn::EndFactor), NoneInt},
}};

// Values on line B by file format and soil kind: the previous format has no
// B12, the oldest neither B10 and B11 for sand and clay.
std::size_t LineBCount(int format, int kind) {
    if (format == kCurrentFormat) return 12;
    if (format == kPreviousFormat || kind == kSilt) return 11;
    return 9;
}

int FormatCode(int format) {
    return format == kCurrentFormat || format == kPreviousFormat ? format : kOldestFormat;
}

// ---- writing ----

std::string Project10(long double v) { return FormatGeneral(v, 10); }
std::string Grid8(long double v) { return FormatGeneral(v, 8); }

// Lines of text, each value followed by one blank, ended by CR LF.
class LineWriter {
public:
    LineWriter& Text(const std::string& line) {
        Out_ += line;
        return End();
    }
    LineWriter& Value(const std::string& word) {
        Out_ += word;
        Out_ += ' ';
        return *this;
    }
    LineWriter& Int(long long v) { return Value(std::to_string(v)); }
    LineWriter& End() {
        Out_ += "\r\n";
        return *this;
    }
    std::string Take() { return std::move(Out_); }

private:
    std::string Out_;
};

std::string SlotText(const Slot& slot, const TGridTable& layers, int layer, const TGridTable* properties,
                     int row) {
    switch (slot.place) {
        case Place::None:
            return slot.integer ? "0" : "0.0";
        case Place::Layer:
            return Grid8(layers.Cell(slot.column, layer).AsFloat());
        case Place::Properties:
            // A layer without its property table writes zeros.
            if (!properties || properties->RowCount() <= row) return "0";
            if (slot.integer) return std::to_string(properties->Cell(slot.column, row).AsInteger());
            return Grid8(properties->Cell(slot.column, row).AsFloat());
    }
    return "0";
}

void WritePoint(LineWriter& w, const TGridTable& layers, int layer, int row) {
    const int kind = layers.Cell(LayerColumn::Type, layer).AsInteger();
    const TGridTable* properties = layers.Cell(LayerColumn::Properties, layer).AsTable();
    const std::size_t k = static_cast<std::size_t>(std::clamp(kind, kSand, kSilt) - 1);

    // The top of layer 1 is the ground surface, the top of every other layer
    // the bottom of the layer above.
    if (row == 0)
        w.Value(layer == 0 ? "0.0" : Grid8(layers.Cell(LayerColumn::Depth, layer - 1).AsFloat()));
    else
        w.Value(Grid8(layers.Cell(LayerColumn::Depth, layer).AsFloat()));
    w.Int(kind);
    for (const Slot& s : kLineA[k]) w.Value(SlotText(s, layers, layer, properties, row));
    w.End();
    for (const Slot& s : kLineB[k]) w.Value(SlotText(s, layers, layer, properties, row));
    w.End();
}

// ---- reading ----

// True when the current line still holds a word not yet read.
bool MoreOnLine(const TWordReader& r) { return r.ItemIndex() < r.WordCount(); }

// Rows for `count` values announced by a file. Every row takes at least one
// word, so a count beyond the file's lines is held back to them (the reading
// then stops at the file's end) rather than allocated.
int AnnouncedRows(const TWordReader& r, int count) {
    return static_cast<int>(std::clamp<long long>(count, 0, static_cast<long long>(r.LineCount())));
}

void EnsureRow(TGridTable& t, int row) {
    if (row >= t.RowCount()) t.SetRowCount(row + 1);
}

int ReadSoilKind(TWordReader& r) {
    const int kind = r.ReadInteger();
    if (kind < kSand || kind > kSilt)
        throw EInOutError("Error on Line " + std::to_string(r.LineIndex() + 1) + " Item " +
                          std::to_string(r.ItemIndex()) + "\rThe soil type must be 1 (sand), 2 (clay) or 3 (silt).");
    return kind;
}

void ReadSlot(TWordReader& r, const Slot& slot, TGridTable& layers, int layer, int row) {
    if (slot.integer) {
        const int v = r.ReadInteger();
        if (slot.place == Place::Properties)
            if (TGridTable* p = layers.Cell(LayerColumn::Properties, layer).AsTable()) p->Cell(slot.column, row).SetInteger(v);
        return;
    }
    const long double v = r.ReadFloat();
    if (slot.place == Place::Layer) {
        layers.Cell(slot.column, layer).SetFloat(v);
    } else if (slot.place == Place::Properties) {
        if (TGridTable* p = layers.Cell(LayerColumn::Properties, layer).AsTable()) p->Cell(slot.column, row).SetFloat(v);
    }
}

// One point of a layer: its top (row 0) or bottom (row 1). The depth of the
// top point is not used (it is the bottom of the layer above); the soil kind
// is set on both points, so the bottom point's kind wins.
void ReadPoint(TWordReader& r, int format, TGridTable& layers, int layer, int row) {
    const long double depth = r.ReadFloat();
    if (row == 1) layers.Cell(LayerColumn::Depth, layer).SetFloat(depth);
    const int kind = ReadSoilKind(r);
    layers.Cell(LayerColumn::Type, layer).SetInteger(kind);
    const auto k = static_cast<std::size_t>(kind - 1);
    for (const Slot& s : kLineA[k]) ReadSlot(r, s, layers, layer, row);
    const std::size_t count = LineBCount(format, kind);
    for (std::size_t i = 0; i < count; ++i) ReadSlot(r, kLineB[k][i], layers, layer, row);
}

}  // namespace

std::string DataFileText(const TProgramData& p) {
    const TProjectTables& t = p.Tables();
    const TGridTable& layers = t.D;
    const int layerCount = layers.RowCount();
    LineWriter w;

    w.Text(p.Title).Text(p.Designer).Text(p.JobNumber);
    w.Int(p.Units).Int(p.PrintInterval).Int(2LL * layerCount).Int(p.ClosedEnd ? 1 : 0).End();
    // A circular section has neither a perimeter nor a tip area of its own.
    w.Value(p.IsCircular ? "0" : Project10(p.Perimeter))
        .Value(p.IsCircular ? "0" : Project10(p.TipArea))
        .Value(Project10(p.OutsideDiameter))
        .Value(Project10(p.InsideDiameter))
        .Value(Project10(p.ElasticModulus))
        .Value(Project10(p.TotalLength))
        .Value(Project10(p.StickupLength))
        .End();
    w.Value(Project10(p.EnhancedEndLength)).Value(Project10(p.EnhancedEndID)).End();
    w.Value(Project10(p.ZeroFrictionLength))
        .Value(Project10(p.LengthIncrement))
        .Int(p.PileType)
        .Value(Project10(p.TaperAngle))
        .Int(p.TransferMethod)
        .Int(p.OffshoreEnabled)
        .Int(p.FactoredTransfer)
        .End();
    for (int m = 1; m <= 9; ++m) w.Int(p.MethodSwitch[static_cast<std::size_t>(m)]);
    w.End();
    // The profile bottom is the bottom of the deepest layer.
    w.Value(layerCount > 0 ? Grid8(layers.Cell(LayerColumn::Depth, layerCount - 1).AsFloat())
                           : Project10(p.ProfileBottom))
        .Value(Project10(p.SectionArea))
        .End();

    for (int layer = 0; layer < layerCount; ++layer) {
        WritePoint(w, layers, layer, 0);
        WritePoint(w, layers, layer, 1);
    }

    w.Int(p.ExtraTzCurves).End();
    if (p.ExtraTzCurves == 1) {
        w.Int(t.TblTZDepth.RowCount()).End();
        for (int i = 0; i < t.TblTZDepth.RowCount(); ++i) w.Value(Grid8(t.TblTZDepth.Cell(0, i).AsFloat())).End();
    }
    w.Int(p.LoadingType).Value(Project10(p.TensionFactor)).End();
    w.Int(p.IcpClayDrained).Int(p.PlugOption).End();
    w.Int(t.Sectionaldata.RowCount()).Int(p.AreaOption).End();
    for (int i = 0; i < t.Sectionaldata.RowCount(); ++i)
        w.Value(Grid8(t.Sectionaldata.Cell(0, i).AsFloat())).Value(Grid8(t.Sectionaldata.Cell(1, i).AsFloat())).End();
    w.Int(p.CriticalDepthOption).Value(Project10(p.CriticalDepth)).End();
    return w.Take();
}

std::string CptFileText(const TProgramData& p) {
    const auto& points = p.Tables().CptPoints;
    // Never announce more points than the project holds.
    const std::size_t count = std::min(static_cast<std::size_t>(std::max(p.CptCount, 0)), points.size());
    std::string out = " " + std::to_string(p.Units) + " " + std::to_string(count) + "\r\n";
    for (std::size_t i = 0; i < count; ++i)
        out += "  " + FormatExponent(points[i].Depth, 3, 2) + "  " + FormatExponent(points[i].Qc, 3, 2) + "\r\n";
    return out;
}

void ReadDataFile(TProgramData& p, TWordReader& r, int format) {
    format = FormatCode(format);
    TProjectTables& t = p.Tables();

    p.Title = r.ReadLine();
    p.Designer = r.ReadLine();
    p.JobNumber = r.ReadLine();

    p.SetUnits(r.ReadInteger());
    p.PrintInterval = r.ReadInteger();
    const int pointCount = r.ReadInteger();
    if (MoreOnLine(r)) p.ClosedEnd = r.ReadInteger() != 0;

    p.Perimeter = r.ReadFloat();
    p.IsCircular = p.Perimeter == 0.0L;
    p.TipArea = r.ReadFloat();
    p.OutsideDiameter = r.ReadFloat();
    p.InsideDiameter = r.ReadFloat();
    p.ElasticModulus = r.ReadFloat();
    p.TotalLength = r.ReadFloat();
    if (format != kOldestFormat) p.StickupLength = r.ReadFloat();

    p.EnhancedEndLength = r.ReadFloat();
    p.EnhancedEndID = r.ReadFloat();

    p.ZeroFrictionLength = r.ReadFloat();
    p.LengthIncrement = r.ReadFloat();
    p.PileType = r.ReadInteger();
    p.TaperAngle = r.ReadFloat();
    p.TransferMethod = r.ReadInteger();
    p.OffshoreEnabled = r.ReadInteger();
    if (format != kOldestFormat) p.FactoredTransfer = r.ReadInteger();

    if (format != kOldestFormat) {
        for (int m = 1; m <= 9; ++m) p.MethodSwitch[static_cast<std::size_t>(m)] = r.ReadInteger();
    } else {
        // The oldest files select every capacity method, and the
        // user-specified one when it gives the load transfer.
        for (int m = 1; m <= 9; ++m) p.MethodSwitch[static_cast<std::size_t>(m)] = 1;
        p.MethodSwitch[5] = p.TransferMethod == 5 ? 1 : 0;
    }

    p.ProfileBottom = r.ReadFloat();
    p.SectionArea = r.ReadFloat();

    const int layerCount = pointCount / 2;
    t.D.SetRowCount(AnnouncedRows(r, layerCount));
    for (int layer = 0; layer < layerCount; ++layer) {
        EnsureRow(t.D, layer);
        ReadPoint(r, format, t.D, layer, 0);
        ReadPoint(r, format, t.D, layer, 1);
    }

    p.ExtraTzCurves = r.ReadInteger();
    if (p.ExtraTzCurves == 1) {
        const int depths = r.ReadInteger();
        t.TblTZDepth.SetRowCount(AnnouncedRows(r, depths));
        for (int i = 0; i < depths; ++i) {
            const long double depth = r.ReadFloat();
            EnsureRow(t.TblTZDepth, i);
            t.TblTZDepth.Cell(0, i).SetFloat(depth);
        }
    }

    p.LoadingType = r.ReadInteger();
    p.TensionFactor = r.ReadFloat();
    p.IcpClayDrained = r.ReadInteger();
    p.PlugOption = r.ReadInteger();

    const int areaRows = r.ReadInteger();
    if (MoreOnLine(r))
        p.AreaOption = r.ReadInteger();
    else
        p.AreaOption = areaRows >= 2 ? 2 : (p.SectionArea != 0.0L ? 1 : 0);
    t.Sectionaldata.SetRowCount(AnnouncedRows(r, areaRows));
    for (int i = 0; i < areaRows; ++i) {
        const long double distance = r.ReadFloat();
        EnsureRow(t.Sectionaldata, i);
        t.Sectionaldata.Cell(0, i).SetFloat(distance);
        t.Sectionaldata.Cell(1, i).SetFloat(r.ReadFloat());
    }

    if (format != kOldestFormat) {
        p.CriticalDepthOption = r.ReadInteger();
        p.CriticalDepth = r.ReadFloat();
    }
}

void ReadCptFile(TProgramData& p, TWordReader& r) {
    auto& points = p.Tables().CptPoints;
    points.clear();
    p.CptCount = 0;
    const int units = r.ReadInteger();
    const int count = r.ReadInteger();
    const bool convert = (units == kEnglishUnits || units == kSIUnits) && units != p.Units;
    const long double depthFactor = convert ? UnitFactor("L2", units, p.Units) : 1.0L;
    const long double qcFactor = convert ? UnitFactor("F1/L2^2", units, p.Units) : 1.0L;
    for (int i = 0; i < count; ++i) {
        TCptPoint point;
        point.Depth = r.ReadFloat() * depthFactor;
        point.Qc = r.ReadFloat() * qcFactor;
        points.push_back(point);
        p.CptCount = static_cast<int>(points.size());
    }
}

void WriteFileReplacing(const std::string& path, const std::string& content) {
    QSaveFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    const auto fail = [&] {
        throw EInOutError("Cannot write file \"" + path + "\": " + file.errorString().toStdString());
    };
    if (!file.open(QIODevice::WriteOnly)) fail();
    // Only a complete file replaces the old one. The write is flushed and
    // checked here, before commit, because commit does not notice a failure
    // of its own final flush (a full disk, a file size limit) and would put
    // a truncated file in place. Leaving without commit removes the
    // temporary file and keeps the old one.
    if (file.write(content.data(), static_cast<qint64>(content.size())) != static_cast<qint64>(content.size()) ||
        !file.flush())
        fail();
    if (!file.commit()) fail();
}

}  // namespace tarne
