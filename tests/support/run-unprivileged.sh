#!/bin/sh
# Runs a test executable as user nobody when started as root, so that permission bits apply.
# As any other user it runs the test directly. Usage: run-unprivileged.sh TEST [ARGS...]
# The test gets fresh HOME, XDG and TMPDIR folders owned by nobody, removed afterwards.
set -u

if [ "$(id -u)" != 0 ] || ! command -v setpriv >/dev/null 2>&1; then
    exec "$@"
fi

uid=65534
gid=65534
sandbox=$(mktemp -d /tmp/tidewell-unprivileged.XXXXXX) || exit 1
trap 'rm -rf "$sandbox"' EXIT INT TERM
mkdir -p "$sandbox/home" "$sandbox/data" "$sandbox/config" "$sandbox/cache" "$sandbox/tmp" \
    "$sandbox/bin"
chmod 711 "$sandbox"

as_nobody() {
    setpriv --reuid=$uid --regid=$gid --clear-groups -- "$@"
}

# A build tree below a private folder (a clone in a mktemp folder, say) is out of nobody's
# reach: run a copy of the executable from the sandbox then.
test=$1
shift
if ! as_nobody test -x "$test"; then
    cp "$test" "$sandbox/bin/" || exit 1
    test="$sandbox/bin/$(basename "$test")"
fi
chown -R $uid:$gid "$sandbox/home" "$sandbox/data" "$sandbox/config" "$sandbox/cache" \
    "$sandbox/tmp" "$sandbox/bin"

cd "$sandbox/home" || exit 1
HOME="$sandbox/home" XDG_DATA_HOME="$sandbox/data" XDG_CONFIG_HOME="$sandbox/config" \
    XDG_CACHE_HOME="$sandbox/cache" TMPDIR="$sandbox/tmp" as_nobody "$test" "$@"
status=$?
exit $status
