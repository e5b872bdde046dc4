#include "XlsxRead.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

using namespace Qt::StringLiterals;

QJsonObject XlsxRead(const QString &path, const QList<int> &rows, bool layout)
{
    QStringList numbers;
    for (int row : rows)
        numbers.append(QString::number(row));
    QStringList args{QDir(qEnvironmentVariable("KEST_SOURCE_DIR")).filePath(u"tests/support/xlsx_cells.py"_s), path,
                     numbers.join(u',')};
    if (layout)
        args.append(u"--layout"_s);
    // Debian's python, which the package python3-openpyxl serves, also
    // where another python comes first on the path.
    const QString python = QFile::exists(u"/usr/bin/python3"_s) ? u"/usr/bin/python3"_s : u"python3"_s;
    QProcess process;
    process.start(python, args);
    if (!process.waitForFinished(300000) || process.exitCode() != 0) {
        qWarning("cannot read %s (scripts/deps installs python3-openpyxl): %s", qPrintable(path),
                 process.readAllStandardError().constData());
        return {};
    }
    return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
}

QString XlsxCell(const QJsonObject &read, int row, int column)
{
    const QJsonArray cell = read.value(u"cells"_s).toObject().value(u"%1,%2"_s.arg(row).arg(column)).toArray();
    if (cell.isEmpty())
        return {};
    const QJsonValue value = cell.at(1);
    return cell.at(0).toString() + u':'
           + (value.isDouble() ? QString::number(value.toDouble(), 'g', 17) : value.toString());
}
