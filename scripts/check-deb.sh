#!/usr/bin/env bash
# Checks that the Debian package installs and starts on a clean Debian 12.
#
#   scripts/check-deb.sh [PACKAGE.deb]
#
# Without an argument it builds the package first (Release, in build/deb).
# Then, in a fresh minimal bookworm tree made with debootstrap, it
#   1. installs the package with apt, without recommended packages, so that
#      the declared dependencies alone have to be enough;
#   2. checks that every installed program finds all its libraries, that
#      padwrightrx and padwright-cli are on the PATH and that
#      `padwright-cli --version` runs;
#   3. checks that the manual pages, the AppStream metainfo and the sample
#      definitions are installed, and that padwright-cli reads a sample;
#   4. starts the editor as an ordinary user from the PATH, on the offscreen
#      platform and under Xvfb, and from the command of its desktop entry,
#      waiting for its window to appear on the X display;
#   5. with the desktop's file-type tools installed (shared-mime-info,
#      desktop-file-utils, xdg-utils, GIO), checks that a .ckd file is known as the
#      editor's type, that the editor is its default program, and that
#      xdg-open on a sample opens the editor with that file.
#
# Needs root, debootstrap and the Debian mirror. The pristine tree is made once
# and kept in $PADWRIGHT_CHROOT_DIR (default /var/tmp/padwright-check-deb);
# every run works on a fresh copy that is removed afterwards. The mirror is the
# one this machine's apt uses for bookworm, or $PADWRIGHT_DEB_MIRROR.
set -euo pipefail
root_dir="$(cd "$(dirname "$0")/.." && pwd)"
cache="${PADWRIGHT_CHROOT_DIR:-/var/tmp/padwright-check-deb}"
jobs="${PADWRIGHT_JOBS:-$(nproc)}"

say() { printf '\n== %s\n' "$*"; }
die() { printf 'check-deb: %s\n' "$*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || die "run as root (debootstrap, chroot and mounts need it)"
command -v debootstrap >/dev/null || die "debootstrap is missing: apt-get install debootstrap"

# --- The package ---------------------------------------------------------------
if [ $# -ge 1 ]; then
  deb="$(readlink -f "$1")"
else
  say "Building the package"
  build="$root_dir/build/deb"
  cmake -S "$root_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DPADWRIGHT_BUILD_TESTS=OFF -DPADWRIGHT_BUILD_BENCH=OFF >/dev/null
  cmake --build "$build" --parallel "$jobs"
  rm -f "$build"/padwrightrx_*.deb
  (cd "$build" && cpack -G DEB)
  deb="$(ls "$build"/padwrightrx_*.deb)"
fi
[ -f "$deb" ] || die "no package at $deb"
dpkg-deb -I "$deb" control

# --- The mirror ----------------------------------------------------------------
host_mirror() { # the first bookworm URI of this machine's apt sources
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    awk 'BEGIN { RS = ""; FS = "\n" }
         /(^|\n)Suites:[^\n]*bookworm([ \n]|$)/ && !/(^|\n)Enabled: *no/ {
           for (i = 1; i <= NF; i++) if ($i ~ /^URIs:/) { split($i, u, " "); print u[2]; exit }
         }' "$f"
  done
  { cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null || true; } |
    awk '$1 == "deb" && $0 ~ / bookworm / { for (i = 2; i <= NF; i++) if ($i ~ /:\/\//) { print $i; exit } }'
}
mirror="${PADWRIGHT_DEB_MIRROR:-$(host_mirror | head -n1)}"
mirror="${mirror:-http://deb.debian.org/debian}"

# --- A fresh bookworm tree -------------------------------------------------------
mkdir -p "$cache"
if [ ! -f "$cache/base/.complete" ]; then
  say "Making a minimal bookworm tree from $mirror (once)"
  rm -rf --one-file-system "$cache/base"
  debootstrap --variant=minbase bookworm "$cache/base" "$mirror"
  touch "$cache/base/.complete"
fi

root="$(mktemp -d "$cache/root.XXXXXX")"
mounts=()
cleanup() {
  local pid m i
  # End whatever this check started inside the tree, then unmount and remove it.
  for pid in /proc/[0-9]*; do
    [ "$(readlink "$pid/root" 2>/dev/null)" = "$root" ] && kill -9 "${pid#/proc/}" 2>/dev/null
  done
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    m="${mounts[$i]}"
    umount "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || true
  done
  if grep -qF " $root/" /proc/mounts; then
    echo "check-deb: $root still has mounts; not removing it" >&2
  else
    rm -rf --one-file-system "$root"
  fi
}
trap cleanup EXIT

say "Copying the tree to $root"
cp -a "$cache/base/." "$root/"
for m in proc sys dev dev/pts dev/shm; do
  mkdir -p "$root/$m"
  case "$m" in
    proc) mount -t proc proc "$root/proc" ;;
    sys) mount -t sysfs sysfs "$root/sys" ;;
    dev/shm) mount -t tmpfs tmpfs "$root/dev/shm" ;;
    *) mount --bind "/$m" "$root/$m" ;;
  esac
  mounts+=("$root/$m")
