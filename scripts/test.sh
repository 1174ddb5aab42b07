#!/bin/sh
# Runs every test: the platform-free logic natively under the sanitizers, the Windows layer
# under Wine, the checks of the release file, and the system tests of the built program.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh

jobs=$(nproc)
for preset in native windows-x64 windows; do
  cmake --preset $preset >/dev/null
  cmake --build --preset $preset -j "$jobs"
done

ctest --preset native
ctest --preset windows-x64
# The release file's own checks; its Wine run is covered by the system tests below.
ctest --preset windows -L release-file

# Debian's own interpreter, which has Debian's pytest.
/usr/bin/python3 -m pytest -q tests/system
