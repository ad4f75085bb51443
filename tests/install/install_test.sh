#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build with `make install-files` into a temporary DESTDIR (prefix /usr, as a
# package would) and checks it:
#
#   install_test.sh --build DIR --source DIR --app-id ID --version V --glimmer 0|1
#                   --man-page 0|1 tree|validate|uninstall
#
#   tree       every file a desktop install needs is there, and nothing else
#   validate   desktop-file-validate and appstreamcli pass (77 when neither is installed)
#   uninstall  `make uninstall` removes exactly what was installed
set -euo pipefail

while [ $# -gt 1 ]; do
    case $1 in
        --build) build=$2 ;;
        --source) source=$2 ;;
        --app-id) app_id=$2 ;;
        --version) version=$2 ;;
        --glimmer) glimmer=$2 ;;
        --man-page) man_page=$2 ;;
        *) echo "install_test.sh: unknown argument $1" >&2; exit 2 ;;
    esac
    shift 2
done
mode=${1:?tree, validate or uninstall}

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

tmp=$(mktemp -d)
manifest=$build/install_manifest.txt
kept=$tmp/install_manifest.kept
# Every cmake --install rewrites the build folder's manifest: keep the user's (moved, so a
# manifest a root install left behind moves too) and put it back however the test ends.
restore() {
    if [ -e "$kept" ]; then
        mv -f "$kept" "$manifest"
    else
        rm -f "$manifest"
    fi
    rm -rf "$tmp"
}
trap restore EXIT
if [ -e "$manifest" ]; then
    mv "$manifest" "$kept"
fi

# install_to ROOT PREFIX: `make install` of the built tree staged in ROOT, its manifest copied
# to ROOT.manifest
install_to() {
    make -s -C "$source" install-files BUILD="$build" PREFIX="$2" DESTDIR="$1" >"$1.log" 2>&1 || {
        cat "$1.log" >&2
        echo "FAIL: make install-files PREFIX=$2 DESTDIR=$1" >&2
        exit 1
    }
    cp "$manifest" "$1.manifest"
}

root=$tmp/root
install_to "$root" /usr
usr=$root/usr
share=$usr/share
entry=$share/applications/$app_id.desktop
metainfo=$share/metainfo/$app_id.metainfo.xml

png_size() {
    # the width and height of a PNG's header, as WxH
    local b
    read -r -a b < <(od -An -tu1 -j16 -N8 "$1")
    echo "$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]))x$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))"
}

