#!/usr/bin/env bash
# Builds the libraries the Windows programs need (Qt's base modules, expat,
# libzip) with Debian's MinGW-w64 from Debian's own source packages, into a
# cache folder outside the build tree named after the versions and this
# script, so only the first build on a machine pays for it. Prints the folder.
#
# The folder holds the toolchain file to build against it
# (mingw-w64-x86_64.cmake) and Qt's bin/qt-cmake.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

QT_VERSION=6.4.2+dfsg-10
EXPAT_VERSION=2.5.0-1+deb12u2
LIBZIP_VERSION=1.7.3-1
JOBS="${JOBS:-$(nproc)}"

key="$(cat "$0" "$here/mingw-w64-x86_64.cmake" | sha256sum | cut -c1-16)"
cache="${QUILLMARSH_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quillmarsh}"
prefix="$cache/windows-deps-$key"
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

log() { echo "build-deps: $*" >&2; }

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
if ! apt-cache showsrc qt6-base 2>/dev/null | grep -q "^Version: $QT_VERSION\$"; then
    log "adding Debian's source archive"
    $sudo tee /etc/apt/sources.list.d/quillmarsh-deb-src.sources >/dev/null <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q >&2
fi

work="$cache/windows-deps-work"
rm -rf "$work" "$prefix"
mkdir -p "$work" "$prefix"
cp "$here/mingw-w64-x86_64.cmake" "$prefix/"
toolchain="$prefix/mingw-w64-x86_64.cmake"

cd "$work"
log "fetching sources: qt6-base $QT_VERSION, expat $EXPAT_VERSION, libzip $LIBZIP_VERSION"
apt-get source -q "qt6-base=$QT_VERSION" "expat=$EXPAT_VERSION" "libzip=$LIBZIP_VERSION" >&2

configure() { # source folder, build folder, options...
    local source="$1" build="$2"
    shift 2
    cmake -S "$source" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" "$@" >&2
}

log "expat"
configure expat-2.5.0/expat build-expat -DEXPAT_BUILD_TOOLS=OFF -DEXPAT_BUILD_EXAMPLES=OFF \
    -DEXPAT_BUILD_TESTS=OFF -DEXPAT_BUILD_DOCS=OFF -DEXPAT_SHARED_LIBS=ON
# Debian's security patches test "XML_DTD == 1", as its autotools build defines
# it; expat's CMake defines it empty.
sed -i 's/^#define XML_DTD$/#define XML_DTD 1/' build-expat/expat_config.h
cmake --build build-expat --target install -j"$JOBS" >&2

log "libzip"
configure libzip-1.7.3 build-libzip -DBUILD_SHARED_LIBS=ON -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF \
    -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF \
    -DENABLE_OPENSSL=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF -DENABLE_COMMONCRYPTO=OFF \
    -DENABLE_WINDOWS_CRYPTO=ON
cmake --build build-libzip --target install -j"$JOBS" >&2

# Only the modules and plugins the programs use. tabletevent: Debian's source
# lacks the wintab headers. OpenGL stays (dynamic) and direct2d stays: the
# windows platform plugin of 6.4 needs both to build and link.
log "qtbase (most of an hour on two cores)"
configure qt6-base-6.4.2+dfsg build-qtbase -DBUILD_SHARED_LIBS=ON \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF \
    -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF -DFEATURE_androiddeployqt=OFF \
    -DFEATURE_schannel=ON -DFEATURE_openssl=OFF -DFEATURE_sql_sqlite=OFF \
    -DFEATURE_opengl_desktop=OFF -DFEATURE_opengl_dynamic=ON
cmake --build build-qtbase --target install -j"$JOBS" >&2

cd "$cache"
rm -rf "$work"
touch "$prefix/.complete"
echo "$prefix"
