#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/) with clang's libFuzzer and runs them, one after the other.
#
#   scripts/fuzz.sh [--seconds N] [--jobs N] [--dir DIR] [--build-only | --run-only] [target...]
#
# Targets: drive scenario pagetree address decodeaddress (all without names). Each runs N
# seconds (default 300) in N jobs (default 1), starting from its seeds in fuzz/corpus/<target>;
# what it learns stays in DIR/corpus/<target> for the next run, what fails lands in
# DIR/artifacts/<target>/. Exits 77 where clang or libFuzzer is missing (CTest skips then),
# 1 when a target found something.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds=300
jobs=1
dir="$root/build/fuzz"
build=1
run=1
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
        --seconds) seconds="$2"; shift 2 ;;
        --jobs) jobs="$2"; shift 2 ;;
        --dir) dir="$2"; shift 2 ;;
        --build-only) run=0; shift ;;
        --run-only) build=0; shift ;;
        drive|scenario|pagetree|address|decodeaddress) targets+=("$1"); shift ;;
        *) echo "unknown argument: $1" >&2; exit 2 ;;
    esac
done
[ ${#targets[@]} -gt 0 ] || targets=(drive scenario pagetree address decodeaddress)

# libFuzzer comes with clang's runtime package (libclang-rt-14-dev on Debian 12).
probe="$(mktemp -d)"
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char *, unsigned long) { return 0; }' >"$probe/probe.cpp"
if ! command -v clang++ >/dev/null || ! clang++ -fsanitize=fuzzer "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null; then
    echo "clang++ with libFuzzer is not installed: nothing to fuzz"
    exit 77
fi

if [ $build -eq 1 ]; then
    options=(-DCMAKE_CXX_COMPILER=clang++)
    if command -v ccache >/dev/null; then
        # As the main build does: paths relative to the checkout, so other clones hit the cache.
        options+=("-DCMAKE_CXX_COMPILER_LAUNCHER=env;CCACHE_BASEDIR=$root;CCACHE_NOHASHDIR=1;ccache")
    fi
    [ -f "$dir/CMakeCache.txt" ] || options+=(-G Ninja)
    cmake -S "$root/fuzz" -B "$dir" "${options[@]}" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
fi
[ $run -eq 1 ] || exit 0

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp:print_suppressions=0"
failed=()
for target in "${targets[@]}"; do
    binary="$dir/bin/fuzz_$target"
    if [ ! -x "$binary" ]; then
        echo "$binary is not built: scripts/fuzz.sh --build-only first"
        exit 77
    fi
    mkdir -p "$dir/corpus/$target" "$dir/artifacts/$target" "$dir/logs/$target"
    arguments=(-max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1
               -artifact_prefix="$dir/artifacts/$target/")
    [ -f "$root/fuzz/$target.dict" ] && arguments+=(-dict="$root/fuzz/$target.dict")
    # Several jobs write their logs into the folder they run in.
    [ "$jobs" -gt 1 ] && arguments+=(-jobs="$jobs" -workers="$jobs")
    echo "== $target: $seconds s, $jobs job(s)"
    if (cd "$dir/logs/$target" && "$binary" "${arguments[@]}" "$dir/corpus/$target" "$root/fuzz/corpus/$target"); then
        :
    else
        failed+=("$target")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "Findings in ${failed[*]}: see $dir/artifacts"
    exit 1
fi
