#include "EBP110.h"

using namespace Qt::StringLiterals;

TfrmEBP110::TfrmEBP110(QObject *parent) : TfrmEZP010(u"frmEBP110"_s, u"미출고 장비보관 현황"_s, parent)
{
    SetColumns({
        {.title = u"보관번호"_s, .field = u"KEEP_NO"_s, .width = 23, .alignment = Qt::AlignCenter},
        {.title = u"회원번호"_s, .field = u"MEMBER_NO"_s, .width = 18},
        {.title = u"보관자명"_s, .field = u"KEEP_NAME"_s, .width = 20},
        {.title = u"보관함\n번호"_s, .field = u"KEEP_BOX_NO"_s, .width = 15, .alignment = Qt::AlignCenter},
        {.title = u"보관구분"_s, .field = u"KEEP_GUBUN_NAME"_s, .width = 17},
        {.title = u"장비구분"_s, .field = u"EQUIP_GUBUN_NAME"_s, .width = 17},
        {.title = u"장비명"_s, .field = u"EQUIP_NAME"_s, .width = 16},
        {.title = u"장비명\n기타"_s, .field = u"EQUIP_NAME_ETC"_s, .width = 20},
        {.title = u"고유번호"_s, .field = u"NATIVE_NO"_s, .width = 24},
        {.title = u"폴\n유무"_s, .field = u"POELS_YN"_s, .width = 9, .alignment = Qt::AlignCenter},
        {.title = u"폴명"_s, .field = u"POELS_NAME"_s, .width = 16},
        {.title = u"입고일"_s, .field = u"IPGO_DATE"_s, .width = 20, .alignment = Qt::AlignCenter},
        {.title = u"출고일"_s, .field = u"CHULGO_DATE"_s, .width = 20, .alignment = Qt::AlignCenter},
        {.title = u"연락처\n(핸드폰)"_s, .field = u"MOBILE_NO"_s, .width = 27},
    });
    SetSummary(CountSummary());
}
