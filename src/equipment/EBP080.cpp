#include "EBP080.h"

#include "CountingList.h"

using namespace Qt::StringLiterals;

TfrmEBP080::TfrmEBP080(QObject *parent) : TfrmEZP000(u"frmEBP080"_s, u"시간대별 장비대여 현황"_s, parent)
{
    SetCountingLayout(*this, {.outerTitle = u"시간대"_s, .outerField = u"RENT_HOUR"_s, .countTitle = u"대여현황"_s,
                              .countField = u"RENT_COUNT"_s});
}
