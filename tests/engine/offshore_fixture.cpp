#include "offshore_fixture.h"

#include "passes.h"
#include "project_fixture.h"

namespace tarne::testing {
namespace {

const char* const kHeader =
    "Offshore\r\nDesigner\r\nJob\r\n"
    "2 1 {POINTS} {CLOSED} \r\n0 0 1000 {ID} 200000000 10 0 \r\n0 0 \r\n0 1 1 0 7 1 0 \r\n"
    "0 0 0 1 0 1 1 1 1 \r\n20 0 \r\n";
const char* const kTrailer = "0 \r\n{LOAD} 0.8 \r\n{DRAINED} {PLUG} \r\n2 0 \r\n0 0 \r\n8 0 \r\n0 0 \r\n";

std::string with_pile(std::string text, const PileOptions& p) {
    text = with(text, "CLOSED", p.closed_end);
    text = with(text, "ID", p.inside_diameter);
    text = with(text, "LOAD", p.loading);
    text = with(text, "DRAINED", p.drained);
    return with(text, "PLUG", p.plug);
}

}  // namespace

std::unique_ptr<AnalysisState> offshore_sand(const PileOptions& pile) {
    const std::string soil =
        "0.0 1 0.8 10 35 40 \r\n0 0 0.0 20 0.0 0.0 0 0 0 1 1 0 \r\n"
        "4 1 0.8 10 35 40 \r\n0 0 0.0 20 0.0 0.0 0 0 0 1 1 0 \r\n"
        "4 1 0.8 10 35 40 \r\n0 0 0.0 30 0.0 0.0 20000 0 0 1 1 0 \r\n"
        "20 1 0.8 10 35 40 \r\n0 0 0.0 30 0.0 0.0 20000 0 0 1 1 0 \r\n";
    auto s = load_project(with_pile(with(kHeader, "POINTS", "4") + soil + kTrailer, pile));
    s->cpt_count = 3;
    s->cpt_depth[1] = 0.0;
    s->cpt_qc[1] = 5000.0;
    s->cpt_depth[2] = 2.0;
    s->cpt_qc[2] = 9000.0;
    s->cpt_depth[3] = 5.0;
    s->cpt_qc[3] = 15000.0;
    prepare_capacity_pass(*s);
    return s;
}

std::unique_ptr<AnalysisState> offshore_clay(const PileOptions& pile, const ClayOptions& clay) {
    std::string point = "0 0 {SU} {SUR} {YSR} {PI} {QC} 0 0 1 1 1 \r\n";
    point = with(point, "SU", clay.su);
    point = with(point, "SUR", clay.su_remolded);
    point = with(point, "YSR", clay.ysr);
    point = with(point, "PI", clay.pi);
    point = with(point, "QC", clay.qc);
    const std::string soil = "0.0 2 0.0 8 0.0 0.0 \r\n" + point + "20 2 0.0 8 0.0 0.0 \r\n" + point;
    auto s = load_project(with_pile(with(kHeader, "POINTS", "2") + soil + kTrailer, pile));
    prepare_capacity_pass(*s);
    return s;
}

}  // namespace tarne::testing
