#!/usr/bin/env bash
# The widget's frame is the junk indicator. Shortcuts of more than 35 KB in the Recent
# folder turn it dark red at the folder clean-up window's next 20-second measurement;
# Clean Junk clears the recent-documents list (shortcuts included, which Wine's shell
# leaves behind) and turns it green again. The colour is read off the screen.
source "$(dirname "$0")/../lib.sh"
e2e_begin cleaning_frame_colour 1600x900

user=$(ls "$WINEPREFIX/drive_c/users" | grep -vx Public | head -n1)
recent=$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Recent
mkdir -p "$recent"
rm -rf "${recent:?}"/*

e2e_start_program

# Shape1's left border line: 17760 x 120 twips at 15 twips per pixel, 4335 twips high.
# The window is maximized at the screen's corner, so screen and client coordinates agree.
frame_x=1184
frame_y=$(((120 + 4335 / 2) / 15))
readonly GREEN="0 128 0" DARK_RED="192 0 0"
# Succeeds when the frame's border shows the colour given (any of its first 3 pixel columns,
# whatever width the border is drawn with).
frame_is() {
  local x
  for x in $frame_x $((frame_x + 1)) $((frame_x + 2)); do
    [[ "$(drv pixel "$x" "$frame_y" 2>/dev/null)" == "$1" ]] && return 0
  done
  echo "frame pixels: $(drv pixel "$frame_x" "$frame_y") / $(drv pixel $((frame_x + 1)) "$frame_y")"
  return 1
}

e2e_wait_for 20 frame_is "$GREEN" >/dev/null
e2e_screenshot green_at_start

# 60 KB of shortcuts arrive; Form2 measures every 20 s, so within about 25 s the frame
# turns dark red.
for i in 1 2 3; do head -c 20480 /dev/urandom >"$recent/document$i.txt.lnk"; done
e2e_wait_for 25 frame_is "$DARK_RED" >/dev/null
[[ "$(drv text Form2 Label4)" == 60 ]] || e2e_fail "Label4 shows '$(drv text Form2 Label4)', expected 60"
e2e_screenshot dark_red

drv click Form1 Command63
e2e_wait_for 30 frame_is "$GREEN" >/dev/null
e2e_wait_for 10 bash -c '[[ "$(timeout 60 wine "$E2E_DRIVER_UNIX" text Form2 Label4)" == 0 ]]'
left=$(find "$recent" -maxdepth 1 -iname '*.lnk' | wc -l)
((left == 0)) || e2e_fail "$left shortcuts left in the Recent folder"
e2e_screenshot green_after_clean_junk

drv click Form1 Command1
e2e_expect_exit 0 20
