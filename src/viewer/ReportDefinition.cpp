#include "ReportDefinition.h"

#include "Chart.h"
#include "ListLayout.h"
#include "ReportDocument.h"
#include "RowSource.h"
#include "ReportLocation.h"
#include "SqlQuery.h"

#include <algorithm>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace viewer {

namespace {

// A text, or the lines of an array of texts joined (long SQL reads better as lines).
QString textOf(const QJsonValue &value)
{
    if (!value.isArray())
        return value.toString();
    QStringList lines;
    for (const QJsonValue &line : value.toArray())
        lines.append(line.toString());
    return lines.join(u'\n');
}

std::optional<Qt::Alignment> alignmentOf(const QString &text)
{
    if (text.isEmpty() || text == u"left"_s)
        return Qt::AlignLeft;
    if (text == u"center"_s)
        return Qt::AlignHCenter;
    if (text == u"right"_s)
        return Qt::AlignRight;
    return std::nullopt;
}

std::optional<report::Format> formatOf(const QString &text)
{
    if (text.isEmpty() || text == u"plain"_s)
        return report::Format::Plain;
    if (text == u"number"_s)
        return report::Format::Number;
    if (text == u"date"_s)
        return report::Format::DateKey;
    return std::nullopt;
}

// The statement with its comments and quoted texts blanked, for the checks below.
QString codeOnly(const QString &sql)
{
    static const QRegularExpression noise(u"--[^\n]*|/\\*.*?\\*/|'(?:[^']|'')*'|\"(?:[^\"]|\"\")*\""_s,
                                          QRegularExpression::DotMatchesEverythingOption);
    QString code = sql;
    return code.replace(noise, u" "_s);
}

// Only a query: the read-only transaction refuses a write anyway, this
// names the fault before the server is asked.
QString statementFault(const QString &sql)
{
    const QString code = codeOnly(sql).trimmed();
    static const QRegularExpression first(u"^\\(*\\s*(\\w+)"_s);
    const QString keyword = first.match(code).captured(1).toUpper();
    if (keyword != u"SELECT"_s && keyword != u"WITH"_s)
        return u"SQL은 조회(SELECT, WITH)만 할 수 있습니다."_s;
    QString body = code;
    while (body.endsWith(u';') || body.endsWith(u' ') || body.endsWith(u'\n'))
        body.chop(1);
    if (body.contains(u';'))
        return u"SQL은 한 문장이어야 합니다."_s;
    static const QRegularExpression writes(u"\\b(INSERT|UPDATE|DELETE|MERGE|TRUNCATE|COPY|CALL)\\b"_s,
                                           QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch m = writes.match(body); m.hasMatch())
        return u"SQL이 자료를 변경합니다(%1)."_s.arg(m.captured(1).toUpper());
    return {};
}

// Columns wider than the page narrowed in proportion, as the list layout
// does, so that the totals stand under their columns.
QList<report::Column> fitted(QList<report::Column> columns, qreal width)
{
    qreal total = 0;
    for (const report::Column &c : columns)
        total += c.width;
    if (total > width)
        for (report::Column &c : columns)
            c.width *= width / total;
    return columns;
}

// A subtotal or total line: the label in the first column ("%1" stands for
// the group's value, or the count of records with `count`), sums under the
// columns that sum.
report::Band sumBand(report::BandKind kind, const QList<report::Column> &columns, const QString &label,
                     const QString &labelField, const QColor &fill, bool count = false)
{
    const qreal right = report::ColumnEdges(columns).last();
    report::Band band{.kind = kind, .height = report::DetailHeight};
    if (fill.isValid())
        band.items.append({.kind = report::ItemKind::Fill, .rect = {0, 0, right, report::DetailHeight}, .fill = fill});
    if (kind == report::BandKind::Summary)
        band.items.append({.kind = report::ItemKind::Line, .rect = QRectF(QPointF(0, 0), QPointF(right, 0)),
                           .penWidth = 0.3});
    const report::Font bold{.bold = true};
    report::Item caption{.rect = report::CellRect(columns, 0, report::DetailHeight), .text = label, .font = bold,
                         .alignment = Qt::AlignLeft | Qt::AlignVCenter};
    if (count) {
        caption.source = report::Source::Count;
    } else if (label.contains(u"%1"_s) && !labelField.isEmpty()) {
        caption.source = report::Source::Computed;
        caption.compute = [labelField](const report::Scope &scope) { return scope.value(labelField); };
    }
    band.items.append(caption);
    for (int i = 0; i < columns.size(); ++i) {
        const report::Column &c = columns.at(i);
        if (c.sum)
            band.items.append({.rect = report::CellRect(columns, i, report::DetailHeight), .field = c.field,
                               .source = report::Source::Sum, .format = c.format, .font = bold,
                               .alignment = (c.alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter});
    }
    return band;
}

} // namespace

std::optional<Definition> ReadDefinition(const QByteArray &text, QString *problem)
{
    const auto fail = [problem](const QString &why) {
        if (problem)
            *problem = why;
        return std::nullopt;
    };
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parsed);
    if (parsed.error != QJsonParseError::NoError)
        return fail(u"보고서 정의의 형식이 잘못되었습니다(%1번째 글자: %2)."_s.arg(parsed.offset + 1).arg(parsed.errorString()));
    const QJsonObject root = document.object();
    if (root.value(u"format"_s).toString() != DefinitionFormat)
        return fail(u"보고서 정의 파일이 아닙니다(\"format\": \"%1\"이 없습니다)."_s.arg(DefinitionFormat));
    Definition def;
    def.version = root.value(u"version"_s).toInt(0);
    if (def.version < 1 || def.version > DefinitionVersion)
        return fail(u"보고서 정의의 판 %1은(는) 읽을 수 없습니다(이 프로그램은 %2판까지 읽습니다)."_s.arg(def.version)
                        .arg(DefinitionVersion));
    def.id = root.value(u"id"_s).toString();
    def.title = root.value(u"title"_s).toString();
    if (def.id.isEmpty() || def.title.isEmpty())
        return fail(u"보고서 정의에 \"id\"와 \"title\"이 있어야 합니다."_s);

