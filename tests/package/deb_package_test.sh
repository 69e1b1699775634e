#!/usr/bin/env bash
# Builds the Debian package from a build folder, unpacks it into a throwaway
# root and checks its files, its dependencies, and that orvanta-cli runs from
# there.  Usage: deb_package_test.sh BUILD_DIR
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb="$(ls "$work"/package/*.deb)"
dpkg -x "$deb" "$work/root"

fail() { echo "FAIL: $*"; exit 1; }
for file in usr/bin/orvanta-cli usr/share/applications/orvanta.desktop \
            usr/share/icons/hicolor/scalable/apps/orvanta.svg \
            usr/share/icons/hicolor/48x48/apps/orvanta.png usr/share/man/man1/orvanta-cli.1 \
            usr/share/man/man1/orvanta.1; do
    [ -e "$work/root/$file" ] || fail "$file is not in the package"
done
if [ -e "$build/src/app/orvanta" ]; then
    [ -x "$work/root/usr/bin/orvanta" ] || fail "usr/bin/orvanta is not in the package"
    depends="$(dpkg-deb -f "$deb" Depends)"
    echo "Depends: $depends"
    [[ "$depends" == *libqt6widgets6* ]] || fail "the package does not depend on the Qt widgets runtime"
fi
"$work/root/usr/bin/orvanta-cli" --help | grep -q "orvanta-cli compile" || fail "orvanta-cli --help did not run"
version="$("$work/root/usr/bin/orvanta-cli" --version)"
[ "$version" = "orvanta-cli Beta Ver.3.0" ] || fail "orvanta-cli --version printed \"$version\""
echo "package $(basename "$deb") passed"
