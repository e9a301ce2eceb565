#!/usr/bin/env bash
# Builds the Debian packages brevane-plugin and brevane-workbench from the plain build into
# build/packages.
source "$(dirname "$0")/common.sh"

brevane_install_packages
build="$BREVANE_ROOT/build/release"
brevane_configure "$build" "${BREVANE_RELEASE_OPTIONS[@]}"
brevane_build "$build" brevane-workbench Brevane

out="$BREVANE_ROOT/build/packages"
rm -f "$out"/*.deb
cpack --config "$build/CPackConfig.cmake" -B "$out"
for package in "$out"/*.deb; do
    echo
    dpkg-deb --info "$package" | sed -n 's/^ \(Package\|Version\|Depends\): /\1: /p'
    echo "File: $package"
done
