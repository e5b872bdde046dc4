#include "Splash.h"

#include "Routines.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QScreen>

using namespace Qt::StringLiterals;

QRegion RegionFromMask(const QImage &mask)
{
    const QImage mono = mask.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    QRegion region;
    for (int y = 0; y < mono.height(); ++y) {
        int x = 0;
        while (x < mono.width()) {
            while (x < mono.width() && mono.pixelIndex(x, y) != 0)
                ++x;
            const int start = x;
            while (x < mono.width() && mono.pixelIndex(x, y) == 0)
                ++x;
            if (x > start)
                region += QRect(start, y, x - start, 1);
        }
    }
    return region;
}

Splash::Splash(const QString &exeDir)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(u"frmSplash"_s);
    resize(537, 284);
    if (QScreen *screen = QApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    const QDir dir(exeDir);
    m_picture = QPixmap(dir.filePath(u"MainImg/SPLASH.bmp"_s));
    const QImage mask(dir.filePath(u"MainImg/SMASK.bmp"_s));
    if (!m_picture.isNull() && !mask.isNull())
        setMask(RegionFromMask(mask));
}

void Splash::showNow()
{
    if (!hasPicture())
        return;
    show();
    repaint();
    QApplication::processEvents();
}

void Splash::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
    const QRect titleBox = rect().adjusted(0, 20, -24, 0);
    QFont titleFont(u"serif"_s);
    titleFont.setPixelSize(24);
    painter.setFont(titleFont);
    painter.setPen(QColor(0x80, 0x80, 0x00));
    painter.drawText(titleBox.translated(1, 1), Qt::AlignRight | Qt::AlignTop, ApplicationTitle());
    painter.setPen(Qt::yellow);
    painter.drawText(titleBox, Qt::AlignRight | Qt::AlignTop, ApplicationTitle());
    QFont versionFont = font();
    versionFont.setBold(true);
    painter.setFont(versionFont);
    painter.setPen(Qt::white);
    painter.drawText(rect().adjusted(0, 0, -24, -16), Qt::AlignRight | Qt::AlignBottom,
                     QApplication::applicationVersion());
}
