#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tindral
# SPDX-License-Identifier: LicenseRef-Tindral-Proprietary
#
# Installs the build into a temporary prefix, builds the Debian packages and unpacks them with
# dpkg -x, and checks that the install and the desktop package put every file where a desktop
# looks for it, and that the server package carries the service without the desktop's
# libraries. The desktop entry and the AppStream metadata go through their validators.
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
arch=$(dpkg --print-architecture)
deb="$work/package/tindral-quillon_${version}_$arch.deb"
server_deb="$work/package/quillon-server_${version}_$arch.deb"
[ -f "$deb" ] || deb=
if [ -z "$deb" ]; then
    fail "no tindral-quillon package: $(ls "$work/package")"
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
    for f in usr/bin/quillon-server usr/lib/systemd/system/quillon-server.service; do
        [ ! -e "$work/root/$f" ] || fail "the desktop package contains $f"
    done
fi

server_files=(
    usr/bin/quillon-server
    usr/lib/systemd/system/quillon-server.service
    usr/lib/sysusers.d/quillon-server.conf
    usr/lib/tmpfiles.d/quillon-server.conf
)
if [ ! -f "$server_deb" ]; then
    fail "no quillon-server package: $(ls "$work/package")"
else
    info=$(dpkg-deb -I "$server_deb")
    grep -qx ' Package: quillon-server' <<<"$info" || fail "server package name"
    depends=$(sed -n 's/^ Depends: //p' <<<"$info")
    for lib in libpq5 libqt6core6 libqt6sql6-sqlite libsodium23; do
        grep -q "$lib" <<<"$depends" || fail "server Depends lacks $lib: $depends"
    done
    # A head-less host must not pull in the widget stack.
    ! grep -qE 'libqt6(widgets|gui)6' <<<"$depends" || fail "server Depends has GUI libraries: $depends"
    dpkg -x "$server_deb" "$work/server"
    for f in "${server_files[@]}"; do
        [ -s "$work/server/$f" ] || fail "server package: missing $f"
    done
    [ -x "$work/server/usr/bin/quillon-server" ] || fail "server package: binary not executable"
    for f in bin/quillon share/applications/$appid.desktop; do
        [ ! -e "$work/server/usr/$f" ] || fail "the server package contains $f"
    done
    unit="$work/server/usr/lib/systemd/system/quillon-server.service"
    grep -qx 'User=quillon-server' "$unit" || fail "the unit does not run as quillon-server"

    # The user and the data directory come from the package's own sysusers and tmpfiles
    # entries; applying them to the unpacked tree proves both parse and agree on the owner.
    dpkg-deb -e "$server_deb" "$work/server-control"
    [ -x "$work/server-control/postinst" ] || fail "server package: no executable postinst"
    ! grep -qE 'systemctl|deb-systemd' "$work/server-control/postinst" \
        || fail "postinst enables or starts the service"
    mkdir -p "$work/server/etc"
    touch "$work/server/etc/passwd" "$work/server/etc/group"
    systemd-sysusers --root="$work/server" >"$work/sysusers.log" 2>&1 \
        || { cat "$work/sysusers.log"; fail "systemd-sysusers"; }
    grep -q '^quillon-server:x:[0-9]*:[0-9]*:.*:/var/lib/quillon-server:' "$work/server/etc/passwd" \
        || fail "no quillon-server system user: $(cat "$work/server/etc/passwd")"
    if [ "$(id -u)" = 0 ]; then
        systemd-tmpfiles --create --root="$work/server" >"$work/tmpfiles.log" 2>&1 \
            || { cat "$work/tmpfiles.log"; fail "systemd-tmpfiles"; }
        # Numbers, since this host's own passwd does not know the user.
        ids=$(awk -F: '$1 == "quillon-server" { print $3 ":" $4 }' "$work/server/etc/passwd")
        owner=$(stat -c '%u:%g %a' "$work/server/var/lib/quillon-server" 2>/dev/null)
        [ "$owner" = "$ids 750" ] || fail "data directory is '$owner', not '$ids 750'"
    fi
fi

if ((failures)); then
    echo "$failures failure(s)"
    exit 1
fi
echo "install tree and packages: ok ($deb, $server_deb)"
