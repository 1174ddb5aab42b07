#!/bin/sh
# Builds the release executable and runs its administration options under Wine, as an
# administrator would: set silent updating, show the settings file, ask whether it is on.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target BrenzPlayerUpdateService
# Wine hands only the low eight bits of an exit code to a Unix caller (1001 would read as 233);
# this small helper reports the whole code.
cmake --preset windows-x64 >/dev/null
cmake --build --preset windows-x64 -j "$(nproc)" --target exit_code_runner
runner=build/windows-x64/tests/tools/exit_code_runner.exe

program=build/windows/BrenzPlayerUpdateService.exe
prefix=$(pwd)/build/demo-prefix
code_file=$prefix/exit-code.txt

# Runs the program with one option and prints its exit code.
run() {
  scripts/wine-run.sh "$runner" "Z:$code_file" "Z:$(pwd)/$program" "$1"
  echo "exit code $(cat "$code_file")"
}
echo "== creating a fresh Wine prefix in $prefix (about two minutes)"
scripts/wine-prefix.sh create "$prefix"
export WINEPREFIX="$prefix"
# A 32-bit program's system folder is syswow64 on a 64-bit system.
settings_folder="$prefix/drive_c/windows/syswow64/Quenrith/Brenz"
mkdir -p "$settings_folder"

echo "== BrenzPlayerUpdateService.exe -setSilentAutoUpdate"
run -setSilentAutoUpdate
echo "== $settings_folder/vgc.cfg"
cat "$settings_folder/vgc.cfg"
echo "== BrenzPlayerUpdateService.exe -isSAUEnabled (1001: silent updating is enabled)"
run -isSAUEnabled
scripts/wine-prefix.sh stop "$prefix"
