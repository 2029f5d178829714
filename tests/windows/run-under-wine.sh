#!/usr/bin/env bash
# Runs the Windows test programs under Wine, in a fresh Wine prefix made for this run and removed
# afterwards. Fails when any program fails.
set -euo pipefail
bin="${1:?usage: run-under-wine.sh BUILD-WINDOWS-DIR/bin}"
prefix="$(mktemp -d)"
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$prefix"' EXIT
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot --init >/dev/null 2>&1 || true
status=0
for test in base_tests contract_tests larkspan_wine_tests; do
  echo "== $test (Wine)"
  if ! wine "$bin/$test.exe"; then
    echo "!! $test failed under Wine"
    status=1
  fi
done
exit $status
