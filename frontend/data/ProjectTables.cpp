#include "ProjectTables.h"

#include <memory>

namespace tarne {
namespace {

using Lines = std::vector<std::string>;

// Stresses and unit weights by unit token: psf / kPa and pcf / kN/m3.
constexpr const char* kStress = "F/L2^2";
constexpr const char* kUnitWeight = "F/L2^3";
constexpr const char* kDepth = "L2";

void DefineTemplate(TGridTable& t, int identifier, const char* caption) {
    t.SetIdentifier(identifier);
    t.Caption = caption;
    t.TopLeft = "Layer";
    t.SetMinRows(2);
    t.MaxRows = 2;
}

}  // namespace

TProjectTables::TProjectTables() {
    DefineTemplate(tblDataSand, kSandTemplate, "Sand");
    tblDataSand.Add<TFloatColumn>(Lines{"Effective", "Unit Weight"}, kUnitWeight);
    tblDataSand.Add<TFloatColumn>(Lines{"Friction", "Angle (deg)"});
    tblDataSand.Add<TIntColumn>(Lines{"Blow", "Counts"});
    tblDataSand.Add<TFloatColumn>(Lines{"", "Ko"});
    tblDataSand.Add<TFloatColumn>(Lines{"", "Nq"});
    tblDataSand.Add<TFloatColumn>(Lines{"Qc from", "CPT"}, kStress);
    tblDataSand.Add<TFloatColumn>(Lines{"Unit Skin", "Friction"}, kStress);
    tblDataSand.Add<TFloatColumn>(Lines{"Unit End", "Bearing"}, kStress);

    DefineTemplate(tblDataClay, kClayTemplate, "Clay");
    tblDataClay.Add<TFloatColumn>(Lines{"Effective", "Unit Weight"}, kUnitWeight);
    tblDataClay.Add<TFloatColumn>(Lines{"Undrained", "Shear Strength"}, kStress);
    tblDataClay.Add<TFloatColumn>(Lines{"Remolded", "Shear Strength"}, kStress);
    tblDataClay.Add<TFloatColumn>(Lines{"Plasticity", "Index PI (%)"});
    tblDataClay.Add<TFloatColumn>(Lines{"Yield Stress", "Ratio YSR"});
    tblDataClay.Add<TFloatColumn>(Lines{"Qc from", "CPT"}, kStress);
    tblDataClay.Add<TFloatColumn>(Lines{"Unit Skin", "Friction"}, kStress);
    tblDataClay.Add<TFloatColumn>(Lines{"Unit End", "Bearing"}, kStress);
    tblDataClay.Add<TIntColumn>(Lines{"Adhesion", "Method"}, 0, 0, 3);

    DefineTemplate(tblDataSilt, kSiltTemplate, "Silt");
    tblDataSilt.Add<TFloatColumn>(Lines{"Effective", "Unit Weight"}, kUnitWeight);
    tblDataSilt.Add<TFloatColumn>(Lines{"Friction", "Angle (deg)"});
    tblDataSilt.Add<TIntColumn>(Lines{"Blow", "Counts"});
    tblDataSilt.Add<TFloatColumn>(Lines{"", "Ko"});
    tblDataSilt.Add<TFloatColumn>(Lines{"Undrained", "Shear Strength"}, kStress);
    tblDataSilt.Add<TFloatColumn>(Lines{"", "(not used)"});  // the data file does not carry it
    tblDataSilt.Add<TFloatColumn>(Lines{"Unit Skin", "Friction"}, kStress);
    tblDataSilt.Add<TFloatColumn>(Lines{"Unit End", "Bearing"}, kStress);

    D.Caption = "Soil Properties";
    D.TopLeft = "Layer";
    D.MaxRows = 40;
    D.Add<TEnumColumn>(Lines{"Soil", "Type"}, Lines{"sand", "clay", "silt"});
    D.Add<TFloatColumn>(Lines{"Depth at Bottom", "of each layer"}, kDepth);
    D.Add<TTableColumn>(Lines{"Soil", "Properties"}, std::vector<int>{kSandTemplate, kClayTemplate, kSiltTemplate});
    D.Add<TFloatColumn>(Lines{"Max. Side", "Friction"}, kStress);
    D.Add<TFloatColumn>(Lines{"Max. End", "Bearing"}, kStress);
    D.Add<TFloatColumn>(Lines{"Reduction/Resistance", "Factor on Side Friction"}, "", 1.0L);
    D.Add<TFloatColumn>(Lines{"Reduction/Resistance", "Factor on End Bearing"}, "", 1.0L);

    TblTZDepth.Caption = "Depths for Internally-generated t-z curves";
    TblTZDepth.Add<TFloatColumn>(Lines{"Depth below the ground", "surface"}, kDepth);

    Sectionaldata.Caption = "Cross Section Area";
    Sectionaldata.SetMinRows(2);
    Sectionaldata.MaxRows = 100;
    Sectionaldata.Add<TFloatColumn>(Lines{"Distance from", "the pile head"}, kDepth);
    Sectionaldata.Add<TFloatColumn>(Lines{"Cross Section", "Area"}, "L^2");

    for (TGridTable* t : {&D, &TblTZDepth, &Sectionaldata}) t->SetRowCount(t->MinRows());
}

std::vector<TGridTable*> TProjectTables::Tables() {
    return {&tblDataSand, &tblDataClay, &tblDataSilt, &D, &TblTZDepth, &Sectionaldata};
}

bool TProjectTables::Modified() {
    if (OwnModified_) return true;
    for (const TGridTable* t : Tables())
        if (t->Modified()) return true;
    return false;
}

void TProjectTables::SetModified(bool modified) {
    OwnModified_ = modified;
    if (modified) return;
    for (TGridTable* t : Tables()) t->SetModified(false);
}

}  // namespace tarne
