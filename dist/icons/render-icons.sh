#!/usr/bin/env bash
# Renders the PNG icons from the SVG drawings, then packs them into the Windows program's icon
# (win/cogitelle.ico). The PNGs and the icon are committed, so only someone who changes a drawing
# runs this (needs rsvg-convert, Debian package librsvg2-bin, and python3).
# 16, 22 and 24 pixels have drawings of their own on the pixel grid; larger sizes scale cogitelle.svg.
set -euo pipefail
cd "$(dirname "$0")"
if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "error: rsvg-convert not found (apt-get install librsvg2-bin)" >&2
    exit 1
fi
mkdir -p png
for taille in 16 22 24 32 48 64 128 256; do
    case $taille in
        16|22|24) source=cogitelle-$taille.svg ;;
        *) source=cogitelle.svg ;;
    esac
    rsvg-convert --width "$taille" --height "$taille" --output "png/cogitelle-$taille.png" "$source"
    echo "png/cogitelle-$taille.png from $source"
done
# The Windows icon: the sizes Windows shows (22 pixels is a Linux size only).
python3 ico.py ../../win/cogitelle.ico png/cogitelle-{16,24,32,48,64,128,256}.png
echo "../../win/cogitelle.ico from png/"
