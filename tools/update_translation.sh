#!/bin/sh
# Collects the window's texts and the core's message pieces into the English translation source;
# fill the new entries with Qt Linguist (or by hand) and commit the .ts. The build turns it into
# the .qm the program carries. Usage: update_translation.sh [TS-FILE] (default: the program's).
# LUPDATE names the lupdate program when it is not on the path.
set -eu
cd "$(dirname "$0")/.."
ts=${1:-gui/translations/doublet_synth_en.ts}
"${LUPDATE:-lupdate}" -no-obsolete -locations none -I . \
  -tr-function-alias translate+=messageText,QT_TRANSLATE_NOOP+=SYNTHESIS_TEXT \
  gui synthesis -ts "$ts"
