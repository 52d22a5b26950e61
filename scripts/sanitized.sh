# Sourced by ./test.sh --sanitize and fuzz/run.sh from the top of the tree: builds the tree
# with AddressSanitizer and UndefinedBehaviorSanitizer (clang, no recovery, with libFuzzer's
# coverage) in build-sanitize/, and sets how the sanitizers report at run time.
CORVANE_BUILD=build-sanitize \
  CORVANE_CMAKE_ARGS="-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DCORVANE_SANITIZE=ON" \
  scripts/setup.sh
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
