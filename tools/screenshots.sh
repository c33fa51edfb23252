#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of every kind of page, the about box, the transfer and port dialogs, made
# on the offscreen platform into build/screenshots (or the folder given); the USA list and
# the radio settings in French and German, and at 200 %.
cd "$(dirname "$0")/.." || exit 1
out=${1:-build/screenshots}
cmake --build build --target quorlink-screenshots -j "$(nproc)" >/dev/null || exit 1
QT_QPA_PLATFORM=offscreen build/tools/quorlink-screenshots "$out" || exit 1
# The same pages on a screen at twice the size.
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 build/tools/quorlink-screenshots "$out" --scaled
