#!/usr/bin/env bash
# Installs a build tree into a fresh prefix and checks the installed layout:
#   - the editor and every other program and file it looks up beside itself
#     are together in the program folder;
#   - the binary folder holds nothing but launchers, and each launcher leads
#     to its program in the program folder, also after the prefix is moved;
#   - installed programs do not load anything from the build tree;
#   - the desktop entry starts an installed launcher, and its icon and file
#     type are installed;
#   - the AppStream metainfo names the desktop entry; the manual pages are there.
#
# usage: check-install.sh --build DIR --prefix DIR --programdir REL --bindir REL
#          --datadir REL --programs "A B" --files "F" --launchers "name=program ..."
set -uo pipefail

programs="" files="" launchers=""
while [ $# -gt 0 ]; do
  case "$1" in
    --build) build="$2" ;;
    --prefix) prefix="$2" ;;
    --programdir) programdir="$2" ;;
    --bindir) bindir="$2" ;;
    --datadir) datadir="$2" ;;
    --programs) programs="$2" ;;
    --files) files="$2" ;;
    --launchers) launchers="$2" ;;
    *) echo "unknown argument: $1" >&2; exit 2 ;;
  esac
  shift 2
done

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
under() { case "$1" in /*) echo "$1" ;; *) echo "$2/$1" ;; esac; }

rm -rf "$prefix" "$prefix.moved"
if ! out=$(cmake --install "$build" --prefix "$prefix" 2>&1); then
  echo "$out"
  fail "cmake --install failed"
  exit 1
fi

progdir=$(under "$programdir" "$prefix")
bin=$(under "$bindir" "$prefix")
share=$(under "$datadir" "$prefix")

# --- Program folder ---------------------------------------------------------
[ -x "$progdir/PadwrightRx" ] || fail "the editor is not in the program folder $progdir"
for p in $programs; do
  [ -f "$progdir/$p" ] && [ -x "$progdir/$p" ] || fail "program $p is not beside the editor in $progdir"
done
for f in $files; do
  [ -s "$progdir/$f" ] || fail "$f is not beside the editor in $progdir"
done

# --- Launchers --------------------------------------------------------------
check_launchers() { # check_launchers PROGRAM_FOLDER BIN_FOLDER WHEN
  local pd="$1" bd="$2" when="$3" entry name program
  for entry in $launchers; do
    name="${entry%%=*}" program="${entry#*=}"
    if [ ! -L "$bd/$name" ]; then
      fail "launcher $name is missing from $bd$when"
    elif [ "$(readlink -f "$bd/$name")" != "$(readlink -f "$pd/$program")" ]; then
      fail "launcher $name leads to $(readlink -f "$bd/$name"), not to $pd/$program$when"
    fi
  done
}
check_launchers "$progdir" "$bin" ""

if [ -d "$bin" ]; then
  for f in "$bin"/*; do
    [ -e "$f" ] || [ -L "$f" ] || continue
    name=$(basename "$f")
    case " $launchers " in
      *" $name="*) ;;
      *) fail "$name is installed in $bin; programs belong in the program folder $progdir" ;;
    esac
  done
fi

# A launcher that resolves to the program folder lets the program find its
# own folder; padwright-cli reports its version without any other files.
case " $launchers " in
  *" padwright-cli="*)
    if ! version=$("$bin/padwright-cli" --version 2>&1) || [ -z "$version" ]; then
      fail "padwright-cli --version through the launcher failed: $version"
    fi
    ;;
esac

# --- Nothing from the build tree --------------------------------------------
if command -v readelf >/dev/null; then
  build_real=$(readlink -f "$build")
  for f in "$progdir"/*; do
    [ -f "$f" ] && [ -x "$f" ] || continue
    if readelf -d "$f" 2>/dev/null | grep -E 'R(UN)?PATH' | grep -qF "$build_real"; then
      fail "$(basename "$f") keeps a library path into the build tree"
    fi
  done
fi

# --- Desktop entry, icons, file type ------------------------------------------
desktop="$share/applications/padwrightrx.desktop"
if [ ! -f "$desktop" ]; then
  fail "no desktop entry at $desktop"
else
  exec_line=$(sed -n 's/^Exec=//p' "$desktop")
  command=${exec_line%% *}
  case " $launchers " in
    *" $command="*) ;;
    *) fail "the desktop entry starts '$command', which is not an installed launcher" ;;
  esac
  grep -qx 'Type=Application' "$desktop" || fail "the desktop entry is not an application"
  if command -v desktop-file-validate >/dev/null; then
    report=$(desktop-file-validate "$desktop" 2>&1 | grep -v ': hint: ')
    [ -z "$report" ] || fail "desktop-file-validate: $report"
  fi

  icon=$(sed -n 's/^Icon=//p' "$desktop")
  hicolor="$share/icons/hicolor"
  [ -f "$hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"
  for size in 16 24 32 48 64 128 256; do
    png="$hicolor/${size}x${size}/apps/$icon.png"
    if [ ! -f "$png" ]; then
      fail "no ${size}x${size} icon"
      continue
    fi
    # Width and height are the big-endian words at bytes 16 and 20.
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
      awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "the ${size}x${size} icon is ${w}x${h}"
  done

  for type in $(sed -n 's/^MimeType=//p' "$desktop" | tr ';' ' '); do
    grep -qs "type=\"$type\"" "$share"/mime/packages/*.xml || fail "file type $type is not defined"
  done
fi

# --- Software centre entry and manual pages ----------------------------------
metainfo="$share/metainfo/io.github.padwrightrx.metainfo.xml"
if [ ! -f "$metainfo" ]; then
  fail "no AppStream metainfo at $metainfo"
elif [ -f "${desktop:-}" ]; then
  launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
  [ "$launchable" = "$(basename "$desktop")" ] || fail "the metainfo launches '$launchable', not $(basename "$desktop")"
fi
for page in padwrightrx padwright-cli; do
  [ -s "$share/man/man1/$page.1" ] || fail "no manual page $page.1 in $share/man/man1"
done

# --- A moved prefix keeps its launchers ----------------------------------------
if [[ "$programdir" != /* && "$bindir" != /* ]]; then
  mv "$prefix" "$prefix.moved"
  check_launchers "$prefix.moved/$programdir" "$prefix.moved/$bindir" " after moving the prefix"
  mv "$prefix.moved" "$prefix"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures problem(s) in the installed layout under $prefix"
  exit 1
fi
echo "Installed layout under $prefix is complete."
