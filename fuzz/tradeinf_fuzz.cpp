// "tradeinf.dat" images: any bytes load into the trade-off values, the names stay
// within their width, the file written back has its eighteen lines, and the results
// and the grapher's file can be made from whatever was read.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "calculators/trade_off_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    finplan::TradeOffState s;
    finplan::readTradeOff(in, s);
    for (const auto& name : s.names)
        if (name.size() > 29 || name.find('\n') != std::string::npos) std::abort();

    const std::string text = finplan::tradeOffFileText(s);
    std::size_t lines = 0;
    for (char c : text)
        lines += c == '\n';
    if (lines != 18) std::abort();

    const int periods = finplan::tradePeriods(s);
    // The analysis refuses more periods than the dialog takes before it sums any.
    if (periods > -100000 && periods <= finplan::kMaxTradePeriods) {
        finplan::tradeEndAmounts(s, finplan::tradeTaxFactor(s, 15.5f));
        finplan::tradeGraphText(s, 15.5f);
    }
    return 0;
}
