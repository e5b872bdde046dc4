// Draws the patrol screens' pictures: the course maps of the two peak areas
// and the front and back body charts, as JPEG files of the picture area's
// size. Run by the patrol_pictures target, which writes them beside this
// file:  patrol_pictures <folder>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int Width = 727;
constexpr int Height = 516;

QFont font(int pixels, bool bold = false)
{
    QFont f(u"NanumGothic"_s);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

struct Course
{
    QString name;
    QColor colour; // green easy, blue intermediate, black hard
    QList<QPointF> path;
};

struct Lift
{
    QString name;
    QPointF bottom, top;
};

void drawMap(QPainter &p, const QString &title, const QList<Course> &courses, const QList<Lift> &lifts,
             const QList<QPointF> &ridge)
{
    p.fillRect(0, 0, Width, Height, QColor(0xE8, 0xF1, 0xF8));
    // The mountain: snow below the ridge line, forest patches on its flanks.
    QPainterPath mountain;
    mountain.moveTo(0, Height);
    for (const QPointF &pt : ridge)
        mountain.lineTo(pt);
    mountain.lineTo(Width, Height);
    mountain.closeSubpath();
    p.setPen(QPen(QColor(0x80, 0x90, 0xA0), 2));
    p.setBrush(Qt::white);
    p.drawPath(mountain);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6F, 0x9A, 0x6A));
    for (int i = 0; i < 28; ++i) {
        const qreal x = 15 + (i * 97) % (Width - 30);
        const qreal y = 190 + (i * 53) % 260;
        QPolygonF tree({QPointF(x, y - 12), QPointF(x - 6, y + 4), QPointF(x + 6, y + 4)});
        p.drawPolygon(tree);
    }
    for (const Course &course : courses) {
        QPainterPath path(course.path.first());
        for (int i = 1; i < course.path.size(); ++i)
            path.lineTo(course.path.at(i));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(course.colour, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        const QPointF label = course.path.at(1) + QPointF(8, 0);
        p.setFont(font(12, true));
        p.setPen(Qt::white);
        p.drawText(label + QPointF(1, 1), course.name);
        p.setPen(course.colour.darker(130));
        p.drawText(label, course.name);
    }
    for (const Lift &lift : lifts) {
        p.setPen(QPen(QColor(0xC0, 0x30, 0x30), 2, Qt::DashLine));
        p.drawLine(lift.bottom, lift.top);
        p.setBrush(QColor(0xC0, 0x30, 0x30));
        p.drawRect(QRectF(lift.bottom - QPointF(4, 4), QSizeF(8, 8)));
        p.drawRect(QRectF(lift.top - QPointF(4, 4), QSizeF(8, 8)));
        p.setFont(font(11));
        p.setPen(QColor(0x90, 0x20, 0x20));
        p.drawText(lift.top + QPointF(6, -4), lift.name);
    }
    // Base area, title and legend.
    p.setPen(QPen(Qt::darkGray, 1));
    p.setBrush(QColor(0xD9, 0xC8, 0xA9));
    p.drawRect(QRectF(250, 470, 230, 36));
    p.setPen(Qt::black);
    p.setFont(font(13, true));
    p.drawText(QRectF(250, 470, 230, 36), Qt::AlignCenter, u"베이스 (매표소 · 대여점 · 의무실)"_s);
    p.setFont(font(20, true));
    p.drawText(QPointF(16, 32), title);
    p.setFont(font(11));
    const QList<QPair<QColor, QString>> legend = {{QColor(0x2E, 0x8B, 0x3A), u"초급"_s},
                                                  {QColor(0x1F, 0x5F, 0xC0), u"중급"_s},
                                                  {QColor(0x20, 0x20, 0x20), u"상급"_s}};
    for (int i = 0; i < legend.size(); ++i) {
        p.fillRect(QRectF(600, 14 + i * 16, 18, 8), legend.at(i).first);
        p.drawText(QPointF(624, 22 + i * 16), legend.at(i).second);
    }
    p.setPen(QPen(QColor(0xC0, 0x30, 0x30), 2, Qt::DashLine));
    p.drawLine(QPointF(600, 66), QPointF(618, 66));
    p.setPen(Qt::black);
    p.drawText(QPointF(624, 70), u"리프트"_s);
}

const QColor Easy(0x2E, 0x8B, 0x3A);
const QColor Medium(0x1F, 0x5F, 0xC0);
const QColor Hard(0x20, 0x20, 0x20);

