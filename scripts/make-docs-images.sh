#!/usr/bin/env bash
# Renders the README's pictures into docs/images from the plain build: the workbench window,
# three pages (application overview, motion block table, motion block control panel) and the
# window after a rehearsal with the simulated drive, in English. The gallery picture is a crop of
# the gallery's index.html and is kept.
source "$(dirname "$0")/common.sh"

brevane_install_packages
brevane_configure "$BREVANE_ROOT/build/release" "${BREVANE_RELEASE_OPTIONS[@]}"
brevane_build "$BREVANE_ROOT/build/release" brevane-workbench Brevane

workbench="$BREVANE_ROOT/build/release/bin/brevane-workbench"
images="$BREVANE_ROOT/docs/images"
shots="$(mktemp -d)"
trap 'rm -rf "$shots"' EXIT
export QT_QPA_PLATFORM=offscreen

"$workbench" --screenshots "$shots" --language en --require-all >/dev/null
mkdir -p "$images"
for page in AppSatDriveBased Fahrsatzbetrieb SteuertafelApplikation; do
    cp "$shots/$page.png" "$images/$page.png"
done
"$workbench" --window-screenshot "$images/workbench.png" --language en
# The simulated axis after a chain of motion blocks has run on the motion block panel.
"$workbench" --scenario "$BREVANE_ROOT/apps/workbench/scenarios/chain-blocks.json" \
    --window-screenshot "$images/rehearsal.png" --language en
ls -l "$images"
