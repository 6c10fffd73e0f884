// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/MirobeltView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include "platform/KeyInput.h"
#include "platform/MessagePump.h"
#include "render/DrawingToolkit.h"

CMirobeltView::CMirobeltView(CMirobeltDoc* doc, QWidget* parent, SetUpModel* model)
    : QWidget(parent), m_pDoc(doc), m_pModel(model != nullptr ? model : new SetUpModel(doc, this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);  // pointer moves arrive with no button down too
    setFocusPolicy(Qt::StrongFocus);

    CreateDrawingObjects();
    for (int b = 0; b < 3; ++b)
        m_balls[b].index = b;
    UseColourLook();

    for (int i = 0; i < kMarkerCount; ++i)
    {
        CMarker& marker = m_markers[i];
        marker.x = 0.03 * i - 0.05;
        marker.y = -0.06;
        marker.pPen = &g_penWhite;
        marker.pBrush = &g_brMarker;
    }

    MillisecondClock();  // starts the animation clock
    InstallPointerWatch();

    m_pModel->SetBusyCheck([this] { return IsAnimating(); });
    connect(m_pModel, &SetUpModel::setUpChanged, this, &CMirobeltView::OnModelChanged);
}

CMirobeltView::~CMirobeltView()
{
    if (s_nWindowDCCount > 0 && s_pWindowDC != nullptr && s_pWindowDC->Target() == &m_picture)
    {
        delete s_pWindowDC;
        s_pWindowDC = nullptr;
        s_nWindowDCCount = 0;
    }
}

CDC* CMirobeltView::AcquireWindowDC()
{
    if (s_nWindowDCCount == 0)
    {
        if (m_picture.isNull())
            FitPicture();
        s_pWindowDC = new CDC(&m_picture);
    }
    s_nWindowDCCount = 1;
    return s_pWindowDC;
}

void CMirobeltView::ReleaseWindowDC(CDC*)
{
    if (s_nWindowDCCount <= 0)
        return;
    --s_nWindowDCCount;
    const QRegion dirty = s_pWindowDC->Dirty();
    delete s_pWindowDC;
    s_pWindowDC = nullptr;
    Present(dirty);
}

void CMirobeltView::Present(const QRegion& area)
{
    if (area.isEmpty() || !isVisible())
        return;
    if (m_bInPaint)
        update(area);
    else
        repaint(area);  // synchronous: what was drawn is on the screen now
}

bool CMirobeltView::FitPicture()
{
    // The drawing width reaches 10 pixels past the window's right edge.
    const QSize size(std::max(width(), 1) + 10, std::max(height(), 1));
    const double ratio = std::max(1.0, devicePixelRatioF());
    if (!m_picture.isNull() && m_picture.devicePixelRatio() == ratio && m_picture.size() == ToDeviceSize(size, ratio))
        return false;
    if (s_nWindowDCCount > 0 && s_pWindowDC != nullptr && s_pWindowDC->Target() == &m_picture)
        return false;  // never swap the picture under a drawing in progress
    // A clean picture: what the next whole-view draw leaves unpainted stays white.
    m_picture = QImage(ToDeviceSize(size, ratio), QImage::Format_RGB32);
    m_picture.setDevicePixelRatio(ratio);
    m_picture.fill(Qt::white);
    return true;
}

void CMirobeltView::paintEvent(QPaintEvent* event)
{
    m_bInPaint = true;
    if (FitPicture() || !m_bFirstDrawDone)
        OnDraw(nullptr);
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (m_picture.devicePixelRatio() == 1.0)
    {
        for (const QRect& part : event->region())
            painter.drawImage(part.topLeft(), m_picture, part);
    }
    else
        painter.drawImage(QPointF(0, 0), m_picture);  // limited to the region being painted
    m_bInPaint = false;
}

void CMirobeltView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (FitPicture() && m_bFirstDrawDone)
    {
        const bool wasInPaint = m_bInPaint;
        m_bInPaint = true;  // the whole-view draw is followed by the paint Qt sends after a resize
        OnDraw(nullptr);
        m_bInPaint = wasInPaint;
    }
}

bool CMirobeltView::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    // On a screen of another pixel ratio the picture is made anew and drawn whole.
    if (event->type() == QEvent::ScreenChangeInternal && FitPicture() && m_bFirstDrawDone)
        OnDraw(nullptr);
    return handled;
}

namespace
{
std::uint32_t PointerFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    std::uint32_t flags = 0;
    if (buttons & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (modifiers & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}
}  // namespace

void CMirobeltView::mousePressEvent(QMouseEvent* event)
{
    m_nGesture = m_pModel->NewGesture();
    ModelStep step(*this, {}, true);
    const std::uint32_t flags = PointerFlags(event->buttons(), event->modifiers());
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(flags, point);
    else if (event->button() == Qt::RightButton)
        OnRButtonDown(flags, point);
}

void CMirobeltView::mouseReleaseEvent(QMouseEvent* event)
{
    ModelStep step(*this, {}, true);
    const std::uint32_t flags = PointerFlags(event->buttons(), event->modifiers());
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        OnLButtonUp(flags, point);
    else if (event->button() == Qt::RightButton)
        OnRButtonUp(flags, point);
}

void CMirobeltView::mouseMoveEvent(QMouseEvent* event)
{
    ModelStep step(*this, {}, true);
    OnMouseMove(PointerFlags(event->buttons(), event->modifiers()), event->position().toPoint());
}

void CMirobeltView::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_nGesture = m_pModel->NewGesture();
    ModelStep step(*this, {}, true);
    const std::uint32_t flags = PointerFlags(event->buttons(), event->modifiers());
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        OnLButtonDblClk(flags, point);
    else if (event->button() == Qt::RightButton)
        OnRButtonDown(flags, point);  // a second right press
}

void CMirobeltView::keyPressEvent(QKeyEvent* event)
{
    // A repeat of a key whose press this window did not see held to the end
    // (the focus went away meanwhile) is no command: a Return held across a
    // dialog would otherwise restart the shot with every repeat.
    if (!m_heldKeys.Press(*event))
        return;
    // The repeats of a held key make one step with its first press.
    if (!event->isAutoRepeat() || m_nGesture == 0)
        m_nGesture = m_pModel->NewGesture();
    ModelStep step(*this, {}, true);
    const KeyMessage message = TranslateKeyEvent(*event);
    OnKeyDown(message.key, message.repeatCount, message.flags);
}

void CMirobeltView::wheelEvent(QWheelEvent* event)
{
    QWidget::wheelEvent(event);
}

void CMirobeltView::focusOutEvent(QFocusEvent* event)
{
    // A key held while the focus went elsewhere counts as released: its
    // repeats after the focus comes back start a step of their own.
    m_nGesture = 0;
    m_heldKeys.ReleaseAll();
    QWidget::focusOutEvent(event);
}

void CMirobeltView::keyReleaseEvent(QKeyEvent* event)
{
    m_heldKeys.Release(*event);
    QWidget::keyReleaseEvent(event);
}

void CMirobeltView::timerEvent(QTimerEvent* event)
{
    ModelStep step(*this, {}, true);
    OnTimer(event->timerId());
}
