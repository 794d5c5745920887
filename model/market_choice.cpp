#include "model/market_choice.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace finplan {

namespace {

struct MarketName {
    std::string_view text;
    Market market;
};
constexpr MarketName kNames[] = {{"none", Market::None},
                                 {"stocks", Market::Stocks},
                                 {"bonds", Market::Bonds},
                                 {"mix", Market::Mix},
                                 {"inflation", Market::Inflation}};

bool parseNumber(std::string_view text, float& value) {
    const std::string s(text);
    if (s.empty() || s.find_first_not_of("0123456789.") != std::string::npos) return false;
    char* end = nullptr;
    value = std::strtof(s.c_str(), &end);
    return end == s.c_str() + s.size() && std::isfinite(value);
}

// A number without trailing zeros ("0.2", "60", "1.25").
std::string shortNumber(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.4f", static_cast<double>(v));
    std::string s(buf);
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
}

} // namespace

std::optional<MarketChoice> parseMarketChoice(std::string_view text, std::string& error) {
    MarketChoice c;
    const std::size_t sign = text.find_first_of("+-");
    const std::string_view head = text.substr(0, sign);
    const std::size_t colon = head.find(':');
    const std::string_view name = head.substr(0, colon);
    bool known = false;
    for (const MarketName& n : kNames)
        if (n.text == name) {
            c.market = n.market;
            known = true;
        }
    if (!known) {
        error = "\"" + std::string(text) +
                "\" is not a market: use none, stocks, bonds, mix:S or inflation";
        return std::nullopt;
    }
    if ((c.market == Market::Mix) != (colon != std::string_view::npos)) {
        error = "\"" + std::string(text) + "\": only mix takes a stocks share, as mix:S";
        return std::nullopt;
    }
    if (c.market == Market::Mix &&
        (!parseNumber(head.substr(colon + 1), c.stocksShare) || c.stocksShare > 100)) {
        error = "\"" + std::string(text) + "\": the stocks share must be 0 to 100";
        return std::nullopt;
    }
    if (sign != std::string_view::npos) {
        float a = 0;
        if (!parseNumber(text.substr(sign + 1), a) || a > kMaxMarketAdjustment) {
            error = "\"" + std::string(text) + "\": the adjustment must be -20 to 20";
            return std::nullopt;
        }
        c.adjustment = text[sign] == '-' ? -a : a;
    }
    return c;
}

std::string marketChoiceText(const MarketChoice& c) {
    std::string s;
    for (const MarketName& n : kNames)
        if (n.market == c.market) s = n.text;
    if (c.market == Market::Mix) s += ":" + shortNumber(c.stocksShare);
    if (c.adjustment != 0)
        s += (c.adjustment > 0 ? "+" : "-") + shortNumber(std::fabs(c.adjustment));
    return s;
}

float marketRate(const MarketChoice& c, const MarketYear& y) {
    float r = 0;
    switch (c.market) {
    case Market::None:
        return 0;
    case Market::Stocks:
        r = y.stocks;
        break;
    case Market::Bonds:
        r = y.bonds;
        break;
    case Market::Mix:
        r = c.stocksShare * 0.01f * y.stocks + (1 - c.stocksShare * 0.01f) * y.bonds;
        break;
    case Market::Inflation:
        r = y.inflation;
        break;
    }
    return r + c.adjustment;
}

} // namespace finplan
