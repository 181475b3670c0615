#!/usr/bin/env bash
# The whole test suite built for the unit's 32-bit ARM board and run under
# emulation: installs what is missing (armhf multiarch, cross compiler, Qt for
# armhf, qemu-user 10 with binfmt from bookworm-backports), builds into
# build-armhf/ (or $NORDEL_ARMHF_BUILD_DIR) without benchmarks, and runs every
# test under qemu-arm. Tests that start the project's programs run them as ARM
# programs through binfmt_misc.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${NORDEL_ARMHF_BUILD_DIR:-$here/build-armhf}
"$here/scripts/install-armhf-deps.sh"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/cmake/toolchains/armhf.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNORDEL_WERROR=ON -DNORDEL_BUILD_BENCH=OFF
fi
cmake --build "$build" --parallel "$(nproc)"

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo --preserve-env"
cd "$build"
# A PID namespace of its own: should an emulated process ever signal every
# process (kill(-1)), only the tests are hit, not the machine.
$SUDO unshare --pid --fork --mount-proc \
  env QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 900
