# Cross-build for the unit's 32-bit ARM board (armhf) with Debian's multiarch
# packages: g++-arm-linux-gnueabihf, qtbase5-dev:armhf, libqt5svg5-dev:armhf.
# moc, uic and rcc run as the build machine's own tools; every test runs under
# qemu-arm.
#   cmake -S . -B build-armhf -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/armhf.cmake
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR arm)
set(CMAKE_LIBRARY_ARCHITECTURE arm-linux-gnueabihf)

set(CMAKE_C_COMPILER arm-linux-gnueabihf-gcc)
set(CMAKE_CXX_COMPILER arm-linux-gnueabihf-g++)

set(CMAKE_FIND_ROOT_PATH /usr/lib/arm-linux-gnueabihf /usr/arm-linux-gnueabihf)
set(CMAKE_PREFIX_PATH /usr/lib/arm-linux-gnueabihf/cmake)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)

find_program(NORDEL_QEMU_ARM qemu-arm)
if(NORDEL_QEMU_ARM)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${NORDEL_QEMU_ARM})
endif()
