// The capacity methods of the engine, one entry per method: its codes, the
// pass it runs in, its computation and the rules it gives the capacity
// chain. The chain also runs with the rules of FHWA, USACE and Revised
// Lambda at the start of every pass, before any method is computed.
#pragma once

#include "framework.h"
#include "state.h"
#include "text_out.h"

namespace tarne {

struct CapacityMethod {
    int code = 0;         // `method_switch` / `transfer_method` code, 1..9
    int pass = 0;         // 1 or 2
    bool offshore = false;  // computed only when `offshore_enabled` is 1
    MethodRules rules;    // what the chain reads; rules.method_index is the chain's number
    // Fills the method's own arrays before its chain run; null when not built.
    void (*compute)(AnalysisState& s) = nullptr;
    // Copies the skin friction, unit skin friction and skin friction for load
    // transfer of every output point into the method's results.
    void (*collect_side)(const AnalysisState& s, MethodResults& r) = nullptr;
    // Whether the method is computed when its pass reaches it; null: always.
    bool (*due)(const AnalysisState& s) = nullptr;
    // The chain runs for the method only in tension (`loading_type` 1).
    bool chain_in_tension_only = false;
    // The method's own tip array (kips / kN, before the end-bearing factor)
    // that its results take in place of the chain's `tip_resistance`.
    PointTable AnalysisState::* tip_source = nullptr;
    // Report lines (warnings) the method writes once it is computed, before its table.
    void (*write_warnings)(const AnalysisState& s, TextOut& report) = nullptr;
    // Report lines the method adds under its printed table.
    void (*write_table_notes)(const AnalysisState& s, TextOut& report) = nullptr;
};

// The method with data-file code `code` (1..9).
const CapacityMethod& capacity_method(int code);

// Codes in the order the passes run the methods, which is also the order of
// the capacity tables and of the plot file's capacity blocks.
inline constexpr int kMethodRunOrder[kMethodCount] = {
    kUserSpecified, kFhwa, kUsace, kLambda, kApi, kNgi, kIcp, kFugro, kUwa,
};

}  // namespace tarne
