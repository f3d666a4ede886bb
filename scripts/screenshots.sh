#!/usr/bin/env bash
# Takes the README's pictures of the editor's windows under Xvfb and writes
# them to docs/screenshots/. Builds nothing: build first (bootstrap.sh does).
#   scripts/screenshots.sh [BUILD_DIR] [DEFINITION_20.ckd] [DEFINITION_12.ckd]
# BUILD_DIR defaults to build/release; the definitions opened in the 20-key and
# the 12-key layout default to the samples in docs/samples/ (a loaded file
# selects the layout for its number of keys).
# Needs xvfb-run (package xvfb) and convert (imagemagick); uses pngquant when
# it is installed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build/release}" && pwd)"
sample20="$(realpath "${2:-$root/docs/samples/coffee-shop.ckd}")"
sample12="$(realpath "${3:-$root/docs/samples/ticket-desk.ckd}")"
tool="$build/tools/shots/padshots"
labeltool="$build/tools/shots/labelshots"
cli="$build/src/padwright-cli"
out="$root/docs/screenshots"
for program in "$tool" "$labeltool" "$cli"; do
  [ -x "$program" ] || { echo "screenshots.sh: $program not built" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
raw="$work/raw"
mkdir -p "$raw" "$work/run"
chmod 700 "$work/run"
export XDG_RUNTIME_DIR="$work/run"

# shoot NAME LAYOUT ADVANCED [OPTIONS...]: one start of the editor's windows
# with a fresh documents folder whose settings select the layout
# (1 = 12 keys, 2 = 20 keys) and the mode (0 = USER, 1 = ROM Edit).
shoot() {
  local name="$1" layout="$2" advanced="$3"
  shift 3
  local docs="$work/docs-$name"
  mkdir -p "$docs/Halvorsten/OstrellaPro"
  printf '[CONFIGURATION]\r\nKeypad_Layout=%s\r\nAdvanced_Enable=%s\r\n' "$layout" "$advanced" \
    >"$docs/Halvorsten/OstrellaPro/PadwrightRx.ini"
  PADWRIGHT_DOCUMENTS_DIR="$docs" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1600x1200x24" "$tool" "$raw" "$name" "$@"
}

# USER Mode: the sample named on the command line, as a user opens it.
shoot user-20 2 0 --dialogs --key 16 "$sample20"
shoot user-12 1 0 --key 19 "$sample12"
# ROM Edit Mode: started without a file (the mode's own title and button),
# then the sample as a ROM definition file, opened as Open does.
"$cli" convert --mode rom "$sample20" "$work/coffee-shop.rom" >/dev/null
"$cli" convert --mode rom "$sample12" "$work/ticket-desk.rom" >/dev/null
shoot rom-20 2 1 --dialogs --open-rom "$work/coffee-shop.rom" --key 14 --level 2
shoot rom-12 1 1 --open-rom "$work/ticket-desk.rom" --key 17 --level 2
# The check's findings and the comparison: the 20-key sample as it is being
# changed (a USB HID keyboard now, where its LED commands do nothing; a new
# price code for the latte), compared with a backup of its last download.
mkdir -p "$work/draft" "$work/Backups"
sed -e 's/^Operating_Mode=0/Operating_Mode=48/' \
    -e 's/^Level_1_Codes=50 4c 55 20 31 30 32 30 0d$/Level_1_Codes=50 4c 55 20 31 30 32 35 0d/' \
    "$sample20" >"$work/draft/coffee-shop.ckd"
backup="$work/Backups/coffee-shop 2024-05-14 09-30-12.ckd"
cp "$sample20" "$backup"
shoot user-20 2 0 --key 16 --analysis "$backup" "$work/draft/coffee-shop.ckd"
# The Key Labels Editor, a label sheet and the setup sheet of the 20-key sample.
mkdir -p "$work/docs-labels"
PADWRIGHT_DOCUMENTS_DIR="$work/docs-labels" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1600x1200x24" "$labeltool" "$raw" "$sample20"

rm -f "$out"/*.png
mkdir -p "$out"
for png in "$raw"/*.png; do
  dest="$out/$(basename "$png")"
  convert "$png" -strip "$dest"
  if command -v pngquant >/dev/null; then
    pngquant --force --skip-if-larger --strip --output "$dest" -- "$dest" || true
  fi
done
du -ch "$out"/*.png | tail -1
