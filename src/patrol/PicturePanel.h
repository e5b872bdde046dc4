#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

// A marker the operator places on a picture: a small picture (a filled
// square near its left end and a short label) dragged with the left mouse
// button or moved with the arrow keys (Shift: ten pixels), always kept
// inside its panel. Its position is its left and top edge in the panel.
class PictureMarker : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Width = 60;
    static constexpr int Height = 14;

    PictureMarker(const QString &label, const QColor &colour, QWidget *panel);

    // Moves to a position, pulled inside the panel where it lies outside.
    void place(const QPoint &at);
    // Where a position is pulled to inside the panel.
    QPoint clamped(const QPoint &at) const;
    bool isDragging() const { return m_dragging; }
    // A fixed marker shows its position and takes neither mouse nor keys.
    void setMovable(bool movable);
    bool isMovable() const { return m_movable; }

signals:
    // The operator moved it (drag or arrow keys).
    void movedByOperator();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_label;
    QColor m_colour;
    QPoint m_pressed; // where the button went down, in the marker
    bool m_dragging = false;
    bool m_movable = true;
};

// The picture area: a white panel of a fixed size over which one of its
// pictures is stretched; markers are placed on it in panel pixels.
class PicturePanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Width = 727;
    static constexpr int Height = 516;

    explicit PicturePanel(QWidget *parent = nullptr);

    // Adds a picture (a resource path); the first one added is shown.
    int addPicture(const QString &path);
    void showPicture(int index);
    int shownPicture() const { return m_shown; }
    const QImage &picture(int index) const { return m_pictures.at(index); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<QImage> m_pictures;
    int m_shown = -1;
};
