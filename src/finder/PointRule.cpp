// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/PointRule.h"

PointRule::PointRule(Game game, int cueBall) : m_game(game), m_cueBall(cueBall) {}

Verdict PointRule::Take(const Contact& contact)
{
    if (m_verdict != Verdict::Open)
        return m_verdict;

    if (contact.IsCushion())
    {
        if (contact.ball == m_cueBall)
        {
            if (m_cushions < kPathLength)
                m_path[m_cushions] = contact.cushion;
            ++m_cushions;
        }
        return m_verdict;
    }

    int objectBall;
    if (contact.ball == m_cueBall)
        objectBall = contact.other;
    else if (contact.other == m_cueBall)
        objectBall = contact.ball;
    else
        return m_verdict;  // the two object balls

    if (m_firstBall < 0)
        m_firstBall = objectBall;
    else if (objectBall != m_firstBall)
        m_verdict = m_cushions >= CushionsNeeded(m_game) ? Verdict::Scored : Verdict::Missed;
    return m_verdict;
}

void PointRule::CueBallStopped()
{
    if (m_verdict == Verdict::Open)
        m_verdict = Verdict::Missed;
}

std::string PointRule::CushionPath() const
{
    std::string path;
    for (int i = 0; i < m_cushions && i < kPathLength; ++i)
        path += CushionLetter(m_path[i]);
    return path;
}

char CushionLetter(Cushion cushion)
{
    switch (cushion)
    {
    case Cushion::Left:
        return 'G';
    case Cushion::Right:
        return 'D';
    case Cushion::Top:
        return 'H';
    case Cushion::Bottom:
        break;
    }
    return 'B';
}
