#include "StartupValues.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QTextStream>

namespace {
StartupValues values;
QString systemConfigDir = QStringLiteral("/etc/kest/");
} // namespace

const StartupValues &Startup()
{
    return values;
}

void SetStartupValues(const StartupValues &newValues)
{
    values = newValues;
}

QString WithTrailingSeparator(const QString &dir)
{
    return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

QString SystemConfigDir()
{
    return systemConfigDir;
}

void SetSystemConfigDir(const QString &dir)
{
    systemConfigDir = WithTrailingSeparator(dir);
}

// One folder for all the files, never a mix: a copy that carries its own
// INI files beside it is not half configured by the system's.
QString ConfigDir()
{
    const QString exeDir = Startup().exeDir;
    if (!exeDir.isEmpty()
        && !QDir(exeDir).entryList({QStringLiteral("*.ini")}, QDir::Files | QDir::Readable).isEmpty())
        return WithTrailingSeparator(exeDir);
    return systemConfigDir;
}

QString IniValue(const QString &fileName, const QString &section, const QString &key, const QString &defaultValue)
{
    QFile file(QDir(ConfigDir()).filePath(fileName));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return defaultValue;
    QTextStream in(&file);
    bool inSection = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            inSection = line.mid(1, line.size() - 2).trimmed().compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection || line.startsWith(QLatin1Char(';')))
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return line.mid(eq + 1).trimmed();
    }
    return defaultValue;
}

int IniInt(const QString &fileName, const QString &section, const QString &key, int defaultValue)
{
    bool ok = false;
    const int value = IniValue(fileName, section, key).toInt(&ok);
    return ok ? value : defaultValue;
}

int IniNumber(const QString &fileName, const QString &section, const QString &key, int defaultValue, int lowest,
              int highest)
{
    const QString text = IniValue(fileName, section, key);
    if (text.isEmpty())
        return defaultValue;
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (ok && value >= lowest && value <= highest)
        return int(value);
    qWarning().noquote() << QStringLiteral("%1 [%2] %3=%4: not a whole number from %5 to %6; %7 is used")
                                .arg(fileName, section, key, text.left(40))
                                .arg(lowest)
                                .arg(highest)
                                .arg(defaultValue);
    return defaultValue;
}