done
cp /etc/resolv.conf "$root/etc/resolv.conf"
printf 'deb %s bookworm main\ndeb %s bookworm-updates main\n' "$mirror" "$mirror" >"$root/etc/apt/sources.list"
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d" && chmod +x "$root/usr/sbin/policy-rc.d"

in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin \
  DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8 "$@"; }
user=editor
as_user() { chroot --userspec="$user:$user" "$root" /usr/bin/env -i HOME="/home/$user" USER="$user" \
  PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 "$@"; }

# --- Install ------------------------------------------------------------------
say "Installing $(basename "$deb") with apt"
cp "$deb" "$root/tmp/"
in_root apt-get update -qq
in_root apt-get install -y --no-install-recommends "/tmp/$(basename "$deb")" </dev/null
in_root dpkg -s padwrightrx | grep -E '^(Status|Version|Depends):'

failures=0
check() { # check DESCRIPTION COMMAND...
  if "${@:2}"; then echo "ok   $1"; else echo "FAIL $1"; failures=$((failures + 1)); fi
}

say "Checking the installed package"
files="$(in_root dpkg -L padwrightrx)"
program_dir="$(dirname "$(in_root readlink -f /usr/bin/padwrightrx)")"
echo "program folder: $program_dir"
in_root ls -l "$program_dir"

libraries_found() {
  local f out ok=0
  for f in $(in_root find "$program_dir" -maxdepth 1 -type f -perm -u+x); do
    out="$(in_root ldd "$f" 2>&1)" || continue   # not a dynamic executable
    if grep -q 'not found' <<<"$out"; then
      echo "$f:"; grep 'not found' <<<"$out"; ok=1
    fi
  done
  return $ok
}
on_path() { in_root sh -c "command -v $1" >/dev/null; }
cli_version() { local v; v="$(in_root padwright-cli --version)" && echo "     padwright-cli --version: $v" && [ -n "$v" ]; }
platform_plugins() { in_root sh -c 'ls /usr/lib/*/qt6/plugins/platforms/libqxcb.so' >/dev/null; }

check "every program in the program folder finds its libraries" libraries_found
check "the X11 platform plugin is installed" platform_plugins
check "padwrightrx is on the PATH" on_path padwrightrx
if grep -qx /usr/bin/padwright-cli <<<"$files"; then
  check "padwright-cli is on the PATH" on_path padwright-cli
  check "padwright-cli --version runs" cli_version
else
  echo "note padwright-cli is not in this package"
fi

installed() { grep -qx "$1" <<<"$files"; }
check "the manual page padwrightrx(1) is installed" installed /usr/share/man/man1/padwrightrx.1
check "the manual page padwright-cli(1) is installed" installed /usr/share/man/man1/padwright-cli.1
check "the AppStream metainfo is installed" installed /usr/share/metainfo/io.github.padwrightrx.metainfo.xml
samples="$(grep -E "^$program_dir/samples/[^/]+\.(ckd|rom)$" <<<"$files" || true)"
echo "     samples: $(echo $samples)"
has_samples() { [ -n "$samples" ]; }
check "the sample definitions are in the program folder" has_samples
sample="$(head -n1 <<<"$samples")"
reads_sample() { [ -n "$sample" ] && in_root padwright-cli dump "$sample" >/dev/null; }
check "padwright-cli reads an installed sample" reads_sample

# The user has a Documents folder, as a desktop session's first login makes.
in_root useradd --create-home --shell /bin/sh editor
in_root su editor -c 'mkdir /home/editor/Documents'

