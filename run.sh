#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts the editor with the given
# arguments (for example ./run.sh /K for the service mode).
cd "$(dirname "$0")" || exit 1
. scripts/setup.sh
install_missing_packages
configure_and_build
exec "$BUILD_DIR/src/app/quorlink" "$@"