check_tree() {
    local expected=(
        bin/corvelxp bin/corvel-thumb
        "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml"
        "share/icons/hicolor/scalable/apps/$app_id.svg"
        share/doc/Corvel/LICENSE share/doc/Corvel/README.md
    )
    [ "$glimmer" = 1 ] && expected+=(bin/glimmer)
    [ "$man_page" = 1 ] && expected+=(share/man/man1/corvel-thumb.1)
    [ -f "$source/assets/help/Corvel.html" ] && expected+=(share/corvel/Corvel.html)
    local size
    for size in 16 24 32 48 64 128 256 512; do
        expected+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png")
    done

    local file
    for file in "${expected[@]}"; do
        [ -f "$usr/$file" ] || fail "$file is not installed"
    done
    for file in corvelxp corvel-thumb $([ "$glimmer" = 1 ] && echo glimmer); do
        [ -x "$usr/bin/$file" ] || fail "bin/$file is not executable"
    done
    for size in 16 24 32 48 64 128 256 512; do
        file=$share/icons/hicolor/${size}x${size}/apps/$app_id.png
        if [ -f "$file" ] && [ "$(png_size "$file")" != "${size}x${size}" ]; then
            fail "the ${size}x${size} icon is $(png_size "$file")"
        fi
    done
    grep -q '<svg' "$share/icons/hicolor/scalable/apps/$app_id.svg" ||
        fail "the scalable icon is no SVG"

    # the tree and the manifest name the same files, all under the prefix
    local in_tree in_manifest
    in_tree=$(cd "$root" && find . \( -type f -o -type l \) | sed 's|^\.||' | sort)
    in_manifest=$(sed "s|^$root||" "$root.manifest" | sort)
    [ "$in_tree" = "$in_manifest" ] ||
        fail "the manifest and the tree differ:$(diff <(echo "$in_manifest") <(echo "$in_tree") | sed 's/^/\n  /')"
    local outside
    outside=$(grep -v '^/usr/' <<<"$in_tree" || true)
    [ -z "$outside" ] || fail "installed outside the prefix: $outside"

    # the desktop entry starts the installed program and claims no file types
    grep -qx 'Exec=/usr/bin/corvelxp' "$entry" || fail "Exec= does not name /usr/bin/corvelxp"
    grep -qx "Icon=$app_id" "$entry" || fail "Icon= does not name $app_id"
    ! grep -q '^MimeType=' "$entry" || fail "the entry has a MimeType= line"

    # the metainfo names the build's id, version and licence, and screenshots we have
    grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo id is not $app_id"
    grep -q "<release version=\"$version\"" "$metainfo" || fail "no release entry for $version"
    grep -q '<project_license>MIT</project_license>' "$metainfo" || fail "no MIT project_license"
    grep -q '<metadata_license>' "$metainfo" || fail "no metadata_license"
    local shots
    shots=$(grep -o '<image[^>]*>[^<]*' "$metainfo" | sed 's|.*/||')
    [ -n "$shots" ] || fail "the metainfo has no screenshots"
    for file in $shots; do
        [ -f "$source/docs/screenshots/$file" ] || fail "screenshot $file is not in docs/screenshots/"
    done

    # the installed command line runs from the installed tree, with no search path of the build
    [ "$("$usr/bin/corvel-thumb" --version)" = "corvel-thumb $version" ] ||
        fail "the installed corvel-thumb --version does not say $version"
    if command -v readelf >/dev/null; then
        for file in "$usr"/bin/*; do
            ! readelf -d "$file" | grep -q -E 'RPATH|RUNPATH' || fail "$file carries a library search path"
        done
    fi
    if [ "$man_page" = 1 ] && command -v man >/dev/null && command -v col >/dev/null; then
        local page
        page=$(MANWIDTH=80 man -l "$share/man/man1/corvel-thumb.1" 2>&1 | col -b)
        for file in NAME SYNOPSIS --width --dest MIT; do
            grep -q -e "$file" <<<"$page" || fail "the manual page lacks $file"
        done
    fi

    # a prefix with a space in it: the entry quotes the program's path
    install_to "$tmp/spaced" "/opt/Corvel Apps"
    grep -qx 'Exec="/opt/Corvel Apps/bin/corvelxp"' \
        "$tmp/spaced/opt/Corvel Apps/share/applications/$app_id.desktop" ||
        fail "Exec= does not quote a prefix with a space"
}

check_validate() {
    local ran=0
    if command -v desktop-file-validate >/dev/null; then
        ran=1
        desktop-file-validate "$entry" || fail "desktop-file-validate $entry"
        install_to "$tmp/spaced" "/opt/Corvel Apps"
        desktop-file-validate "$tmp/spaced/opt/Corvel Apps/share/applications/$app_id.desktop" ||
            fail "desktop-file-validate on the entry for a prefix with a space"
    else
        echo "desktop-file-validate is not installed: not run"
    fi
    if command -v appstreamcli >/dev/null; then
        ran=1
        appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli validate"
        # the metainfo together with the entry and icons it points to
        appstreamcli validate-tree --no-net "$usr" || fail "appstreamcli validate-tree"
    else
        echo "appstreamcli is not installed: not run"
    fi
    [ "$ran" = 1 ] || exit 77
}

check_uninstall() {
    # a file of someone else's in a shared folder, and the manifest as `make install` leaves it
    echo other >"$usr/bin/other-program"
    cp "$root.manifest" "$manifest"
    make -s -C "$source" uninstall BUILD="$build" >"$tmp/uninstall.log" 2>&1 ||
        { cat "$tmp/uninstall.log" >&2; fail "make uninstall"; }
    local left
    left=$(cd "$root" && find . -type f -o -type l)
    [ "$left" = "./usr/bin/other-program" ] || fail "after make uninstall:$(echo; echo "$left")"
    for dir in share/doc/Corvel share/corvel; do
        [ ! -e "$usr/$dir" ] || fail "$dir is left behind"
    done
    [ -d "$usr/bin" ] || fail "make uninstall removed the shared bin/ folder"
    # a second run finds everything gone and says so, without failing
    make -s -C "$source" uninstall BUILD="$build" >"$tmp/uninstall.log" 2>&1 ||
        { cat "$tmp/uninstall.log" >&2; fail "a second make uninstall"; }
    grep -q "0 files removed" "$tmp/uninstall.log" || fail "a second make uninstall removed files"
    # no manifest, a clear message
    rm -f "$manifest"
    if make -s -C "$source" uninstall BUILD="$build" >"$tmp/uninstall.log" 2>&1 ||
        ! grep -q "Nothing to uninstall" "$tmp/uninstall.log"; then
        fail "make uninstall without a manifest does not say there is nothing to uninstall"
    fi
}

case $mode in
    tree) check_tree ;;
    validate) check_validate ;;
    uninstall) check_uninstall ;;
    *) echo "install_test.sh: unknown mode $mode" >&2; exit 2 ;;
esac

if [ "$failures" -gt 0 ]; then
    echo "$failures failure(s)" >&2
    exit 1
fi
echo "install $mode: ok"
