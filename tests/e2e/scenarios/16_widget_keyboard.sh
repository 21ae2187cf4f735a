#!/usr/bin/env bash
# Right after start-up no control of the widget has the keyboard: a stray Space or Enter
# cleans nothing, asks nothing, switches nothing. Tab then walks every button and both
# auto-start boxes in order, the box shows that it has the focus, and Space on it acts.
source "$(dirname "$0")/../lib.sh"
e2e_begin widget_keyboard 1600x900

user=$(ls "$WINEPREFIX/drive_c/users" | grep -vx Public | head -n1)
temp=$WINEPREFIX/drive_c/users/$user/Temp
mkdir -p "$temp"
echo junk >"$temp/still_here.tmp"

e2e_start_program
e2e_wait_for 20 drv wait-window Form3 hidden 1000 >/dev/null
focus=$(drv focus Form1)
echo "focus after start-up: $focus"
[[ "$focus" == "Form1" ]] || e2e_fail "a control has the keyboard after start-up: $focus"

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

drv click Form1 Command1
e2e_expect_exit 0 20
