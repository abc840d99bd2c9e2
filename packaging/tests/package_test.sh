#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a finished build folder, unpacks it into a scratch
# root and checks what a system would get: the control fields, exactly the expected
# files, the program, the launcher, the bundled base and the tool that checks it, the
# licence, the desktop entry, the AppStream metainfo and the icons, that lintian finds
# no error, and that the unpacked game starts through its launcher.
# Usage: package_test.sh BUILD_DIR SOURCE_DIR VERSION APP_ID ICON_SIZE...
set -euo pipefail

build=$1 source=$2 version=$3 app_id=$4; shift 4
icon_sizes=("$@")

for tool in cpack dpkg-deb dpkg dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || {
        echo "FAIL: $tool is missing; install dpkg-dev and cmake (tools/setup should)" >&2
        exit 1
    }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
skip() { echo "skipped: $*"; }

echo "building the package"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log" >&2
    echo "FAIL: cpack could not build the package" >&2
    exit 1
fi
debs=("$scratch"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: expected one .deb, got: ${debs[*]}" >&2; exit 1; }
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "slovodrom_${version}_${arch}.deb" ] || fail "the package is named $(basename "$deb")"

echo "control fields"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = slovodrom ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not the project's $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = games ] || fail "Section is '$(field Section)'"
[[ "$(field Maintainer)" =~ ^.+\ \<.+@.+\>$ ]] || fail "Maintainer is '$(field Maintainer)'"
depends=$(field Depends)
# Found by dpkg-shlibdeps (the platform and SVG icon plugins live in the Qt packages),
# and the fonts the screens are drawn in.
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 fonts-liberation; do
    [[ ", $depends," =~ ,\ ${package}[\ ,] ]] || fail "Depends lacks $package: $depends"
done
# The sound library is opened only when a sound plays, so no shared-library scan sees it.
[[ ", $(field Recommends)," =~ ,\ libasound2[\ ,] ]] || fail "Recommends lacks libasound2: $(field Recommends)"
description=$(field Description)
grep -q "игра" <<<"$description" || fail "the description has no Russian"
grep -q '\bgame\b' <<<"$description" || fail "the description has no English"
[ "$(wc -l <<<"$description")" -gt 2 ] || fail "the description has no long part"

