#include "EBP090.h"

#include "CountingList.h"

using namespace Qt::StringLiterals;

TfrmEBP090::TfrmEBP090(QObject *parent) : TfrmEZP000(u"frmEBP090"_s, u"기간별 장비대여 현황"_s, parent)
{
    SetCountingLayout(*this, {.outerTitle = u"대여일자"_s, .outerField = u"RENT_DATE"_s, .countTitle = u"대여현황"_s,
                              .countField = u"RENT_COUNT"_s});
}
