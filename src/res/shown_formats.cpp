// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/shown_text.h"

#include "platform/i18n.h"

namespace {

// Formats first, then the fixed words and sentences the games show. The
// parts of a format are translated in turn, so a result line is found as
// "%s. Click to play again." around "%s wins" around a name.
constexpr ShownFormat kFormats[] = {
    // The shell and every game.
    {N_("%s. Click to play again.")},
    {N_("Computer (%s)")},
    {N_("%s to play")},
    {N_("Saved %s")},
    {N_("Could not save %s")},
    {N_("When Quintaro last closed: %s")},
    {N_("Play %s")},
    {N_("%s wins")},
    {N_("%s Wins!")},
    {N_("%s and %s win")},
    {N_("Click mouse to start computer player!")},
    {N_("This game is not available yet.")},
    {N_("Display mode must be set to at least 256 colors")},
    {N_("Terminal Error - quitting application")},
    {N_("Initializing....")},
    {N_("View the Hall of Fame")},
    {N_("Do you wish to quit the current game?")},
    {N_("Quit Game?")},
    {N_("Hurray you have won, good job")},
    {N_("Beginner")},
    {N_("Club")},
    {N_("Expert")},
    {N_("Game Level")},
    {N_("Air Hockey")},
    {N_("Basketball")},
    {N_("Bowling")},
    {N_("Darts")},
    {N_("Football")},
    {N_("Pool")},
    // Football.
    {N_("%s (computer) to pass")},
    {N_("%s, begin pass: take a football, then drag from the box up to the board")},
    {N_("%s (C)")},
    {NN_("Pass completed for %d yard, First Down Baby!", "Pass completed for %d yards, First Down Baby!")},
    {NN_("Pass completed for %d yard", "Pass completed for %d yards")},
    {NN_("Pass is complete for %d yard, Touchdown", "Pass is complete for %d yards, Touchdown")},
    {NN_("Pass is completed for %d yard, Touchdown", "Pass is completed for %d yards, Touchdown")},
    {N_("Game Over - You Win")},
    {N_("Pass is Incomplete")},
    {N_("Loss of Down")},
    {N_("Pass is intercepted")},
    {N_("Interception")},
    // Air Hockey.
    {N_("Its a Goal!\n%s scores.")},
    {N_("Goal")},
    {N_("PLAYER")},
    {N_("COMPUTER")},
    // Darts.
    {N_("Pick a dart please.")},
    {N_("You have busted")},
    {N_("%s has busted")},
    {N_("Avg %s")},
    {N_("MPR %s")},
    {N_("Bulls")},
    {N_("Double in")},
    {N_("Double out")},
    {N_("Double in/out")},
    {N_("Double in: %s")},
    {N_("Double out: %s")},
    {N_("Double in/out: %s")},
    // Bowling.
    {N_("Good job %s, you have won!")},
    {N_("Spin is off: set it in Options > Game Controls to hook with Shift or Ctrl.")},
    {N_("Strike!")},
    {N_("Spare!")},
    {N_("Split")},
    {N_("Foul")},
    // Basketball.
    {N_("%s is the winner with a score of %d!")},
    {N_("%s is the winner with a time of %d!")},
    {N_("Nobody reached 40")},
    {N_("Nobody scored")},
    {N_("Click left mouse button to begin.")},
    // A result, two spaces, and the prompt to begin again.
    {N_("%s  %s")},
    // Pool.
    {N_("%s, shoots at %s.")},
    {N_("solid")},
    {N_("stripe")},
    {N_("open table")},
    {N_("%s, place cue ball")},
    {N_("Select Pocket for 8 ball.")},
    {N_("Illegal shot - try again")},
    {N_("Legal shot")},
    {N_("Checking for legal shot....")},
    {N_("Top Left Corner Pocket Selected")},
    {N_("Top Middle Pocket Selected")},
    {N_("Top Right Corner Pocket Selected")},
    {N_("Bottom Left Corner Pocket Selected")},
    {N_("Bottom Middle Pocket Selected")},
    {N_("Bottom Right Corner Pocket Selected")},
    {N_("%s Loses! 8-Ball in wrong pocket.")},
    {N_("%s potted the 8 before clearing the solids and loses.")},
    {N_("%s potted the 8 before clearing the stripes and loses.")},
    {N_("%s potted the 8 before the groups were decided and loses.")},
    {N_("%s scratches on 8-ball shot and loses!")},
    {N_("%s scratches on 8-ball shot, you lose!")},
    // The statistics.
    {N_("Forget the statistics of every player?")},
    {N_("Reset Statistics")},
    {N_("Game")},
    {N_("Player")},
    {N_("Played")},
    {N_("Won")},
    {N_("Best")},
    {N_("Average")},
    {N_("No games have been played yet.")},
    {NN_("... and %d more.", "... and %d more.")},
    // The help window.
    {N_("Close")},
    {N_("Quintaro Games Help")},
    {N_("Quintaro Games Licences")},
};

}  // namespace

std::span<const ShownFormat> ShownFormats() { return kFormats; }
