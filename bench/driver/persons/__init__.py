# SPDX-License-Identifier: GPL-3.0-or-later
"""Models of a person, one module a game, playing through the headless driver."""
