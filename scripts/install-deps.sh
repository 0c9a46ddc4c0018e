#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages Tallaro needs to build, test and run.
# Idempotent: packages already present are left alone; apt is asked only for what is missing.
# Usage: scripts/install-deps.sh [build|test|run|package|icons|screenshot|bench|fuzz]...  (default: test)
set -euo pipefail

build=(g++ cmake ninja-build qt6-base-dev libgl-dev fonts-ipafont-gothic)
# The window as a desktop user and a screen reader meet it (tests/desktop): an X server, a
# window manager, keys and clicks, a session bus, the accessibility bus and its Python client.
desktop=(xvfb openbox xdotool dbus at-spi2-core python3-pyatspi)
# xdg-utils: the window asks xdg-mime whether the desktop has a CHM viewer. The window tests
# read Qt's own texts in Japanese.
test=(libgtest-dev libbenchmark-dev libgmp-dev python3 xdg-utils qt6-translations-l10n
      "${desktop[@]}")
# The desktop around the window: a CHM viewer and the opener for help and links, native
# Wayland, the GNOME look (and its dark theme), and Qt's own texts in Japanese.
run=(xchm xdg-utils qt6-wayland qt6-gtk-platformtheme qt6-translations-l10n)
# The .deb and its checks: chmcmd compiles the help file (without it the help is HTML only),
# dpkg-shlibdeps finds the Depends, and the validators and lintian check what is shipped.
package=(fp-utils dpkg-dev lintian appstream desktop-file-utils)
# scripts/render-icons.sh: the SVG renderer that draws the icon's PNG sizes.
icons=(librsvg2-bin)
screenshot=(xvfb xdotool imagemagick)
# bench/compare: the calculators Tallaro is measured against (GMP through its own small
# programs), GNU time for peak memory, the chart.
bench=(bc python3 libgmp-dev time gnuplot-nox)
# The libFuzzer targets: clang and its sanitizer and fuzzer runtimes.
fuzz=(clang-14 libclang-rt-14-dev)

wanted=("${build[@]}")
[ $# -eq 0 ] && set -- test
for what in "$@"; do
  case "$what" in
    build) ;;
    test) wanted+=("${test[@]}") ;;
    run) wanted+=("${run[@]}") ;;
    package) wanted+=("${package[@]}") ;;
    icons) wanted+=("${icons[@]}") ;;
    screenshot) wanted+=("${screenshot[@]}") ;;
    bench) wanted+=("${bench[@]}") ;;
    fuzz) wanted+=("${fuzz[@]}") ;;
    *) echo "install-deps: unknown set '$what' (build, test, run, package, icons, screenshot, bench, fuzz)" >&2; exit 2 ;;
  esac
done

missing=()
for pkg in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "install-deps: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
