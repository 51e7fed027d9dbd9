#!/bin/sh
# SPDX-FileCopyrightText: 2026 Zifferon developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the committed PNG icons from the hand-drawn SVGs. Only needed after an SVG
# changed; the build installs the committed PNGs and needs no converter.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -eu
cd "$(dirname "$0")"
id=de.zifferon.Zifferon
for size in 16 32 48 64 128 256; do
    # 16 and 32 pixels have their own drawings on the pixel grid; the others scale the main one.
    source=$id.svg
    if [ -f small/$id-$size.svg ]; then
        source=small/$id-$size.svg
    fi
    mkdir -p ${size}x${size}
    rsvg-convert --width=$size --height=$size --format=png "$source" --output ${size}x${size}/$id.png
done
# The icon of task files in file managers.
for size in 16 32 48 64 128 256; do
    rsvg-convert --width=$size --height=$size --format=png application-x-zifferon-aufgabe.svg \
        --output ${size}x${size}/application-x-zifferon-aufgabe.png
done
