# Shared set-up for the project's scripts: installs the Debian packages the
# build needs when they are missing, then configures and builds.

set -euo pipefail

PROJECT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

REQUIRED_PACKAGES=(
    cmake ninja-build g++ pkg-config libpugixml-dev fonts-beteckna
    juce-modules-source libasound2-dev libfreetype-dev libfontconfig1-dev
    libx11-dev libxrandr-dev libxinerama-dev libxcursor-dev libxext-dev libgl-dev
    libcurl4-openssl-dev libpng-dev libjpeg-dev libgtest-dev
    xvfb xauth fontforge groff ghostscript fonts-dejavu-core
)

# Building and checking the Debian package, for scripts/package.
PACKAGE_PACKAGES=(dpkg-dev lintian desktop-file-utils)

# clang with its libFuzzer and sanitizer runtimes, for scripts/fuzz.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)

ensure_packages ()
{
    local missing=()
    local package

    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done

    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi

    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi

    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq >/dev/null
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# configure_and_build BUILD_DIR [CMAKE ARGS...] -- [TARGETS...]
configure_and_build ()
{
    local build_dir="$1"
    shift

    local cmake_args=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do
        cmake_args+=("$1")
        shift
    done
    [ $# -gt 0 ] && shift

    if [ ! -f "$build_dir/build.ninja" ]; then
        cmake -S "$PROJECT_ROOT" -B "$build_dir" -G Ninja "${cmake_args[@]}" >/dev/null
    fi

    local targets=()
    local target
    for target in "$@"; do
        targets+=(--target "$target")
    done

    cmake --build "$build_dir" --parallel "$(nproc)" "${targets[@]}"
}
