#include "AccidentRecord.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace accident {

const QList<Column> &Columns()
{
    static const QList<Column> columns = {
    {u"TROB_NO"_s, u"사고번호"_s, 16, {}, 60, false},
    {u"PEAK_GUBUN"_s, u"PEAK구분"_s, 16, u"E0027"_s, 68, false},
    {u"IN_NAME"_s, u"부상자-부상자신상-성명"_s, 30, {}, 142, false},
    {u"TROB_TIME"_s, u"사고시간"_s, 4, {}, 0, false},
    {u"TROB_TIME_GUBUN"_s, u"사고시간구분"_s, 4, u"E0028"_s, 0, false},
    {u"WEATHER_STAT_GUBUN"_s, u"기상상태구분"_s, 16, u"E0029"_s, 0, false},
    {u"TEMPERATURE"_s, u"기온"_s, 0, {}, 0, false},
    {u"TP_COURSE_GUBUN"_s, u"사고장소-코스구분"_s, 16, u"E0006"_s, 64, false},
    {u"TP_LIFT_GUBUN"_s, u"사고장소-리프트구분"_s, 16, u"E0007"_s, 0, false},
    {u"TP_DETAIL_DESC"_s, u"사고장소-구체적기술"_s, 80, {}, 0, false},
    {u"TP_COURSELEVEL_GUBUN"_s, u"사고장소-코스난이도구분"_s, 16, u"E0030"_s, 0, false},
    {u"TP_SNOW_GUGUBN"_s, u"사고장소-코스상태-눈구분"_s, 16, u"E0031"_s, 0, false},
    {u"TP_SNOWKIND_GUBUN"_s, u"사고장소-코스상태-눈종류구분"_s, 16, u"E0032"_s, 0, false},
    {u"TP_ETC"_s, u"사고장소-코스상태-기타"_s, 80, {}, 0, false},
    {u"TP_CLASSIFY_GUBUN"_s, u"사고장소-코스상태-분류구분"_s, 16, u"E0033"_s, 0, false},
    {u"IN_SEX"_s, u"부상자-부상자신상-성별"_s, 16, u"Z0008"_s, 151, false},
    {u"IN_AGE"_s, u"부상자-부상자신상-나이"_s, 3, {}, 0, false},
    {u"IN_HEIGHT"_s, u"부상자-부상자신상-신장"_s, 3, {}, 0, false},
    {u"IN_WEIGHT"_s, u"부상자-부상자신상-체중"_s, 3, {}, 0, false},
    {u"IN_ZIP_CODE"_s, u"부상자-부상자신상-우편번호"_s, 6, {}, 0, false},
    {u"IN_ADDR1"_s, u"부상자-부상자신상-주소1"_s, 60, {}, 0, true},
    {u"IN_ADDR2"_s, u"부상자-부상자신상-주소2"_s, 60, {}, 0, true},
    {u"IN_ID_NO"_s, u"부상자-부상자신상-주민번호"_s, 13, {}, 0, true},
    {u"IN_TEL_NO"_s, u"부상자-부상자신상-연락처"_s, 20, {}, 0, true},
    {u"IN_JOB"_s, u"부상자-부상자신상-직업"_s, 40, {}, 0, false},
    {u"IN_POSITION_GUBUN"_s, u"부상자-부상부위-위치구분"_s, 16, u"E0034"_s, 0, false},
    {u"IN_DETAIL_GUBUN"_s, u"부상자-부상부위-상세구분"_s, 16, u"E0035"_s, 0, false},
    {u"IN_STAT_GUBUN"_s, u"부상자-부상상태-부상상태구분"_s, 16, u"E0036"_s, 0, false},
    {u"IN_STAT_ETC"_s, u"부상자-부상상태-기타"_s, 40, {}, 0, false},
    {u"IN_CAUSE_GUBUN"_s, u"부상자-부상원인-부상원인구분"_s, 16, u"E0037"_s, 0, false},
    {u"IN_CAUSE_ETC"_s, u"부상자-부상원인-기타"_s, 40, {}, 0, false},
    {u"IN_FACTOR_GUBUN"_s, u"부상자-부상요인-부상요인구분"_s, 16, u"E0038"_s, 0, false},
    {u"IN_FACTOR_ETC"_s, u"부상자-부상요인-부상요인기타"_s, 40, {}, 0, false},
    {u"IN_LEVEL_GUBUN"_s, u"부상자-스키경력-수준구분"_s, 16, u"E0039"_s, 0, false},
    {u"IN_DAYSKI_GUBUN"_s, u"부상자-스키경력-당일스키탄시간구분"_s, 16, u"E0040"_s, 0, false},
    {u"IN_DAYUSE_GUBUN"_s, u"부상자-스키경력-당스키장사용일수구분"_s, 16, u"E0041"_s, 0, false},
    {u"IN_LECTURE_GUBUN"_s, u"부상자-스키경력-강습이수구분"_s, 16, u"E0042"_s, 0, false},
    {u"IN_SKI_NAME"_s, u"부상자-부상자장비-스키명"_s, 40, u"E0053"_s, 0, false},
    {u"IN_SKI_SIZE_GUBUN"_s, u"부상자-부상자장비-스키사이즈구분"_s, 16, u"E0010"_s, 0, false},
    {u"IN_BINDING_NAME"_s, u"부상자-부상자장비-바인딩명"_s, 40, {}, 0, false},
    {u"IN_BOOTS_NAME"_s, u"부상자-부상자장비-부츠명"_s, 40, {}, 0, false},
    {u"IN_BOOTS_SIZE_GUBUN"_s, u"부상자-부상자장비-부츠사이즈구분"_s, 16, u"E0011"_s, 0, false},
    {u"IN_ARTICLE_NAME"_s, u"부상자-부상자장비-품명"_s, 40, {}, 0, false},
    {u"IN_RENT_GUBUN"_s, u"부상자-부상자장비-대여구분"_s, 16, u"E0043"_s, 0, false},
    {u"IN_RENT_PLACE"_s, u"부상자-부상자장비-대여장소"_s, 40, {}, 0, false},
    {u"IN_BINDING_TEST_GUBUN"_s, u"부상자-부상자장비-바인딩테스트구분"_s, 16, u"E0044"_s, 0, false},
    {u"IN_SKI_LOOSE_GUBUN"_s, u"부상자-부상자장비-스키풀림구분"_s, 16, u"E0045"_s, 0, false},
    {u"IN_BINDING_STRENGTH_GUBUN"_s, u"부상자-부상자장비-바인딩강도구분"_s, 16, u"E0046"_s, 0, false},
    {u"IN_BINDING_LEFT_F"_s, u"부상자-부상자장비-바인딩강도(좌앞)"_s, 3, {}, 0, false},
    {u"IN_BINDING_LEFT_B"_s, u"부상자-부상자장비-바인딩강도(좌뒤)"_s, 3, {}, 0, false},
    {u"IN_BINDING_RIGHT_F"_s, u"부상자-부상자장비-바인딩강도(우앞)"_s, 3, {}, 0, false},
    {u"IN_BINDING_RIGHT_B"_s, u"부상자-부상자장비-바인딩강도(우뒤)"_s, 3, {}, 0, false},
    {u"WI_NAME"_s, u"최초목격및사고경위-성명"_s, 30, {}, 0, false},
    {u"WI_ID_NO"_s, u"최초목격및사고경위-주민등록번호"_s, 13, {}, 0, true},
    {u"WI_TEL_NO"_s, u"최초목격및사고경위-연락처"_s, 20, {}, 0, true},
    {u"WI_ACC_STAT"_s, u"최초목격및사고경위-접근시현장상황"_s, 80, {}, 0, false},
    {u"WI_TROB_DETAIL"_s, u"최초목격및사고경위-사고발생경위"_s, 80, {}, 0, false},
    {u"PT_PHOTO_GUBUN"_s, u"사진촬영-사진촬영여부"_s, 16, u"E0051"_s, 0, false},
    {u"PT_PHOTO_NAME"_s, u"사진촬영-사진촬영자"_s, 30, {}, 0, false},
    {u"EV_METHOD_GUBUN"_s, u"후송방법-후송방법구분"_s, 16, u"E0047"_s, 0, false},
    {u"EV_MEANS_GUBUN"_s, u"후송방법-후송수단구분"_s, 16, u"E0048"_s, 0, false},
    {u"EV_ETC"_s, u"후송방법-후송수단기타"_s, 40, {}, 0, false},
    {u"ME_SPOT_TIME"_s, u"부상자조치-패트롤-현장도착시간"_s, 4, {}, 0, false},
    {u"ME_NAME"_s, u"부상자조치-패트롤-성명"_s, 30, {}, 0, false},
    {u"ME_TEL_NO"_s, u"부상자조치-패트롤-연락처"_s, 30, {}, 0, true},
    {u"ME_EMERGENCY"_s, u"부상자조치-패트롤-응급조치사항"_s, 80, {}, 0, false},
    {u"ME_MEDICAL_TIME"_s, u"부상자조치-의무실-도착시간"_s, 4, {}, 0, false},
    {u"ME_MEDICAL_NAME"_s, u"부상자조치-의무실-의료진"_s, 40, {}, 0, false},
    {u"ME_PATIENT_STAT"_s, u"부상자조치-의무실-환자상태"_s, 80, {}, 0, false},
    {u"ME_AFTER"_s, u"부상자조치-의무실-조치사항"_s, 80, {}, 0, false},
    {u"TE_MEANS_GUBUN"_s, u"2차후송및귀가형태-후송수단구분"_s, 16, u"E0049"_s, 0, false},
    {u"TE_OBJECT_GUBUN"_s, u"2차후송및귀가형태-후송목적지구분"_s, 16, u"E0050"_s, 0, false},
    {u"CO_NAME"_s, u"충돌자신상-성명"_s, 30, {}, 0, false},
    {u"CO_ID_NO"_s, u"충돌자신상-주민등록번호"_s, 13, {}, 0, true},
    {u"CO_TEL_NO"_s, u"충돌자신상-연락처"_s, 20, {}, 0, true},
    {u"CO_ZIP_CODE"_s, u"충돌자신상-우편번호"_s, 6, {}, 0, false},
    {u"CO_ADDR1"_s, u"충돌자신상-주소1"_s, 60, {}, 0, true},
    {u"CO_ADDR2"_s, u"충돌자신상-주소2"_s, 60, {}, 0, true},
    {u"TROB_POINT_X"_s, u"사고발생지점X좌표"_s, 4, {}, 0, false},
    {u"TROB_POINT_Y"_s, u"사고발생지점Y좌표"_s, 4, {}, 0, false},
    {u"REGION_F_X"_s, u"부상부위(앞)X좌표"_s, 4, {}, 0, false},
    {u"REGION_F_Y"_s, u"부상부위(앞)Y좌표"_s, 4, {}, 0, false},
    {u"REGION_B_X"_s, u"부상부위(뒤)X좌표"_s, 4, {}, 0, false},
    {u"REGION_B_Y"_s, u"부상부위(뒤)Y좌표"_s, 4, {}, 0, false},
    };
    return columns;
}

