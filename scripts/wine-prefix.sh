#!/bin/sh
# Creates a fresh Wine prefix (64-bit, so a 32-bit program sees the WOW64 layout of 64-bit
# Windows) or stops the Wine server of one.
#   wine-prefix.sh create DIR | stop DIR
set -eu
action=$1
export WINEPREFIX=$(realpath -m "$2")
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
wineserver=/usr/lib/wine/wineserver
case $action in
  create)
    [ -d "$WINEPREFIX" ] && { "$wineserver" -k 2>/dev/null || true; rm -rf "$WINEPREFIX"; }
    mkdir -p "$WINEPREFIX"
    /usr/lib/wine/wine64 wineboot -i >"$WINEPREFIX/wineboot.log" 2>&1
    "$wineserver" -w
    ;;
  stop)
    "$wineserver" -k 2>/dev/null || true
    ;;
  *) echo "usage: $0 create|stop DIR" >&2; exit 2 ;;
esac
