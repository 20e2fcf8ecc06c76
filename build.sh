#!/usr/bin/env bash
# Installs what the build needs on Debian 12, builds QuorvelII and runs it or its tests.
#
#   ./build.sh run        install missing packages, build, start QuorvelII in the current directory
#   ./build.sh test       install missing packages, build, run every test (non-zero exit on failure)
#   ./build.sh asan       the same tests in build-asan/, under AddressSanitizer and UBSan
#   ./build.sh fuzz [S]   build the libFuzzer targets with clang in build-fuzz/ and run each S seconds
#   ./build.sh build      install missing packages and build only
#   ./build.sh deb        build the Debian package in build-deb/ and check it with lintian,
#                         desktop-file-validate and appstreamcli
#   ./build.sh icons      render the icon's PNG sizes from desktop/icons/quorvel.svg
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

packages=(
    build-essential cmake pkg-config ninja-build
    qt6-base-dev libgl-dev libjpeg-dev libasound2-dev
    libgtest-dev libgmock-dev libbenchmark-dev libgeographiclib-dev
    fonts-liberation fonts-noto-mono xvfb xauth x11-utils locales
    clang libclang-rt-14-dev clang-format
)

# What the package build needs besides the build dependencies in debian/control, which
# apt-get build-dep installs, and what checks the package.
deb_packages=(dpkg-dev debhelper lintian desktop-file-utils appstream)

# missing_packages [PACKAGE...]: those not installed, of the build's packages by default.
missing_packages() {
    local p
    [ $# -gt 0 ] || set -- "${packages[@]}"
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
    done
}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# install_packages [PACKAGE...]: installs those missing, of the build's packages by default.
install_packages() {
    local missing
    missing=$(missing_packages "$@")
    if [ -n "$missing" ]; then
        echo "build.sh: installing:" $missing
        as_root apt-get update
        # shellcheck disable=SC2086
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
    fi
    # The locale tests need a locale whose decimal separator is a comma.
    if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
        as_root sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
        grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen ||
            echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
        as_root locale-gen >/dev/null
    fi
}

# build_tree DIR [cmake options...]
build_tree() {
    local dir=$1
    shift
    cmake -S "$top" -B "$top/$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$top/$dir" -j "$jobs"
}

run_tests() {
    ctest --test-dir "$top/$1" --output-on-failure -j "$jobs"
}

# The package is built from a copy of the checkout in build-deb/, where dpkg-buildpackage
# leaves the package, so that neither its build tree nor its results land in the checkout or
# beside it.
build_package() {
    local stage=$top/build-deb version source missing
    install_packages "${deb_packages[@]}"
    version=$(dpkg-parsechangelog -l "$top/debian/changelog" -S Version)
    source=$stage/quorvel-$version
    rm -rf "$stage"
    mkdir -p "$source"
    if git -C "$top" rev-parse --git-dir >/dev/null 2>&1; then
        (cd "$top" && git ls-files -z --cached --others --exclude-standard |
            while IFS= read -r -d '' file; do
                if [ -e "$file" ]; then printf '%s\0' "$file"; fi
            done |
            tar --null -T - -cf -) | tar -xf - -C "$source"
    else
        tar -C "$top" --exclude='./build*' -cf - . | tar -xf - -C "$source"
    fi
    if ! missing=$(cd "$source" && dpkg-checkbuilddeps 2>&1); then
        echo "build.sh: installing the build dependencies: $missing"
        as_root apt-get update
        as_root env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y --no-install-recommends \
            "$source"
    fi
    echo "build.sh: dpkg-buildpackage -us -uc -b (log in build-deb/build.log)"
    if ! (cd "$source" && dpkg-buildpackage -us -uc -b -j"$jobs") >"$stage/build.log" 2>&1; then
        tail -n 60 "$stage/build.log"
        echo "build.sh: the package build failed; see build-deb/build.log" >&2
        return 1
    fi
    # Warnings are shown; an error fails the build.
    lintian --fail-on error --info "$stage"/quorvel_*.changes
    desktop-file-validate "$source"/debian/quorvel/usr/share/applications/*.desktop
    appstreamcli validate --no-net "$source"/debian/quorvel/usr/share/metainfo/*.metainfo.xml
    ls "$stage"/*.deb
}

case "${1:-}" in
run)
    install_packages
    build_tree build
    exec "$top/build/QuorvelII"
    ;;
test)
    install_packages
    build_tree build -DQUORVEL_WERROR=ON
    run_tests build
    ;;
asan)
    install_packages
    build_tree build-asan -DQUORVEL_WERROR=ON -DQUORVEL_SANITIZE=ON
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        run_tests build-asan
    ;;
fuzz)
    install_packages
    seconds=${2:-60}
    CC=clang CXX=clang++ build_tree build-fuzz -DQUORVEL_FUZZ=ON -DBUILD_TESTING=OFF
    for target in "$top"/build-fuzz/fuzz/*_fuzzer; do
        name=$(basename "$target")
        corpus="$top/fuzz/corpus-$name"
        mkdir -p "$corpus"
        echo "build.sh: fuzzing $name for $seconds s"
        "$target" -max_total_time="$seconds" -print_final_stats=1 "$corpus" "$top/fuzz/seeds/${name%_fuzzer}"
    done
    ;;
build)
    install_packages
    build_tree build
    ;;
deb)
    build_package
    ;;
icons)
    install_packages librsvg2-bin
    for size in 16 22 24 32 48 64 128 256; do
        mkdir -p "$top/desktop/icons/${size}x$size"
        rsvg-convert -w "$size" -h "$size" -o "$top/desktop/icons/${size}x$size/quorvel.png" \
            "$top/desktop/icons/quorvel.svg"
    done
    ;;
*)
    sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
