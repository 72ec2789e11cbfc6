# Installs the Debian packages Pelmark needs to build, test and run, when any is missing.
# Sourced by tools/run, tools/test and tools/package.

pelmark_build_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation qt6-translations-l10n
)
pelmark_test_packages=(
    clang libclang-rt-14-dev
    pandoc libreoffice-writer-nogui
    xvfb xauth xdotool x11-utils poppler-utils desktop-file-utils dpkg-dev lintian appstream
)

pelmark_missing_packages() {
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            printf '%s\n' "$package"
        fi
    done
}

pelmark_install() {
    local missing
    mapfile -t missing < <(pelmark_missing_packages "$@")
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
