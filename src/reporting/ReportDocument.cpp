#include "ReportDocument.h"

#include "Routines.h"
#include "RowSource.h"


using namespace Qt::StringLiterals;

namespace report {

namespace {

constexpr qreal Epsilon = 1e-6;

bool isPageValue(Source source)
{
    return source == Source::PageOfPages || source == Source::PageNumber || source == Source::PageCount;
}

QString fillPattern(const QString &pattern, const QString &value)
{
    return pattern.contains(u"%1") ? pattern.arg(value) : value;
}

class Paginator
{
public:
    Paginator(const Layout &layout, const RowSource &rows, const Inputs &inputs)
        : m_layout(layout), m_rows(rows), m_inputs(inputs),
          m_printedAt(inputs.printedAt.isNull() ? QDateTime::currentDateTime() : inputs.printedAt)
    {
        for (const Band &band : layout.bands)
            m_bands[int(band.kind)].append(&band);
        qreal footerHeight = 0;
        for (const Band *band : bandsOf(BandKind::PageFooter))
            footerHeight += band->height;
        m_limit = layout.page.size().height() - layout.page.margins.bottom - footerHeight;
    }

    Document run()
    {
        m_document.id = m_layout.id;
        m_document.page = m_layout.page;
        const int count = m_rows.count();
        startPage();
        if (count > 0) {
            const QList<const Band *> &groups = bandsOf(BandKind::GroupFooter);
            QList<int> starts(groups.size(), 0);
            for (int row = 0; row < count; ++row) {
                if (row > 0) {
                    const int level = changedLevel(groups, row);
                    if (level >= 0) {
                        closeGroups(groups, starts, level, row - 1);
                        for (int l = level; l < starts.size(); ++l)
                            starts[l] = row;
                    }
                }
                for (const Band *band : bandsOf(BandKind::Detail))
                    place(*band, Scope(m_rows, row, row));
            }
            closeGroups(groups, starts, 0, count - 1);
            for (const Band *band : bandsOf(BandKind::Summary))
                place(*band, Scope(m_rows, 0, count - 1));
        }
        finishPage();
        resolvePageValues();
        return std::move(m_document);
    }

private:
    struct PageValue
    {
        int page;
        qsizetype item;
        Source source;
        QString pattern;
    };

    const Layout &m_layout;
    const RowSource &m_rows;
    const Inputs &m_inputs;
    const QDateTime m_printedAt;
    QList<const Band *> m_bands[int(BandKind::PageFooter) + 1];
    Document m_document;
    QList<PageValue> m_pageValues;
    qreal m_limit = 0;  // where the page footer starts
    qreal m_y = 0;      // where the next band goes
    qreal m_bodyTop = 0; // below the title and the column header

    const QList<const Band *> &bandsOf(BandKind kind) const { return m_bands[int(kind)]; }
    Scope everything() const { return Scope(m_rows, 0, m_rows.count() - 1); }

    // The outermost group whose key differs between the row and the one before; -1 when none.
    int changedLevel(const QList<const Band *> &groups, int row) const
    {
        for (int level = 0; level < groups.size(); ++level) {
            const QString &field = groups.at(level)->groupField;
            if (m_rows.value(row - 1, field) != m_rows.value(row, field))
                return level;
        }
        return -1;
    }

    void closeGroups(const QList<const Band *> &groups, const QList<int> &starts, int level, int last)
    {
        for (qsizetype l = groups.size() - 1; l >= level; --l)
            place(*groups.at(l), Scope(m_rows, starts.at(l), last));
    }

    void startPage()
    {
        const bool first = m_document.pages.isEmpty();
        m_document.pages.append(Page());
        m_y = m_layout.page.margins.top;
        if (first) {
            for (const Band *band : bandsOf(BandKind::Title))
                put(*band, everything());
        }
        if (m_rows.count() > 0) {
            for (const Band *band : bandsOf(BandKind::ColumnHeader))
                put(*band, everything());
        }
        m_bodyTop = m_y;
    }

    void finishPage()
    {
        m_y = m_limit;
        for (const Band *band : bandsOf(BandKind::PageFooter))
            put(*band, everything());
    }

    // A band taller than an empty page is put anyway, cut at the footer.
    void place(const Band &band, const Scope &scope)
    {
        if (m_y + band.height > m_limit + Epsilon && m_y > m_bodyTop + Epsilon) {
            finishPage();
            startPage();
        }
        put(band, scope);
    }

