// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "finder/PointRule.h"
#include "sim/ContactReceiver.h"

// The contacts of one shot, kept in order, with the game's verdict on them.
// With the early end on it asks the computation to stop as soon as the
// verdict is known or the cue ball has come to rest; the contacts kept are
// then the beginning of those of the full computation.
class ContactLog final : public ContactReceiver
{
public:
    // cueBall: 0 white, 1 red, 2 spotted.
    ContactLog(Game game, int cueBall, bool endEarly);

    // Forgets the last shot (keeps the storage).
    void Restart();

    bool OnContact(const Contact& contact) override;
    bool OnSample(const CShotPhysics& physics) override;

    const std::vector<Contact>& Contacts() const { return m_contacts; }
    // The rule after the shot: a verdict still open when the computation ends is a miss.
    const PointRule& Rule() const { return m_rule; }
    Verdict Result() const;

private:
    Game m_game;
    int m_cueBall;
    bool m_bEndEarly;
    PointRule m_rule;
    std::vector<Contact> m_contacts;
};
