#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of every kind of page, the about box, the transfer and port dialogs, made
# on the offscreen platform into build/screenshots (or the folder given).
cd "$(dirname "$0")/.." || exit 1
out=${1:-build/screenshots}
cmake --build build --target quorlink-screenshots -j "$(nproc)" >/dev/null || exit 1
QT_QPA_PLATFORM=offscreen build/tools/quorlink-screenshots "$out"