echo "the files, and only those"
root=$scratch/root
dpkg -x "$deb" "$root"
expected=(
    usr/games/slovodrom
    usr/bin/slovodrom-base
    usr/lib/slovodrom/slovodrom
    usr/share/slovodrom/Data/Question.dat
    "usr/share/applications/$app_id.desktop"
    "usr/share/metainfo/$app_id.metainfo.xml"
    usr/share/icons/hicolor/scalable/apps/slovodrom.svg
    usr/share/man/man6/slovodrom.6.gz
    usr/share/man/man1/slovodrom-base.1.gz
    usr/share/doc/slovodrom/changelog.gz
    usr/share/doc/slovodrom/copyright
)
for size in "${icon_sizes[@]}"; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/slovodrom.png")
done
sounds=("$build"/sounds/*.wav)
[ ${#sounds[@]} -ge 10 ] && [ -f "${sounds[0]}" ] || fail "the build made no sounds: ${sounds[*]}"
for sound in "${sounds[@]}"; do
    expected+=("usr/share/slovodrom/sounds/$(basename "$sound")")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f -printf '%P\n' | sort) >"$scratch/files.diff" \
    || fail "the package's files differ from the expected ones (< expected, > packaged):
$(cat "$scratch/files.diff")"

echo "the program and the launcher"
program=$root/usr/lib/slovodrom/slovodrom
launcher=$root/usr/games/slovodrom
[ -x "$program" ] && [ "$(head -c 4 "$program" | od -An -c | tr -d ' ')" = 177ELF ] \
    || fail "the program is not an executable ELF file"
[ -x "$launcher" ] || fail "the launcher is not executable"
[ "$(head -n 1 "$launcher")" = "#!/bin/sh" ] || fail "the launcher is not a /bin/sh script"
sh -n "$launcher" || fail "the launcher has a syntax error"
! grep -q '@[A-Z_]*@' "$launcher" || fail "the launcher has unfilled placeholders"

echo "the manual pages, the changelog and the licence"
for page in man6/slovodrom.6.gz man1/slovodrom-base.1.gz; do
    gzip -t "$root/usr/share/man/$page" || fail "the manual page $page is not a gzip file"
done
copyright=$root/usr/share/doc/slovodrom/copyright
[ "$(head -n 1 "$copyright")" = "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] \
    || fail "the copyright file is not in the machine-readable format"
grep -q '^License: GPL-3+$' "$copyright" || fail "the copyright file does not name GPL-3+"
[ "$(gzip -dc "$root/usr/share/doc/slovodrom/changelog.gz" | head -n 1 | cut -d' ' -f1-2)" = "slovodrom ($version)" ] \
    || fail "the changelog's latest entry is not for $version (packaging/changelog)"

echo "the bundled base"
base=$root/usr/share/slovodrom/Data/Question.dat
size=$(stat -c %s "$base")
[ "$size" -gt 0 ] && [ $((size % 134)) -eq 0 ] || fail "the base is $size bytes, not a run of 134-byte records"
cmp -s "$base" "$build/Data/Question.dat" || fail "the packaged base is not the one built"

echo "the installed tool checks the installed base"
tool=$root/usr/bin/slovodrom-base
status=0
"$tool" check "$base" >"$scratch/check.log" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "slovodrom-base check ended with status $status: $(cat "$scratch/check.log")"
grep -q "записей: $((size / 134))\$" "$scratch/check.log" \
    || fail "slovodrom-base check does not count $((size / 134)) records: $(cat "$scratch/check.log")"
echo "the sounds"
for sound in "${sounds[@]}"; do
    cmp -s "$sound" "$root/usr/share/slovodrom/sounds/$(basename "$sound")" || fail "the packaged $(basename "$sound") is not the one built"
done

echo "the desktop entry"
desktop=$root/usr/share/applications/$app_id.desktop
key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Name)" = "Словодром" ] || fail "desktop Name is '$(key Name)'"
[ "$(key Icon)" = slovodrom ] || fail "desktop Icon is '$(key Icon)'"
[ "$(key Categories)" = "Game;LogicGame;" ] || fail "desktop Categories is '$(key Categories)'"
[ -n "$(key Comment)" ] && [ -n "$(key 'Comment\[ru\]')" ] || fail "the desktop entry lacks an English or a Russian comment"
[ "$(key Exec | cut -d' ' -f1)" = slovodrom ] || fail "desktop Exec is '$(key Exec)', not the launcher"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
else
    skip "desktop-file-validate (desktop-file-utils) is not installed"
fi

echo "the AppStream metainfo"
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo's id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
    || fail "the metainfo does not launch $app_id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version (packaging/*.metainfo.xml)"
if command -v appstreamcli >/dev/null; then
    # The whole tree, so the desktop entry the metainfo names is checked to be there too.
    appstreamcli validate-tree --no-net "$root" || fail "appstreamcli rejects the metainfo"
else
    skip "appstreamcli (appstream) is not installed"
fi

echo "the icons"
cmp -s "$root/usr/share/icons/hicolor/scalable/apps/slovodrom.svg" "$source/assets/icon.svg" \
    || fail "the scalable icon is not assets/icon.svg"
# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'; }
for size in "${icon_sizes[@]}"; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/slovodrom.png
    [ -f "$png" ] || continue
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || { fail "$png is not a PNG"; continue; }
    [ "$(png_size "$png")" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $(png_size "$png")"
done

echo "lintian"
if command -v lintian >/dev/null; then
    # Errors fail the package; warnings are listed for whoever reads the log.
    lintian --fail-on error --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1 \
        || fail "lintian finds errors: $(grep -v '^W: ' "$scratch/lintian.log")"
    cat "$scratch/lintian.log"
else
    skip "lintian is not installed"
fi

echo "the unpacked game starts through its launcher"
home=$scratch/home
mkdir -p "$home"
status=0
env -i HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen ASAN_OPTIONS="${ASAN_OPTIONS:-}" \
    timeout 2 "$launcher" >"$scratch/game.log" 2>&1 || status=$?
# Still running when stopped (124) is what a game waiting for its player does.
[ "$status" -eq 124 ] || fail "the game ended with status $status: $(cat "$scratch/game.log")"
cmp -s "$base" "$home/.local/share/slovodrom/Data/Question.dat" \
    || fail "the launcher did not give the player a copy of the base"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all package checks passed"
