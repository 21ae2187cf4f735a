#!/usr/bin/env bash
# The widget from start to end. After start-up it is the only window on screen (the network
# window and the folder clean-up window are loaded but hidden), its window is cut down to the
# column of controls (at 1600x900 the region spans 1184,8 to 1257,297: Shape1 at 17760,120
# twips, 1095 x 4335, at 15 twips per pixel) and its icon is in the notification area. The
# activity clock: the first tick writes the time, without input the label keeps it, a real
# pointer movement over the widget shows a new time within about two seconds. No control
# has the keyboard after start-up: a stray Space or Enter cleans nothing, asks nothing,
# switches nothing. Tab then walks every button and both auto-start boxes in order, the box
# shows that it has the focus, and Space on it acts. Close Widget ends the program at once
# with status 0 and takes the icon away; so does a close from the system (WM_CLOSE, what
# Alt+F4 sends), instead of leaving it running with nothing on screen.
source "$(dirname "$0")/../lib.sh"
e2e_begin widget_startup 1600x900

user=$(ls "$WINEPREFIX/drive_c/users" | grep -vx Public | head -n1)
temp=$WINEPREFIX/drive_c/users/$user/Temp
mkdir -p "$temp"
echo junk >"$temp/still_here.tmp"

e2e_start_program
e2e_wait_for 20 drv wait-window Form3 hidden 1000 >/dev/null
e2e_wait_for 20 drv wait-window Form2 hidden 1000 >/dev/null

windows=$(drv windows)
printf '%s\n' "$windows" >"$E2E_ARTIFACTS/windows.txt"
visible=$(awk '$2 == "visible=1" { print $1 }' <<<"$windows" | sort | paste -sd' ')
[[ "$visible" == "Form1" ]] || e2e_fail "expected only Form1 on screen, visible: '$visible'"
for form in Form2 Form3; do
  grep -q "^$form visible=0" <<<"$windows" || e2e_fail "$form is not loaded and hidden"
done

region=$(drv region Form1)
echo "Form1 region: $region"
[[ "$region" == "1184 8 1257 297" ]] || e2e_fail "region bounding box '$region', expected the column '1184 8 1257 297'"

# The window itself stays maximized from the screen's left edge, so the column stands at
# its designed place on the screen, and its Close Widget button is where the user can reach it.
read -r left top right bottom < <(drv rect Form1)
[[ "$left" == 0 && "$top" == 0 ]] || e2e_fail "Form1 is not at the screen's corner: $left $top"
read -r cl ct cr cb <<<"$(drv rect Form1 Command1)"
((cl >= 0 && ct >= 0 && cr <= right && cb <= bottom && cr <= 1600 && cb <= 900)) ||
  e2e_fail "Command1 ($cl $ct $cr $cb) lies outside the widget window or the screen"
focus=$(drv focus Form1)
[[ "$focus" == "Form1" ]] || e2e_fail "a control has the keyboard after start-up: $focus"

# shows_time [OTHER_THAN]: Label3's text once it is a time (other than the one given).
shows_time() {
  local text
  text=$(drv text Form1 Label3) || return 1
  [[ "$text" != "${1:-}" && "$text" =~ [0-9]+:[0-9]{2}:[0-9]{2} ]] && printf '%s\n' "$text"
}
first=$(e2e_wait_for 10 shows_time)
echo "first tick wrote: $first"  # before any input
e2e_screenshot widget  # the README's picture

# Keys go to the active Wine window; the pointer rests on the bare desktop.
xdotool mousemove 300 300
xdotool key space
xdotool key Return
xdotool key KP_Enter space
sleep 1.5
if box=$(drv msgbox 1000 2>/dev/null); then e2e_fail "a key right after start-up opened: $box"; fi
windows=$(drv windows)
grep -q '^frmMain' <<<"$windows" && e2e_fail "a key right after start-up ran Clean Junk"
[[ -f "$temp/still_here.tmp" ]] || e2e_fail "a key right after start-up emptied Temp"
grep -q '^Form1 visible=1' <<<"$windows" || e2e_fail "the widget is gone after a key"

# Let the wall clock move on by two seconds; with no input the label must keep its time
# (the one the keys above, input too, had it write by now).
first=$(drv text Form1 Label3)
started=$SECONDS
clock_moved_on() { ((SECONDS - started >= 2)); }
e2e_wait_for 10 clock_moved_on
still=$(drv text Form1 Label3)
[[ "$still" == "$first" ]] || e2e_fail "Label3 changed without any input: '$first' -> '$still'"

# Real X input over the column (Command3 at 1192..1249, 56..81 on screen).
xdotool mousemove 1220 60
xdotool mousemove 1225 70
after=$(e2e_wait_for 3 shows_time "$first")
echo "after pointer motion: $after"

# Tab walks the column top to bottom.
order=()
for ((i = 0; i < 9; i++)); do
  xdotool key Tab
  sleep 0.3
  order+=("$(drv focus Form1)")
done
echo "Tab order: ${order[*]}"
expected="Command63 Command3 Command8 Command6 Command7 Picture1 Picture2 Command2 Command1"
[[ "${order[*]}" == "$expected" ]] || e2e_fail "Tab order '${order[*]}', expected '$expected'"

# Back to Picture1, whose focus rectangle must show on its dark green.
xdotool key shift+Tab shift+Tab shift+Tab
on_picture1() { [[ $(drv focus Form1) == Picture1 ]]; }
e2e_wait_for 5 on_picture1
sleep 0.5
e2e_screenshot picture1_focused
read -r l t r b < <(drv rect Form1 Picture1)
colours=$(convert "$E2E_ARTIFACTS/picture1_focused.png" -crop "$((r - l))x$((b - t))+$l+$t" +repage \
  -unique-colors txt:- | grep -c srgb)
echo "Picture1 ($l,$t - $r,$b) shows $colours colours"
((colours >= 2)) || e2e_fail "no focus rectangle on Picture1"

# Space on the box the user tabbed to acts: the auto-start question comes.
xdotool key space
box=$(drv msgbox 5000) || e2e_fail "Space on Picture1 asked nothing"
echo "message box: $box"
[[ "$box" == *"Run on windows startup"* ]] || e2e_fail "unexpected question: $box"
drv answer Cancel >/dev/null

has_tray_icon() { local n; n=$(drv tray-count) && ((n >= 1)); }
e2e_wait_for 20 has_tray_icon
echo "tray icons while running: $(drv tray-count)"

drv click Form1 Command1
e2e_expect_exit 0 20
no_tray_icon() { local n; n=$(drv tray-count) && ((n == 0)); }
e2e_wait_for 10 no_tray_icon
e2e_screenshot after_close

e2e_start_program
drv close Form1
e2e_expect_exit 0 20
