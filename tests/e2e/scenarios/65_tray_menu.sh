#!/usr/bin/env bash
# The notification-area icon, used with real clicks and keys in the virtual desktop's
# taskbar: a click brings the widget in front of another program's window as the foreground
# window; a right click opens the menu, which closes on Escape or a click elsewhere and is
# worked from the keyboard; About shows the about box; an icon taken away comes back with a
# "TaskbarCreated" broadcast; Exit ends the program with status 0.
source "$(dirname "$0")/../lib.sh"
e2e_begin tray_menu 1600x900

COVER_PID=
trap 'status=$?; trap - ERR; set +e; [[ -n "$COVER_PID" ]] && kill "$COVER_PID" 2>/dev/null; (exit $status); e2e_end' EXIT

e2e_start_program
icon_point() { drv tray-point; }
read -r icon_x icon_y <<<"$(e2e_wait_for 20 icon_point)"
echo "icon at $icon_x,$icon_y"

# --- a click brings the widget in front of another program's window ---------------------
(exec timeout 100 wine "$E2E_DRIVER_UNIX" cover 90 >/dev/null 2>&1) &
COVER_PID=$!
cover_in_front() { [[ "$(drv foreground)" == "title:Test cover" ]]; }
e2e_wait_for 20 cover_in_front
front_before=$(drv zorder | grep -m1 -xE 'Form1|title:Test cover')
[[ "$front_before" == "title:Test cover" ]] || e2e_fail "the cover window is not in front of the widget ($front_before)"
xdotool mousemove "$icon_x" "$icon_y" click 1
widget_in_front() { [[ "$(drv foreground)" == Form1 ]]; }
e2e_wait_for 10 widget_in_front
front_after=$(drv zorder | grep -m1 -xE 'Form1|title:Test cover')
[[ "$front_after" == Form1 ]] || e2e_fail "after the click the widget is not in front of the cover ($front_after)"
echo "a click on the icon: Form1 is the foreground window, in front of the cover"
e2e_screenshot tray_click_widget_in_front

# --- the menu ----------------------------------------------------------------------------
menu_closed() { ! drv menu 300 >/dev/null 2>&1; }
e2e_tray_menu
drv menu >"$E2E_TMP/menu"
echo "menu: $(tr '\n' '|' <"$E2E_TMP/menu")"
if [[ "$(head -1 "$E2E_TMP/menu")" != open* ]]; then
  [[ "$(tr '\n' '|' <"$E2E_TMP/menu")" == "Show widget|Traffic...|Dial-up...|About|-|Exit|" ]] ||
    e2e_fail "the menu's entries are $(tr '\n' '|' <"$E2E_TMP/menu")"
fi
e2e_screenshot tray_menu
# The bottom right corner, where the menu opens, for the README.
convert "$E2E_ARTIFACTS/tray_menu.png" -crop 520x300+1080+600 +repage "$E2E_ARTIFACTS/tray_menu_closeup.png"
xdotool key Escape
e2e_wait_for 5 menu_closed
e2e_tray_menu
xdotool mousemove 300 300 click 1  # elsewhere
e2e_wait_for 5 menu_closed
echo "the menu closes on Escape and on a click elsewhere"
# The click that closes a menu goes no further; the next one brings the cover in front.
xdotool mousemove 300 300 click 1
e2e_wait_for 10 cover_in_front
e2e_tray_pick "Show widget"
e2e_wait_for 10 widget_in_front
echo "Show widget: Form1 in front again"

e2e_tray_pick About
shown=$(drv msgbox 10000) || e2e_fail "no about box after About"
[[ "$shown" == *"Sparvane "* ]] || e2e_fail "the about box says '$shown'"
drv answer OK >/dev/null

# --- the icon comes back when the taskbar is announced anew ------------------------------
drv tray-forget >/dev/null
icon_gone() { [[ "$(drv tray-count)" == 0 ]]; }
e2e_wait_for 10 icon_gone
drv taskbar-created >/dev/null
icon_back() { [[ "$(drv tray-count)" == 1 ]]; }
e2e_wait_for 10 icon_back
echo "after TaskbarCreated: $(drv tray-tips)"

# --- Exit -----------------------------------------------------------------------------------
e2e_tray_pick Exit
e2e_expect_exit 0 30
no_icon() { [[ "$(drv tray-count)" == 0 ]]; }
e2e_wait_for 10 no_icon
echo "Exit: status 0, no icon left"
