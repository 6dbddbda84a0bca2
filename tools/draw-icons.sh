#!/bin/sh
# Renders the desktop icons of every size the package installs from the one
# drawing, packaging/icons/quillmoss-java.svg. Needs rsvg-convert
# (librsvg2-bin); run it after changing the drawing and commit the pictures.
set -e
cd "$(dirname "$0")/../packaging/icons"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" quillmoss-java.svg -o "quillmoss-java-$size.png"
done
