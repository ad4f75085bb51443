#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# make bench: corvel-thumb (and the bare engine core) beside vipsthumbnail and ImageMagick on
# large pictures. Usage: bench/run.sh [BUILD_DIR]  (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

missing=()
command -v convert >/dev/null || missing+=(imagemagick)
command -v vipsthumbnail >/dev/null || missing+=(libvips-tools)
command -v python3 >/dev/null || missing+=(python3)
if ((${#missing[@]})); then
    sudo=$([ "$(id -u)" = 0 ] || echo sudo)
    echo "installing: ${missing[*]}"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

exec python3 bench/run.py --build "$build" "${@:2}"