QImage peakOne()
{
    QImage image(Width, Height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawMap(p, u"PEAK I 코스 안내도"_s,
            {{u"해오름(초급)"_s, Easy, {{150, 170}, {120, 260}, {170, 350}, {260, 460}}},
             {u"솔바람(초급)"_s, Easy, {{210, 150}, {240, 240}, {220, 330}, {290, 465}}},
             {u"별빛(중급)"_s, Medium, {{330, 95}, {310, 200}, {350, 300}, {330, 465}}},
             {u"은하수(중급)"_s, Medium, {{380, 90}, {430, 190}, {400, 300}, {380, 465}}},
             {u"독수리(상급)"_s, Hard, {{450, 110}, {500, 210}, {480, 330}, {430, 465}}},
             {u"모글(상급)"_s, Hard, {{520, 140}, {590, 250}, {560, 360}, {470, 470}}}},
            {{u"곤도라"_s, {300, 475}, {355, 80}},
             {u"해오름 리프트"_s, {230, 470}, {180, 160}},
             {u"별빛 리프트"_s, {410, 470}, {420, 120}},
             {u"독수리 리프트"_s, {460, 470}, {530, 150}}},
            {{0, 300}, {120, 180}, {250, 130}, {350, 70}, {460, 100}, {600, 170}, {727, 260}});
    return image;
}

QImage peakTwo()
{
    QImage image(Width, Height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawMap(p, u"PEAK II 코스 안내도"_s,
            {{u"다람쥐(초급)"_s, Easy, {{120, 230}, {160, 320}, {150, 400}, {260, 465}}},
             {u"무지개(중급)"_s, Medium, {{250, 130}, {220, 230}, {280, 340}, {300, 465}}},
             {u"산마루(중급)"_s, Medium, {{330, 110}, {360, 220}, {330, 330}, {350, 465}}},
             {u"칼바람(상급)"_s, Hard, {{440, 90}, {410, 190}, {450, 300}, {400, 465}}},
             {u"정상(최상급)"_s, Hard, {{500, 70}, {560, 170}, {540, 300}, {460, 470}}}},
            {{u"다람쥐 리프트"_s, {240, 475}, {130, 230}},
             {u"산마루 리프트"_s, {330, 470}, {300, 110}},
             {u"정상 리프트"_s, {430, 470}, {490, 70}}},
            {{0, 340}, {100, 240}, {230, 120}, {380, 80}, {500, 50}, {620, 140}, {727, 230}});
    return image;
}

// A skeleton seen from the front or the back, centred, with its bones named.
QImage bodyChart(bool front)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal cx = 363;
    const QPen outline(QColor(0xB0, 0xB0, 0xB0), 2, Qt::DashLine);
    const QPen bone(QColor(0x50, 0x40, 0x30), 3, Qt::SolidLine, Qt::RoundCap);
    // Body outline.
    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(cx, 55), 30, 36);
    QPainterPath body;
    body.moveTo(cx - 22, 92);
    body.lineTo(cx - 80, 115);
    body.lineTo(cx - 120, 250);
    body.lineTo(cx - 135, 330);
    body.moveTo(cx + 22, 92);
    body.lineTo(cx + 80, 115);
    body.lineTo(cx + 120, 250);
    body.lineTo(cx + 135, 330);
    body.moveTo(cx - 70, 130);
    body.lineTo(cx - 65, 290);
    body.lineTo(cx - 55, 490);
    body.moveTo(cx + 70, 130);
    body.lineTo(cx + 65, 290);
    body.lineTo(cx + 55, 490);
    p.drawPath(body);
    // Bones.
    p.setPen(bone);
    p.setBrush(QColor(0xF4, 0xEE, 0xE0));
    p.drawEllipse(QPointF(cx, 52), 22, 28);                         // skull
    p.drawLine(QPointF(cx, 82), QPointF(cx, 250));                    // spine
    if (front) {
        p.drawLine(QPointF(cx - 8, 105), QPointF(cx - 70, 112));      // collarbones
        p.drawLine(QPointF(cx + 8, 105), QPointF(cx + 70, 112));
        for (int i = 0; i < 6; ++i) {                                  // ribs
            const qreal y = 125 + i * 16;
            p.drawArc(QRectF(cx - 55, y - 10, 110, 30), 20 * 16, 140 * 16);
        }
    } else {
        p.drawPolygon(QPolygonF({QPointF(cx - 20, 115), QPointF(cx - 62, 118), QPointF(cx - 30, 175)}));
        p.drawPolygon(QPolygonF({QPointF(cx + 20, 115), QPointF(cx + 62, 118), QPointF(cx + 30, 175)}));
        for (int i = 0; i < 10; ++i)                                  // vertebrae
            p.drawLine(QPointF(cx - 6, 110 + i * 14), QPointF(cx + 6, 110 + i * 14));
    }
    p.drawEllipse(QRectF(cx - 55, 245, 110, 50));                     // pelvis
    for (int side : {-1, 1}) {
        p.drawLine(QPointF(cx + side * 72, 115), QPointF(cx + side * 100, 215));   // upper arm
        p.drawLine(QPointF(cx + side * 100, 215), QPointF(cx + side * 118, 310));  // forearm
        p.drawLine(QPointF(cx + side * 106, 215), QPointF(cx + side * 126, 308));
        p.drawEllipse(QPointF(cx + side * 124, 322), 9, 12);                       // hand
        p.drawLine(QPointF(cx + side * 35, 290), QPointF(cx + side * 45, 395));    // thigh
        p.drawEllipse(QPointF(cx + side * 45, 400), 7, 7);                         // knee
        p.drawLine(QPointF(cx + side * 45, 408), QPointF(cx + side * 50, 480));    // shin
        p.drawLine(QPointF(cx + side * 52, 408), QPointF(cx + side * 57, 478));
        p.drawLine(QPointF(cx + side * 50, 484), QPointF(cx + side * 72, 494));    // foot
    }
    // Names, with leader lines to the bones.
    struct Name
    {
        QString text;
        QPointF bone;
        QPointF label;
    };
    const QList<Name> frontNames = {
        {u"두개골"_s, {cx + 20, 40}, {500, 40}},        {u"경추"_s, {cx, 92}, {500, 85}},
        {u"쇄골"_s, {cx + 50, 110}, {520, 110}},        {u"갈비뼈"_s, {cx + 45, 150}, {540, 150}},
        {u"상완골"_s, {cx + 88, 170}, {560, 190}},      {u"요골 · 척골"_s, {cx + 112, 265}, {560, 260}},
        {u"골반"_s, {cx + 50, 270}, {540, 300}},        {u"대퇴골"_s, {cx + 40, 340}, {520, 350}},
        {u"슬개골"_s, {cx + 45, 400}, {520, 400}},      {u"경골 · 비골"_s, {cx + 50, 445}, {520, 450}},
        {u"손목"_s, {cx - 122, 312}, {120, 330}},       {u"발목"_s, {cx - 50, 482}, {140, 480}},
        {u"흉골"_s, {cx, 140}, {140, 140}}};
    const QList<Name> backNames = {
        {u"후두골"_s, {cx - 20, 50}, {140, 40}},        {u"경추"_s, {cx, 92}, {140, 85}},
        {u"견갑골"_s, {cx - 40, 135}, {130, 130}},      {u"흉추"_s, {cx, 160}, {150, 170}},
        {u"요추"_s, {cx, 230}, {150, 230}},             {u"천골 · 미골"_s, {cx, 280}, {130, 290}},
        {u"상완골"_s, {cx + 88, 170}, {560, 190}},      {u"팔꿈치"_s, {cx + 100, 215}, {560, 225}},
        {u"대퇴골"_s, {cx + 40, 340}, {520, 350}},      {u"오금"_s, {cx + 45, 400}, {520, 400}},
        {u"종아리뼈"_s, {cx + 52, 445}, {520, 450}},    {u"발꿈치"_s, {cx + 52, 484}, {520, 492}}};
    p.setFont(font(12));
    for (const Name &name : front ? frontNames : backNames) {
        p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
        p.drawLine(name.bone, name.label + QPointF(name.label.x() > cx ? -4 : 60, -4));
        p.setPen(Qt::black);
        p.drawText(name.label, name.text);
    }
    p.setFont(font(20, true));
    p.drawText(QPointF(16, 32), front ? u"부상부위 (앞)"_s : u"부상부위 (뒤)"_s);
    return image;
}

bool save(const QImage &image, const QString &path)
{
    QImageWriter writer(path, "jpeg");
    writer.setQuality(82);
    writer.setOptimizedWrite(true);
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    const bool ok = save(peakOne(), folder.filePath(u"peak1.jpg"_s)) && save(peakTwo(), folder.filePath(u"peak2.jpg"_s))
                    && save(bodyChart(true), folder.filePath(u"body_front.jpg"_s))
                    && save(bodyChart(false), folder.filePath(u"body_back.jpg"_s));
    return ok ? 0 : 1;
}
