#include "AccidentReports.h"

using namespace Qt::StringLiterals;

namespace accident {

const QHash<QString, QString> &ReportFiles()
{
    static const QHash<QString, QString> files = {
        {u"01"_s, u"01.전년대비부상자전체현황.mrd"_s},
        {u"02"_s, u"02.시간대별부상자현황.mrd"_s},
        {u"03"_s, u"03.부상자의성별현황.mrd"_s},
        {u"04"_s, u"04.부상자의연령별현황.mrd"_s},
        {u"05"_s, u"05.부상자의지역별현황.mrd"_s},
        {u"06"_s, u"06.부상자의부상부위별현황.mrd"_s},
        {u"07"_s, u"07.부상자의부상종류별현황.mrd"_s},
        {u"08"_s, u"08.슬로프별부상자현황.mrd"_s},
        {u"09"_s, u"09.부상자중스키학교강습여부현황.mrd"_s},
        {u"10"_s, u"10.부상자의사고요지현황.mrd"_s},
        {u"11"_s, u"11.스키경력별부상자현황.mrd"_s},
        {u"12"_s, u"12.앰블런스후송현황.mrd"_s},
        {u"13"_s, u"13.패트롤후송현황.mrd"_s},
        {u"14"_s, u"14.부상종류별부상부위현황.mrd"_s},
    };
    return files;
}

QHash<QString, QString> YearOnYearReport()
{
    return {{u"01"_s, ReportFiles().value(u"01"_s)}};
}

} // namespace accident
