#pragma once
// A table of positions over a range of instants, streamed row by row.
#include <string>

#include "instant.h"
#include "output.h"
#include "table_plan.h"

namespace orbitas::cli {

// Sees each row as it is written, and the error that ends a table early.
class TableObserver {
 public:
  virtual ~TableObserver() = default;
  virtual void Row(const std::string& instant, const PlanetOutcome& planet) = 0;
  virtual void Stopped(const std::string& instant, const RuntimeError& error) = 0;
};

// Writes the header and the rows of plan to out, each row's instant through
// the window's date entry (or its Julian day). stderr receives the error
// of a failing row and, when progressTerminal is true, a progress line
// that is cleared at the end. Returns 0, or 1 after a row whose
// computation failed (the rows before it are written and flushed). Raises
// OutputError when out refuses a write. observer, when given, sees every
// row and the error.
int WriteTable(const TablePlan& plan, const std::string& separator, Output& out, bool progressTerminal,
               TableObserver* observer = nullptr);

}  // namespace orbitas::cli
