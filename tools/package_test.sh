#!/usr/bin/env bash
# The Debian package on a bare Debian 12: builds the release .deb, installs
# it with apt into a minimal root made by debootstrap (so its dependencies
# come from the mirror, as on a user's machine), converts the sample there
# and compares the map with the build's, then opens the installed viewer:
# first without a display, with only what the package pulls in, then in an
# X server inside the root, whose screen it photographs.
#
# Usage: tools/package_test.sh [BUILD_DIR]   (as root: debootstrap and chroot)
#   BUILD_DIR: package this configured build (say build/ci, already built by
#   the CI run) instead of configuring a release build in build/package.
# Environment: ONDREL_DEBIAN_MIRROR  the mirror (default: the one this
#              machine's apt uses); ONDREL_JOBS  build jobs (default 2).
# The bare root is cached as build/package-test/bookworm-minbase.tar and the
# downloaded packages under build/package-test/apt, so a rerun is quick;
# delete build/package-test to start cold.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source_dir="$(cd "$here/.." && pwd)"
build="$source_dir/build/package"
if [ $# -gt 0 ]; then build="$(cd "$1" && pwd)" || { echo "package test: no build folder $1" >&2; exit 1; }; fi
work="$source_dir/build/package-test"
suite=bookworm
base_tar="$work/$suite-minbase.tar"
rootfs="$work/root"
jobs="${ONDREL_JOBS:-2}"

say() { echo "package test: [${SECONDS}s] $*"; }
die() { echo "package test: FAILED: $*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || die "needs root for debootstrap and chroot (run it with sudo)"
for tool in debootstrap dpkg-shlibdeps chroot unshare python3; do
  command -v "$tool" >/dev/null || die "$tool is missing (tools/setup.sh installs it)"
done
mkdir -p "$work"
# Nothing from an earlier run may pass for this one's.
rm -f "$work"/*.log "$work/viewer.xwd" "$work/viewer.png" "$work/facility.map"

# --- the root lives in memory: quick to fill, gone with one umount -------
mounts_under_root() {
  findmnt -rn -o TARGET | awk -v r="$rootfs" '$0 == r || index($0, r "/") == 1' | sort -r
}
unmount_root() {
  local target
  # Its logs outlive it, beside the cached files.
  if [ -d "$rootfs/tmp" ]; then cp "$rootfs"/tmp/*.log "$work/" 2>/dev/null || true; fi
  # Deepest first, so nothing below a mount point stays busy.
  for target in $(mounts_under_root); do
    umount -l "$target" 2>/dev/null || true
  done
}
remove_root() {
  unmount_root
  [ -z "$(mounts_under_root)" ] || die "something is still mounted under $rootfs; not deleting it"
  rm -rf --one-file-system "$rootfs"
}
viewer_session_pid=""
on_exit() {
  [ -n "$viewer_session_pid" ] && kill "$viewer_session_pid" 2>/dev/null
  unmount_root
  if mountpoint -q "$work/base"; then umount -l "$work/base"; fi
}
trap on_exit EXIT

in_root() { chroot "$rootfs" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
# The root is thrown away after the run: dpkg need not sync every file.
apt_install() {
  in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    -o DPkg::Options::=--force-unsafe-io "$@"
}

# The mirror this machine's apt fetches Debian from, unless one is given.
host_mirror() {
  local uri
  uri="$(sed -n 's/^URIs:[[:space:]]*//p' /etc/apt/sources.list.d/*.sources 2>/dev/null \
         | tr ' ' '\n' | grep -v security | head -n 1)"
  [ -n "$uri" ] || uri="$(sed -n 's/^deb[[:space:]]\+\(http[^[:space:]]*\)[[:space:]]\+'"$suite"'[[:space:]].*/\1/p' \
                            /etc/apt/sources.list 2>/dev/null | head -n 1)"
  echo "$uri"
}
mirror="${ONDREL_DEBIAN_MIRROR:-$(host_mirror)}"

# --- 1. the package --------------------------------------------------------
say "building the package in $build"
if [ $# -eq 0 ]; then
  cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DONDREL_TESTS=OFF -DONDREL_BENCH=OFF >/dev/null
fi
[ -f "$build/CPackConfig.cmake" ] || die "$build is not a configured build of Ondrel"
cmake --build "$build" -j "$jobs" >/dev/null
rm -rf "$work/deb"
cpack --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null
debs=("$work"/deb/ondrel_*.deb)
[ -f "${debs[0]}" ] || die "CPack made no .deb in $work/deb"
deb="${debs[0]}"
say "$(basename "$deb"): $(dpkg-deb -f "$deb" Depends)"

# --- 2. a bare Debian 12 root -------------------------------------------------
if [ ! -s "$base_tar" ]; then
  say "debootstrap $suite (minbase) from ${mirror:-the default mirror of debootstrap}"
  base="$work/base"
  umount -l "$base" 2>/dev/null || true
  rm -rf --one-file-system "$base"
  mkdir -p "$base"
  mount -t tmpfs -o size=2g,mode=0755 ondrel-package-base "$base"
  if ! debootstrap --variant=minbase "$suite" "$base" ${mirror:+"$mirror"} \
       >"$work/debootstrap.log" 2>&1; then
    tail -n 5 "$work/debootstrap.log" >&2
    umount -l "$base"
    die "debootstrap could not build a $suite root from ${mirror:-its default mirror}" \
        "(no network, or the mirror is unreachable; log: $work/debootstrap.log)." \
        "The clean-root install test did NOT run."
  fi
  tar -C "$base" -cf "$base_tar.part" . && mv "$base_tar.part" "$base_tar"
  umount -l "$base"
fi

say "a fresh root from the cached $suite minbase"
remove_root
mkdir -p "$rootfs"
mount -t tmpfs -o size=4g,mode=0755 ondrel-package-root "$rootfs"
tar -C "$rootfs" -xf "$base_tar"
mount -t proc proc "$rootfs/proc"
mount --rbind /dev "$rootfs/dev"
mount --make-rslave "$rootfs/dev"
mkdir -p "$work/apt/archives/partial" "$work/apt/lists/partial"
mount --bind "$work/apt/archives" "$rootfs/var/cache/apt/archives"
mount --bind "$work/apt/lists" "$rootfs/var/lib/apt/lists"
cp -L /etc/resolv.conf "$rootfs/etc/resolv.conf"
# Packages must not start services in the root.
printf '#!/bin/sh\nexit 101\n' >"$rootfs/usr/sbin/policy-rc.d"
chmod 755 "$rootfs/usr/sbin/policy-rc.d"
# A fresh installation also follows the point-release updates.
sed -n 's/^deb \([^ ]*\) '"$suite"' main$/deb \1 '"$suite"'-updates main/p' \
  "$rootfs/etc/apt/sources.list" >>"$rootfs/etc/apt/sources.list"

# --- 3. apt installs the package and what it depends on --------------------
cp "$deb" "$rootfs/tmp/"
in_root apt-get update -qq >"$work/apt-update.log" 2>&1 \
  || { tail -n 5 "$work/apt-update.log" >&2; die "apt could not reach the mirror from the root (log: $work/apt-update.log)"; }
say "apt install $(basename "$deb") (without recommended packages)"
apt_install "/tmp/$(basename "$deb")" >"$work/apt-install.log" 2>&1 \
  || { tail -n 20 "$work/apt-install.log" >&2; die "the package did not install (log: $work/apt-install.log)"; }

# --- 4. the installed converter writes the build's map -----------------------
cp "$source_dir/samples/facility.txt" "$rootfs/tmp/facility.txt"
in_root ondrel-convert -o /tmp/facility.map /tmp/facility.txt \
  || die "the installed ondrel-convert failed on the sample"
"$build/cli/ondrel-convert" -q -o "$work/facility.map" "$source_dir/samples/facility.txt"
cmp "$rootfs/tmp/facility.map" "$work/facility.map" \
  || die "the installed converter's map differs from the build's"
say "the installed ondrel-convert wrote the same map as the build"

# --- 5. the installed viewer draws with only what the package brought -------
in_root env SDL_VIDEODRIVER=offscreen ondrel -quitafterframe:3 -noerrormsgboxes /tmp/facility.txt \
  || die "the installed viewer did not run three frames offscreen (exit $?)"
say "the installed viewer ran three frames offscreen"

# --- 6. ... and in an X server, photographed -------------------------------
apt_install xvfb xdotool >"$work/apt-x.log" 2>&1 || { tail -n 20 "$work/apt-x.log" >&2; die "xvfb and xdotool did not install in the root"; }
mkdir -p "$rootfs/tmp/screen"
rm -f "$rootfs"/tmp/{ready,stop,viewer.exit,window.geometry}
# The session: Xvfb keeps its screen as a file (-fbdir) that this script
# reads from outside. The viewer flies back and to the right until the
# level fills its view, says it is ready, and quits with Escape when told
# to. Its own network namespace keeps the X server apart from any other on
# this machine.
cat >"$rootfs/tmp/viewer-session.sh" <<'SESSION'
#!/bin/sh
Xvfb :1 -screen 0 1024x768x24 -nolisten tcp -fbdir /tmp/screen >/tmp/xvfb.log 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -e /tmp/.X11-unix/X1 ] && break; sleep 0.1; done
export DISPLAY=:1
ondrel -noerrormsgboxes -width:800 -height:600 /tmp/facility.txt >/tmp/viewer.log 2>&1 &
viewer=$!
window="$(timeout 60 xdotool search --sync --onlyvisible --name '^Ondrel$' | head -n 1)"
if [ -n "$window" ]; then
  xdotool windowfocus --sync "$window" && sleep 1
  xdotool getwindowgeometry --shell "$window" >/tmp/window.geometry
  xdotool keydown s keydown d sleep 1.5 keyup d sleep 3.5 keyup s
  sleep 1
fi
touch /tmp/ready
while [ ! -e /tmp/stop ] && kill -0 "$viewer" 2>/dev/null; do sleep 0.2; done
[ -n "$window" ] && xdotool windowfocus --sync "$window" key Escape
for _ in $(seq 100); do kill -0 "$viewer" 2>/dev/null || break; sleep 0.2; done
kill -KILL "$viewer" 2>/dev/null
wait "$viewer"
echo $? >/tmp/viewer.exit
kill "$xvfb"
wait "$xvfb" 2>/dev/null
SESSION
chmod 755 "$rootfs/tmp/viewer-session.sh"
say "the installed viewer in Xvfb inside the root"
unshare --net chroot "$rootfs" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/root LANG=C.UTF-8 \
  GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 /tmp/viewer-session.sh &
viewer_session_pid=$!
for _ in $(seq 240); do
  [ -e "$rootfs/tmp/ready" ] && break
  kill -0 "$viewer_session_pid" 2>/dev/null || break
  sleep 0.5
done
screen="$rootfs/tmp/screen/Xvfb_screen0"
[ -s "$screen" ] && cp "$screen" "$work/viewer.xwd"
touch "$rootfs/tmp/stop"
wait "$viewer_session_pid" || true
viewer_session_pid=""
[ -f "$work/viewer.xwd" ] || die "Xvfb kept no screen in the root (see $work/xvfb.log)"
[ -s "$rootfs/tmp/window.geometry" ] || die "the installed viewer's window never showed (log: $work/viewer.log)"
# The 3D view: the window less the statistics line and the panels' column.
region="$(. "$rootfs/tmp/window.geometry"; echo "$X,$((Y + 40)),$((WIDTH - 160)),$((HEIGHT - 40))")"
check="$(python3 "$here/screen_check.py" "$work/viewer.xwd" --png "$work/viewer.png" \
           --clear 004040 --region "$region")" && drawn=1 || drawn=0
say "$(echo "$check" | tr '\n' ' ')(picture: $work/viewer.png)"
[ "$drawn" -eq 1 ] || die "the installed viewer did not show the level (viewer log: $work/viewer.log)"
exit_code="$(cat "$rootfs/tmp/viewer.exit" 2>/dev/null || echo none)"
[ "$exit_code" = 0 ] || die "the installed viewer ended with exit code $exit_code after Escape (log: $work/viewer.log)"
say "the installed viewer drew the level in an X server and quit with Escape"

remove_root
say "passed"