    for (const QJsonValue &value : root.value(u"params"_s).toArray()) {
        const QJsonObject object = value.toObject();
        Parameter parameter{.name = object.value(u"name"_s).toString().toUpper(),
                            .caption = object.value(u"caption"_s).toString()};
        const QString kind = object.value(u"kind"_s).toString(u"text"_s);
        if (kind == u"date"_s)
            parameter.kind = Parameter::Kind::Date;
        else if (kind != u"text"_s)
            return fail(u"인수 %1의 종류 \"%2\"을(를) 알 수 없습니다."_s.arg(parameter.name, kind));
        if (parameter.name.isEmpty())
            return fail(u"이름 없는 인수가 있습니다."_s);
        if (parameter.caption.isEmpty())
            parameter.caption = parameter.name;
        parameter.optional = object.value(u"optional"_s).toBool(false);
        if (!parameter.optional && !def.parameters.isEmpty() && def.parameters.last().optional)
            return fail(u"생략할 수 있는 인수 뒤에 꼭 필요한 인수 %1이(가) 있습니다."_s.arg(parameter.name));
        def.parameters.append(parameter);
    }

    def.sql = textOf(root.value(u"sql"_s)).trimmed();
    if (def.sql.isEmpty())
        return fail(u"보고서 정의에 SQL이 없습니다."_s);
    if (const QString fault = statementFault(def.sql); !fault.isEmpty())
        return fail(fault);
    for (const QString &name : PlaceholderNames(def.sql)) {
        const bool declared = std::any_of(def.parameters.begin(), def.parameters.end(),
                                          [&](const Parameter &p) { return p.name == name; });
        if (!declared)
            return fail(u"SQL의 :%1이(가) 인수로 선언되지 않았습니다."_s.arg(name));
    }

