#include "EBP070.h"

using namespace Qt::StringLiterals;

TfrmEBP070::TfrmEBP070(QObject *parent) : TfrmEZP010(u"frmEBP070"_s, u"연일장비 대여 현황"_s, parent)
{
    SetColumns({
        {.title = u"장비구분"_s, .field = u"EQUIP_GUBUN_NAME"_s, .width = 20},
        {.title = u"장비번호"_s, .field = u"EQUIP_NO"_s, .width = 15, .alignment = Qt::AlignCenter},
        {.title = u"장비\n사이즈"_s, .field = u"EQUIP_SIZE_NAME"_s, .width = 14, .alignment = Qt::AlignCenter},
        {.title = u"대여번호"_s, .field = u"RENT_NO"_s, .width = 24, .alignment = Qt::AlignCenter},
        {.title = u"대여자명"_s, .field = u"RENT_NAME"_s, .width = 22},
        {.title = u"연락처"_s, .field = u"TEL_NO"_s, .width = 28},
        {.title = u"권종"_s, .field = u"TICKET_KIND_NAME"_s, .width = 22},
        {.title = u"연일대여\n시작일자"_s, .field = u"SVRL_RENT_FROM_DATE"_s, .width = 21, .alignment = Qt::AlignCenter},
        {.title = u"연일대여\n끝   일자"_s, .field = u"SVRL_RENT_TO_DATE"_s, .width = 21, .alignment = Qt::AlignCenter},
        {.title = u"취급자"_s, .field = u"DEAL_NAME"_s, .width = 22},
        {.title = u"보관내용\n구분"_s, .field = u"KEEP_KIND_GUBUN_NAME"_s, .width = 22},
        {.title = u"보관함\n번호"_s, .field = u"KEEP_BOX_NO"_s, .width = 16, .alignment = Qt::AlignCenter},
    });
    SetSummary(CountSummary());
}
