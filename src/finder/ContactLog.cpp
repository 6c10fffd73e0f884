// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/ContactLog.h"

#include "sim/ShotPhysics.h"

namespace
{
constexpr std::size_t kUsualContacts = 64;
}

ContactLog::ContactLog(Game game, int cueBall, bool endEarly)
    : m_game(game), m_cueBall(cueBall), m_bEndEarly(endEarly), m_rule(game, cueBall)
{
    m_contacts.reserve(kUsualContacts);
}

void ContactLog::Restart()
{
    m_rule = PointRule(m_game, m_cueBall);
    m_contacts.clear();
}

bool ContactLog::OnContact(const Contact& contact)
{
    m_contacts.push_back(contact);
    return m_rule.Take(contact) != Verdict::Open && m_bEndEarly;
}

bool ContactLog::OnSample(const CShotPhysics& physics)
{
    if (!m_bEndEarly)
        return false;
    // A cue ball number out of range strikes no ball: nothing can score.
    const bool noCueBall = m_cueBall < 0 || m_cueBall > 2;
    if (!noCueBall && !physics.BallAtRest(m_cueBall))
        return false;
    m_rule.CueBallStopped();
    return true;
}

Verdict ContactLog::Result() const
{
    return m_rule.Result() == Verdict::Open ? Verdict::Missed : m_rule.Result();
}
