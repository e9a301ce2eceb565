#!/usr/bin/env bash
# Builds Brevane and starts the workbench. Without a display it renders every page to
# PNG instead and says where. Arguments are passed to the workbench.
source "$(dirname "$0")/common.sh"

brevane_install_packages
brevane_build "$BREVANE_ROOT/build/release" -DCMAKE_BUILD_TYPE=RelWithDebInfo

bin="$BREVANE_ROOT/build/release/bin"
if [ ! -x "$bin/brevane-workbench" ]; then
    echo "The workbench is not built yet; checking the plug-in instead."
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$BREVANE_ROOT/build/release" -R tst_pluginlibrary --output-on-failure
    exit $?
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    out="$BREVANE_ROOT/build/screenshots"
    QT_QPA_PLATFORM=offscreen "$bin/brevane-workbench" --screenshots "$out" "$@"
    echo "No display: the pages are rendered to $out/index.html"
else
    exec "$bin/brevane-workbench" "$@"
fi
