// The two capacity passes. Each pass rebuilds the elements, runs the common
// pre-step and the chain for methods 1, 2 and 3 (which sets the element
// lengths and chain arrays every method reads), and then computes its
// methods in their fixed order, each followed by its capacity table and
// plot-file block when its switch is on:
//   pass 1: user-specified, FHWA, USACE, Revised Lambda;
//   pass 2: API RP-2A, then NGI, ICP/MTD, FUGRO and UWA when the offshore
//           methods are enabled.
// Every method is computed whether or not it is selected; its results feed
// the load-transfer stage when it is the chosen load-transfer method.
#pragma once

#include "state.h"
#include "text_out.h"

namespace tarne {

// Both passes, with the plot file's header, the capacity tables and plot
// blocks, and the notes after the last table.
void run_capacity_passes(AnalysisState& s, TextOut& report, TextOut& plot);

// Pre-step and the three opening chain runs of the current pass
// (`run_pass`), once the elements and output points are built.
void prepare_capacity_pass(AnalysisState& s);

// The methods of the current pass with their tables and plot blocks.
void run_pass_methods(AnalysisState& s, TextOut& report, TextOut& plot);

// After a method's chain run: its results per output point (tip = tip
// resistance, or the method's own tip array, times the end-bearing factor
// of the point's element; ultimate = skin + tip), its plug flags and its
// load-transfer inputs. Throws EngineError when a value is not a finite number.
void form_method_results(AnalysisState& s, int code);

}  // namespace tarne
