#!/bin/sh
# Runs a Windows program under Wine in $WINEPREFIX and passes its exit code on.
# Wine's background processes inherit the pipes of the command that started them, so the
# program's output goes through a file and is printed afterwards.
set -u
: "${WINEPREFIX:?WINEPREFIX must name the prefix}"
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
program=$1; shift
# The 64-bit loader runs a PE32+ file directly; a PE32 file needs the 32-bit loader.
case $(od -An -tx1 -j "$(( $(od -An -tu4 -j60 -N4 "$program") + 24 ))" -N2 "$program" | tr -d ' ') in
  0b02) loader=/usr/lib/wine/wine64 ;;
  *) loader=/usr/lib/wine/wine ;;
esac
/usr/lib/wine/wineserver -p >/dev/null 2>&1 </dev/null || true
out=$(mktemp)
"$loader" "$program" "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"; rm -f "$out"
exit $rc
