#include "ReportRenderer.h"

#include "ReportDocument.h"

#include <QFile>
#include <QGlyphRun>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRawFont>
#include <QSaveFile>
#include <QTextLayout>

namespace report {

namespace {

QPageLayout pageLayoutOf(const Document &document)
{
    return QPageLayout(QPageSize(QPageSize::A4),
                       document.page.orientation == Orientation::Portrait ? QPageLayout::Portrait
                                                                          : QPageLayout::Landscape,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

QRectF scaled(const QRectF &rect, qreal dotsPerMm)
{
    return QRectF(rect.x() * dotsPerMm, rect.y() * dotsPerMm, rect.width() * dotsPerMm, rect.height() * dotsPerMm);
}

QPen penOf(const PageItem &item, qreal dotsPerMm)
{
    QPen pen(item.color.isValid() ? item.color : QColor(Qt::black));
    pen.setWidthF(item.penWidth * dotsPerMm);
    return pen;
}

// Qt names a glyph in a PDF by the lowest code point the font maps to it, and
// NanumGothic maps the control characters to its blank: every blank would
// read back as U+0001. So blanks are drawn with the blank of a font that maps
// only U+0020 to it (they show nothing, whatever the font); without such a
// font they are left out and the gaps read back as blanks where they can.
class Blanks
{
public:
    Blanks()
    {
        const QRawFont font = QRawFont::fromFont(QFont(QStringLiteral("DejaVu Sans")));
        const quint32 blank = font.glyphIndexesForString(QStringLiteral(" ")).value(0);
        const quint32 control = font.glyphIndexesForString(QString(QChar(1))).value(0);
        if (font.isValid() && blank != 0 && blank != control) {
            m_font = font;
            m_glyph = blank;
        }
    }

    // The run's blanks as a run of their own; empty when there is no such font.
    QGlyphRun run(const QGlyphRun &of, const QList<QPointF> &positions) const
    {
        QGlyphRun blanks;
        if (m_glyph == 0 || positions.isEmpty())
            return blanks;
        QRawFont font = m_font;
        font.setPixelSize(of.rawFont().pixelSize());
        blanks.setRawFont(font);
        blanks.setGlyphIndexes(QList<quint32>(positions.size(), m_glyph));
        blanks.setPositions(positions);
        return blanks;
    }

private:
    QRawFont m_font;
    quint32 m_glyph = 0;
};

void drawText(QPainter &painter, const QRectF &rect, const QString &text, const QFont &font,
              Qt::Alignment alignment, bool wrap, const Blanks &blanks)
{
    if (text.isEmpty())
        return;
    QString lines = text;
    lines.replace(u'\n', QChar::LineSeparator);
    QTextLayout layout(lines, font, painter.device());
    QTextOption option(alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    qreal height = 0;
    qreal widest = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(rect.width());
        line.setPosition(QPointF(0, height));
        height += line.height();
        widest = std::max(widest, line.naturalTextWidth());
    }
    layout.endLayout();

    QPointF origin = rect.topLeft();
    if (alignment & Qt::AlignVCenter)
        origin.ry() += (rect.height() - height) / 2;
    else if (alignment & Qt::AlignBottom)
        origin.ry() += rect.height() - height;
    const bool clip = height > rect.height() + 0.5 || widest > rect.width() + 0.5;
    if (clip) {
        painter.save();
        painter.setClipRect(rect, Qt::IntersectClip);
    }
    for (QGlyphRun run : layout.glyphRuns()) {
        const quint32 blank = run.rawFont().glyphIndexesForString(QStringLiteral(" ")).value(0);
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        QList<quint32> keptGlyphs;
        QList<QPointF> keptPositions;
        QList<QPointF> blankPositions;
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            if (glyphs.at(i) == blank) {
                blankPositions.append(positions.at(i));
                continue;
            }
            keptGlyphs.append(glyphs.at(i));
            keptPositions.append(positions.at(i));
        }
        if (!blankPositions.isEmpty()) {
            run.setGlyphIndexes(keptGlyphs);
            run.setPositions(keptPositions);
            const QGlyphRun blankRun = blanks.run(run, blankPositions);
            if (!blankRun.isEmpty())
                painter.drawGlyphRun(origin, blankRun);
        }
        painter.drawGlyphRun(origin, run);
    }
    if (clip)
        painter.restore();
}

// The same steps on every device: the caller has asked about the first page
// and opened the device; `next` turns to a new page.
bool paintPages(const Document &document, QPainter &painter, qreal dotsPerMm, const Progress &progress,
                const std::function<bool()> &next)
{
    const int total = int(document.pages.size());
    for (int i = 0; i < total; ++i) {
        if (i > 0) {
            if (progress && !progress(i, total))
                return false;
            if (!next())
                return false;
        }
        PaintPage(painter, document.pages.at(i), dotsPerMm);
    }
    if (progress)
        progress(total, total);
    return true;
}

} // namespace

void PaintPage(QPainter &painter, const Page &page, qreal dotsPerMm)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // Font sizes are points of paper: scaled by the device's own resolution,
    // so that text keeps its size against the boxes at any zoom.
    const qreal pointScale = dotsPerMm * 25.4 / painter.device()->logicalDpiY();
    const Blanks blanks;
    for (const PageItem &item : page.items) {
        const QRectF rect = scaled(item.rect, dotsPerMm);
        switch (item.kind) {
        case ItemKind::Fill:
            painter.fillRect(rect, item.fill);
            break;
        case ItemKind::Box:
            painter.setPen(penOf(item, dotsPerMm));
            painter.setBrush(item.fill.isValid() ? QBrush(item.fill) : QBrush(Qt::NoBrush));
            painter.drawRect(rect);
            break;
        case ItemKind::Line:
            painter.setPen(penOf(item, dotsPerMm));
            painter.drawLine(rect.topLeft(), rect.bottomRight());
            break;
        case ItemKind::Picture:
            painter.drawImage(rect, item.image);
            break;
        case ItemKind::Drawing:
            if (item.draw) {
                painter.save();
                item.draw(painter, rect, dotsPerMm);
                painter.restore();
            }
            break;
        case ItemKind::Text: {
            if (item.fill.isValid())
                painter.fillRect(rect, item.fill);
            QFont font(item.font.family);
            font.setPointSizeF(item.font.pointSize * pointScale);
            font.setBold(item.font.bold);
            font.setHintingPreference(QFont::PreferNoHinting);
            painter.setPen(item.color.isValid() ? item.color : QColor(Qt::black));
            drawText(painter, rect, item.text, font, item.alignment, item.wrap, blanks);
            break;
        }
        }
    }
    painter.restore();
}

bool Print(const Document &document, QPrinter &printer, const Progress &progress)
{
    const int total = int(document.pages.size());
    if (progress && !progress(0, total))
        return false;
    printer.setDocName(document.id);
    printer.setFullPage(true);
    printer.setPageLayout(pageLayoutOf(document));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    if (paintPages(document, painter, printer.resolution() / 25.4, progress, [&] { return printer.newPage(); })) {
        return painter.end();
    }
    const bool aborted = printer.abort();
    painter.end();
    // The PDF engine cannot abort: what it wrote so far must not stand as the print.
    if (!aborted && printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        QFile::remove(printer.outputFileName());
    return false;
}

bool WritePdf(const Document &document, const QString &path, const Progress &progress)
{
    const int total = int(document.pages.size());
    if (progress && !progress(0, total))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QPdfWriter writer(&file);
    writer.setTitle(document.id);
    writer.setCreator(QStringLiteral("Kest_E"));
    writer.setResolution(600);
    writer.setPageLayout(pageLayoutOf(document));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const bool done = paintPages(document, painter, writer.resolution() / 25.4, progress, [&] { return writer.newPage(); });
    painter.end();
    if (!done) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace report
