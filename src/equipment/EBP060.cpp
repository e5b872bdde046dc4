#include "EBP060.h"

using namespace Qt::StringLiterals;

TfrmEBP060::TfrmEBP060(QObject *parent) : TfrmEZP010(u"frmEBP060"_s, u"일일 장비대여 현황"_s, parent)
{
    SetColumns({
        {.title = u"대여번호"_s, .field = u"RENT_NO"_s, .width = 24, .alignment = Qt::AlignCenter},
        {.title = u"순번"_s, .field = u"RENT_SEQ"_s, .width = 10, .alignment = Qt::AlignRight},
        {.title = u"대여상태"_s, .field = u"RENT_STAT_NAME"_s, .width = 18},
        {.title = u"장비구분"_s, .field = u"EQUIP_GUBUN_NAME"_s, .width = 20},
        {.title = u"장비번호"_s, .field = u"EQUIP_NO"_s, .width = 15, .alignment = Qt::AlignCenter},
        {.title = u"대여자명"_s, .field = u"RENT_NAME"_s, .width = 22},
        {.title = u"연락처"_s, .field = u"TEL_NO"_s, .width = 28},
        {.title = u"신장"_s, .field = u"HEIGHT"_s, .width = 10, .alignment = Qt::AlignRight},
        {.title = u"체중"_s, .field = u"WEIGHT"_s, .width = 10, .alignment = Qt::AlignRight},
        {.title = u"신발규격"_s, .field = u"SHOES_SIZE_NAME"_s, .width = 15, .alignment = Qt::AlignCenter},
        {.title = u"방인딩\n강   도"_s, .field = u"BINDING"_s, .width = 13, .alignment = Qt::AlignRight},
        {.title = u"권    종"_s, .field = u"TICKET_KIND_NAME"_s, .width = 22},
        {.title = u"연일대여\n시작일자"_s, .field = u"SVRL_RENT_FROM_DATE"_s, .width = 20, .alignment = Qt::AlignCenter},
        {.title = u"연일대여\n끝   일자"_s, .field = u"SVRL_RENT_TO_DATE"_s, .width = 20, .alignment = Qt::AlignCenter},
    });
    SetSummary(CountSummary());
}
