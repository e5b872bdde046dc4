#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Where a report definition lies and the values it is opened with.
namespace viewer {

// The folder of the report server under its base address.
inline const QString ServerFolder = QStringLiteral("/REPORT/스포츠관리/");

// True for a base that is a web address (http:// or https://), as opposed to a folder.
bool IsWebBase(const QString &base);

// The definition `file` under `base`: a web address gets ServerFolder and
// the file, percent-encoded as UTF-8 ("http://host:8080/REPORT/%EC%8A%A4..."),
// a folder the file itself inside it.
QString ReportLocation(const QString &base, const QString &file);

// The file name a location ends in, decoded.
QString LocationFileName(const QString &location);

// "/rp [v1] [v2] ...". A value holding "]" or " [" would shift every value
// after it: nullopt, with the value named in *problem.
std::optional<QString> ParameterString(const QStringList &values, QString *problem = nullptr);

// The values of a parameter string; nullopt when it is not one ("" and "/rp"
// alone give no value).
std::optional<QStringList> ParseParameterString(const QString &text);

// A date as 'YYYYMMDD' from 'YYYYMMDD' or 'YYYY-MM-DD'; empty when it is neither
// or no calendar date.
QString DateKeyOf(const QString &text);

} // namespace viewer

namespace viewer {

// Main.ini [REPORT] SERVER: the report server's base address
// ("http://host:8080") or a folder; empty: the installed definitions.
QString ConfiguredServer();
// Main.ini [REPORT] LOCAL_FOLDER: the folder the local report screens read.
QString ConfiguredLocalFolder();
// Where the package installs the definitions.
inline const QString InstalledReports = QStringLiteral("/usr/share/kest/reports");

} // namespace viewer