const Column *Find(const QString &field)
{
    for (const Column &column : Columns())
        if (column.field.compare(field, Qt::CaseInsensitive) == 0)
            return &column;
    return nullptr;
}

QString SelectList(const QStringList &extra)
{
    QStringList items;
    for (const Column &column : Columns()) {
        const QString name = column.field.toLower();
        if (column.field == u"TROB_NO"_s)
            items.append(u"TO_CHAR(trob_no, 'FM0000') AS trob_no"_s);
        else if (column.personal)
            items.append(u"fn_za010ms_04(%1) AS %1"_s.arg(name));
        else
            items.append(name);
    }
    for (const QString &field : extra)
        items.append(field.toLower());
    items.append(u"row_ver"_s); // sent back with a change, so that an overtaken one is refused
    return u"SELECT "_s + items.join(u",\n       "_s);
}

bool IsTimeOfDay(const QString &hhmm)
{
    static const QRegularExpression time(u"^([01][0-9]|2[0-3])[0-5][0-9]$"_s);
    return time.match(hhmm).hasMatch();
}

int TimeClassPosition(const QString &hhmm)
{
    if (!IsTimeOfDay(hhmm))
        return -1;
    // Compared as text, bounds inclusive, the first match winning.
    if (hhmm >= u"0630"_s && hhmm <= u"0830"_s)
        return 3;
    if (hhmm > u"0830"_s && hhmm <= u"1200"_s)
        return 0;
    if (hhmm > u"1200"_s && hhmm <= u"1630"_s)
        return 1;
    if (hhmm > u"1630"_s && hhmm <= u"2200"_s)
        return 2;
    if (hhmm > u"2200"_s)
        return 4;
    return -1;
}

QString PeakNumber(const QString &placeClass)
{
    if (placeClass.size() == 2 && placeClass.at(0) == u'P' && placeClass.at(1).isDigit())
        return placeClass.mid(1);
    return {};
}

} // namespace accident
