#pragma once
// A table of positions over a range of instants, streamed row by row.
#include <string>

#include "output.h"
#include "table_plan.h"

namespace orbitas::cli {

// Writes the header and the rows of plan to out, each row's instant through
// the window's date entry (or its Julian day). stderr receives the error
// of a failing row and, when progressTerminal is true, a progress line
// that is cleared at the end. Returns 0, or 1 after a row whose
// computation failed (the rows before it are written and flushed). Raises
// OutputError when out refuses a write.
int WriteTable(const TablePlan& plan, const std::string& separator, Output& out, bool progressTerminal);

}  // namespace orbitas::cli
