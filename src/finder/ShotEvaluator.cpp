// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/ShotEvaluator.h"

ShotEvaluator::ShotEvaluator(const CMirobeltDoc& prototype, Game game, int cueBall)
    : m_doc(std::make_unique<CMirobeltDoc>(prototype)),
      m_earlyLog(game, cueBall - 1, true),
      m_fullLog(game, cueBall - 1, false)
{
    m_doc->m_physics.m_bWatchesPointer = false;
}

ShotEvaluator::~ShotEvaluator() = default;

ShotOutcome ShotEvaluator::Evaluate(const ShotSetup& setup, bool endEarly)
{
    ContactLog& log = endEarly ? m_earlyLog : m_fullLog;
    log.Restart();
    m_doc->m_physics.m_pContacts = &log;
    m_doc->SetShotRequest(setup);
    m_doc->RunShot();
    m_doc->m_physics.m_pContacts = nullptr;

    return OutcomeOf(log);
}

ShotOutcome OutcomeOf(const ContactLog& log)
{
    ShotOutcome outcome;
    outcome.verdict = log.Result();
    outcome.firstBall = log.Rule().FirstObjectBall();
    outcome.cushionsBeforeSecond = log.Rule().CushionsBeforeSecond();
    outcome.cushionPath = log.Rule().CushionPath();
    return outcome;
}
