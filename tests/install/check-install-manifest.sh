#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and compares the files it wrote with the
# expected list (paths under the prefix, sorted).
#   check-install-manifest.sh BUILD_DIR EXPECTED_LIST
set -euo pipefail
build_dir=$1 expected=$2
destdir=$(mktemp -d -t tidewell-install.XXXXXX)
trap 'rm -rf "$destdir"' EXIT
DESTDIR=$destdir cmake --install "$build_dir" --prefix /usr >/dev/null
if ! diff -u "$expected" <(cd "$destdir/usr" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
then
    echo "The install differs from $expected (- expected, + installed)"
    exit 1
fi
