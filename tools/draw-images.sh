#!/bin/sh
# Draws the program's own banner and window icon into src/resources/.
set -e
cd "$(dirname "$0")/../src/resources"
FONT=$(fc-list :lang=zh -f '%{file}\n' | grep -i wqy | head -1)
convert -size 500x50 gradient:'#7ec8f2'-'#e8f7ff' \
  \( -size 500x50 xc:none -fill 'rgba(255,255,255,0.55)' \
     -draw "ellipse 380,30 60,14 0,360" -draw "ellipse 430,22 45,12 0,360" \
     -draw "ellipse 120,38 70,10 0,360" \) -composite \
  -font "$FONT" -pointsize 25 -fill '#17427a' -annotate +14+34 'QuillmossJava编译器' \
  -pointsize 12 -fill '#2d6a4f' -annotate +318+44 '编写 · 编译 · 运行' \
  -depth 8 banner.png
convert \( -size 256x256 radial-gradient:'#5cc98a'-'#1d6f42' \) \
  \( -size 256x256 xc:none -fill white -draw "roundrectangle 8,8 247,247 44,44" \) \
  -compose DstIn -composite -compose over \
  -font DejaVu-Sans-Bold -pointsize 170 -fill white -gravity center -annotate +0+10 'J' \
  -fill '#ffd166' -draw "path 'M 190,40 C 150,60 120,110 112,170 L 124,168 C 136,118 160,76 200,52 Z'" \
  -depth 8 icon.png