    for (const QJsonValue &line : root.value(u"conditions"_s).toArray())
        def.conditions.append(line.toString());
    if (def.conditions.size() > 3)
        return fail(u"조건 줄은 세 줄까지입니다."_s);

    const QString orientation = root.value(u"orientation"_s).toString(u"portrait"_s);
    if (orientation != u"portrait"_s && orientation != u"landscape"_s)
        return fail(u"용지 방향 \"%1\"을(를) 알 수 없습니다."_s.arg(orientation));
    report::ListDef list{.id = def.id, .title = def.title,
                         .orientation = orientation == u"landscape"_s ? report::Orientation::Landscape
                                                                      : report::Orientation::Portrait};
    for (const QJsonValue &value : root.value(u"columns"_s).toArray()) {
        const QJsonObject object = value.toObject();
        const auto alignment = alignmentOf(object.value(u"align"_s).toString());
        const auto format = formatOf(object.value(u"format"_s).toString());
        const QString field = object.value(u"field"_s).toString().toUpper();
        if (field.isEmpty() || !alignment || !format)
            return fail(u"열 \"%1\"의 선언이 잘못되었습니다(field, align, format)."_s
                            .arg(object.value(u"title"_s).toString()));
        list.columns.append({.title = object.value(u"title"_s).toString(), .field = field,
                             .width = object.value(u"width"_s).toDouble(20), .alignment = *alignment,
                             .format = *format, .sum = object.value(u"sum"_s).toBool()});
    }
    if (list.columns.isEmpty())
        return fail(u"보고서 정의에 열이 없습니다."_s);
    const QJsonObject highlight = root.value(u"highlight"_s).toObject();
    if (!highlight.isEmpty()) {
        const QString field = highlight.value(u"field"_s).toString();
        const QString equals = highlight.value(u"value"_s).toString();
        list.highlight = [field, equals](const report::Scope &scope) { return scope.value(field) == equals; };
    }
    report::Layout layout = report::ListLayout(list);
    const QList<report::Column> columns = fitted(list.columns, layout.page.contentWidth());
    // Group footers follow the detail band, the outermost first.
    qsizetype at = 0;
    while (at < layout.bands.size() && layout.bands.at(at).kind != report::BandKind::Detail)
        ++at;
    for (const QJsonValue &value : root.value(u"groups"_s).toArray()) {
        const QJsonObject object = value.toObject();
        const QString field = object.value(u"field"_s).toString().toUpper();
        if (field.isEmpty())
            return fail(u"묶음에 \"field\"가 없습니다."_s);
        report::Band band = sumBand(report::BandKind::GroupFooter, columns,
                                    object.value(u"label"_s).toString(u"소계"_s), field, report::SubtotalFill,
                                    object.value(u"count"_s).toBool());
        band.groupField = field;
        layout.bands.insert(++at, band);
    }
    if (const QJsonValue total = root.value(u"total"_s); total.isObject()) {
        report::Band band = sumBand(report::BandKind::Summary, columns,
                                    total.toObject().value(u"label"_s).toString(u"합계"_s), {}, {},
                                    total.toObject().value(u"count"_s).toBool());
        band.height = report::SummaryHeight;
        layout.bands.insert(layout.bands.size() - 1, band);
    }
    def.layout = layout;

