#!/usr/bin/env bash
# Renders the README's pictures into docs/images from the plain build: the workbench window
# and three pages (application overview, motion block table, motion block control panel),
# in English. Everything in docs/images comes from this script.
source "$(dirname "$0")/common.sh"

brevane_install_packages
brevane_build "$BREVANE_ROOT/build/release" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBREVANE_WERROR=ON

workbench="$BREVANE_ROOT/build/release/bin/brevane-workbench"
images="$BREVANE_ROOT/docs/images"
shots="$(mktemp -d)"
trap 'rm -rf "$shots"' EXIT
export QT_QPA_PLATFORM=offscreen

"$workbench" --screenshots "$shots" --language en --require-all >/dev/null
mkdir -p "$images"
rm -f "$images"/*.png
for page in AppSatDriveBased Fahrsatzbetrieb SteuertafelApplikation; do
    cp "$shots/$page.png" "$images/$page.png"
done
"$workbench" --window-screenshot "$images/workbench.png" --language en
ls -l "$images"
