#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zifferon developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and inspects it without installing anything:
# the file list, file modes, control fields, lintian, and the desktop, MIME and
# AppStream files.
#
#   packaging/check-package.sh [--run] [--install-root ROOT] [BUILD_DIR]
#
# BUILD_DIR defaults to build-pkg in the source tree; it is configured with the
# release preset (a Release build without tests). --run also starts the packaged program for five seconds under
# xvfb-run and expects it to be still running then. --install-root installs the
# package into ROOT, a Debian 12 or 13 root made with debootstrap (its "/" mode 755),
# with apt-get in a chroot, and asks xdg-mime there which type a ".AUF" file has
# and which program opens it.
# Needs cmake, a compiler, Qt 6 development files and dpkg-dev (dpkg-shlibdeps).
# desktop-file-validate (desktop-file-utils) and appstreamcli (appstream) are used
# when present.
set -euo pipefail

run=0
install_root=""
while (($#)); do
    case $1 in
    --run) run=1 ;;
    --install-root) install_root=$2; shift ;;
    *) break ;;
    esac
    shift
done
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-$source_dir/build-pkg}
app_id=de.zifferon.Zifferon
mime_type=application/x-zifferon-aufgabe
mime_icon=application-x-zifferon-aufgabe

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

(cd "$source_dir" && cmake --preset release -B "$build_dir")
cmake --build "$build_dir" --parallel "$(nproc)"
rm -f "$build_dir"/zifferon_*.deb
(cd "$build_dir" && cpack -G DEB)

shopt -s nullglob
debs=("$build_dir"/zifferon_*.deb)
if [[ ${#debs[@]} -ne 1 ]]; then
    echo "FAIL: expected one zifferon_*.deb in $build_dir, found ${#debs[@]}" >&2
    exit 1
fi
deb=${debs[0]}
echo "Checking $deb"

# Every regular file in the package, and nothing else.
expected=$(
    {
        echo ./usr/bin/zifferon
        echo ./usr/share/applications/$app_id.desktop
        echo ./usr/share/metainfo/$app_id.metainfo.xml
        echo ./usr/share/man/man1/zifferon.1.gz
        echo ./usr/share/doc/zifferon/copyright
        echo ./usr/share/doc/zifferon/changelog.gz
        echo ./usr/share/mime/packages/$app_id.xml
        echo ./usr/share/icons/hicolor/scalable/mimetypes/$mime_icon.svg
        echo ./usr/share/icons/hicolor/scalable/apps/$app_id.svg
        for size in 16 32 48 64 128 256; do
            echo ./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
            echo ./usr/share/icons/hicolor/${size}x${size}/mimetypes/$mime_icon.png
        done
    } | sort
)
listing=$(dpkg-deb -c "$deb")
actual=$(awk '$1 !~ /^d/ { print $6 }' <<<"$listing" | sort)
if [[ $actual != "$expected" ]]; then
    fail "file list differs (< expected, > in package):"
    diff <(echo "$expected") <(echo "$actual") >&2 || true
fi

# Owner and mode: the program executable, everything else plain readable files.
while read -r mode owner _ _ _ path _; do
    [[ $mode == d* ]] && continue
    [[ $owner == root/root ]] || fail "$path is owned by $owner"
    if [[ $path == ./usr/bin/zifferon ]]; then
        [[ $mode == -rwxr-xr-x ]] || fail "$path has mode $mode"
    else
        [[ $mode == -rw-r--r-- ]] || fail "$path has mode $mode"
    fi
done <<<"$listing"

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == zifferon ]] || fail "Package is '$(field Package)'"
[[ $(field Section) == education ]] || fail "Section is '$(field Section)'"
[[ $(field Maintainer) == "Zifferon team <team@zifferon.invalid>" ]] ||
    fail "Maintainer is '$(field Maintainer)'"
[[ $(field Architecture) == "$(dpkg --print-architecture)" ]] ||
    fail "Architecture is '$(field Architecture)'"
depends=$(field Depends)
echo "Depends: $depends"
# libqt6widgets6 only appears when dpkg-shlibdeps ran on the executable. Debian 13
# calls the core library's package libqt6core6t64 (64-bit time_t transition).
for package in libqt6widgets6 'libqt6core6(t64)?' libc6 qt6-translations-l10n; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package"
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"

if ! head -c 4 "$unpacked/usr/bin/zifferon" | grep -q ELF; then
    fail "usr/bin/zifferon is not an ELF executable"
fi
for tool in desktop-file-validate appstreamcli lintian xmllint; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/setup.sh installs it)"
done
desktop-file-validate "$unpacked/usr/share/applications/$app_id.desktop" ||
    fail "desktop-file-validate rejected the desktop entry"
grep -qx "MimeType=$mime_type;" "$unpacked/usr/share/applications/$app_id.desktop" ||
    fail "the desktop entry does not name $mime_type"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "appstreamcli rejected the metainfo file"
xmllint --noout "$unpacked/usr/share/mime/packages/$app_id.xml" ||
    fail "the MIME type file is not well-formed"
# lintian: no error and no warning (information and pedantic notes are shown).
lintian_out=$(lintian --allow-root --pedantic --display-info "$deb" 2>&1) || true
[[ -n $lintian_out ]] && echo "$lintian_out"
if grep -Eq '^[EW]: ' <<<"$lintian_out"; then
    fail "lintian reports errors or warnings"
fi
for size in 16 32 48 64 128 256; do
    png=$unpacked/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    [[ -f $png ]] || continue # already reported with the file list
    # Width and height are the big-endian words at bytes 16 and 20 of the IHDR chunk.
    dims=$(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4 "x" $5*16777216 + $6*65536 + $7*256 + $8 }')
    [[ $dims == "${size}x${size}" ]] || fail "${size}x${size} icon is $dims"
done

if [[ $run -eq 1 ]]; then
    status=0
    xvfb-run -a timeout 5 "$unpacked/usr/bin/zifferon" || status=$?
    [[ $status -eq 124 ]] || fail "zifferon ended with status $status within five seconds"
fi

if [[ -n $install_root ]]; then
    # A clean root: the package and what it depends on, then the desktop's view.
    cp "$deb" "$install_root/tmp/zifferon.deb"
    for fs in proc sys dev dev/pts; do
        mount --bind /$fs "$install_root/$fs"
    done
    inside() { chroot "$install_root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin \
        HOME=/root XDG_DATA_DIRS=/usr/local/share:/usr/share "$@"; }
    status=0
    inside apt-get install -y -qq ./tmp/zifferon.deb xdg-utils >/dev/null || status=$?
    if ((status == 0)); then
        inside sh -c 'cd /tmp && : >Anna.AUF && : >klein.auf'
        type_of=$(inside xdg-mime query filetype /tmp/Anna.AUF)
        type_small=$(inside xdg-mime query filetype /tmp/klein.auf)
        opened_by=$(inside xdg-mime query default "$mime_type")
        echo "xdg-mime: Anna.AUF is '$type_of', klein.auf is '$type_small', opened by '$opened_by'"
        [[ $type_of == "$mime_type" && $type_small == "$mime_type" ]] ||
            fail "xdg-mime does not know task files as $mime_type"
        [[ $opened_by == "$app_id.desktop" ]] || fail "task files do not open with $app_id.desktop"
    else
        fail "the package does not install into $install_root (apt-get status $status)"
    fi
    for fs in dev/pts dev sys proc; do
        umount "$install_root/$fs"
    done
fi

if [[ $failures -ne 0 ]]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "Package OK: $deb"
