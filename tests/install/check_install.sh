#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what an installed
# desktop program brings: the desktop entry, the document types, the AppStream
# file, the manual pages, and the command-line tool finding the installed
# pictures. Then builds the Debian package and reads its control data.
# usage: check_install.sh BUILD_FOLDER
set -euo pipefail
build=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
for f in bin/larkspan bin/larkspan-cli share/applications/org.larkspan.Larkspan.desktop \
         share/mime/packages/larkspan.xml share/metainfo/org.larkspan.Larkspan.metainfo.xml \
         share/icons/hicolor/scalable/apps/larkspan.svg share/icons/hicolor/48x48/apps/larkspan.png \
         share/man/man1/larkspan.1 share/man/man1/larkspan-cli.1 \
         "share/larkspan/Images/Larkspan's_Manual.pdf" share/larkspan/Images/WooferImage.png; do
    [ -e "$prefix/$f" ] || fail "not installed: $f"
done

desktop-file-validate "$share/applications/org.larkspan.Larkspan.desktop"
# The MIME database compiles the package and knows both types by their globs.
update-mime-database "$share/mime" >/dev/null 2>&1
grep -q 'x-larkspan-document' "$share/mime/globs2" || fail "document type not registered"
grep -q 'xvrdocsta' "$share/mime/globs2" || fail "stationery type not registered"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$share/metainfo/org.larkspan.Larkspan.metainfo.xml" >/dev/null
else
    echo "appstreamcli is not installed: the AppStream file was not validated"
fi
man -l "$share/man/man1/larkspan-cli.1" >/dev/null 2>&1 || groff -man -Tutf8 -z "$share/man/man1/larkspan-cli.1"

# The installed tool draws the schematic with the installed driver pictures.
svg=$prefix/schema.svg
"$prefix/bin/larkspan-cli" --ways 3 render --view schema --out "$svg"
[ "$(grep -o '<image' "$svg" | wc -l)" -eq 3 ] || fail "the installed schematic lacks its driver pictures"

# The Debian package: its dependencies come from what is linked.
if command -v dpkg-shlibdeps >/dev/null; then
    (cd "$build" && cpack -G DEB -B "$prefix/deb" >/dev/null)
    deb=$(ls "$prefix"/deb/larkspan_*.deb)
    depends=$(dpkg-deb -f "$deb" Depends)
    for dep in libqt6widgets6 libqt6gui6 fonts-dejavu-core; do
        grep -q "$dep" <<<"$depends" || fail "the package does not depend on $dep: $depends"
    done
    contents=$(dpkg-deb -c "$deb")
    for f in ./usr/bin/larkspan ./usr/share/applications/org.larkspan.Larkspan.desktop \
             ./usr/share/mime/packages/larkspan.xml ./usr/share/man/man1/larkspan-cli.1; do
        grep -qF "$f" <<<"$contents" || fail "the package lacks $f"
    done
else
    echo "dpkg-shlibdeps is not installed: the Debian package was not built"
fi
echo "installation: ok"
