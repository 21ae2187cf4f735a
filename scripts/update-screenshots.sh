#!/usr/bin/env bash
# Copies the screenshots shown in the README from the last e2e run (artifacts/e2e/) to
# docs/screenshots/. Run scripts/test.sh (or tests/e2e/run_all.sh) first.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
src=$root/artifacts/e2e
dst=$root/docs/screenshots

# scenario/screenshot in artifacts/e2e  ->  name in docs/screenshots
chosen=(
  "widget_startup/widget.png widget.png"
  "traffic/traffic.png widget_traffic.png"
  "cleaning_frame_colour/dark_red.png widget_junk_red.png"
  "screen_guard/screen_guard.png screen_guard.png"
  "dialup/dialup_window.png dialup_window.png"
  "tray_menu/tray_menu_closeup.png tray_menu.png"
  "tray_menu/tray_click_widget_in_front.png tray_click_widget.png"
  "traffic_window/traffic_window.png traffic_window.png"
  "widget_labels_96dpi/labels_96dpi.png widget_labels_96dpi.png"
  "widget_labels_144dpi/labels_144dpi.png widget_labels_144dpi.png"
  "widget_display_change/widget_after_resolution_change.png widget_resolution_change.png"
)

mkdir -p "$dst"
missing=0
for entry in "${chosen[@]}"; do
  read -r from to <<<"$entry"
  if [[ -f "$src/$from" ]]; then
    cp "$src/$from" "$dst/$to"
    echo "updated docs/screenshots/$to"
  else
    echo "missing artifacts/e2e/$from (run the e2e scenarios first)" >&2
    missing=1
  fi
done
exit "$missing"
