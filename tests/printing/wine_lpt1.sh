#!/bin/sh
# wine_lpt1.sh OBJECT EMULATOR PROGRAM [ARGS...]
# Points Wine's LPT1 ($WINEPREFIX/dosdevices/lpt1) at OBJECT, runs the
# Windows test PROGRAM through EMULATOR, then removes the link again.
#   file      a regular file          fifo      a FIFO
#   full      /dev/full               missing   no link at all
#   dangling  a link to a path that does not exist
# The test finds out through VELMORA_TEST_LPT1 (OBJECT) and
# VELMORA_TEST_LPT1_TARGET (the object's Windows path, under Z:).
set -eu
object="$1" emulator="$2"
shift 2
: "${WINEPREFIX:?needs the Wine prefix made by scripts/lib/wine.sh}"

link="$WINEPREFIX/dosdevices/lpt1"
dir="$(mktemp -d /tmp/velmora-lpt1-XXXXXX)"
trap 'rm -f "$link"; rm -rf "$dir"' EXIT

rm -f "$link"
case "$object" in
  file)     target="$dir/ticket.bin"; : >"$target"; ln -s "$target" "$link" ;;
  fifo)     target="$dir/fifo"; mkfifo "$target"; ln -s "$target" "$link" ;;
  full)     target=/dev/full; ln -s "$target" "$link" ;;
  missing)  target="" ;;
  dangling) target="$dir/absent"; ln -s "$target" "$link" ;;
  *) echo "wine_lpt1.sh: unknown object '$object'" >&2; exit 2 ;;
esac

VELMORA_TEST_LPT1="$object" VELMORA_TEST_LPT1_TARGET="${target:+Z:$target}" \
  "$emulator" "$@"
