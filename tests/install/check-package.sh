#!/usr/bin/env bash
# Builds the Debian package from the build folder into a temporary folder and runs lintian on
# it: errors and warnings fail, infos are printed.
#   check-package.sh BUILD_DIR
set -euo pipefail
build_dir=$1
out=$(mktemp -d -t tidewell-package.XXXXXX)
trap 'rm -rf "$out"' EXIT
cpack --config "$build_dir/CPackConfig.cmake" -B "$out" >/dev/null
# lintian warns on stderr when it runs as root, as CI does.
findings=$(lintian --info "$out"/*.deb 2>/dev/null || true)
echo "$findings"
! grep -q '^[EW]:' <<<"$findings"
