# Shared by the set-up scripts: installs missing Debian packages and configures and builds.
set -euo pipefail

BREVANE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# dpkg-dev and file: CPack's dependency search (dpkg-shlibdeps) for the Debian packages;
# qt6-translations-l10n: Qt's own texts (standard buttons) in German and French; ccache: a
# build after a fresh clone or a branch switch compiles only what the cache has not seen; lld:
# links the tests and the workbench several times faster than the default linker.
BREVANE_PACKAGES=(cmake ninja-build g++ ccache lld qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools
                  qt6-tools-dev-tools qt6-translations-l10n libgl-dev dpkg-dev file)
# The end-to-end test: the workbench in a virtual X server, driven through the accessibility
# tree over a D-Bus session of its own (without them the test is skipped). The fuzz tests:
# clang and its runtime package, which brings libFuzzer (without them they are skipped).
BREVANE_TEST_PACKAGES=(xvfb dbus-daemon at-spi2-core python3-pyatspi clang libclang-rt-14-dev)
# The plain build, shared by every script: the same options on every run, so that one script
# never undoes what another configured.
BREVANE_RELEASE_OPTIONS=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DBREVANE_WERROR=ON)

# brevane_install_packages [package...]: installs those of BREVANE_PACKAGES and the given
# packages that are missing.
brevane_install_packages() {
    local missing=()
    for package in "${BREVANE_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# brevane_configure DIR [cmake options...]: configures DIR with the options, on every run (a
# folder configured before gets them too); the compiler cache when there is one.
brevane_configure() {
    local dir="$1"
    shift
    local options=("$@")
    if command -v ccache >/dev/null; then
        # Paths relative to the checkout: another clone (CI's, a second worktree) hits the cache
        # too. The sloppiness lets the cache serve files that use a precompiled header. Given to
        # the launcher, so that a build started by hand in the folder uses the same settings.
        local sloppiness="pch_defines,time_macros,include_file_mtime,include_file_ctime"
        options+=("-DCMAKE_CXX_COMPILER_LAUNCHER=env;CCACHE_BASEDIR=$BREVANE_ROOT;CCACHE_NOHASHDIR=1;CCACHE_SLOPPINESS=$sloppiness;ccache")
    fi
    [ -f "$dir/CMakeCache.txt" ] || options+=(-G Ninja)
    cmake -S "$BREVANE_ROOT" -B "$dir" "${options[@]}" >/dev/null
}

# brevane_build DIR [target...]: builds the targets in DIR, everything without one.
brevane_build() {
    local dir="$1"
    shift
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
}
