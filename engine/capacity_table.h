// The report's capacity tables, one per selected method: banner, headings
// (end bearing in compression, self weight in tension), and one row per
// printed output point, with "*" where the soil plug governs the tip; and
// the notes that follow the last table.
#pragma once

#include <string_view>

#include "state.h"
#include "text_out.h"

namespace tarne {

// Writes the table of method `code` (1..9) from `results`[code].
void write_capacity_table(TextOut& out, const AnalysisState& s, int code);

// The notes explaining the "*" mark (and, in tension, negative self
// weights); they follow the run's last capacity table.
void write_capacity_notes(TextOut& out, const AnalysisState& s);

// The method's name as its table's banner gives it ("API RP-2A (1994)").
std::string_view capacity_table_title(int code);

// True when the table of method `code` prints capacity-table row `row`
// (1..printed_row_count). FHWA and USACE leave the extra final row (the
// pile tip, when the print interval passes it) to the plot file.
bool report_prints_row(const AnalysisState& s, int code, int row);

}  // namespace tarne
