#!/usr/bin/env bash
# Builds the workbench and the plug-in (nothing else) and starts the workbench. Without a
# display it renders every page to PNG instead and says where. Arguments are passed to the
# workbench.
source "$(dirname "$0")/common.sh"

brevane_install_packages
build="$BREVANE_ROOT/build/release"
brevane_configure "$build" "${BREVANE_RELEASE_OPTIONS[@]}"
brevane_build "$build" brevane-workbench Brevane

workbench="$build/bin/brevane-workbench"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    out="$BREVANE_ROOT/build/screenshots"
    QT_QPA_PLATFORM=offscreen "$workbench" --screenshots "$out" "$@"
    echo "No display: the pages are rendered to $out/index.html"
else
    exec "$workbench" "$@"
fi
