# SPDX-License-Identifier: GPL-3.0-or-later
"""What the table says of a pairing's games: the person's wins are counted
by the caller; this is the rest of the row, from what each game returned."""


def mean(values):
    return sum(values) / len(values) if values else 0.0


def football_note(extra):
    passes = sum(e[0] for e in extra)
    misses = sum(e[1] for e in extra)
    return f"misses {100 * misses / max(passes, 1):.0f} % of {passes} passes"


def airhockey_note(extra):
    n = len(extra)
    return (f"matches to 7: person {sum(e[0] or 0 for e in extra) / n:.1f} goals, "
            f"computer {sum(e[1] or 0 for e in extra) / n:.1f}")


def pace_note(game, extra):
    """Darts and Bowling: how often the person's and the computer's darts or balls come, and their averages."""
    what = "a dart lands" if game == "darts" else "a frame's second ball"
    note = (f"{what} every {mean([g for e in extra for g in e[0]]) / 1000:.2f} s (person), "
            f"{mean([g for e in extra for g in e[1]]) / 1000:.2f} s (computer); ")
    if game == "darts":
        # Three-dart averages, as the game's statistics count them.
        per = [3 * sum(e[2][i] for e in extra) / max(1, sum(e[3][i] for e in extra)) for i in (0, 1)]
        return note + f"three-dart average {per[0]:.1f} (person), {per[1]:.1f} (computer)"
    return note + f"average {mean([e[2] for e in extra]):.0f} (person), {mean([e[3] for e in extra]):.0f} (computer)"


def basketball_note(extra):
    n = len(extra)
    return (f"person {sum(e[0] for e in extra) / n:.1f} points ({sum(e[2] for e in extra) / n:.1f} shots), "
            f"computer {sum(e[1] for e in extra) / n:.1f} points")


def pool_note(extra):
    shots = sum(e[0] for e in extra)
    potted = sum(e[1] for e in extra)
    return f"person pots {potted / max(shots, 1):.2f} balls a shot, {shots / len(extra):.1f} shots a rack"


def note(game, extra):
    if game == "football":
        return football_note(extra)
    if game == "airhockey":
        return airhockey_note(extra)
    if game in ("darts", "bowling"):
        return pace_note(game, extra)
    if game == "pool":
        return pool_note(extra)
    return basketball_note(extra)
