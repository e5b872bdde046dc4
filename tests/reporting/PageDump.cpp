#include "PageDump.h"

#include "ListLayout.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

using namespace Qt::StringLiterals;
using namespace report;

namespace {

QString mm(qreal value)
{
    return QString::number(value, 'f', 1);
}

QString point(QPointF p)
{
    return mm(p.x()) + u',' + mm(p.y());
}

QString size(QSizeF s)
{
    return mm(s.width()) + u'x' + mm(s.height());
}

QString colour(const QColor &c)
{
    return c.isValid() ? c.name() : u"none"_s;
}

QString alignment(Qt::Alignment a)
{
    if (a & Qt::AlignHCenter)
        return u"C"_s;
    return (a & Qt::AlignRight) ? u"R"_s : u"L"_s;
}

struct Reader
{
    QString problem;

    template <typename T>
    T fail(const QString &why, T value = {})
    {
        if (problem.isEmpty())
            problem = why;
        return value;
    }

    Qt::Alignment align(const QJsonValue &v)
    {
        const QString s = v.toString(u"left"_s);
        if (s == u"left")
            return Qt::AlignLeft;
        if (s == u"center")
            return Qt::AlignHCenter;
        if (s == u"right")
            return Qt::AlignRight;
        return fail(u"align: "_s + s, Qt::Alignment(Qt::AlignLeft));
    }

    Format format(const QJsonValue &v)
    {
        const QString s = v.toString(u"plain"_s);
        if (s == u"plain")
            return Format::Plain;
        if (s == u"number")
            return Format::Number;
        if (s == u"date")
            return Format::DateKey;
        return fail(u"format: "_s + s, Format::Plain);
    }

    Source source(const QJsonValue &v)
    {
        static const QHash<QString, Source> names = {
            {u"auto"_s, Source::Auto},          {u"pageOfPages"_s, Source::PageOfPages},
            {u"count"_s, Source::Count},        {u"sum"_s, Source::Sum},
            {u"recordNumber"_s, Source::RecordNumber}, {u"printDate"_s, Source::PrintDate},
        };
        const QString s = v.toString(u"auto"_s);
        if (!names.contains(s))
            return fail(u"source: "_s + s, Source::Auto);
        return names.value(s);
    }

    Item item(const QJsonObject &o)
    {
        const QJsonArray r = o.value(u"rect"_s).toArray();
        if (r.size() != 4)
            return fail<Item>(u"an item needs \"rect\": [x, y, w, h]"_s);
        return {.rect = {r.at(0).toDouble(), r.at(1).toDouble(), r.at(2).toDouble(), r.at(3).toDouble()},
                .name = o.value(u"name"_s).toString(),
                .text = o.value(u"text"_s).toString(),
                .field = o.value(u"field"_s).toString(),
                .source = source(o.value(u"source"_s)),
                .format = format(o.value(u"format"_s)),
                .font = {.bold = o.value(u"bold"_s).toBool()},
                .alignment = align(o.value(u"align"_s)) | Qt::AlignVCenter};
    }

    ListDef list(const QJsonObject &o)
    {
        ListDef def{.id = o.value(u"id"_s).toString(), .title = o.value(u"title"_s).toString()};
        const QString orientation = o.value(u"orientation"_s).toString(u"portrait"_s);
        if (orientation == u"landscape")
            def.orientation = Orientation::Landscape;
        else if (orientation != u"portrait")
            fail<int>(u"orientation: "_s + orientation);
        for (const QJsonValue &v : o.value(u"columns"_s).toArray()) {
            const QJsonObject c = v.toObject();
            def.columns.append({.title = c.value(u"title"_s).toString(),
                                 .field = c.value(u"field"_s).toString(),
                                 .width = c.value(u"width"_s).toDouble(20),
                                 .alignment = align(c.value(u"align"_s)),
                                 .format = format(c.value(u"format"_s)),
                                 .sum = c.value(u"sum"_s).toBool()});
        }
        for (const QJsonValue &v : o.value(u"summary"_s).toArray())
            def.summary.append(item(v.toObject()));
        if (o.contains(u"highlight"_s)) {
            const QJsonObject h = o.value(u"highlight"_s).toObject();
            const QString field = h.value(u"field"_s).toString();
            const QString equals = h.value(u"equals"_s).toString();
            def.highlight = [field, equals](const Scope &s) { return s.value(field) == equals; };
        }
        if (o.contains(u"subtotal"_s)) {
            const QJsonObject t = o.value(u"subtotal"_s).toObject();
            def.subtotal = Subtotal{.field = t.value(u"field"_s).toString()};
            if (t.contains(u"label"_s))
                def.subtotal->label = t.value(u"label"_s).toString();
        }
        static const QStringList known = {u"id"_s, u"title"_s, u"orientation"_s, u"columns"_s,
                                          u"summary"_s, u"highlight"_s, u"subtotal"_s};
        for (const QString &key : o.keys())
            if (!known.contains(key))
                fail<int>(u"unknown layout key: "_s + key);
        return def;
    }
};

} // namespace

