#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest:
#  1. the development build: all tests;
#  2. the same suite built with AddressSanitizer, UndefinedBehaviorSanitizer
#     and LeakSanitizer (the Wine and packaging checks build and run nothing
#     of it, so they run once, in step 1);
#  3. a bounded run of each fuzzer (clang, libFuzzer).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --test

cmake --preset default
cmake --build --preset default
ctest --preset default

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

cmake --preset fuzz
cmake --build --preset fuzz
ctest --preset fuzz
