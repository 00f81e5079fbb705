# shellcheck shell=bash
# Reading screenshots, whatever took them (sourced by lib.sh; scratch files go to $WORK):
#   picture_size FILE           "WxH"
#   pixel FILE X Y              one pixel's colour, "r,g,b" in 0..255
#   count_colour FILE r,g,b [FUZZ [GEOMETRY]]
#                               how many pixels have that colour, or one within FUZZ (0..255,
#                               default 0) of it; GEOMETRY (WxH+X+Y) crops first
#   non_black FILE GEOMETRY     how many pixels of that part are not black
#   lanes_of FILE H W           the race's lanes on a picture H pixels high and W wide: "n:count"
#                               for the eleven bands of its height, the balls' lanes 1 to 9 among them
#   ball_size FILE H W          the box of what lies in lane 1 (ball 1 alone), "WxH"

picture_size() { identify -format '%wx%h' "$1"; }

pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

count_colour() {
  local crop=() total differ
  [ -z "${4:-}" ] || crop=(-crop "$4" +repage)
  convert "$1" "${crop[@]}" -alpha off "$WORK/count-a.png"
  convert "$WORK/count-a.png" -fill "rgb($2)" -colorize 100 "$WORK/count-b.png"
  differ=$(compare -precision 12 -metric AE -fuzz "$(awk "BEGIN { print ${3:-0} * 100 / 255 }")%" \
    "$WORK/count-a.png" "$WORK/count-b.png" null: 2>&1) || true
  total=$(identify -format '%w*%h' "$WORK/count-a.png")
  [[ $differ =~ ^[0-9]+$ ]] || fail "count_colour: compare said $differ"
  echo $((total - differ))
}

non_black() {
  local size=${2%%+*} total
  total=$((${size%x*} * ${size#*x}))
  echo $((total - $(count_colour "$1" 0,0,0 24 "$2")))
}

# One compare marks every pixel not black as count_colour does, and one convert counts them band
# by band: a shot is polled many times while a race starts.
lanes_of() {
  local shot=$1 h=$2 w=$3 n top bottom bands=() counts black=$WORK/black-${3}x$2.png
  [ -f "$black" ] || convert -size "${w}x$h" xc:black "$black"
  compare -metric AE -fuzz "$(awk 'BEGIN { print 24 * 100 / 255 }')%" -highlight-color white \
    -lowlight-color black -compose src "$shot" "$black" "$WORK/lit.png" 2>/dev/null || true
  for n in $(seq 0 10); do
    top=$((n * h / 11)) bottom=$(((n + 1) * h / 11))
    bands+=("(" mpr:lit -crop "${w}x$((bottom - top))+0+$top" +repage ")")
  done
  counts=$(convert "$WORK/lit.png" -alpha off -colorspace gray -write mpr:lit +delete "${bands[@]}" \
    -format '%[fx:int(mean * w * h + 0.5)] ' info:)
  n=0
  for c in $counts; do printf '%s:%s ' "$n" "$c"; n=$((n + 1)); done
}

ball_size() {
  local h=$2 w=$3 top bottom
  top=$((h / 11)) bottom=$((2 * h / 11))
  convert "$1" -crop "${w}x$((bottom - top))+0+$top" +repage -fuzz 12% -trim -format '%wx%h' info:
}
