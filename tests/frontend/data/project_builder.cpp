#include "project_builder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <iterator>

namespace tarne::test {

void BuildProject(TProgramData& p, int units, int pileType) {
    p.Create();
    TProjectTables& t = p.Tables();
    p.Title = "Built project, pile type " + std::to_string(pileType);
    p.Designer = "Tester";
    p.JobNumber = "T-" + std::to_string(pileType);
    p.PileType = pileType;
    p.TotalLength = 40.0L;
    p.StickupLength = 2.0L;
    p.ElasticModulus = 29000000.0L;
    p.LengthIncrement = 1.0L;
    p.OutsideDiameter = 18.0L;
    p.InsideDiameter = pileType == 1 || pileType == 7 ? 17.25L : 0.0L;
    if (pileType == 3 || pileType == 6) {  // square concrete pile, H-pile
        p.IsCircular = false;
        p.Perimeter = pileType == 3 ? 56.0L : 48.0L;
        p.TipArea = pileType == 3 ? 196.0L : 15.5L;
    }
    if (pileType == 4 || pileType == 5 || pileType == 7) p.TaperAngle = 0.5L;
    p.ClosedEnd = pileType == 1;
    for (int m : {1, 2, 3, 4}) p.MethodSwitch[static_cast<std::size_t>(m)] = 1;
    p.TransferMethod = 4;
    p.TensionFactor = 0.7L;
    p.CriticalDepthOption = 2;
    p.CriticalDepth = 15.0L;

    // Sand 0-20 ft, clay 20-45 ft, silt 45-80 ft.
    TGridTable& D = t.D;
    D.SetRowCount(3);
    const int kinds[] = {kSand, kClay, kSilt};
    const long double bottoms[] = {20.0L, 45.0L, 80.0L};
    for (int layer = 0; layer < 3; ++layer) {
        D.Cell(LayerColumn::Type, layer).SetInteger(kinds[layer]);
        D.Cell(LayerColumn::Depth, layer).SetFloat(bottoms[layer]);
        D.Cell(LayerColumn::MaxFriction, layer).SetFloat(layer == 0 ? 1700.0L : 0.0L);
        D.Cell(LayerColumn::MaxBearing, layer).SetFloat(layer == 0 ? 100000.0L : 0.0L);
        D.Cell(LayerColumn::SideFactor, layer).SetFloat(0.9L);
        D.Cell(LayerColumn::EndFactor, layer).SetFloat(0.85L);
        TGridTable& props = *D.Cell(LayerColumn::Properties, layer).AsTable();
        for (int row = 0; row < 2; ++row) {
            switch (kinds[layer]) {
                case kSand:
                    props.Cell(SandColumn::UnitWeight, row).SetFloat(115.0L);
                    props.Cell(SandColumn::FrictionAngle, row).SetFloat(30.0L + 2 * row);
                    props.Cell(SandColumn::Ko, row).SetFloat(0.8L);
                    props.Cell(SandColumn::Nq, row).SetFloat(20.0L);
                    props.Cell(SandColumn::Qc, row).SetFloat(40000.0L + 10000 * row);
                    break;
                case kClay:
                    props.Cell(ClayColumn::UnitWeight, row).SetFloat(52.6L);
                    props.Cell(ClayColumn::ShearStrength, row).SetFloat(1000.0L + 500 * row);
                    props.Cell(ClayColumn::RemoldedStrength, row).SetFloat(500.0L);
                    props.Cell(ClayColumn::PlasticIndex, row).SetFloat(25.0L);
                    props.Cell(ClayColumn::YieldStressRatio, row).SetFloat(1.5L);
                    props.Cell(ClayColumn::AdhesionMethod, row).SetInteger(2);
                    break;
                default:
                    props.Cell(SiltColumn::UnitWeight, row).SetFloat(55.0L);
                    props.Cell(SiltColumn::BlowCount, row).SetInteger(8 + row);
                    props.Cell(SiltColumn::Ko, row).SetFloat(0.7L);
                    props.Cell(SiltColumn::ShearStrength, row).SetFloat(300.0L);
                    break;
            }
        }
    }

    p.ExtraTzCurves = 1;
    t.TblTZDepth.SetRowCount(2);
    t.TblTZDepth.Cell(0, 0).SetFloat(10.0L);
    t.TblTZDepth.Cell(0, 1).SetFloat(30.0L);

    p.AreaOption = pileType == 7 ? 2 : 0;
    t.Sectionaldata.SetRowCount(2);
    t.Sectionaldata.Cell(0, 1).SetFloat(40.0L);
    t.Sectionaldata.Cell(1, 0).SetFloat(26.5L);
    t.Sectionaldata.Cell(1, 1).SetFloat(26.5L);

    t.CptPoints.clear();
    for (int i = 0; i <= 16; ++i) t.CptPoints.push_back({5.0L * i, 40.0L + 5.0L * i});
    p.CptCount = static_cast<int>(t.CptPoints.size());

    p.SetUnits(units);
}

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    Path_ = std::filesystem::path(::testing::TempDir()) /
            ("tarne-data-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(Path_);
    std::filesystem::create_directories(Path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(Path_, ec);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace tarne::test
