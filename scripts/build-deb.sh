#!/usr/bin/env bash
# Builds the Debian package build-deb/vellumo_<version>_amd64.deb from this
# tree with Debian's hardening flags, then has lintian look at it.
# Usage: scripts/build-deb.sh   (after scripts/install-deps.sh)
set -euo pipefail
cd "$(dirname "$0")/.."

# Debian's compiler and linker flags: optimised, hardened (bindnow
# included), reproducible. CMake reads CFLAGS, CXXFLAGS and LDFLAGS itself;
# the preprocessor flags go with the compiler's.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
export CFLAGS="$CFLAGS $CPPFLAGS" CXXFLAGS="$CXXFLAGS $CPPFLAGS"

# Warnings stay errors in the developers' builds; a packager's compiler may
# know more of them. Only what the package needs is built, not the tests.
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
  -DVELLUMO_WERROR=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
cmake --build build-deb -j2 --target vellumo vellumo_package_files
rm -f build-deb/vellumo_*.deb
(cd build-deb && cpack -G DEB)

deb=$(ls build-deb/vellumo_*.deb)
lintian --fail-on error --info "$deb"
echo "built $deb"
