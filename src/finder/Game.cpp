// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/Game.h"

int CushionsNeeded(Game game)
{
    switch (game)
    {
    case Game::UneBande:
        return 1;
    case Game::TroisBandes:
        return 3;
    case Game::Libre:
        break;
    }
    return 0;
}

const char* GameKey(Game game)
{
    switch (game)
    {
    case Game::UneBande:
        return "une-bande";
    case Game::TroisBandes:
        return "trois-bandes";
    case Game::Libre:
        break;
    }
    return "libre";
}

bool GameFromKey(std::string_view key, Game& game)
{
    for (const Game candidate : kGames)
    {
        if (key == GameKey(candidate))
        {
            game = candidate;
            return true;
        }
    }
    return false;
}

const char* GameTitle(Game game)
{
    switch (game)
    {
    case Game::UneBande:
        return "Une bande";
    case Game::TroisBandes:
        return "Trois bandes";
    case Game::Libre:
        break;
    }
    return "Libre";
}
