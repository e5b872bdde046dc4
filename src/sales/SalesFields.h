#pragma once

#include "FieldTable.h"

// The search fields the sales statistics share.
namespace sales {

// "판매일자 : FROM" and "TO", both today at first, bound as SALE_DATE_FROM and SALE_DATE_TO.
QList<FieldDef> SaleDateFields();

// "영업장 :": the outlet code edt_Upjang_No bound as UPJANG_CODE, its name
// in wlb_Upjang_No (ReadOutletNames), and bbt_Upjang_No opening "영업장
// 선택" over the sports outlets.
FieldDef OutletField();
// Gives the outlet field among `fields` its name from the outlets, read on
// every change of the code; a code without a name is not refused (the
// search finds nothing). Call once the fields are made.
void ReadOutletNames(const QList<Field> &fields);

// An outlet code fit for a parameter string: digits and letters only.
bool IsOutletCode(const QString &code);

} // namespace sales

namespace sales {

// The outlet field's checks: "영업장을(를) 먼저 입력하십시오." when blank and
// "영업장을(를) 정확히 입력하십시오." for a code of other than letters and digits.
QList<RowCheck> OutletChecks(const QList<Field> &fields);

// The values of a search bar an outlet report takes: (from, to, outlet) or (outlet, from, to).
enum class ReportOrder { PeriodFirst, OutletFirst };
QStringList ReportValues(const QList<Field> &fields, ReportOrder order);

} // namespace sales
