#pragma once

#include "ReportLayout.h"
#include "RowSource.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// A report definition: a JSON file the site keeps beside the others of the
// report server (README "Report definitions"). It declares the values it is
// opened with in order, one read-only SQL statement that binds them by
// name, and the list the report engine lays out: columns, nested groups
// with their subtotals, a grand total.
namespace viewer {

inline constexpr int DefinitionVersion = 1;
inline const QString DefinitionFormat = QStringLiteral("kest-report");

struct Parameter
{
    QString name;    // the SQL's ":NAME"
    QString caption; // how a message names it
    enum class Kind { Text, Date } kind = Kind::Text;
    // May be left off the end of the parameter string: then bound empty.
    bool optional = false;
};

// A chart under the total: one category per record (the value of
// `category`), one series per listed field, bars side by side or lines.
struct ChartDef
{
    QString title;
    QString category;
    struct Series
    {
        QString field;
        QString name;
        bool line = false;
    };
    QList<Series> series;
    qreal height = 70; // mm
    // Records whose `skipField` holds `skipValue` are left out (subtotal rows).
    QString skipField;
    QString skipValue;
};

struct Definition
{
    int version = DefinitionVersion;
    QString id;
    QString title;
    QList<Parameter> parameters;
    QString sql;
    // Condition lines (at most three) with "{NAME}" standing for a value; a
    // date shows as 'YYYY-MM-DD'.
    QStringList conditions;
    report::Layout layout;
    std::optional<ChartDef> chart;
};

// The definition, or nullopt with the reason (Korean) in *problem.
std::optional<Definition> ReadDefinition(const QByteArray &text, QString *problem);

// The values as the SQL binds them (a date as 'YYYYMMDD'), or nullopt with
// the reason: a count other than the definition's, a date that is none.
std::optional<QStringList> BindValues(const Definition &definition, const QStringList &values, QString *problem);

// The layout with the chart of these records under the total, when the
// definition has one.
report::Layout LayoutFor(const Definition &definition, const report::RowSource &rows);

// The condition lines with the values put in.
QStringList ConditionLines(const Definition &definition, const QStringList &bound);

} // namespace viewer
