#!/usr/bin/env bash
# Builds Vellumo for 64-bit Windows on Debian 12 and lays out
#   build-windows/app/                  vellumo.exe, its DLLs and its asset folders
#   build-windows/vellumo-windows.zip   that folder, to unpack and run
#   build-windows/vellumo-setup.exe     a per-user installer
# Installs what it lacks from Debian (asking for root through sudo), takes
# the sources of SDL and the picture decoders from Debian's own source
# packages and cross-builds them with mingw-w64; nothing is cached between
# clean runs beyond what build-windows/ already holds.
# Usage: scripts/build-windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/build-windows
src=$out/src
prefix=$out/deps
toolchain=$root/cmake/mingw-w64-x86_64.cmake
triplet=x86_64-w64-mingw32
jobs=2

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

# --- what the build needs from Debian --------------------------------------
# The native build's packages (the asset generator is built for this
# machine), the cross compilers, zlib for libpng, Wine to run the tests,
# NSIS for the installer and zip for the archive.
"$root/scripts/install-deps.sh"
windows_packages=(
  gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev libz-mingw-w64-dev
  wine wine64 nsis zip dpkg-dev
)
missing=()
for p in "${windows_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

# --- the sources, as Debian ships them -------------------------------------
source_packages=(libsdl2 libsdl2-image libsdl2-mixer giflib libjpeg-turbo libpng1.6)

