#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metadata the way distributions do, and checks
# that the release notes and the screenshots follow the program.
#   check-metadata.sh DESKTOP METAINFO_SOURCE METAINFO_BUILT CHANGELOG SCREENSHOT_TOOL VERSION
set -uo pipefail
desktop=$1 metainfo_source=$2 metainfo=$3 changelog=$4 screenshot_tool=$5 version=$6
failed=0
fail() { echo "$*"; failed=1; }

# desktop-file-validate exits 0 on warnings; any output is a finding.
findings=$(desktop-file-validate "$desktop" 2>&1)
[[ -z $findings ]] || fail "desktop-file-validate: $findings"

# Pedantic notes and infos may stay; errors and warnings may not.
findings=$(appstreamcli validate --no-net "$metainfo" 2>&1)
status=$?
if [[ $status -ne 0 ]] || grep -q '^[EW]:' <<<"$findings"; then
    fail "appstreamcli validate: $findings"
fi

latest_release=$(grep -o -m1 '<release version="[^"]*"' "$metainfo_source" | cut -d'"' -f2)
[[ $latest_release == "$version" ]] ||
    fail "metainfo: latest release is '$latest_release', the program is $version"
latest_changelog=$(zcat -f "$changelog" | sed -n '1s/^tidewell (\([^)]*\)).*/\1/p')
[[ $latest_changelog == "$version" ]] ||
    fail "changelog: latest entry is '$latest_changelog', the program is $version"

# scripts/screenshots writes NAME-light.png and NAME-dark.png for each state it shoots.
while read -r image; do
    state=${image%-*.png}
    [[ $image =~ -(light|dark)\.png$ ]] && grep -q "\"$state\"" "$screenshot_tool" ||
        fail "metainfo: scripts/screenshots writes no '$image'"
done < <(sed -n 's|.*<image>\(.*\)</image>.*|\1|p' "$metainfo_source")
exit $failed