    if (const QJsonValue chart = root.value(u"chart"_s); chart.isObject()) {
        const QJsonObject object = chart.toObject();
        ChartDef c{.title = object.value(u"title"_s).toString(),
                   .category = object.value(u"category"_s).toString().toUpper(),
                   .height = object.value(u"height"_s).toDouble(70),
                   .skipField = object.value(u"skip"_s).toObject().value(u"field"_s).toString().toUpper(),
                   .skipValue = object.value(u"skip"_s).toObject().value(u"value"_s).toString()};
        for (const QJsonValue &value : object.value(u"series"_s).toArray()) {
            const QJsonObject series = value.toObject();
            const QString kind = series.value(u"kind"_s).toString(u"bar"_s);
            if (kind != u"bar"_s && kind != u"line"_s)
                return fail(u"그래프 계열의 종류 \"%1\"을(를) 알 수 없습니다(bar, line)."_s.arg(kind));
            c.series.append({.field = series.value(u"field"_s).toString().toUpper(),
                             .name = series.value(u"name"_s).toString(), .line = kind == u"line"_s});
        }
        if (c.category.isEmpty() || c.series.isEmpty())
            return fail(u"그래프에 \"category\"와 \"series\"가 있어야 합니다."_s);
        if (c.height < 20 || c.height > 180)
            return fail(u"그래프의 높이는 20에서 180(mm)까지입니다."_s);
        def.chart = c;
    }
    return def;
}

report::Layout LayoutFor(const Definition &definition, const report::RowSource &rows)
{
    report::Layout layout = definition.layout;
    if (!definition.chart)
        return layout;
    const ChartDef &def = *definition.chart;
    report::Chart chart{.title = def.title};
    for (const ChartDef::Series &s : def.series)
        chart.series.append({.name = s.name, .kind = s.line ? report::SeriesKind::Line : report::SeriesKind::Bar});
    for (int row = 0; row < rows.count(); ++row) {
        if (!def.skipField.isEmpty() && rows.value(row, def.skipField) == def.skipValue)
            continue;
        chart.categories.append(rows.value(row, def.category));
        for (qsizetype i = 0; i < def.series.size(); ++i)
            chart.series[i].values.append(rows.value(row, def.series.at(i).field).toDouble());
    }
    const qreal width = layout.page.contentWidth();
    report::Band band{.kind = report::BandKind::Summary, .height = def.height + 4};
    band.items.append(report::ChartItem(chart, QRectF(0, 4, width, def.height)));
    layout.bands.insert(layout.bands.size() - 1, band);
    return layout;
}

std::optional<QStringList> BindValues(const Definition &definition, const QStringList &values, QString *problem)
{
    const auto fail = [problem](const QString &why) {
        if (problem)
            *problem = why;
        return std::nullopt;
    };
    const qsizetype needed = std::count_if(definition.parameters.begin(), definition.parameters.end(),
                                           [](const Parameter &p) { return !p.optional; });
    if (values.size() < needed || values.size() > definition.parameters.size())
        return fail(u"보고서 인수의 개수가 맞지 않습니다: %1개가 필요한데 %2개를 받았습니다."_s
                        .arg(definition.parameters.size())
                        .arg(values.size()));
    QStringList bound;
    for (qsizetype i = 0; i < definition.parameters.size(); ++i) {
        const Parameter &parameter = definition.parameters.at(i);
        if (i >= values.size()) {
            bound.append(QString());
            continue;
        }
        const QString value = values.at(i).trimmed();
        if (parameter.kind == Parameter::Kind::Date) {
            const QString key = DateKeyOf(value);
            if (key.isEmpty())
                return fail(u"%1이(가) 날짜가 아닙니다: \"%2\""_s.arg(parameter.caption, values.at(i)));
            bound.append(key);
        } else {
            bound.append(value);
        }
    }
    return bound;
}

QStringList ConditionLines(const Definition &definition, const QStringList &bound)
{
    QStringList lines;
    for (QString line : definition.conditions) {
        for (qsizetype i = 0; i < definition.parameters.size() && i < bound.size(); ++i) {
            const Parameter &parameter = definition.parameters.at(i);
            line.replace(u'{' + parameter.name + u'}',
                         parameter.kind == Parameter::Kind::Date ? report::FormatValue(bound.at(i), report::Format::DateKey)
                                                                 : bound.at(i),
                         Qt::CaseInsensitive);
        }
        lines.append(line);
    }
    return lines;
}

} // namespace viewer
