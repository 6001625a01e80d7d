#!/usr/bin/env bash
# Builds everything (program, tests, benchmarks) with warnings as errors in
# every build type, with GCC and with clang, and once with Debian's own flags
# as debhelper passes them. Each build goes to $MATRIX (default /tmp/vextondof-matrix).
#   tools/build_matrix.sh [gcc|clang ...]
set -uo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
out=${MATRIX:-/tmp/vextondof-matrix}
compilers=("${@:-gcc clang}")
failed=0
for compiler in ${compilers[*]}; do
  case $compiler in
    gcc) cc=gcc cxx=g++ ;;
    clang) cc=clang cxx=clang++ ;;
    *) echo "unknown compiler $compiler"; exit 2 ;;
  esac
  for type in Release RelWithDebInfo Debug Debian; do
    dir=$out/$compiler-$type
    flags=()
    if [ "$type" = Debian ]; then
      # As debhelper does: build type None, dpkg-buildflags exported, CPPFLAGS
      # folded into the compiler flags.
      eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
      flags=(-DCMAKE_BUILD_TYPE=None "-DCMAKE_C_FLAGS=$CFLAGS $CPPFLAGS"
             "-DCMAKE_CXX_FLAGS=$CXXFLAGS $CPPFLAGS" "-DCMAKE_EXE_LINKER_FLAGS=$LDFLAGS")
      unset CFLAGS CXXFLAGS CPPFLAGS LDFLAGS
    else
      flags=(-DCMAKE_BUILD_TYPE=$type)
    fi
    if cmake -S "$src" -B "$dir" -DCMAKE_C_COMPILER=$cc -DCMAKE_CXX_COMPILER=$cxx \
         -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DVEXTON_BENCH=ON "${flags[@]}" >"$dir.log" 2>&1 &&
       cmake --build "$dir" -j "$(nproc)" >>"$dir.log" 2>&1; then
      echo "$compiler $type: built"
    else
      echo "$compiler $type: FAILED (see $dir.log)"; failed=1
    fi
  done
done
exit $failed
