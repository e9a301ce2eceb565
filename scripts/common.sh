# Shared by the set-up scripts: installs missing Debian packages and configures a build.
set -euo pipefail

BREVANE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# dpkg-dev and file: CPack's dependency search (dpkg-shlibdeps) for the Debian packages;
# qt6-translations-l10n: Qt's own texts (standard buttons) in German and French.
BREVANE_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools
                  qt6-tools-dev-tools qt6-translations-l10n libgl-dev dpkg-dev file)

brevane_install_packages() {
    local missing=()
    for package in "${BREVANE_PACKAGES[@]}"; do
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

# brevane_build DIR [cmake options...]: configures (once) and builds DIR.
brevane_build() {
    local dir="$1"
    shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$BREVANE_ROOT" -B "$dir" -G Ninja "$@"
    fi
    cmake --build "$dir" --parallel "$(nproc)"
}
