// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/gui/AimMapOverlay.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <utility>

#include "finder/gui/AimMapController.h"
#include "view/MirobeltView.h"
#include "view/ViewDiagram.h"

namespace
{

constexpr int kPlayWatchMs = 50;

// A cue ball in the corner (0, 0) or far off the table is not on it.
bool OnTable(const BallPlace& ball)
{
    return !(ball.x == 0.0 && ball.y == 0.0) && std::abs(ball.x) < 100 && std::abs(ball.y) < 100;
}

}  // namespace

bool AimMapDependsOn(SetUpParts parts)
{
    return (parts & ~(kAimPart | kListPart)) != 0;
}

AimMapOverlay::AimMapOverlay(CMirobeltView* view, AimMapController* map) : QWidget(view), m_view(view)
{
    setObjectName(QStringLiteral("AimMapOverlay"));
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::PointingHandCursor);
    hide();
    connect(map, &AimMapController::mapReady, this, &AimMapOverlay::TakeMap);
    connect(view->Model(), &SetUpModel::setUpChanged, this,
            [this](const TableSetUp&, SetUpParts parts) { OnSetUpChanged(parts); });
    view->installEventFilter(this);
    m_playWatch.setInterval(kPlayWatchMs);
    connect(&m_playWatch, &QTimer::timeout, this, [this] {
        if (m_view && m_view->IsAnimating() != m_playing)
            Place();
    });
}

void AimMapOverlay::TakeMap(const std::vector<AimArc>& arcs)
{
    m_arcs = arcs;
    m_stale = false;
    Place();
}

void AimMapOverlay::OnSetUpChanged(SetUpParts parts)
{
    if (AimMapDependsOn(parts))
    {
        // The ring no longer says the truth: off until the new map comes.
        m_stale = true;
        Place();
    }
}

void AimMapOverlay::Place()
{
    const bool wanted = m_view && !m_stale && !m_arcs.empty();
    if (wanted)
        m_playWatch.start();
    else
        m_playWatch.stop();
    const TableSetUp* setUp = m_view ? &m_view->Model()->Current() : nullptr;
    const bool cueOnTable = setUp && setUp->cueBall >= 1 && setUp->cueBall <= 3 && OnTable(setUp->balls[setUp->cueBall - 1]);
    m_playing = m_view && m_view->IsAnimating();
    if (!wanted || !cueOnTable || m_playing || LayoutOfView(*m_view).ballRadiusPx <= 0)
    {
        hide();
        return;
    }
    // Sized by the balls: a band a little wider than a ball's radius, well
    // clear of the cue ball so that the ball and its aim line stay in view.
    const BallPlace& cue = setUp->balls[setUp->cueBall - 1];
    const double ballRadius = LayoutOfView(*m_view).ballRadiusPx;
    m_ring.centre = QPointF(m_view->MapX(cue.x), m_view->MapY(cue.y));
    m_ring.thickness = std::max(6.0, 0.8 * ballRadius);
    m_ring.radius = std::max(3.0 * ballRadius, 20.0) + m_ring.thickness / 2;
    m_ring.minArcLength = 3;
    setGeometry(m_view->rect());
    setMask(AimRingRegion(m_ring));
    show();
    raise();
    update();
}

bool AimMapOverlay::eventFilter(QObject* watched, QEvent* event)
{
    // The view lays the table out anew in its own resize handler, which runs
    // after this one: the ring is placed once it has.
    if (watched == m_view && event->type() == QEvent::Resize)
        QMetaObject::invokeMethod(this, &AimMapOverlay::Place, Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

bool AimMapOverlay::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip)
    {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int arc = AimArcAt(m_ring, m_arcs, help->pos());
        if (arc >= 0)
            QToolTip::showText(help->globalPos(),
                               tr("Fenêtre de %1° : un clic vise en son milieu")
                                   .arg(m_arcs[arc].widthDegrees, 0, 'f', m_arcs[arc].widthDegrees < 1 ? 2 : 1),
                               this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void AimMapOverlay::mousePressEvent(QMouseEvent* event)
{
    const int arc = event->button() == Qt::LeftButton ? AimArcAt(m_ring, m_arcs, event->position()) : -1;
    m_pressTaken = arc >= 0;
    if (!m_pressTaken)
    {
        event->ignore();  // the view beneath takes it
        return;
    }
    emit arcChosen(m_arcs[arc].MiddleDegrees());
}

void AimMapOverlay::mouseReleaseEvent(QMouseEvent* event)
{
    // The end of a click taken here is no click of the view's.
    if (!std::exchange(m_pressTaken, false))
        event->ignore();
}

void AimMapOverlay::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A second click on an arc aims again; elsewhere it is the view's.
    mousePressEvent(event);
}

void AimMapOverlay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DrawAimRing(painter, m_ring, m_arcs);
}
