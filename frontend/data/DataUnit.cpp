#include "DataUnit.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <filesystem>

#include "DataFile.h"
#include "units.h"

namespace tarne {
namespace {

// Conversion factors between the unit systems, by direction of the switch.
struct Factors {
    long double force;         // kN <-> lbf
    long double metreInch;     // m <-> in
    long double millimetreInch;  // mm <-> in
    long double metreFoot;     // m <-> ft
};
constexpr Factors kToEnglish{224.8089237L, 39.37007874L, 0.03937007874L, 3.280839895L};
constexpr Factors kToSI{0.00444822199911631L, 0.0254L, 25.4L, 0.3048L};

}  // namespace

TProgramData::TProgramData(TProjectTables& tables) : Tables_(&tables) { Create(); }

void TProgramData::Create() {
    static_cast<TProjectFields&>(*this) = TProjectFields{};
    TProjectTables& t = *Tables_;
    if (t.CloseChildWindows) t.CloseChildWindows();
    for (TGridTable* table : {&t.D, &t.TblTZDepth, &t.Sectionaldata}) {
        table->SetRowCount(0);
        table->SetRowCount(table->MinRows());
    }
    t.CptPoints.clear();
    for (TGridTable* table : t.Tables()) table->SetUnits(kEnglishUnits);
    t.SetModified(false);
}

void TProgramData::LoadFromFile(const std::string& path, int format) {
    Create();
    FileName = path;
    std::exception_ptr error;
    try {
        TWordReader reader(path);
        ReadDataFile(*this, reader, format);
    } catch (const EInOutError&) {
        error = std::current_exception();
    }
    // The CPT points saved beside the data file come back with it.
    const std::string cptPath = CptPathOf(path);
    std::error_code ec;
    if (std::filesystem::is_regular_file(cptPath, ec)) {
        try {
            TWordReader reader(cptPath);
            ReadCptFile(*this, reader);
        } catch (const EInOutError& e) {
            if (!error)
                error = std::make_exception_ptr(EInOutError("Error reading the CPT file \"" + cptPath + "\":\r" + e.what()));
        }
    }
    TProjectTables& t = *Tables_;
    for (TGridTable* table : t.Tables())
        if (table->RowCount() < table->MinRows()) table->SetRowCount(table->MinRows());
    t.SetModified(false);
    if (error) std::rethrow_exception(error);
}

void TProgramData::NormaliseForSave() {
    if (PrintInterval == 0) PrintInterval = 1;
    if (LengthIncrement == 0.0L) LengthIncrement = 1.0L;
    if (IsCircular) TipArea = 0.0L;
    if (TransferMethod == 5) return;
    // User-specified unit values only count for the user-specified transfer.
    TGridTable& layers = Tables_->D;
    for (int layer = 0; layer < layers.RowCount(); ++layer) {
        const int kind = layers.Cell(LayerColumn::Type, layer).AsInteger();
        if (kind != kSand && kind != kClay) continue;
        TGridTable* properties = layers.Cell(LayerColumn::Properties, layer).AsTable();
        if (!properties) continue;
        const int skin = kind == kSand ? SandColumn::UserSkin : ClayColumn::UserSkin;
        const int bearing = kind == kSand ? SandColumn::UserBearing : ClayColumn::UserBearing;
        for (int row = 0; row < properties->RowCount(); ++row) {
            properties->Cell(skin, row).SetFloat(0.0L);
            properties->Cell(bearing, row).SetFloat(0.0L);
        }
    }
}

void TProgramData::SaveToFile() {
    NormaliseForSave();
    CptFileName = CptPathOf(FileName);
    // Both texts are made before either file is touched.
    const std::string data = DataFileText(*this);
    const std::string cpt = CptFileText(*this);
    WriteFileReplacing(FileName, data);
    WriteFileReplacing(CptFileName, cpt);
    Tables_->SetModified(false);
}

void TProgramData::SetUnits(int system) {
    system = std::clamp(system, kEnglishUnits, kSIUnits);
    if (system != Units) {
        const Factors& f = system == kEnglishUnits ? kToEnglish : kToSI;
        for (long double* v : {&Perimeter, &OutsideDiameter, &InsideDiameter, &EnhancedEndID}) *v *= f.millimetreInch;
        for (long double* v : {&TotalLength, &StickupLength, &EnhancedEndLength, &ZeroFrictionLength,
                               &LengthIncrement, &ProfileBottom, &CriticalDepth})
            *v *= f.metreFoot;
        for (long double* v : {&TipArea, &SectionArea}) *v *= f.metreInch * f.metreInch;
        ElasticModulus *= f.force / (f.metreInch * f.metreInch);

        // The CPT points are written with the project's unit system, so they
        // follow it: depth ft <-> m, Qc ksf <-> kPa.
        const long double depthFactor = UnitFactor("L2", Units, system);
        const long double qcFactor = UnitFactor("F1/L2^2", Units, system);
        for (TCptPoint& point : Tables_->CptPoints) {
            point.Depth *= depthFactor;
            point.Qc *= qcFactor;
        }
    }
    Units = system;
    for (TGridTable* table : Tables_->Tables()) table->SetUnits(system);
    if (Tables_->RefreshInputWindows) Tables_->RefreshInputWindows();
}

std::string CptPathOf(const std::string& dataPath) {
    return std::filesystem::path(dataPath).replace_extension(".cpt").string();
}

int DataFormatOf(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".tq7d") return kCurrentFormat;
    if (extension == ".tq6d") return kPreviousFormat;
    if (extension == ".tqd") return kOldestFormat;
    return 0;
}

}  // namespace tarne
