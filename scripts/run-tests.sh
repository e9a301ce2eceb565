#!/usr/bin/env bash
# Builds Brevane and runs every test, then again under AddressSanitizer and
# UndefinedBehaviorSanitizer. --quick skips the sanitizer run.
source "$(dirname "$0")/common.sh"

sanitize=1
[ "${1:-}" = "--quick" ] && sanitize=0

brevane_install_packages "${BREVANE_TEST_PACKAGES[@]}"
export QT_QPA_PLATFORM=offscreen

brevane_configure "$BREVANE_ROOT/build/release" "${BREVANE_RELEASE_OPTIONS[@]}"
brevane_build "$BREVANE_ROOT/build/release"
ctest --test-dir "$BREVANE_ROOT/build/release" --output-on-failure --parallel "$(nproc)"

if [ "$sanitize" = 1 ]; then
    brevane_configure "$BREVANE_ROOT/build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DBREVANE_SANITIZE=ON
    brevane_build "$BREVANE_ROOT/build/sanitize"
    # Leaks fail the run; the tests get tests/lsan.supp for Qt's and the system's own leaks.
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir "$BREVANE_ROOT/build/sanitize" --output-on-failure --parallel "$(nproc)"
fi
echo "All tests passed."
