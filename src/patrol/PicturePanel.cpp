#include "PicturePanel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

// Resources of a static library are registered by hand; from the global
// namespace, as the macro needs.
static void initPatrolPictures()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(patrol_pictures);
        return true;
    }();
    Q_UNUSED(done);
}

PictureMarker::PictureMarker(const QString &label, const QColor &colour, QWidget *panel)
    : QWidget(panel), m_label(label), m_colour(colour)
{
    setFixedSize(Width, Height);
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::SizeAllCursor);
    setToolTip(label);
}

QPoint PictureMarker::clamped(const QPoint &at) const
{
    const QWidget *panel = parentWidget();
    const int maxX = std::max(0, panel->width() - width());
    const int maxY = std::max(0, panel->height() - height());
    return {std::clamp(at.x(), 0, maxX), std::clamp(at.y(), 0, maxY)};
}

void PictureMarker::place(const QPoint &at)
{
    move(clamped(at));
}

void PictureMarker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect(), QColor(255, 255, 255, 200));
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.fillRect(QRect(3, 3, 8, 8), m_colour);
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    painter.drawText(QRect(14, 0, width() - 15, height()), Qt::AlignVCenter | Qt::AlignLeft, m_label);
    if (hasFocus()) {
        painter.setPen(QPen(m_colour, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void PictureMarker::setMovable(bool movable)
{
    m_movable = movable;
    m_dragging = false;
    setFocusPolicy(movable ? Qt::ClickFocus : Qt::NoFocus);
    setCursor(movable ? Qt::SizeAllCursor : Qt::ArrowCursor);
}

void PictureMarker::mousePressEvent(QMouseEvent *event)
{
    if (m_movable && event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_pressed = event->position().toPoint();
    }
    QWidget::mousePressEvent(event);
}

void PictureMarker::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const QPoint target = clamped(pos() + event->position().toPoint() - m_pressed);
    if (target == pos())
        return;
    move(target);
    emit movedByOperator();
}

void PictureMarker::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

void PictureMarker::keyPressEvent(QKeyEvent *event)
{
    if (!m_movable) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    QPoint delta;
    switch (event->key()) {
    case Qt::Key_Left: delta = {-step, 0}; break;
    case Qt::Key_Right: delta = {step, 0}; break;
    case Qt::Key_Up: delta = {0, -step}; break;
    case Qt::Key_Down: delta = {0, step}; break;
    default: QWidget::keyPressEvent(event); return;
    }
    const QPoint target = clamped(pos() + delta);
    if (target != pos()) {
        move(target);
        emit movedByOperator();
    }
    event->accept();
}

PicturePanel::PicturePanel(QWidget *parent) : QWidget(parent)
{
    initPatrolPictures();
    setFixedSize(Width, Height);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

int PicturePanel::addPicture(const QString &path)
{
    m_pictures.append(QImage(path));
    if (m_shown < 0)
        m_shown = 0;
    update();
    return int(m_pictures.size()) - 1;
}

void PicturePanel::showPicture(int index)
{
    if (index < 0 || index >= m_pictures.size() || index == m_shown)
        return;
    m_shown = index;
    update();
}

void PicturePanel::paintEvent(QPaintEvent *)
{
    if (m_shown < 0 || m_pictures.at(m_shown).isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_pictures.at(m_shown));
}
