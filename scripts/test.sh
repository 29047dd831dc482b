#!/usr/bin/env bash
# Sets everything up, builds and runs all tests (GUI tests headless).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
