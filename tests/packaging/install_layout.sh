#!/bin/sh
# What `cmake --install` lays out is what a desktop and `man` need: every
# program in bin runs from there and has a manual page that renders without
# warnings; the desktop entry is valid, starts an installed program and names
# an installed icon; the docs sit in share/doc/ondrel.
# Usage: install_layout.sh <cmake> <build-dir>
. "$(dirname "$0")/../support/temp_install.sh"

failures=0
fail() { echo "install layout: $*"; failures=$((failures + 1)); }

[ -n "$(ls "$prefix/bin")" ] || fail "nothing in bin"
for program in "$prefix"/bin/*; do
  name="$(basename "$program")"
  [ -x "$program" ] || fail "bin/$name is not executable"
  page="$prefix/share/man/man1/$name.1"
  if [ ! -f "$page" ]; then
    fail "bin/$name has no manual page share/man/man1/$name.1"
    continue
  fi
  warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)"
  [ -z "$warnings" ] || fail "share/man/man1/$name.1 renders with warnings: $warnings"
done
"$prefix/bin/ondrel-convert" --version >/dev/null || fail "the installed ondrel-convert does not run"

for doc in README.md copyright; do
  [ -s "$prefix/share/doc/ondrel/$doc" ] || fail "share/doc/ondrel/$doc is missing"
done

# The rest belongs to the viewer, built only with the window stack.
if [ -e "$prefix/bin/ondrel" ]; then
  [ -s "$prefix/share/ondrel/Media/UI/Controls.dds" ] || fail "the skin is not under share/ondrel/Media"
  entry="$prefix/share/applications/ondrel.desktop"
  if [ ! -f "$entry" ]; then
    fail "share/applications/ondrel.desktop is missing"
  else
    desktop-file-validate "$entry" || fail "the desktop entry is not valid"
    exec_program="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")"
    [ -x "$prefix/bin/$exec_program" ] || fail "the desktop entry starts '$exec_program', which is not in bin"
    icon="$(sed -n 's/^Icon=//p' "$entry")"
    found="$(find "$prefix/share/icons/hicolor" -path "*/apps/$icon.*" 2>/dev/null | head -n 1)"
    if [ -z "$found" ]; then
      fail "the desktop entry's icon '$icon' is not installed under share/icons/hicolor"
    else
      case "$found" in
        *.svg) python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])' "$found" \
                 || fail "the icon $found is not well-formed" ;;
      esac
    fi
  fi
fi

[ "$failures" -eq 0 ] && echo "install layout: all in place"
[ "$failures" -eq 0 ]
