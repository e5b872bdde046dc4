#include "EBP130.h"

#include "CountingList.h"

using namespace Qt::StringLiterals;

TfrmEBP130::TfrmEBP130(QObject *parent) : TfrmEZP000(u"frmEBP130"_s, u"지역별 보관 현황"_s, parent)
{
    SetCountingLayout(*this, {.outerTitle = u"지역"_s, .outerField = u"REGION_NAME"_s, .countTitle = u"보관현황"_s,
                              .countField = u"KEEP_COUNT"_s});
}