namespace {

// The records, texts and time of a case into `run`; the layout is the caller's.
void readRun(const QJsonObject &object, Reader &reader, GoldenCase &run)
{
    QStringList fields;
    for (const QJsonValue &v : object.value(u"fields"_s).toArray())
        fields << v.toString();
    run.rows = RecordList(fields);
    const int repeat = object.value(u"repeat"_s).toInt(1);
    int number = 0;
    for (int r = 0; r < repeat; ++r) {
        for (const QJsonValue &v : object.value(u"rows"_s).toArray()) {
            ++number;
            QStringList record;
            for (const QJsonValue &cell : v.toArray())
                record << cell.toString().replace(u"{n}"_s, QString::number(number));
            if (record.size() != fields.size())
                reader.fail<int>(u"a row has %1 values for %2 fields"_s.arg(record.size()).arg(fields.size()));
            run.rows.append(record);
        }
    }
    const QJsonObject texts = object.value(u"texts"_s).toObject();
    for (auto it = texts.begin(); it != texts.end(); ++it)
        run.inputs.texts.insert(it.key(), it.value().toString());
    run.inputs.printedAt = QDateTime::fromString(object.value(u"printedAt"_s).toString(), Qt::ISODate);
    if (!run.inputs.printedAt.isValid())
        reader.fail<int>(u"\"printedAt\" must be an ISO date and time"_s);
}

} // namespace

std::optional<GoldenCase> ReadCase(const QJsonObject &object, QString *problem)
{
    Reader reader;
    GoldenCase run{.layout = ListLayout(reader.list(object.value(u"layout"_s).toObject()))};
    readRun(object, reader, run);
    if (!reader.problem.isEmpty()) {
        *problem = reader.problem;
        return std::nullopt;
    }
    return run;
}

std::optional<GoldenCase> ReadRun(const QJsonObject &object, QString *problem)
{
    Reader reader;
    GoldenCase run;
    readRun(object, reader, run);
    if (!reader.problem.isEmpty()) {
        *problem = reader.problem;
        return std::nullopt;
    }
    return run;
}

QString DumpDocument(const Document &document)
{
    QString out;
    for (int p = 0; p < document.pages.size(); ++p) {
        out += u"page %1 of %2\n"_s.arg(p + 1).arg(document.pages.size());
        for (const PageItem &item : document.pages.at(p).items) {
            const QRectF &r = item.rect;
            switch (item.kind) {
            case ItemKind::Text:
                out += u"text "_s + point(r.topLeft()) + u' ' + size(r.size()) + u' ' + alignment(item.alignment)
                    + (item.font.bold ? u"b"_s : QString()) + u' ' + (item.name.isEmpty() ? u"-"_s : item.name)
                    + u" \""_s + QString(item.text).replace(u'\n', u"\\n"_s) + u"\"\n"_s;
                break;
            case ItemKind::Line:
                out += u"line "_s + point(r.topLeft()) + u' ' + point(r.bottomRight()) + u'\n';
                break;
            case ItemKind::Box:
                out += u"box "_s + point(r.topLeft()) + u' ' + size(r.size()) + u' ' + colour(item.fill) + u'\n';
                break;
            case ItemKind::Fill:
                out += u"fill "_s + point(r.topLeft()) + u' ' + size(r.size()) + u' ' + colour(item.fill) + u'\n';
                break;
            case ItemKind::Picture:
                out += u"picture "_s + point(r.topLeft()) + u' ' + size(r.size()) + u' '
                    + u"%1x%2"_s.arg(item.image.width()).arg(item.image.height()) + u'\n';
                break;
            case ItemKind::Drawing:
                out += u"drawing "_s + point(r.topLeft()) + u' ' + size(r.size()) + u'\n';
                break;
            }
        }
    }
    return out;
}

QString CheckCaseFolder(const QString &folder, const CasePages &pages)
{
    const QDir dir(folder);
    const auto read = [&](const QString &name) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(read(u"case.json"_s), &error).object();
    if (error.error != QJsonParseError::NoError)
        return u"case.json: "_s + error.errorString();
    QString problem;
    const auto run = ReadRun(object, &problem);
    if (!run)
        return problem;
    const std::optional<Document> document = pages(object, *run);
    if (!document)
        return u"case.json names no known layout"_s;
    const QString actual = DumpDocument(*document);
    const QString expected = QString::fromUtf8(read(u"expected.txt"_s));
    if (actual == expected)
        return {};
    QFile out(dir.dirName() + u".actual.txt"_s);
    if (out.open(QIODevice::WriteOnly))
        out.write(actual.toUtf8());
    const QStringList a = actual.split(u'\n');
    const QStringList e = expected.split(u'\n');
    for (qsizetype i = 0; i < std::max(a.size(), e.size()); ++i)
        if (a.value(i) != e.value(i))
            return u"line %1: got \"%2\", expected \"%3\""_s.arg(i + 1).arg(a.value(i), e.value(i));
    return {};
}
