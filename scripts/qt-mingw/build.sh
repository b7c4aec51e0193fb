#!/usr/bin/env bash
# Rebuilds qt6.4.2-mingw64.tar.xz: Qt 6.4.2 (Core, Gui, Widgets, Test; the windows, offscreen and minimal
# platform plugins) for 64-bit Windows, cross-compiled with Debian's MinGW-w64 from Debian's own qt6-base
# source package. As root on Debian 12; about 16 minutes on 2 cores.
#   build.sh OUT.tar.xz [WORK]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$(realpath -m "$1"); work=${2:-$(mktemp -d)}
prefix=/opt/qt6-mingw

# Source packages come from the same archive as the binary ones: add a deb-src twin of each deb entry.
if ! grep -rqs 'deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    for f in /etc/apt/sources.list.d/*.sources; do
        sed 's/^Types: deb$/Types: deb-src/' "$f" >"${f%.sources}-src.sources"
    done
fi
apt-get update -qq
apt-get install -y -qq --no-install-recommends dpkg-dev cmake ninja-build xz-utils patch \
    qt6-base-dev qt6-base-dev-tools g++-mingw-w64-x86-64-posix mingw-w64-tools >/dev/null

mkdir -p "$work" && cd "$work"
apt-get source -qq qt6-base
src=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-6.4.2*' | head -n 1)
# 1. Debian's repack drops the tablet headers the windows platform plugin includes: Wine's LGPL copies stand in.
mkdir -p "$src/src/3rdparty/wintab" && cp "$here"/patches/wintab/*.h "$src/src/3rdparty/wintab/"
# 2. Without Direct2D, 6.4.2 builds no DirectWrite font database, yet the plugin still refers to it.
(cd "$src" && patch -p1 <"$here/patches/no-direct2d-directwrite3.patch")

mkdir -p "$work/build" && cd "$work/build"
map="-ffile-prefix-map=$src=qtbase -ffile-prefix-map=$work/build=build"
cmake -G Ninja "$src" -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=$prefix "-DCMAKE_C_FLAGS=$map" "-DCMAKE_CXX_FLAGS=$map" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF -DBUILD_WITH_PCH=ON \
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF \
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_testlib=ON \
    -DFEATURE_widgets=ON -DFEATURE_gui=ON -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_pkg_config=OFF \
    -DFEATURE_vulkan=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_direct2d=OFF \
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF
cmake --build . -j"$(nproc)"
rm -rf "$prefix" && cmake --install . >/dev/null

# Make the tree relocatable and free of build paths: the toolchain file travels inside it, and the qmake-only
# files lose the build folders they name.
cp "$here/mingw-w64-x86_64.cmake" "$prefix/lib/cmake/Qt6/"
sed -i 's#^set(__qt_initially_configured_toolchain_file ".*")#set(__qt_initially_configured_toolchain_file "${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake")#' \
    "$prefix/lib/cmake/Qt6/qt.toolchain.cmake"
grep -rlI -e "$work" "$prefix" | xargs -r sed -i -e "s#$src#qtbase#g" -e "s#$work/build#build#g" -e "s#$work#.#g"
find "$prefix" \( -name '*.dll' -o -name '*.exe' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
tar -C "$(dirname $prefix)" -cJf "$out.part" "$(basename $prefix)" && mv "$out.part" "$out"
echo "wrote $out"
