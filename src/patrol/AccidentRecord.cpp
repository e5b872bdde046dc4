#include "AccidentRecord.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace accident {

const QList<Column> &Columns()
{
    static const QList<Column> columns = {
        {.field = u"TROB_NO"_s, .title = u"사고번호"_s, .dataWidth = 16, .width = 60},
        {.field = u"PEAK_GUBUN"_s, .title = u"PEAK구분"_s, .dataWidth = 16, .codeGroup = u"E0027"_s, .width = 68},
        {.field = u"IN_NAME"_s, .title = u"부상자-부상자신상-성명"_s, .dataWidth = 30, .width = 142},
        {.field = u"TROB_TIME"_s, .title = u"사고시간"_s, .dataWidth = 4},
        {.field = u"TROB_TIME_GUBUN"_s, .title = u"사고시간구분"_s, .dataWidth = 4, .codeGroup = u"E0028"_s},
        {.field = u"WEATHER_STAT_GUBUN"_s, .title = u"기상상태구분"_s, .dataWidth = 16, .codeGroup = u"E0029"_s},
        {.field = u"TEMPERATURE"_s, .title = u"기온"_s},
        {.field = u"TP_COURSE_GUBUN"_s, .title = u"사고장소-코스구분"_s, .dataWidth = 16, .codeGroup = u"E0006"_s, .width = 64},
        {.field = u"TP_LIFT_GUBUN"_s, .title = u"사고장소-리프트구분"_s, .dataWidth = 16, .codeGroup = u"E0007"_s},
        {.field = u"TP_DETAIL_DESC"_s, .title = u"사고장소-구체적기술"_s, .dataWidth = 80},
        {.field = u"TP_COURSELEVEL_GUBUN"_s, .title = u"사고장소-코스난이도구분"_s, .dataWidth = 16, .codeGroup = u"E0030"_s},
        {.field = u"TP_SNOW_GUGUBN"_s, .title = u"사고장소-코스상태-눈구분"_s, .dataWidth = 16, .codeGroup = u"E0031"_s},
        {.field = u"TP_SNOWKIND_GUBUN"_s, .title = u"사고장소-코스상태-눈종류구분"_s, .dataWidth = 16, .codeGroup = u"E0032"_s},
        {.field = u"TP_ETC"_s, .title = u"사고장소-코스상태-기타"_s, .dataWidth = 80},
        {.field = u"TP_CLASSIFY_GUBUN"_s, .title = u"사고장소-코스상태-분류구분"_s, .dataWidth = 16, .codeGroup = u"E0033"_s},
        {.field = u"IN_SEX"_s, .title = u"부상자-부상자신상-성별"_s, .dataWidth = 16, .codeGroup = u"Z0008"_s, .width = 151},
        {.field = u"IN_AGE"_s, .title = u"부상자-부상자신상-나이"_s, .dataWidth = 3},
        {.field = u"IN_HEIGHT"_s, .title = u"부상자-부상자신상-신장"_s, .dataWidth = 3},
        {.field = u"IN_WEIGHT"_s, .title = u"부상자-부상자신상-체중"_s, .dataWidth = 3},
        {.field = u"IN_ZIP_CODE"_s, .title = u"부상자-부상자신상-우편번호"_s, .dataWidth = 6},
        {.field = u"IN_ADDR1"_s, .title = u"부상자-부상자신상-주소1"_s, .dataWidth = 60, .personal = true},
        {.field = u"IN_ADDR2"_s, .title = u"부상자-부상자신상-주소2"_s, .dataWidth = 60, .personal = true},
        {.field = u"IN_ID_NO"_s, .title = u"부상자-부상자신상-주민번호"_s, .dataWidth = 13, .personal = true},
        {.field = u"IN_TEL_NO"_s, .title = u"부상자-부상자신상-연락처"_s, .dataWidth = 20, .personal = true},
        {.field = u"IN_JOB"_s, .title = u"부상자-부상자신상-직업"_s, .dataWidth = 40},
        {.field = u"IN_POSITION_GUBUN"_s, .title = u"부상자-부상부위-위치구분"_s, .dataWidth = 16, .codeGroup = u"E0034"_s},
        {.field = u"IN_DETAIL_GUBUN"_s, .title = u"부상자-부상부위-상세구분"_s, .dataWidth = 16, .codeGroup = u"E0035"_s},
        {.field = u"IN_STAT_GUBUN"_s, .title = u"부상자-부상상태-부상상태구분"_s, .dataWidth = 16, .codeGroup = u"E0036"_s},
        {.field = u"IN_STAT_ETC"_s, .title = u"부상자-부상상태-기타"_s, .dataWidth = 40},
        {.field = u"IN_CAUSE_GUBUN"_s, .title = u"부상자-부상원인-부상원인구분"_s, .dataWidth = 16, .codeGroup = u"E0037"_s},
        {.field = u"IN_CAUSE_ETC"_s, .title = u"부상자-부상원인-기타"_s, .dataWidth = 40},
        {.field = u"IN_FACTOR_GUBUN"_s, .title = u"부상자-부상요인-부상요인구분"_s, .dataWidth = 16, .codeGroup = u"E0038"_s},
        {.field = u"IN_FACTOR_ETC"_s, .title = u"부상자-부상요인-부상요인기타"_s, .dataWidth = 40},
        {.field = u"IN_LEVEL_GUBUN"_s, .title = u"부상자-스키경력-수준구분"_s, .dataWidth = 16, .codeGroup = u"E0039"_s},
        {.field = u"IN_DAYSKI_GUBUN"_s, .title = u"부상자-스키경력-당일스키탄시간구분"_s, .dataWidth = 16, .codeGroup = u"E0040"_s},
        {.field = u"IN_DAYUSE_GUBUN"_s, .title = u"부상자-스키경력-당스키장사용일수구분"_s, .dataWidth = 16, .codeGroup = u"E0041"_s},
        {.field = u"IN_LECTURE_GUBUN"_s, .title = u"부상자-스키경력-강습이수구분"_s, .dataWidth = 16, .codeGroup = u"E0042"_s},
        {.field = u"IN_SKI_NAME"_s, .title = u"부상자-부상자장비-스키명"_s, .dataWidth = 40, .codeGroup = u"E0053"_s},
        {.field = u"IN_SKI_SIZE_GUBUN"_s, .title = u"부상자-부상자장비-스키사이즈구분"_s, .dataWidth = 16, .codeGroup = u"E0010"_s},
        {.field = u"IN_BINDING_NAME"_s, .title = u"부상자-부상자장비-바인딩명"_s, .dataWidth = 40},
        {.field = u"IN_BOOTS_NAME"_s, .title = u"부상자-부상자장비-부츠명"_s, .dataWidth = 40},
        {.field = u"IN_BOOTS_SIZE_GUBUN"_s, .title = u"부상자-부상자장비-부츠사이즈구분"_s, .dataWidth = 16, .codeGroup = u"E0011"_s},
        {.field = u"IN_ARTICLE_NAME"_s, .title = u"부상자-부상자장비-품명"_s, .dataWidth = 40},
        {.field = u"IN_RENT_GUBUN"_s, .title = u"부상자-부상자장비-대여구분"_s, .dataWidth = 16, .codeGroup = u"E0043"_s},
        {.field = u"IN_RENT_PLACE"_s, .title = u"부상자-부상자장비-대여장소"_s, .dataWidth = 40},
        {.field = u"IN_BINDING_TEST_GUBUN"_s, .title = u"부상자-부상자장비-바인딩테스트구분"_s, .dataWidth = 16, .codeGroup = u"E0044"_s},
        {.field = u"IN_SKI_LOOSE_GUBUN"_s, .title = u"부상자-부상자장비-스키풀림구분"_s, .dataWidth = 16, .codeGroup = u"E0045"_s},
        {.field = u"IN_BINDING_STRENGTH_GUBUN"_s, .title = u"부상자-부상자장비-바인딩강도구분"_s, .dataWidth = 16, .codeGroup = u"E0046"_s},
        {.field = u"IN_BINDING_LEFT_F"_s, .title = u"부상자-부상자장비-바인딩강도(좌앞)"_s, .dataWidth = 3},
        {.field = u"IN_BINDING_LEFT_B"_s, .title = u"부상자-부상자장비-바인딩강도(좌뒤)"_s, .dataWidth = 3},
        {.field = u"IN_BINDING_RIGHT_F"_s, .title = u"부상자-부상자장비-바인딩강도(우앞)"_s, .dataWidth = 3},
        {.field = u"IN_BINDING_RIGHT_B"_s, .title = u"부상자-부상자장비-바인딩강도(우뒤)"_s, .dataWidth = 3},
        {.field = u"WI_NAME"_s, .title = u"최초목격및사고경위-성명"_s, .dataWidth = 30},
        {.field = u"WI_ID_NO"_s, .title = u"최초목격및사고경위-주민등록번호"_s, .dataWidth = 13, .personal = true},
        {.field = u"WI_TEL_NO"_s, .title = u"최초목격및사고경위-연락처"_s, .dataWidth = 20, .personal = true},
        {.field = u"WI_ACC_STAT"_s, .title = u"최초목격및사고경위-접근시현장상황"_s, .dataWidth = 80},
        {.field = u"WI_TROB_DETAIL"_s, .title = u"최초목격및사고경위-사고발생경위"_s, .dataWidth = 80},
        {.field = u"PT_PHOTO_GUBUN"_s, .title = u"사진촬영-사진촬영여부"_s, .dataWidth = 16, .codeGroup = u"E0051"_s},
        {.field = u"PT_PHOTO_NAME"_s, .title = u"사진촬영-사진촬영자"_s, .dataWidth = 30},
        {.field = u"EV_METHOD_GUBUN"_s, .title = u"후송방법-후송방법구분"_s, .dataWidth = 16, .codeGroup = u"E0047"_s},
        {.field = u"EV_MEANS_GUBUN"_s, .title = u"후송방법-후송수단구분"_s, .dataWidth = 16, .codeGroup = u"E0048"_s},
        {.field = u"EV_ETC"_s, .title = u"후송방법-후송수단기타"_s, .dataWidth = 40},
        {.field = u"ME_SPOT_TIME"_s, .title = u"부상자조치-패트롤-현장도착시간"_s, .dataWidth = 4},
        {.field = u"ME_NAME"_s, .title = u"부상자조치-패트롤-성명"_s, .dataWidth = 30},
        {.field = u"ME_TEL_NO"_s, .title = u"부상자조치-패트롤-연락처"_s, .dataWidth = 30, .personal = true},
        {.field = u"ME_EMERGENCY"_s, .title = u"부상자조치-패트롤-응급조치사항"_s, .dataWidth = 80},
        {.field = u"ME_MEDICAL_TIME"_s, .title = u"부상자조치-의무실-도착시간"_s, .dataWidth = 4},
        {.field = u"ME_MEDICAL_NAME"_s, .title = u"부상자조치-의무실-의료진"_s, .dataWidth = 40},
        {.field = u"ME_PATIENT_STAT"_s, .title = u"부상자조치-의무실-환자상태"_s, .dataWidth = 80},
        {.field = u"ME_AFTER"_s, .title = u"부상자조치-의무실-조치사항"_s, .dataWidth = 80},
        {.field = u"TE_MEANS_GUBUN"_s, .title = u"2차후송및귀가형태-후송수단구분"_s, .dataWidth = 16, .codeGroup = u"E0049"_s},
        {.field = u"TE_OBJECT_GUBUN"_s, .title = u"2차후송및귀가형태-후송목적지구분"_s, .dataWidth = 16, .codeGroup = u"E0050"_s},
        {.field = u"CO_NAME"_s, .title = u"충돌자신상-성명"_s, .dataWidth = 30},
        {.field = u"CO_ID_NO"_s, .title = u"충돌자신상-주민등록번호"_s, .dataWidth = 13, .personal = true},
        {.field = u"CO_TEL_NO"_s, .title = u"충돌자신상-연락처"_s, .dataWidth = 20, .personal = true},
        {.field = u"CO_ZIP_CODE"_s, .title = u"충돌자신상-우편번호"_s, .dataWidth = 6},
        {.field = u"CO_ADDR1"_s, .title = u"충돌자신상-주소1"_s, .dataWidth = 60, .personal = true},
        {.field = u"CO_ADDR2"_s, .title = u"충돌자신상-주소2"_s, .dataWidth = 60, .personal = true},
        {.field = u"TROB_POINT_X"_s, .title = u"사고발생지점X좌표"_s, .dataWidth = 4},
        {.field = u"TROB_POINT_Y"_s, .title = u"사고발생지점Y좌표"_s, .dataWidth = 4},
        {.field = u"REGION_F_X"_s, .title = u"부상부위(앞)X좌표"_s, .dataWidth = 4},
        {.field = u"REGION_F_Y"_s, .title = u"부상부위(앞)Y좌표"_s, .dataWidth = 4},
        {.field = u"REGION_B_X"_s, .title = u"부상부위(뒤)X좌표"_s, .dataWidth = 4},
        {.field = u"REGION_B_Y"_s, .title = u"부상부위(뒤)Y좌표"_s, .dataWidth = 4},
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
