#include "EES010.h"

#include "AccidentRecord.h"
#include "CodeServices.h"
#include "InputEdits.h"
#include "Modal.h"
#include "PicturePanel.h"
#include "StartupValues.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

TfrmEES010::TfrmEES010(QWidget *parent)
    : AccidentScreen(u"frmEES010"_s, u"패트롤 사고기록  조회"_s, {}, parent)
{
    AddSearchFields({{.name = u"edtFindName"_s, .caption = u"*부상자명"_s, .field = u"IN_NAME"_s, .bytes = 30,
                      .width = 140, .to = &edtFindName}});
    SetAccidentColumns({u"TROB_NO"_s, u"PEAK_GUBUN"_s, u"IN_NAME"_s, u"TP_COURSE_GUBUN"_s, u"IN_SEX"_s}, true);

    const QList<QBoxLayout *> basics = AddPage(u"기본사항 및 사고장소"_s, true, 2);
    AddGroup(basics[0], {}, {Shown(u"TROB_NO"_s, u"사고번호"_s)});
    AddGroup(basics[0], u"기본사항"_s,
             {Code(u"PEAK_GUBUN"_s, u"*PEAK구분"_s), Required(Time(u"TROB_TIME"_s, u"*사고시간"_s)),
              Code(u"TROB_TIME_GUBUN"_s, u"*사고시간구분"_s), Code(u"WEATHER_STAT_GUBUN"_s, u"*기온상태구분"_s),
              Number(u"TEMPERATURE"_s, u"*기온"_s, 3)});
    AddGroup(basics[1], u"사고장소"_s,
             {Code(u"TP_COURSE_GUBUN"_s, u"코스구분"_s), Code(u"TP_LIFT_GUBUN"_s, u"리프트구분"_s),
              Text(u"TP_DETAIL_DESC"_s, u"구체적기술"_s, 80), Code(u"TP_COURSELEVEL_GUBUN"_s, u"코스난이도구분"_s),
              Code(u"TP_SNOW_GUGUBN"_s, u"눈구분"_s), Code(u"TP_SNOWKIND_GUBUN"_s, u"눈종류구분"_s),
              Text(u"TP_ETC"_s, u"코스상태기타"_s, 80), Code(u"TP_CLASSIFY_GUBUN"_s, u"코스상태분류"_s)});

    const QList<QBoxLayout *> injured = AddPage(u"부상자"_s, true, 2);
    AddGroup(injured[0], u"부상자신상"_s,
             {Required(Text(u"IN_NAME"_s, u"*부상자명"_s, 30)), Code(u"IN_SEX"_s, u"성별"_s),
              Required(Text(u"IN_AGE"_s, u"*나이"_s, 3)), Required(IdNo(u"IN_ID_NO"_s, u"*주민번호"_s)),
              Required(Text(u"IN_TEL_NO"_s, u"*연락처"_s, 20)), Text(u"IN_JOB"_s, u"직업"_s, 40),
              ZipCode(u"IN_ZIP_CODE"_s, u"주소"_s), ReadOnly(Text(u"IN_ADDR1"_s, {}, 60)),
              Text(u"IN_ADDR2"_s, {}, 60), Text(u"IN_HEIGHT"_s, u"신장(㎝)"_s, 3),
              Text(u"IN_WEIGHT"_s, u"체중(㎏)"_s, 3, true)});
    AddGroup(injured[0], u"부상부위"_s,
             {Code(u"IN_POSITION_GUBUN"_s, u"위치구분"_s), Code(u"IN_DETAIL_GUBUN"_s, u"상세구분"_s)});
    AddGroup(injured[0], u"부상상태"_s,
             {Code(u"IN_STAT_GUBUN"_s, u"상태구분"_s), Text(u"IN_STAT_ETC"_s, u"기타"_s, 40)});
    AddGroup(injured[0], u"부상원인"_s,
             {Code(u"IN_CAUSE_GUBUN"_s, u"원인구분"_s), Text(u"IN_CAUSE_ETC"_s, u"기타"_s, 40)});
    AddGroup(injured[0], u"부상요인"_s,
             {Code(u"IN_FACTOR_GUBUN"_s, u"요인구분"_s), Text(u"IN_FACTOR_ETC"_s, u"기타"_s, 40)});
    AddGroup(injured[1], u"스키경력"_s,
             {Code(u"IN_LEVEL_GUBUN"_s, u"수준구분"_s), Code(u"IN_DAYUSE_GUBUN"_s, u"스키장사용일수"_s),
              Code(u"IN_DAYSKI_GUBUN"_s, u"당일스키탄시간"_s), Code(u"IN_LECTURE_GUBUN"_s, u"강습이수구분"_s)});
    AddGroup(injured[1], u"부상자장비"_s,
             {Text(u"IN_SKI_NAME"_s, u"스키명"_s, 40), Code(u"IN_SKI_SIZE_GUBUN"_s, u"스키사이즈"_s),
              Text(u"IN_BINDING_NAME"_s, u"바인딩"_s, 40), Text(u"IN_BOOTS_NAME"_s, u"부츠"_s, 40),
              Code(u"IN_BOOTS_SIZE_GUBUN"_s, u"부츠사이즈"_s), Text(u"IN_ARTICLE_NAME"_s, u"품명"_s, 40),
              Code(u"IN_RENT_GUBUN"_s, u"대여구분"_s), Text(u"IN_RENT_PLACE"_s, u"대여장소"_s, 40),
              Code(u"IN_BINDING_TEST_GUBUN"_s, u"바인딩테스트"_s), Code(u"IN_SKI_LOOSE_GUBUN"_s, u"스키풀림"_s),
              Code(u"IN_BINDING_STRENGTH_GUBUN"_s, u"바인딩강도"_s),
              Number(u"IN_BINDING_LEFT_F"_s, u"좌앞"_s, 3), Number(u"IN_BINDING_LEFT_B"_s, u"좌뒤"_s, 3, true),
              Number(u"IN_BINDING_RIGHT_F"_s, u"우앞"_s, 3), Number(u"IN_BINDING_RIGHT_B"_s, u"우뒤"_s, 3, true)});

    const QList<QBoxLayout *> other = AddPage(u"기타"_s, true, 2);
    AddGroup(other[0], u"최초목격 및 사고경위"_s,
             {Text(u"WI_NAME"_s, u"성명"_s, 30), IdNo(u"WI_ID_NO"_s, u"주민등록번호"_s),
              Text(u"WI_TEL_NO"_s, u"연락처"_s, 20), Text(u"WI_ACC_STAT"_s, u"접근시현장상황"_s, 80),
              Text(u"WI_TROB_DETAIL"_s, u"사고발생경위"_s, 80)});
    AddGroup(other[0], u"사진촬영여부"_s,
             {Code(u"PT_PHOTO_GUBUN"_s, u"사진촬영"_s), Text(u"PT_PHOTO_NAME"_s, u"촬영자"_s, 30)});
    AddGroup(other[0], u"후송방법"_s,
             {Code(u"EV_METHOD_GUBUN"_s, u"방법구분"_s), Code(u"EV_MEANS_GUBUN"_s, u"수단구분"_s),
              Text(u"EV_ETC"_s, u"기타"_s, 40)});
    AddGroup(other[0], u"패트롤 조치사항"_s,
             {Required(Time(u"ME_SPOT_TIME"_s, u"*현장도착시간"_s)), Required(Text(u"ME_NAME"_s, u"*성명"_s, 30)),
              Required(Text(u"ME_TEL_NO"_s, u"*연락처"_s, 30)), Text(u"ME_EMERGENCY"_s, u"응급조치사항"_s, 80)});
    AddGroup(other[1], u"의무실 조치사항"_s,
             {Time(u"ME_MEDICAL_TIME"_s, u"도착시간"_s), Text(u"ME_MEDICAL_NAME"_s, u"의료진"_s, 40),
              Text(u"ME_PATIENT_STAT"_s, u"환자상태"_s, 80), Text(u"ME_AFTER"_s, u"조치사항"_s, 80)});
    AddGroup(other[1], u"2차후송 및 귀가형태"_s,
             {Code(u"TE_MEANS_GUBUN"_s, u"후송수단"_s), Code(u"TE_OBJECT_GUBUN"_s, u"후송목적지"_s)});
    AddGroup(other[1], u"충돌자 신상"_s,
             {Text(u"CO_NAME"_s, u"성명"_s, 30), IdNo(u"CO_ID_NO"_s, u"주민등록번호"_s),
              Text(u"CO_TEL_NO"_s, u"연락처"_s, 20), ZipCode(u"CO_ZIP_CODE"_s, u"주소"_s),
              ReadOnly(Text(u"CO_ADDR1"_s, {}, 60)), Text(u"CO_ADDR2"_s, {}, 60)});
    AddPicturePages(true);
    FinishFields();

    qryQuery.setSql(accident::SelectList({u"TROB_DATE"_s})
                    + u"\nFROM   ee010ms\nWHERE  in_name = :IN_NAME\nORDER  BY trob_date, trob_no"_s);
    prcSaveData.setName(u"pr_eei010_01"_s);
    for (QPushButton *button : {bbtAdd, bbtDelete})
        button->hide();
    // The grant's holder corrects records and places their markers; anyone
    // else reads them. The server refuses moved markers without it as well.
    m_options.saves = MayPlaceAccidentMarkers(Startup().employeeNo);
    if (m_options.saves) {
        SetOptions({.checkCurrentRow = true});
    } else {
        bbtSave->hide();
        for (const Marker marker : {TrobPoint, RegionFront, RegionBack})
            MarkerOf(marker)->setMovable(false);
    }
}

void TfrmEES010::Saved(const SavedRows &)
{
    InfoBox(u"정상적으로 저장 되었습니다."_s);
}

bool TfrmEES010::bbtCancelClick()
{
    if (!AccidentScreen::bbtCancelClick())
        return false;
    edtFindName->clear();
    return true;
}
