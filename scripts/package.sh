#!/usr/bin/env bash
# Builds the Debian package and checks it: installs what is missing, builds the programs for
# /usr with Debian's hardening flags in build/package, packs them with CPack and runs lintian,
# which fails the script on any error. The package: build/package/tallaro_VERSION-1_ARCH.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build package
flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
CXXFLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" LDFLAGS=$(flags LDFLAGS) \
  scripts/build.sh build/package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DTALLARO_BUILD_TESTS=OFF -DTALLARO_BUILD_BENCH=OFF
rm -f build/package/*.deb
(cd build/package && cpack -G DEB)
lintian --fail-on error --display-info build/package/*.deb