    void put(const Band &band, const Scope &scope)
    {
        Page &page = m_document.pages.last();
        const QPointF origin(m_layout.page.margins.left, m_y);
        for (const Item &item : band.items) {
            if (item.when && !item.when(scope))
                continue;
            PageItem out{
                .kind = item.kind,
                .band = band.kind,
                .rect = item.rect.translated(origin),
                .name = item.name,
                .font = item.font,
                .alignment = item.alignment,
                .wrap = item.wrap,
                .color = item.color,
                .fill = item.fill,
                .penWidth = item.penWidth,
                .image = item.image,
                .draw = item.draw,
            };
            if (item.kind == ItemKind::Text) {
                const auto named = m_inputs.texts.constFind(item.name);
                if (!item.name.isEmpty() && named != m_inputs.texts.constEnd())
                    out.text = *named;
                else if (isPageValue(item.source))
                    m_pageValues.append({int(m_document.pages.size() - 1), page.items.size(), item.source, item.text});
                else
                    out.text = textOf(item, scope);
            }
            page.items.append(std::move(out));
        }
        m_y += band.height;
    }

    QString textOf(const Item &item, const Scope &scope) const
    {
        QString value;
        switch (item.source) {
        case Source::Auto:
            return item.field.isEmpty() ? item.text : FormatValue(scope.value(item.field), item.format);
        case Source::PrintDateTime:
            value = m_printedAt.toString(u"yyyy-MM-dd hh:mm:ss"_s);
            break;
        case Source::PrintDate:
            value = m_printedAt.toString(u"yyyy-MM-dd"_s);
            break;
        case Source::RecordNumber:
            value = FormatValue(QString::number(scope.last() + 1), item.format);
            break;
        case Source::Count:
            value = FormatValue(QString::number(scope.count()), item.format);
            break;
        case Source::Sum:
            value = FormatValue(scope.sum(item.field), item.format);
            break;
        case Source::Computed:
            value = item.compute ? FormatValue(item.compute(scope), item.format) : QString();
            break;
        case Source::PageOfPages:
        case Source::PageNumber:
        case Source::PageCount:
            break;
        }
        return fillPattern(item.text, value);
    }

    void resolvePageValues()
    {
        const QString count = QString::number(m_document.pages.size());
        for (const PageValue &v : m_pageValues) {
            const QString number = QString::number(v.page + 1);
            QString &text = m_document.pages[v.page].items[v.item].text;
            switch (v.source) {
            case Source::PageOfPages:
                text = v.pattern.contains(u"%1") ? v.pattern.arg(number, count) : number + u" / "_s + count;
                break;
            case Source::PageNumber:
                text = fillPattern(v.pattern, number);
                break;
            default:
                text = fillPattern(v.pattern, count);
                break;
            }
        }
    }
};

QString groupThousands(const QString &digits)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += u',';
        out += digits.at(i);
    }
    return out;
}

} // namespace

QList<PageItem> Document::named(int page, const QString &name) const
{
    QList<PageItem> found;
    for (const PageItem &item : pages.value(page).items)
        if (item.name == name)
            found.append(item);
    return found;
}

Document Paginate(const Layout &layout, const RowSource &rows, const Inputs &inputs)
{
    return Paginator(layout, rows, inputs).run();
}

QString FormatValue(const QString &value, Format format)
{
    switch (format) {
    case Format::Plain:
        return value;
    case Format::DateKey:
        return IsDateKey(value) ? DateToDisplay(value) : value;
    case Format::Number: {
        const QString text = value.trimmed();
        bool ok = false;
        text.toDouble(&ok);
        if (!ok || text.contains(u'e', Qt::CaseInsensitive) || text.contains(u','))
            return value;
        const bool negative = text.startsWith(u'-');
        QString digits = negative || text.startsWith(u'+') ? text.mid(1) : text;
        const qsizetype point = digits.indexOf(u'.');
        const QString fraction = point < 0 ? QString() : digits.mid(point);
        digits = point < 0 ? digits : digits.left(point);
        return (negative ? u"-"_s : QString()) + groupThousands(digits) + fraction;
    }
    }
    return value;
}

} // namespace report
