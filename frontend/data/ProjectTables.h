// The project's tabular data as the main window holds it: the soil-layer
// table D with the templates of its per-layer property tables, the t-z print
// depths, the cross-section areas and the CPT points, and the main window's
// modified state.
#pragma once

#include <functional>
#include <vector>

#include "Table.h"

namespace tarne {

// Soil kinds: the items of D's first column and the codes of the data file.
inline constexpr int kSand = 1;
inline constexpr int kClay = 2;
inline constexpr int kSilt = 3;

// Identifiers of the property-table templates, one per soil kind.
inline constexpr int kSandTemplate = 1;
inline constexpr int kClayTemplate = 2;
inline constexpr int kSiltTemplate = 19;

// Columns of D, one row per layer.
namespace LayerColumn {
inline constexpr int Type = 0;         // soil kind (enumeration)
inline constexpr int Depth = 1;        // depth at the bottom of the layer, ft / m
inline constexpr int Properties = 2;   // the layer's property table
inline constexpr int MaxFriction = 3;  // maximum unit side friction, psf / kPa (0 = no limit)
inline constexpr int MaxBearing = 4;   // maximum unit end bearing, psf / kPa (0 = no limit)
inline constexpr int SideFactor = 5;   // reduction/resistance factor on side friction
inline constexpr int EndFactor = 6;    // reduction/resistance factor on end bearing
}  // namespace LayerColumn

// Columns of the property tables; row 0 is the top of the layer, row 1 its
// bottom. Unit weights in pcf / kN/m3, stresses in psf / kPa, angles in
// degrees.
namespace SandColumn {
inline constexpr int UnitWeight = 0, FrictionAngle = 1, BlowCount = 2, Ko = 3, Nq = 4, Qc = 5, UserSkin = 6,
                     UserBearing = 7;
}
namespace ClayColumn {
inline constexpr int UnitWeight = 0, ShearStrength = 1, RemoldedStrength = 2, PlasticIndex = 3,
                     YieldStressRatio = 4, Qc = 5, UserSkin = 6, UserBearing = 7, AdhesionMethod = 8;
}
namespace SiltColumn {
inline constexpr int UnitWeight = 0, FrictionAngle = 1, BlowCount = 2, Ko = 3, ShearStrength = 4,
                     Unused = 5, UserSkin = 6, UserBearing = 7;
}

// One point of the CPT profile: depth (ft / m) and cone resistance Qc
// (ksf / kPa).
struct TCptPoint {
    long double Depth = 0.0L;
    long double Qc = 0.0L;
};

class TProjectTables {
public:
    TProjectTables();
    TProjectTables(const TProjectTables&) = delete;
    TProjectTables& operator=(const TProjectTables&) = delete;

    // Templates of D's property tables (identifiers kSandTemplate,
    // kClayTemplate, kSiltTemplate); declared first so that they outlive D.
    TGridTable tblDataSand;
    TGridTable tblDataClay;
    TGridTable tblDataSilt;
    // "Soil Properties": 1 to 40 layers.
    TGridTable D;
    // "Depths for Internally-generated t-z curves": at least 1 row.
    TGridTable TblTZDepth;
    // "Cross Section Area": distance from the pile head and area, 2 to 100 rows.
    TGridTable Sectionaldata;
    // The project's CPT points, in the project's unit system.
    std::vector<TCptPoint> CptPoints;

    // Every grid table of the main window.
    std::vector<TGridTable*> Tables();

    // The main window's modified state: its own flag or any grid table's.
    // Clearing clears them all; setting sets the own flag only.
    bool Modified();
    void SetModified(bool modified);

    // Window actions of the main window that the project asks for: closing
    // every child window (on Create) and refreshing the open input windows
    // from the project (after a unit switch). Unset, nothing happens.
    std::function<void()> CloseChildWindows;
    std::function<void()> RefreshInputWindows;

private:
    bool OwnModified_ = false;
};

}  // namespace tarne
