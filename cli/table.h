#pragma once
// A table of positions over a range of instants, streamed row by row.
#include <cstdint>
#include <optional>
#include <string>

#include "session/instant.h"
#include "session/picture_contents.h"
#include "cli/output.h"
#include "session/table_plan.h"
#include "report/table_rows.h"

namespace orbitas::cli {

using report::TableFormat;

// Sees each row as it is written, and the error that ends a table early.
class TableObserver {
 public:
  virtual ~TableObserver() = default;
  virtual void Row(const std::string& instant, double julianDay, const PlanetOutcome& planet) = 0;
  virtual void Stopped(const std::string& instant, const RuntimeError& error) = 0;
};

// The row at which a table stopped: its instant as printed, and why.
struct TableStop {
  std::string instant;
  std::string message;
};

// Writes the header and the rows of plan to out in format, each row's
// instant through the window's date entry (or its Julian day). When
// progressTerminal is true, stderr shows a progress line that is cleared
// at the end. Returns the row whose computation failed, after writing and
// flushing the rows before it, or nothing. Raises OutputError when out
// refuses a write. observer, when given, sees every row and the error.
std::optional<TableStop> WriteTable(const TablePlan& plan, TableFormat format, const std::string& separator,
                                    Output& out, bool progressTerminal, TableObserver* observer = nullptr);

// The most rows (instants times planets) a path across the sky may draw.
inline constexpr std::int64_t MaxPictureRows = 100'000;

// Gathers each row's right ascension and declination, planet by planet,
// for the picture of their paths.
class SkyPathCollector : public TableObserver {
 public:
  explicit SkyPathCollector(const std::vector<Int16>& bodies);
  void Row(const std::string& instant, double julianDay, const PlanetOutcome& planet) override;
  void Stopped(const std::string& instant, const RuntimeError& error) override;

  const std::vector<SkyPath>& paths() const { return paths_; }
  const std::string& stopped() const { return stopped_; }

 private:
  std::vector<SkyPath> paths_;
  std::string stopped_;
};

}  // namespace orbitas::cli
