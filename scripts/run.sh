#!/usr/bin/env bash
# Sets everything up, builds and starts Zellforma.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec ./build/bin/zellforma "$@"
