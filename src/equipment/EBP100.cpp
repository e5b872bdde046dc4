#include "EBP100.h"

using namespace Qt::StringLiterals;

TfrmEBP100::TfrmEBP100(QObject *parent) : TfrmEZP010(u"frmEBP100"_s, u"장비보관 현황"_s, parent)
{
    SetColumns({
        {.title = u"보관번호"_s, .field = u"KEEP_NO"_s, .width = 24, .alignment = Qt::AlignCenter},
        {.title = u"보관상태"_s, .field = u"KEEP_STAT_NAME"_s, .width = 15},
        {.title = u"보관구분"_s, .field = u"KEEP_GUBUN_NAME"_s, .width = 19},
        {.title = u"장비구분"_s, .field = u"EQUIP_GUBUN_NAME"_s, .width = 19},
        {.title = u"장비명"_s, .field = u"EQUIP_NAME_GUBUN_NAME"_s, .width = 19},
        {.title = u"고유번호"_s, .field = u"NATIVE_NO"_s, .width = 30},
        {.title = u"폴유무"_s, .field = u"POELS_YN"_s, .width = 12, .alignment = Qt::AlignCenter},
        {.title = u"입고일"_s, .field = u"IPGO_DATE"_s, .width = 21, .alignment = Qt::AlignCenter},
        {.title = u"출고일"_s, .field = u"CHULGO_DATE"_s, .width = 21, .alignment = Qt::AlignCenter},
        {.title = u"회원번호"_s, .field = u"MEMBER_NO"_s, .width = 22},
        {.title = u"보관자명"_s, .field = u"KEEP_NAME"_s, .width = 26},
        {.title = u"보관함번호"_s, .field = u"KEEP_BOX_NO"_s, .width = 22, .alignment = Qt::AlignCenter},
    });
    SetSummary(CountSummary());
}