# apt-get source needs deb-src entries; where only binary ones are set up,
# the same suites are added for sources.
enable_deb_src() {
  local changed=0 file
  for file in /etc/apt/sources.list.d/*.sources; do
    [ -e "$file" ] || continue
    if grep -q '^Types:.*\bdeb\b' "$file" && ! grep -q '^Types:.*deb-src' "$file"; then
      as_root sed -i 's/^Types: *deb *$/Types: deb deb-src/' "$file"
      changed=1
    fi
  done
  if [ -f /etc/apt/sources.list ] && grep -q '^deb ' /etc/apt/sources.list &&
    ! grep -q '^deb-src ' /etc/apt/sources.list; then
    grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | as_root tee -a /etc/apt/sources.list >/dev/null
    changed=1
  fi
  if ((changed)); then as_root apt-get update; fi
}

# The newest version first; when a mirror lacks its files (a security update
# whose sources have not reached it yet), the next older one.
fetch_source() {
  local version
  for version in $(apt-cache showsrc "$1" | awk '/^Version:/ {print $2}' | sort -rV | uniq); do
    (cd "$src" && apt-get source -q "$1=$version") >>"$src/fetch.log" 2>&1 && return
  done
  echo "cannot fetch the source of $1 (see $src/fetch.log)" >&2
  return 1
}

if [ ! -f "$src/fetched.stamp" ]; then
  if ! apt-get source --print-uris libsdl2 >/dev/null 2>&1; then enable_deb_src; fi
  rm -rf "$src" && mkdir -p "$src"
  for package in "${source_packages[@]}"; do fetch_source "$package"; done
  touch "$src/fetched.stamp"
fi
source_dir() { find "$src" -maxdepth 1 -type d -name "$1-[0-9]*" | head -n 1; }

# --- the libraries, cross-built ---------------------------------------------
cross_cmake() {
  local name=$1 dir=$2
  shift 2
  nice cmake -S "$dir" -B "$out/deps-build/$name" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DVELLUMO_WINDOWS_PREFIX="$prefix" -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
    -DCMAKE_BUILD_TYPE=Release "$@" >"$out/deps-build/$name.log"
  nice cmake --build "$out/deps-build/$name" -j"$jobs" >>"$out/deps-build/$name.log"
  cmake --install "$out/deps-build/$name" >>"$out/deps-build/$name.log"
}

build_libraries() {
  mkdir -p "$out/deps-build"

  # SDL with what the program uses: video, events, timers, threads, audio.
  cross_cmake sdl2 "$(source_dir libsdl2)" -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF \
    -DSDL_RENDER=OFF -DSDL_JOYSTICK=OFF -DSDL_HAPTIC=OFF -DSDL_HIDAPI=OFF -DSDL_SENSOR=OFF -DSDL_POWER=OFF \
    -DSDL_OPENGL=OFF -DSDL_OPENGLES=OFF -DSDL_VULKAN=OFF -DSDL_DIRECTX=OFF -DSDL_RENDER_D3D=OFF

  # Icons and cursors are all SDL_image reads; they are its BMP module.
  local image_off=()
  for format in AVIF GIF JPG JXL LBM PCX PNG PNM QOI SVG TGA TIF WEBP XCF XPM XV; do
    image_off+=("-DSDL2IMAGE_$format=OFF")
  done
  cross_cmake sdl2-image "$(source_dir libsdl2-image)" -DBUILD_SHARED_LIBS=ON -DSDL2IMAGE_SAMPLES=OFF \
    -DSDL2IMAGE_TESTS=OFF -DSDL2IMAGE_VENDORED=OFF -DSDL2IMAGE_BACKEND_WIC=OFF -DSDL2IMAGE_BMP=ON "${image_off[@]}"

  # Sound effects are WAV; music is MIDI played by the system's own synthesizer.
  cross_cmake sdl2-mixer "$(source_dir libsdl2-mixer)" -DBUILD_SHARED_LIBS=ON -DSDL2MIXER_SAMPLES=OFF \
    -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_WAVE=ON -DSDL2MIXER_MIDI=ON -DSDL2MIXER_MIDI_NATIVE=ON \
    -DSDL2MIXER_MIDI_FLUIDSYNTH=OFF -DSDL2MIXER_MIDI_TIMIDITY=OFF -DSDL2MIXER_CMD=OFF -DSDL2MIXER_FLAC=OFF \
    -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MP3=OFF -DSDL2MIXER_VORBIS=OFF -DSDL2MIXER_OPUS=OFF

  # The picture decoders the program calls itself, linked in statically.
  cross_cmake jpeg "$(source_dir libjpeg-turbo)" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF \
    -DWITH_TURBOJPEG=OFF -DWITH_JAVA=OFF
  cross_cmake png "$(source_dir libpng1.6)" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
    -DPNG_EXECUTABLES=OFF -DCMAKE_POLICY_DEFAULT_CMP0074=NEW -DZLIB_ROOT=/usr/$triplet
  # giflib is built with a plain makefile: its library is these few files.
  local gif gif_build=$out/deps-build/gif
  gif=$(source_dir giflib)
  mkdir -p "$gif_build"
  for file in dgif_lib egif_lib gifalloc gif_err gif_font gif_hash openbsd-reallocarray; do
    nice $triplet-gcc-posix -O2 -c "$gif/$file.c" -I"$gif" -o "$gif_build/$file.o"
  done
  $triplet-ar rcs "$prefix/lib/libgif.a" "$gif_build"/*.o
  cp "$gif/gif_lib.h" "$prefix/include/"
  touch "$prefix/built.stamp"
}
[ -f "$prefix/built.stamp" ] || build_libraries

# --- the asset generator, for this machine -----------------------------------
nice cmake -S "$root" -B "$out/host" -DCMAKE_BUILD_TYPE=Release >"$out/host.log"
nice cmake --build "$out/host" -j"$jobs" --target vellumo-assetgen >>"$out/host.log"

# --- the program ---------------------------------------------------------------
# pkg-config answers for the cross-built libraries only.
PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig nice cmake -S "$root" -B "$out/vellumo" \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DVELLUMO_WINDOWS_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_BUILD_TYPE=Release -DVELLUMO_HOST_ASSETGEN="$out/host/assets/vellumo-assetgen" \
  -DZLIB_LIBRARY=/usr/$triplet/lib/libz.a -DZLIB_INCLUDE_DIR=/usr/$triplet/include >"$out/vellumo.log"
PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig nice cmake --build "$out/vellumo" -j"$jobs" --target vellumo \
  >>"$out/vellumo.log"

# --- the application folder, the archive and the installer -------------------
app=$out/app
rm -rf "$app"
cp -r "$out/vellumo/app" "$app"
cp "$prefix"/bin/SDL2.dll "$prefix"/bin/SDL2_image.dll "$prefix"/bin/SDL2_mixer.dll "$app/"
$triplet-strip "$app/vellumo.exe"
mkdir -p "$app/MY_PICTURE"

rm -f "$out/vellumo-windows.zip"
(cd "$out" && zip -qr -X vellumo-windows.zip app)

version=$(sed -n 's/^project(vellumo VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
makensis -V2 -DAPP_DIR="$app" -DOUT_FILE="$out/vellumo-setup.exe" -DVERSION="$version" \
  "$root/packaging/windows/vellumo.nsi"

echo "built $app, $out/vellumo-windows.zip and $out/vellumo-setup.exe"
