#!/bin/sh
# Builds the release executable and runs its administration options under Wine, as an
# administrator would: set silent updating, show the settings file, ask whether it is on.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)"

program=build/windows/BrenzPlayerUpdateService.exe
prefix=$(pwd)/build/demo-prefix
echo "== creating a fresh Wine prefix in $prefix (about two minutes)"
scripts/wine-prefix.sh create "$prefix"
export WINEPREFIX="$prefix"
# A 32-bit program's system folder is syswow64 on a 64-bit system.
settings_folder="$prefix/drive_c/windows/syswow64/Quenrith/Brenz"
mkdir -p "$settings_folder"

echo "== BrenzPlayerUpdateService.exe -setSilentAutoUpdate"
scripts/wine-run.sh "$program" -setSilentAutoUpdate && echo "exit code $?"
echo "== $settings_folder/vgc.cfg"
cat "$settings_folder/vgc.cfg"
echo "== BrenzPlayerUpdateService.exe -isSAUEnabled"
set +e
scripts/wine-run.sh "$program" -isSAUEnabled
echo "exit code $? (1001: silent updating is enabled)"
scripts/wine-prefix.sh stop "$prefix"
