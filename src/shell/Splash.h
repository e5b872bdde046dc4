#pragma once

#include <QPixmap>
#include <QWidget>

// The borderless start-up picture, shaped by its mask. Without the picture
// files nothing of it is visible.
class Splash : public QWidget
{
public:
    // Looks for MainImg/SPLASH.bmp and MainImg/SMASK.bmp in exeDir.
    explicit Splash(const QString &exeDir);

    bool hasPicture() const { return !m_picture.isNull(); }
    // Shows and paints at once (only when there is a picture).
    void showNow();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};

// The window region of a monochrome mask: every pixel whose bit is 0.
QRegion RegionFromMask(const QImage &mask);
