#!/usr/bin/env bash
# Draws every image the installer embeds and writes it into resources/.
# The outputs are kept in the repository, so a build never needs ImageMagick;
# run this again only after changing the artwork.
#
#   130 logo of the protection product     239x34   PNG, RGBA
#   131 blue button face                    97x33   PNG, RGBA
#   132 white-grey button face              97x33   PNG, RGBA
#   134 green check mark                    14x14   PNG, RGBA
#   135 red cross                           14x14   PNG, RGBA
#   137 shield                             164x164  PNG, RGBA
#   138 protection banner                  160x45   PNG, RGBA
#   139 logo of the archiver               192x45   PNG, RGBA
#   136 progress spinner                   512x512  GIF, 12 frames
#   128 installer icon, 140 shield icon    16, 32 and 48 px in one .ico each
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=$(cd "$here/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

command -v convert >/dev/null || { echo "draw.sh: ImageMagick's convert is needed" >&2; exit 1; }

regular=DejaVu-Sans
bold=DejaVu-Sans-Bold

navy='#263989'      # the theme's blue
navy_dark='#18245E'
grey_text='#5A6482'

# PNGs are forced to 8-bit RGBA and written without time stamps, so running the
# script twice gives the same bytes.
write_png() { # <source image> <target name>
    convert "$1" -strip -define png:exclude-chunks=date,time,tIME "PNG32:$out/$2"
}

# A shield outline in a 164x164 box; other sizes scale it.
shield_path="M 82,6 C 106,19 128,25 153,25 C 153,94 129,137 82,160 C 35,137 11,94 11,25 C 36,25 58,19 82,6 Z"

# shield <size> <target.png>: dark rim, lighter body with a vertical gradient,
# white check in the middle.
shield() {
    local size=$1 target=$2
    convert -size 164x164 xc:none -fill "$navy_dark" -draw "path '$shield_path'" "$work/rim.png"
    convert -size 164x164 gradient:"#6C8CF0-#223287" \
        \( -size 164x164 xc:black -fill white \
           -draw "translate 82,83 scale 0.84,0.84 translate -82,-83 path '$shield_path'" -alpha off \) \
        -compose CopyOpacity -composite "$work/body.png"
    # A soft highlight over the left half of the body.
    convert -size 164x164 xc:none -fill 'rgba(255,255,255,0.18)' \
        -draw "translate 82,83 scale 0.84,0.84 translate -82,-83 path 'M 82,6 C 58,19 36,25 11,25 C 11,94 35,137 82,160 Z'" \
        "$work/shine.png"
    convert "$work/rim.png" "$work/body.png" -composite "$work/shine.png" -composite \
        -fill none -stroke white -strokewidth 15 -draw "stroke-linecap round stroke-linejoin round polyline 52,84 74,107 115,59" \
        -resize "${size}x${size}" "$target"
}

# --- 137: shield ---------------------------------------------------------------
shield 164 "$work/shield164.png"
write_png "$work/shield164.png" shield.png

# --- 130: protection product's logo: maker above product ----------------------
shield 32 "$work/shield32.png"
convert -size 239x34 xc:none \
    "$work/shield32.png" -geometry +2+1 -composite \
    -font "$bold" -pointsize 9 -kerning 2.2 -fill "$grey_text" -annotate +40+10 'VARNHELM' \
    -font "$bold" -pointsize 19 -kerning 0.3 -fill "$navy" -annotate +39+31 'Sentovar' \
    "$work/logo.png"
write_png "$work/logo.png" logo.png

# --- 131, 132: button faces ----------------------------------------------------
# face <top colour> <bottom colour> <rim colour> <target>
face() {
    convert -size 97x33 gradient:"$1-$2" \
        \( -size 97x33 xc:black -fill white -draw "roundrectangle 0,0 96,32 7,7" -alpha off \) \
        -compose CopyOpacity -composite -compose Over \
        -fill 'rgba(255,255,255,0.22)' -draw "roundrectangle 2,2 94,15 6,6" \
        -fill none -stroke "$3" -strokewidth 1 -draw "roundrectangle 0.5,0.5 96.5,32.5 7,7" \
        "$4"
}
face '#5F82EA' "$navy" "$navy_dark" "$work/face_blue.png"
write_png "$work/face_blue.png" button_blue.png
face '#FFFFFF' '#D5D9E0' '#9299A6' "$work/face_grey.png"
write_png "$work/face_grey.png" button_grey.png

# --- 134, 135: check mark and cross -------------------------------------------
convert -size 14x14 xc:none -fill none -stroke '#2E9E3E' -strokewidth 2.6 \
    -draw "stroke-linecap round stroke-linejoin round polyline 2.5,7.5 5.6,10.6 11.5,3.4" "$work/check.png"
write_png "$work/check.png" check.png
convert -size 14x14 xc:none -fill none -stroke '#C62828' -strokewidth 2.4 \
    -draw "stroke-linecap round line 3.5,3.5 10.5,10.5" -draw "stroke-linecap round line 10.5,3.5 3.5,10.5" "$work/cross.png"
write_png "$work/cross.png" cross.png

# --- 138: protection banner ----------------------------------------------------
shield 37 "$work/shield37.png"
convert -size 160x45 gradient:'#EEF2FD-#D3DCF6' \
    \( -size 160x45 xc:black -fill white -draw "roundrectangle 0,0 159,44 8,8" -alpha off \) \
    -compose CopyOpacity -composite -compose Over \
    -fill none -stroke '#9AAAE0' -strokewidth 1 -draw "roundrectangle 0.5,0.5 159.5,44.5 8,8" -stroke none \
    "$work/shield37.png" -geometry +6+4 -composite \
    -font "$bold" -pointsize 12 -fill "$navy" -annotate +49+20 'Safe searching' \
    -font "$regular" -pointsize 10 -fill "$grey_text" -annotate +49+35 'with Sentovar' \
    "$work/banner.png"
write_png "$work/banner.png" banner.png

# --- 139: archiver's logo -------------------------------------------------------
# A parcel with a zip band: orange box, darker lid line, striped band.
archive_box() { # <size> <target>
    convert -size 96x96 xc:none \
        -fill '#B4510F' -draw "roundrectangle 6,10 90,90 12,12" \
        \( -size 96x96 gradient:'#FFB347-#E8741E' \
           \( -size 96x96 xc:black -fill white -draw "roundrectangle 9,13 87,87 10,10" -alpha off \) \
           -compose CopyOpacity -composite \) -compose Over -composite \
        -fill '#B4510F' -draw "rectangle 9,34 87,38" \
        -fill '#5B3A1E' -draw "rectangle 40,13 56,87" \
        -fill '#E9D7B0' -draw "rectangle 44,17 52,21 rectangle 44,27 52,31 rectangle 44,43 52,47 rectangle 44,53 52,57 rectangle 44,63 52,67" \
        -fill '#C8CED8' -stroke '#7A808C' -strokewidth 2 -draw "roundrectangle 41,70 55,84 3,3" \
        -resize "$1x$1" "$2"
}
archive_box 40 "$work/box40.png"
convert -size 192x45 xc:none \
    "$work/box40.png" -geometry +2+2 -composite \
    -font "$bold" -pointsize 29 -kerning 0.5 -fill '#3B3F47' -annotate +48+33 'Quobex' \
    "$work/quobex.png"
write_png "$work/quobex.png" quobex.png

# --- 136: progress spinner --------------------------------------------------------
# Twelve dots on a ring; the bright one walks clockwise, its trail fades out. Every
# frame is coloured: plain grey frames get an extra extension block that makes
# some GIF readers report a zero delay. All frames are drawn in one command, since
# frames read back from intermediate files carry a rounded gamma, and that makes
# the writer add such a block (an "ImageMagick" application extension) too.
shades=('#263989' '#3A4F9E' '#5266B0' '#6B7DC0' '#8494CE' '#9CAADA' '#B2BEE4' '#C3CCEB' '#C3CCEB' '#C3CCEB' '#C3CCEB' '#C3CCEB')
frames=()
for frame in $(seq 0 11); do
    draw=""
    for dot in $(seq 0 11); do
        # The leading dot of frame k sits at position k; dots behind it get lighter.
        age=$(( (frame - dot + 12) % 12 ))
        read -r cx cy < <(awk "BEGIN { a = $dot * 3.14159265 / 6; printf \"%.1f %.1f\\n\", 256 + 168 * sin(a), 256 - 168 * cos(a) }")
        r=$(( 46 - age * 2 ))
        draw+="fill '${shades[$age]}' circle $cx,$cy $(awk "BEGIN { print $cx + $r }"),$cy "
    done
    frames+=( \( -size 512x512 xc:none -draw "$draw" -channel A -threshold 50% +channel \) )
done
convert -delay 8 -dispose Background "${frames[@]}" -loop 0 -strip "GIF:$out/process.gif"
# The background the frames are disposed to must be the transparent colour: some
# decoders fill a disposed frame with the screen's background colour, which would
# put the dots on a solid square instead of the page.
python3 - "$out/process.gif" <<'PY'
import sys
path = sys.argv[1]
data = bytearray(open(path, 'rb').read())
control = data.find(b'\x21\xf9\x04')
if control < 0 or not data[control + 3] & 1:
    sys.exit('draw.sh: process.gif has no transparent colour')
data[11] = data[control + 6]
open(path, 'wb').write(data)
PY
# Check what was written: twelve frames, each with a real delay, and no extra
# application block that would make a reader lose the delays.
delays=$(identify -format '%T ' "$out/process.gif")
[ "$(wc -w <<<"$delays")" -eq 12 ] && ! grep -qw 0 <<<"$delays" ||
    { echo "draw.sh: process.gif has the delays '$delays'" >&2; exit 1; }
if grep -qa 'ImageMagick' "$out/process.gif"; then
    echo "draw.sh: process.gif carries an extra application extension" >&2; exit 1
fi

# --- 128, 140: icons ---------------------------------------------------------------
# 128: the parcel with a blue arrow pointing into it (installing); 140: the shield.
archive_box 256 "$work/box256.png"
convert "$work/box256.png" \
    -fill "$navy" -stroke white -strokewidth 10 \
    -draw "path 'M 150,96 L 210,96 L 210,160 L 246,160 L 180,236 L 114,160 L 150,160 Z'" \
    "$work/installer256.png"
shield 256 "$work/shield256.png"
for icon in installer shield; do
    for px in 16 32 48; do
        convert "$work/${icon}256.png" -filter Lanczos -resize "${px}x${px}" "PNG32:$work/${icon}_$px.png"
    done
    convert "$work/${icon}_16.png" "$work/${icon}_32.png" "$work/${icon}_48.png" "$out/$icon.ico"
done

echo "draw.sh: images written to $out"
