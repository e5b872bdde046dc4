#include "ReportLocation.h"

#include <QDate>
#include <QRegularExpression>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace viewer {

bool IsWebBase(const QString &base)
{
    const QString trimmed = base.trimmed();
    return trimmed.startsWith(u"http://"_s, Qt::CaseInsensitive) || trimmed.startsWith(u"https://"_s, Qt::CaseInsensitive);
}

QString ReportLocation(const QString &base, const QString &file)
{
    QString root = base.trimmed();
    while (root.endsWith(u'/') && root.size() > 1)
        root.chop(1);
    if (!IsWebBase(root))
        return root + u'/' + file;
    QUrl url(root + ServerFolder + file, QUrl::TolerantMode);
    return QString::fromLatin1(url.toEncoded());
}

QString LocationFileName(const QString &location)
{
    const QString decoded = IsWebBase(location) ? QUrl::fromPercentEncoding(location.toUtf8()) : location;
    return decoded.section(u'/', -1);
}

std::optional<QString> ParameterString(const QStringList &values, QString *problem)
{
    QString text = u"/rp"_s;
    for (qsizetype i = 0; i < values.size(); ++i) {
        const QString &value = values.at(i);
        if (value.contains(u']') || value.contains(u" ["_s)) {
            if (problem)
                *problem = u"%1번째 값 \"%2\"에 \"]\" 또는 \" [\"가 들어 있습니다."_s.arg(i + 1).arg(value);
            return std::nullopt;
        }
        text += u" ["_s + value + u']';
    }
    return text;
}

std::optional<QStringList> ParseParameterString(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QStringList{};
    if (!trimmed.startsWith(u"/rp"_s))
        return std::nullopt;
    QString rest = trimmed.mid(3);
    QStringList values;
    while (!rest.isEmpty()) {
        if (!rest.startsWith(u" ["_s))
            return std::nullopt;
        const qsizetype close = rest.indexOf(u']', 2);
        if (close < 0)
            return std::nullopt;
        values.append(rest.mid(2, close - 2));
        rest = rest.mid(close + 1);
    }
    return values;
}

QString DateKeyOf(const QString &text)
{
    static const QRegularExpression eight(u"^\\d{8}$"_s);
    static const QRegularExpression dashed(u"^(\\d{4})-(\\d{2})-(\\d{2})$"_s);
    QString key;
    if (eight.match(text).hasMatch())
        key = text;
    else if (const QRegularExpressionMatch m = dashed.match(text); m.hasMatch())
        key = m.captured(1) + m.captured(2) + m.captured(3);
    if (key.isEmpty() || !QDate::fromString(key, u"yyyyMMdd"_s).isValid())
        return {};
    return key;
}

} // namespace viewer

#include "StartupValues.h"

namespace viewer {

QString ConfiguredServer()
{
    const QString value = IniValue(u"Main.ini"_s, u"REPORT"_s, u"SERVER"_s).trimmed();
    return value.isEmpty() ? InstalledReports : value;
}

QString ConfiguredLocalFolder()
{
    const QString value = IniValue(u"Main.ini"_s, u"REPORT"_s, u"LOCAL_FOLDER"_s).trimmed();
    return value.isEmpty() ? InstalledReports : value;
}

} // namespace viewer
