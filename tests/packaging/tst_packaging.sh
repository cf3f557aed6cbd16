#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tindral
# SPDX-License-Identifier: LicenseRef-Tindral-Proprietary
#
# Installs the build into a temporary prefix, builds the Debian package and unpacks it with
# dpkg -x, and checks that both put every file where a desktop looks for it. The desktop entry
# and the AppStream metadata go through their validators.
set -uo pipefail
build=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

appid=example.tindral.quillon
expected=(
    bin/quillon
    bin/quillon-cli
    share/applications/$appid.desktop
    share/metainfo/$appid.metainfo.xml
    share/icons/hicolor/scalable/apps/$appid.svg
)
for size in 16 22 24 32 48 64 128 256 512; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$appid.png")
done

check_tree() { # root label
    for f in "${expected[@]}"; do
        [ -s "$1/$f" ] || fail "$2: missing $f"
    done
    for exe in bin/quillon bin/quillon-cli; do
        [ -x "$1/$exe" ] || fail "$2: $exe is not executable"
    done
}

cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 \
    || { cat "$work/install.log"; fail "cmake --install failed"; }
check_tree "$work/prefix" install

version=$(sed -n 's/^#define QUILLON_VERSION "\(.*\)"$/\1/p' "$build/generated/quillonversion.h")
desktop-file-validate "$work/prefix/share/applications/$appid.desktop" \
    || fail "desktop-file-validate"
appstreamcli validate --no-net "$work/prefix/share/metainfo/$appid.metainfo.xml" \
    || fail "appstreamcli validate"
grep -q "release version=\"$version\"" "$work/prefix/share/metainfo/$appid.metainfo.xml" \
    || fail "the metadata's release list lacks version $version"
grep -q '^Categories=Office;Finance;$' "$work/prefix/share/applications/$appid.desktop" \
    || fail "desktop entry categories"

(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) \
    || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/package/*.deb 2>/dev/null | head -n 1)
if [ -z "$deb" ]; then
    fail "no .deb produced"
else
    dpkg-deb -f "$deb" Package | grep -qx tindral-quillon || fail "package name"
    depends=$(dpkg-deb -f "$deb" Depends)
    for lib in libqt6widgets6 libqt6sql6 libqt6network6 libqt6sql6-sqlite libsecret-1-0; do
        grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
    done
    # Without a CJK font the Japanese interface renders as empty boxes.
    recommends=$(dpkg-deb -f "$deb" Recommends)
    grep -q "fonts-noto-cjk" <<<"$recommends" || fail "Recommends lacks fonts-noto-cjk: $recommends"
    dpkg -x "$deb" "$work/root"
    check_tree "$work/root/usr" package
fi

if ((failures)); then
    echo "$failures failure(s)"
    exit 1
fi
echo "install tree and package: ok ($deb)"
