#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The computer's levels against the models of a person, as a table:
#   bench/opponents_table.sh [BUILD] [GAMES] [DRIVER_GAMES]
# 1. every game's skill measurement on its model, GAMES games a pairing (200);
# 2. the newcomer and the regular through the headless driver, with the
#    mouse as a user plays, DRIVER_GAMES games a pairing (20).
set -e
BUILD=${1:-build}
GAMES=${2:-200}
DRIVER_GAMES=${3:-20}
QUINTARO_SKILL_GAMES=$GAMES "$BUILD/tests/quintaro_tests" --gtest_filter='*Skill*' | grep '^\[skill\]'
python3 "$(dirname "$0")/driver/opponents.py" "$BUILD/quintaro-headless" "$DRIVER_GAMES"
