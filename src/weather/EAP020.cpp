#include "EAP020.h"

#include "Weather.h"

using namespace Qt::StringLiterals;

TfrmEAP020::TfrmEAP020(const QString &firstTitle, const QString &firstField, QObject *parent)
    : TfrmEZP000(u"frmEAP020"_s, u"기상정보 현황"_s, parent)
{
    QList<report::Column> columns{{.title = firstTitle, .field = firstField, .width = 29, .alignment = Qt::AlignCenter}};
    QList<std::pair<QString, int>> averages;
    for (const Measure &m : Measures()) {
        // The printed form has always called the precipitation column so.
        const QString title = m.field == u"SNOWFALL"_s ? u"적설량"_s : m.title;
        averages.append({m.field, int(columns.size())});
        columns.append({.title = title, .field = m.field, .width = 22, .alignment = Qt::AlignRight});
    }
    SetColumns(columns);
    SetSummary(LabelledSummary(u"평균"_s, 0, averages));
}
