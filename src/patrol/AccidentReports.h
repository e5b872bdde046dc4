#pragma once

#include <QHash>
#include <QString>

// The accident reports' definition files by their "E0054" code.
namespace accident {

inline const QString ReportCodeGroup = QStringLiteral("E0054");

const QHash<QString, QString> &ReportFiles();
// Report "01" alone, for the screens that open nothing else.
QHash<QString, QString> YearOnYearReport();

} // namespace accident
