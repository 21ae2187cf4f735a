#!/usr/bin/env bash
# The label measures of 17_widget_labels.sh at 144 dpi (the prefix's LogPixels).
E2E_LABEL_DPI=144 source "$(dirname "$0")/17_widget_labels.sh"