# The editor "starts" when it is still running after a few seconds.
stays_up() { # stays_up COMMAND...: runs as the user, true when killed by the timeout
  local rc=0
  as_user timeout -k 5 8 "$@" >"$root/tmp/start.log" 2>&1 || rc=$?
  if [ "$rc" -ne 124 ]; then
    echo "     exit status $rc:"; sed 's/^/     /' "$root/tmp/start.log"; return 1
  fi
}
check "the editor starts from the PATH on the offscreen platform" \
  stays_up env QT_QPA_PLATFORM=offscreen padwrightrx

say "Installing Xvfb to start the editor on an X display"
in_root apt-get install -y -qq --no-install-recommends xvfb xauth x11-utils </dev/null >/dev/null

check "the editor starts from the PATH under Xvfb" stays_up xvfb-run -a padwrightrx

desktop=/usr/share/applications/padwrightrx.desktop
entry_command="$(in_root sed -n 's/^Exec=//p' "$desktop" | sed 's/ *%[fFuU]//g')"
icon="$(in_root sed -n 's/^Icon=//p' "$desktop")"
echo "     desktop entry command: $entry_command, icon: $icon"
icon_installed() { grep -q "/hicolor/.*/apps/$icon\.\(png\|svg\)$" <<<"$files"; }
check "the desktop entry's icon is installed" icon_installed

# Starts the desktop entry's command on a fresh X display and waits (for a
# while) until a window named PadwrightRx is mapped there.
cat >"$root/tmp/window.sh" <<'EOF'
#!/bin/sh
# window.sh COMMAND [TITLE]: true once COMMAND shows a window whose title holds
# TITLE (default PadwrightRx).
title="${2:-PadwrightRx}"
$1 &
pid=$!
i=0
while [ $i -lt 60 ]; do
  for id in $(xwininfo -root -tree | sed -n "s/^ *\(0x[0-9a-f]*\) \"[^\"]*$title[^\"]*\":.*/\1/p"); do
    if xwininfo -id "$id" | grep -q IsViewable; then
      xwininfo -id "$id" | grep -E 'xwininfo:|Width:|Height:'
      kill $pid
      exit 0
    fi
  done
  # A command that hands the file on (xdg-open) may end before the window shows.
  kill -0 $pid 2>/dev/null || [ $i -lt 20 ] || { echo "the editor ended"; exit 1; }
  sleep 0.5
  i=$((i + 1))
done
echo "no main window appeared; windows on the display:"
for id in $(xwininfo -root -tree | sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p'); do
  xwininfo -id "$id" | grep -q IsViewable && xwininfo -id "$id" | sed -n 's/^xwininfo: /  /p'
done
kill $pid
exit 1
EOF
chmod +x "$root/tmp/window.sh"
window_from_entry() { as_user xvfb-run -a /tmp/window.sh "$entry_command"; }
check "the desktop entry's command opens the editor's window" window_from_entry

# A user who has never had a desktop session has no Documents folder yet.
in_root useradd --create-home --shell /bin/sh newcomer
user=newcomer
check "the editor's window opens for a user without a Documents folder" window_from_entry

say "Opening a definition from the desktop's file-type tools"
# As a file manager does it: GIO (used by GNOME's, and by xdg-open on GNOME)
# finds the type from shared-mime-info and the program from the desktop
# entries' file types.
in_root apt-get install -y -qq --no-install-recommends \
  shared-mime-info desktop-file-utils xdg-utils libglib2.0-bin </dev/null >/dev/null
cp "$root$sample" "$root/tmp/from-file-manager.ckd"
chmod 644 "$root/tmp/from-file-manager.ckd"
on_desktop() { as_user env XDG_CURRENT_DESKTOP=GNOME "$@"; }
ckd_type() {
  local type
  type="$(on_desktop xdg-mime query filetype /tmp/from-file-manager.ckd)"
  echo "     type: $type"
  [ "$type" = application/x-padwrightrx-ckd ]
}
check "a .ckd file is of the editor's file type" ckd_type
ckd_default() { [ "$(on_desktop xdg-mime query default application/x-padwrightrx-ckd)" = padwrightrx.desktop ]; }
check "the editor is the default program for .ckd files" ckd_default
opens_file() {
  on_desktop xvfb-run -a /tmp/window.sh "xdg-open /tmp/from-file-manager.ckd" from-file-manager.ckd
}
check "xdg-open on a .ckd file opens it in the editor" opens_file

echo
if [ "$failures" -ne 0 ]; then
  die "$failures check(s) failed"
fi
echo "The package installs and the editor starts on a clean Debian 12."
