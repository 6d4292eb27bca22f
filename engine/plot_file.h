// The plot data file's header and capacity blocks, written while the passes
// run: the header in the first pass once the output points are known, then
// one block per plotted method right after its capacity table.
//
// Header (free format): number of capacity blocks, rows per block, unit
// system, load-transfer method. Block rows: depth (F7.2), cumulative skin
// friction (F8.1), tip resistance or self weight (F8.1), ultimate capacity
// (F9.1), unit skin friction (F9.3), each after two blanks.
#pragma once

#include "state.h"
#include "text_out.h"

namespace tarne {

// True when method `code` has a capacity block: its switch is on and, for
// NGI, ICP/MTD, FUGRO and UWA, the offshore methods are enabled.
bool method_plotted(const AnalysisState& s, int code);

// Number of capacity blocks the file carries.
int plot_block_count(const AnalysisState& s);

void write_plot_header(TextOut& out, const AnalysisState& s);

// Writes the block of method `code` from `results`[code]. A plotted method
// that was not computed in this run (for instance the user-specified method
// when every user value is zero) gets a block of zero resistances at every
// printed depth, so that the header's count, the blocks and the names the
// reader gives them always agree.
void write_plot_capacity_block(TextOut& out, const AnalysisState& s, int code);

}  // namespace tarne
