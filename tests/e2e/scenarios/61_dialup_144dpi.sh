#!/usr/bin/env bash
# The dial-up window of 60_dialup.sh at 144 dpi (the prefix's LogPixels): the same steps, the
# same geometry and text checks, and its screenshot at that scale.
E2E_DIALUP_DPI=144 source "$(dirname "$0")/60_dialup.sh"
