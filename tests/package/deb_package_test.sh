#!/usr/bin/env bash
# Builds the Debian package from a build folder, unpacks it into a throwaway
# root and checks its files, its dependencies, that orvanta-cli runs from
# there, and what lintian and appstreamcli say of it where they are installed.
# Usage: deb_package_test.sh BUILD_DIR
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
            usr/share/icons/hicolor/48x48/apps/orvanta.png usr/share/man/man1/orvanta-cli.1.gz \
            usr/share/man/man1/orvanta.1.gz usr/share/doc/orvanta/copyright usr/share/doc/orvanta/changelog.gz \
            usr/share/metainfo/org.orvanta.orvanta.metainfo.xml; do
    [ -e "$work/root/$file" ] || fail "$file is not in the package"
done
# Stripped in the package, with symbols in the build folder.
[[ "$(file -b "$work/root/usr/bin/orvanta-cli")" == *", stripped"* ]] || fail "the package's orvanta-cli is not stripped"
[[ "$(file -b "$build/src/cli/orvanta-cli")" == *"not stripped"* ]] || fail "the build folder's orvanta-cli lost its symbols"
if [ -e "$build/src/app/orvanta" ]; then
    [ -x "$work/root/usr/bin/orvanta" ] || fail "usr/bin/orvanta is not in the package"
    depends="$(dpkg-deb -f "$deb" Depends)"
    echo "Depends: $depends"
    [[ "$depends" == *libqt6widgets6* ]] || fail "the package does not depend on the Qt widgets runtime"
fi
"$work/root/usr/bin/orvanta-cli" --help | grep -q "orvanta-cli compile" || fail "orvanta-cli --help did not run"
version="$("$work/root/usr/bin/orvanta-cli" --version)"
[ "$version" = "orvanta-cli Beta Ver.3.0" ] || fail "orvanta-cli --version printed \"$version\""

if command -v lintian >/dev/null; then
    lintian --fail-on error,warning --display-info "$deb" || fail "lintian reports errors or warnings"
else
    echo "SKIP lintian: not installed (tools/install-deps.sh installs it)"
fi
if command -v appstreamcli >/dev/null; then
    # --no-net: the screenshot's address is not fetched (the test runs offline).
    appstreamcli validate-tree --no-net "$work/root" || fail "appstreamcli rejects the AppStream metadata"
else
    echo "SKIP appstreamcli validate: not installed (tools/install-deps.sh installs it)"
fi
echo "package $(basename "$deb") passed"
