// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The map of scoring aims on the table: a transparent child of the view that
// draws the ring of scoring windows around the cue ball (see AimMapRing) and
// takes the clicks on it. Its mask is the ring alone, so that every other
// click goes to the view; the view's own picture is never touched.

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <vector>

#include "diagram/AimMapRing.h"
#include "setup/TableSetUp.h"

class AimMapController;
class CMirobeltView;

// Whether a change of these parts of the set-up changes the map: every part
// but the aim itself (the map covers every direction) and the list.
bool AimMapDependsOn(SetUpParts parts);

class AimMapOverlay : public QWidget
{
    Q_OBJECT

public:
    AimMapOverlay(CMirobeltView* view, AimMapController* map);

    // Where the ring is drawn in the view's logical pixels (radius 0: nowhere).
    const AimRing& Ring() const { return m_ring; }
    const std::vector<AimArc>& Arcs() const { return m_arcs; }
    // The ring is on the table: a map of the set-up shown, no shot playing.
    bool RingShown() const { return isVisible(); }

signals:
    // A left click on an arc: aim along the middle of its window.
    void arcChosen(double middleDegrees);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void TakeMap(const std::vector<AimArc>& arcs);
    void OnSetUpChanged(SetUpParts parts);
    // Places the ring on the cue ball and shows it, or hides it.
    void Place();

    QPointer<CMirobeltView> m_view;
    std::vector<AimArc> m_arcs;
    AimRing m_ring;
    bool m_stale = true;  // the set-up changed since the map was made
    QTimer m_playWatch;   // hides the ring while a shot is played
    bool m_playing = false;
    bool m_pressTaken = false;  // the button went down on an arc
};
