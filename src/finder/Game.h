// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The three games of French carom the finder knows.
enum class Game
{
    Libre,        // the cue ball touches both object balls
    UneBande,     // ... with at least one cushion before the second
    TroisBandes,  // ... with at least three cushions before the second
};

inline constexpr Game kGames[] = {Game::Libre, Game::UneBande, Game::TroisBandes};

// Cushions the cue ball must touch before the second object ball.
int CushionsNeeded(Game game);

// Name on the command line: "libre", "une-bande", "trois-bandes".
const char* GameKey(Game game);
// The game of a command-line name; false when the name is none of them.
bool GameFromKey(std::string_view key, Game& game);

// Name shown to the player: "Libre", "Une bande", "Trois bandes" (UTF-8).
const char* GameTitle(Game game);
