#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the game from its own folder, where it finds its sound files.
exec "$(dirname "$(readlink -f "$0")")/../lib/qorza/qorza" "$@"
