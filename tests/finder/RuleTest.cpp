// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "finder/ContactLog.h"

namespace
{

Contact Ball(int a, int b) { return {0, static_cast<std::int8_t>(a), static_cast<std::int8_t>(b), Cushion::Left}; }
Contact Band(int ball, Cushion cushion = Cushion::Top) { return {0, static_cast<std::int8_t>(ball), Contact::kCushion, cushion}; }

// Cue ball 0 white, 1 red, 2 spotted; path: cushions before the second ball. A ball-to-ball
// contact names the lower-numbered ball first.
struct RuleCase { const char* name; Game game; int cueBall; std::vector<Contact> contacts;
                  Verdict verdict; int firstBall; const char* path; };
const RuleCase kCases[] = {
    {"libre both balls", Game::Libre, 0, {Ball(0, 1), Ball(0, 2)}, Verdict::Scored, 1, ""},
    {"libre kiss on the same ball", Game::Libre, 0, {Ball(0, 2), Ball(0, 2), Band(0)}, Verdict::Open, 2, "H"},
    {"libre object balls touch", Game::Libre, 0, {Ball(0, 1), Ball(1, 2)}, Verdict::Open, 1, ""},
    {"libre spotted cue ball", Game::Libre, 2, {Ball(1, 2), Ball(0, 1), Ball(0, 2)}, Verdict::Scored, 1, ""},
    {"une bande without cushion", Game::UneBande, 0, {Ball(0, 1), Ball(0, 2), Band(0)}, Verdict::Missed, 1, ""},
    {"une bande object ball cushion", Game::UneBande, 0, {Ball(0, 1), Band(1), Ball(0, 2)}, Verdict::Missed, 1, ""},
    {"une bande after the first", Game::UneBande, 1, {Ball(1, 2), Band(1, Cushion::Right), Ball(0, 1)},
     Verdict::Scored, 2, "D"},
    {"trois bandes same cushion again", Game::TroisBandes, 0,
     {Ball(0, 1), Band(0, Cushion::Left), Band(0, Cushion::Bottom), Band(0, Cushion::Left), Ball(0, 2),
      Ball(0, 1)},
     Verdict::Scored, 1, "GBG"},
    {"trois bandes cushions first", Game::TroisBandes, 0,
     {Band(0, Cushion::Top), Band(0, Cushion::Right), Band(0, Cushion::Bottom), Ball(0, 2), Ball(0, 1)},
     Verdict::Scored, 2, "HDB"},
    {"trois bandes two only", Game::TroisBandes, 0,
     {Ball(0, 1), Band(0), Band(0), Band(2), Ball(0, 1), Ball(0, 2), Band(0)}, Verdict::Missed, 1, "HH"},
};

TEST(PointRule, EachGameOnHandBuiltContacts)
{
    for (const RuleCase& c : kCases)
    {
        ContactLog log(c.game, c.cueBall, true);
        bool endAsked = false;
        for (const Contact& contact : c.contacts)
            endAsked = log.OnContact(contact);
        const PointRule& rule = log.Rule();
        SCOPED_TRACE(c.name);
        EXPECT_EQ(std::tuple(rule.Result(), endAsked, rule.FirstObjectBall(), rule.CushionPath()),
                  std::tuple(c.verdict, c.verdict != Verdict::Open, c.firstBall, std::string(c.path)));
        EXPECT_EQ(log.Contacts().size(), c.contacts.size());
        // A verdict still open when the shot ends is a miss.
        EXPECT_EQ(log.Result(), c.verdict == Verdict::Open ? Verdict::Missed : c.verdict);

        ContactLog full(c.game, c.cueBall, false);
        for (const Contact& contact : c.contacts)
            EXPECT_FALSE(full.OnContact(contact));
        EXPECT_EQ(full.Rule().Result(), c.verdict);
    }
}

}  // namespace
