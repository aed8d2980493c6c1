#!/usr/bin/env bash
# Renders the PNG sizes of the icons from their SVG sources
# (packaging/icons/hicolor/scalable/*/). Run after changing an SVG and commit
# the PNGs with it, so that building needs no SVG renderer.
# Needs rsvg-convert (Debian: librsvg2-bin) and optipng when present.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)/packaging/icons/hicolor"
for svg in "$root"/scalable/*/*.svg; do
  kind="$(basename "$(dirname "$svg")")"
  name="$(basename "$svg" .svg)"
  for size in 16 24 32 48 64 128 256; do
    out="$root/${size}x${size}/$kind/$name.png"
    mkdir -p "$(dirname "$out")"
    rsvg-convert -w "$size" -h "$size" "$svg" -o "$out"
    if command -v optipng >/dev/null; then optipng -quiet -o5 "$out"; fi
  done
done
