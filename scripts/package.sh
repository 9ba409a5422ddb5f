#!/usr/bin/env bash
# Builds the Debian packages into dist/, checks them with lintian, then checks them without
# installing them: apt resolves their dependencies and, unpacked, the game starts, a program
# builds against the development package and the Designer plugin loads. The build runs the
# test suite unless DEB_BUILD_OPTIONS has nocheck. Work files, the build log and the
# debug-symbol packages are in build-deb/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$root/build-deb
dist=$root/dist

"$root/scripts/install-deps.sh" package
version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
multiarch=$(dpkg-architecture -q DEB_HOST_MULTIARCH)
rm -rf "$work"
mkdir -p "$work" "$dist"

# The build runs in a copy of the tree as git sees it (uncommitted changes included), so that
# neither build folders nor the build's own leftovers travel between the tree and the package.
copy_sources() {
    local into=$work/sardek-$version
    mkdir -p "$into"
    if git -C "$root" rev-parse --show-toplevel >/dev/null 2>&1; then
        git -C "$root" ls-files -z --cached --others --exclude-standard |
            tar -C "$root" --null -T - --ignore-failed-read -cf - | tar -C "$into" -xf -
    else
        tar -C "$root" --exclude='./build*' --exclude=./dist -cf - . | tar -C "$into" -xf -
    fi
}

# debhelper gives the build a scratch HOME; the compiler cache stays the caller's own, so a
# second package build compiles little.
share_compiler_cache() {
    command -v ccache >/dev/null || return 0
    CCACHE_DIR=${CCACHE_DIR:-$(ccache -k cache_dir)}
    export CCACHE_DIR CCACHE_BASEDIR=$work
}

build_packages() {
    local options=${DEB_BUILD_OPTIONS:-} profiles=()
    [[ $options == *parallel=* ]] || options="parallel=2 $options"
    [[ $options == *nocheck* ]] && profiles=(-Pnocheck)
    echo "Building the packages (log: $work/build.log)"
    if ! (cd "$work/sardek-$version" &&
        DEB_BUILD_OPTIONS=$options dpkg-buildpackage --no-sign "${profiles[@]}") \
        >"$work/build.log" 2>&1; then
        tail -n 60 "$work/build.log"
        echo "The package build failed; the whole log is $work/build.log" >&2
        exit 1
    fi
}

# The source package, the binary packages and the build record, with every tag shown.
run_lintian() {
    echo "lintian:"
    lintian --fail-on error --tag-display-limit 0 "$work"/sardek_"${version}"_*.changes ||
        { echo "lintian found errors" >&2; exit 1; }
}

# The four packages to install; the debug symbols stay in the work folder.
copy_to_dist() {
    rm -f "$dist"/*.deb
    find "$work" -maxdepth 1 -name '*.deb' ! -name '*-dbgsym_*' -exec cp -t "$dist" {} +
    ls -l "$dist"
}

# apt resolves every dependency of the four packages from the system's sources.
check_dependencies() {
    apt-get install --simulate --no-install-recommends "$dist"/*_"${version}"_*.deb \
        >"$work/apt.log" 2>&1 ||
        { cat "$work/apt.log"; echo "apt cannot install the packages" >&2; exit 1; }
    echo "dependencies: apt can install all four packages"
}

# Every check runs the unpacked files with the unpacked library; ldd proves it is that one.
uses_unpacked_library() {
    local found
    found=$(LD_LIBRARY_PATH=$libdir ldd "$1" | awk '$1 == "libvelgauge.so.1" { print $3 }')
    [[ $found == "$libdir/libvelgauge.so.1" ]] ||
        { echo "$1 loads libvelgauge.so.1 from '$found', not from $libdir" >&2; exit 1; }
}

unpack() {
    # Qt wants a private runtime folder; without one each check warns.
    export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work/runtime}
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    unpacked=$work/unpacked
    libdir=$unpacked/usr/lib/$multiarch
    for deb in "$dist"/*_"${version}"_*.deb; do
        dpkg-deb -x "$deb" "$unpacked"
    done
}

check_game() {
    local out
    uses_unpacked_library "$unpacked/usr/games/sardek"
    out=$(LD_LIBRARY_PATH=$libdir QT_QPA_PLATFORM=offscreen "$unpacked/usr/games/sardek" --version)
    [[ $out == *"Sardek $version"* ]] || { echo "unexpected version: $out" >&2; exit 1; }
    echo "game: $out"
}

# Builds a program with CMake against the unpacked files, then runs it with ARGS.
build_and_run() {
    local source=$1 build=$2 program=$3
    shift 3
    cmake -S "$source" -B "$build" -DCMAKE_PREFIX_PATH="$unpacked/usr" >"$build.log" 2>&1 &&
        cmake --build "$build" >>"$build.log" 2>&1 ||
        { cat "$build.log"; echo "$source does not build" >&2; exit 1; }
    LD_LIBRARY_PATH=$libdir QT_QPA_PLATFORM=offscreen "$build/$program" "$@"
}

check_development_files() {
    build_and_run "$root/tests/velgauge/consumer" "$work/consumer" consumer ||
        { echo "the consumer fails against the unpacked library" >&2; exit 1; }
    local found
    found=$(sed -n 's/^Velgauge_DIR:PATH=//p' "$work/consumer/CMakeCache.txt")
    [[ $found == "$libdir/cmake/Velgauge" ]] ||
        { echo "the consumer found another Velgauge: $found" >&2; exit 1; }
    uses_unpacked_library "$work/consumer/consumer"
    echo "development files: a consumer builds and runs against $found"
}

check_designer_plugin() {
    local plugin=$libdir/qt6/plugins/designer/libvelgauge_designer.so
    uses_unpacked_library "$plugin"
    build_and_run "$root/tests/velgauge/designer-loader" "$work/designer-loader" \
        designer-loader "$plugin" || { echo "the Designer plugin does not load" >&2; exit 1; }
}

copy_sources
share_compiler_cache
build_packages
run_lintian
copy_to_dist
check_dependencies
unpack
check_game
check_development_files
check_designer_plugin
echo "Packages in $dist: install with apt install $dist/*_${version}_*.deb"
