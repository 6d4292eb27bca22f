// TProgramData: the front end's project. Scalar data lives in its fields;
// tabular data lives in the main window's grid tables (TProjectTables),
// which the project reads and writes.
//
// Units follow `Units`: English lengths in ft, pile dimensions in in, areas
// in in2, the modulus in psi; S.I. lengths in m, pile dimensions in mm,
// areas in m2, the modulus in kPa.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "ProjectTables.h"

namespace tarne {

// Data-file formats, by the extension of the file: current ".tq7d",
// previous ".tq6d", oldest ".tqd".
inline constexpr int kCurrentFormat = 1;
inline constexpr int kPreviousFormat = 2;
inline constexpr int kOldestFormat = 3;

// The fields of a project, with their defaults.
struct TProjectFields {
    int Units = 1;                          // 1 English (kips, ft, in), 2 S.I. (kN, m, mm)
    std::string FileName = "NewTARNE.tq7d"; // path of the data file
    std::string GwiFileName;                // path of the last driveability export
    std::string CptFileName;                // the data file's path with ".cpt", set by every save
    std::string Title = "New Pile";
    std::string Designer;
    std::string JobNumber;
    int PrintInterval = 1;                  // the report prints every n-th output point
    long double Perimeter = 0.0L;           // non-circular section, in / mm; 0 = circular
    long double SectionArea = 0.0L;         // user cross-section area, in2 / m2
    long double TipArea = 0.0L;             // non-circular section, in2 / m2
    long double OutsideDiameter = 0.0L;     // in / mm
    long double InsideDiameter = 0.0L;      // in / mm
    long double ElasticModulus = 0.0L;      // psi / kPa
    long double StickupLength = 0.0L;       // ft / m
    long double TotalLength = 0.0L;         // ft / m
    long double EnhancedEndLength = 0.0L;   // ft / m
    long double EnhancedEndID = 0.0L;       // in / mm
    long double ZeroFrictionLength = 0.0L;  // ft / m
    long double LengthIncrement = 1.0L;     // ft / m
    long double ProfileBottom = 0.0L;       // ft / m, as read from a file
    long double TaperAngle = 0.0L;          // degrees
    int TransferMethod = 4;                 // method for unit load transfers, codes 1..9
    int ExtraTzCurves = 0;                  // 1 = t-z curves at the depths of TblTZDepth
    int PileType = 1;                       // codes 1..7
    int LoadingType = 0;                    // 0 compression, 1 tension
    int IcpClayDrained = 0;                 // ICP/MTD clay: 1 drained, 0 undrained
    int PlugOption = 0;                     // 0 computed, 1 plugged, 2 unplugged
    int AreaOption = 0;                     // 0 from dimensions, 1 SectionArea, 2 area table
    long double TensionFactor = 1.0L;       // reduction factor for tension loading
    bool IsCircular = true;
    bool ClosedEnd = false;
    int OffshoreEnabled = 1;                // always 1
    int FactoredTransfer = 0;               // 1 = factored unit values for load transfer
    int CriticalDepthOption = 0;            // USACE sand critical depth option 0..2
    long double CriticalDepth = 0.0L;       // ft / m
    // Capacity methods selected (1) or not (0), by method code 1..9 (index 0
    // is not used): 1 FHWA, 2 USACE, 3 Revised Lambda, 4 API RP 2A,
    // 5 user-specified, 6 NGI, 7 ICP/MTD, 8 FUGRO, 9 UWA.
    std::array<int, 10> MethodSwitch{0, 0, 0, 0, 1, 0, 0, 0, 0, 0};
    int CptCount = 0;                       // CPT points of the project

    // Held only while the program runs: the transfer profile from the plot
    // data file and the settings of the last CPT import.
    int TransferPointCount = 0;
    std::vector<long double> TransferDepth;
    std::vector<long double> TransferUnitSkin;
    std::vector<long double> TransferTip;
    std::string CptSourceFile;
    int CptLineCount = 0;
    int CptHeaderLines = 0;
    int CptColumnCount = 0;
};

class TProgramData : public TProjectFields {
public:
    // A new project with the defaults (Create).
    explicit TProgramData(TProjectTables& tables);

    TProjectTables& Tables() const { return *Tables_; }

    // Defaults everywhere: closes the main window's child windows, resets
    // every grid table to its fewest rows (D to one empty layer), English
    // units, not modified.
    void Create();

    // Create, then read the data file at `path` in `format` (kCurrentFormat,
    // kPreviousFormat, any other code as kOldestFormat), and the CPT file
    // beside it when there is one. Grid tables below their fewest rows are
    // raised to them and the modified state is cleared. A file that cannot
    // be opened or a value that is not the expected number throws
    // EInOutError after that: what was read up to the error is kept.
    void LoadFromFile(const std::string& path, int format);

    // Normalises the project (PrintInterval 0 becomes 1, LengthIncrement 0
    // becomes 1, a circular section has TipArea 0, user unit skin friction
    // and end bearing of sand and clay layers become 0 unless the transfer
    // method is 5), then writes the data file FileName and the CPT file
    // CptFileName. Each file is written whole to a temporary file that then
    // replaces it, so a failed save leaves the files as they were. Clears
    // the modified state. A write error throws EInOutError.
    void SaveToFile();

    // Switches to unit system `system` (above 2 counts as 2, below 1 as 1),
    // converting the project's values, its CPT points and every grid table.
    void SetUnits(int system);

    // The driveability export (GwiFile.h): sets GwiFileName to FileName with
    // ".gwi" and writes that file from the transfer profile, replacing any
    // earlier one. Throws EInOutError when the project has no transfer
    // profile or the file cannot be written.
    void SaveGwi();

private:
    void NormaliseForSave();

    TProjectTables* Tables_;
};

// The CPT file that belongs to a data file: same path, extension ".cpt".
std::string CptPathOf(const std::string& dataPath);

// The format of a data file by its extension (case ignored): kCurrentFormat
// for ".tq7d", kPreviousFormat for ".tq6d", kOldestFormat for ".tqd", 0 for
// any other.
int DataFormatOf(const std::string& path);

}  // namespace tarne
