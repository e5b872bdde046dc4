#include "EBP120.h"

#include "CountingList.h"

using namespace Qt::StringLiterals;

TfrmEBP120::TfrmEBP120(QObject *parent) : TfrmEZP000(u"frmEBP120"_s, u"보관 종류별 현황"_s, parent)
{
    SetCountingLayout(*this, {.outerTitle = u"보관구분"_s, .outerField = u"KEEP_GUBUN_NAME"_s, .countTitle = u"보관현황"_s,
                              .countField = u"KEEP_COUNT"_s});
}
