# Sourced by the tests of an installed tree: installs the build given as
# the script's arguments (<cmake> <build-dir>) into a fresh prefix, $prefix,
# which goes away when the script ends.
set -u
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
"$1" --install "$2" --prefix "$prefix" >/dev/null || exit 1
