#!/usr/bin/env bash
# What a packager gets: the build installed into a staging root holds the licence, the manual
# pages, the desktop entry, the metainfo and the icons; the validators accept them; the manual
# pages say what --help says; both programs answer --version without a display; and the
# package that CPack makes has no lintian errors.
#   install_test.sh BUILD_DIR VERSION
set -u
build=$1
version=$2
source "$(dirname "$0")/../support/check.sh"

for tool in desktop-file-validate appstreamcli lintian dpkg-shlibdeps man; do
    command -v "$tool" >/dev/null || { echo "install_test: needs $tool (scripts/install-deps.sh package)"; exit 1; }
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null || { echo "install failed"; exit 1; }
usr=$stage/usr
id=io.github.tallaro.Tallaro

missing=
for file in bin/tallaro bin/tallaro-calc share/doc/tallaro/copyright share/doc/tallaro/changelog.gz \
    share/man/man1/tallaro.1.gz share/man/man1/tallaro-calc.1.gz share/tallaro/help/index.html \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg; do
    [ -f "$usr/$file" ] || missing+=" $file"
done
check "installed files" "" "$missing"
check "the copyright file holds the licence" 1 \
    "$(grep -c 'Permission is hereby granted' "$usr/share/doc/tallaro/copyright")"

# Each PNG is as large as the folder it is in says, and the sizes the issue names are there.
sizes=
for png in "$usr"/share/icons/hicolor/*/apps/$id.png; do
    folder=$(basename "$(dirname "$(dirname "$png")")")
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    check "icon $folder" "$folder" "${width}x$height"
    sizes+=" $width"
done
for size in 16 48 128 256; do
    check "an icon of $size pixels" 1 "$(echo "$sizes" | tr ' ' '\n' | grep -c "^$size\$")"
done

desktop-file-validate "$usr/share/applications/$id.desktop"
check "desktop-file-validate" 0 $?
appstreamcli validate-tree --no-net "$usr" >"$stage/appstream.log" 2>&1
check "appstreamcli validate-tree" 0 $?
check "appstreamcli: no errors or warnings" "" "$(grep -E '^[EW]:' "$stage/appstream.log")"

# Both programs answer without a display: a window would fail to open here.
for program in tallaro tallaro-calc; do
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$usr/bin/$program" --version 2>&1)
    check "$program --version" "0 $program $version" "$? $out"
    help=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$usr/bin/$program" --help)
    check "$program --help" 0 $?
    # The manual page lists the options --help names, no more and no fewer, and its synopsis
    # begins with the usage line.
    page=$usr/share/man/man1/$program.1.gz
    options() { grep -oE -- '-(\\)?-[a-z]+' | tr -d '\\' | sort -u; }
    check "$program(1) options" "$(echo "$help" | options)" \
        "$(zcat "$page" | sed -n '/^\.SH OPTIONS/,/^\.SH [^O]/p' | options)"
    synopsis=$(MANWIDTH=200 man -l "$page" 2>/dev/null | sed -n '/^SYNOPSIS/{n;p;q}' | sed 's/^ *//')
    check "$program(1) synopsis" "$(echo "$help" | sed -n 's/^usage: //p')" "$synopsis"
done

# The Debian package, from the same install rules.
rm -f "$build"/tallaro_*.deb
(cd "$build" && cpack -G DEB >"$stage/cpack.log" 2>&1) || cat "$stage/cpack.log"
deb=$(ls "$build"/tallaro_"$version"-1_*.deb 2>/dev/null)
check "cpack made the package" 1 "$(echo "$deb" | grep -c deb)"
# Not meant for Debian's archive, the package closes no bug asking for it; lintian's only warning.
complaints=$(lintian "$deb" 2>/dev/null | grep -E '^[EW]:' | grep -v initial-upload-closes-no-bugs)
check "no lintian errors or warnings" "" "$complaints"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 fonts-ipafont-gothic; do
    check "Depends names $package" 1 "$(echo "$depends" | grep -c "$package")"
done
check "Recommends a CHM viewer" 1 "$(dpkg-deb -f "$deb" Recommends | grep -c xchm)"

finish
