#include "EFS070.h"

#include "CodeCombo.h"
#include "EFH030.h"
#include "GridModel.h"
#include "Guard.h"
#include "InputEdits.h"
#include "Modal.h"
#include "SalesFields.h"
#include "SearchChecks.h"
#include "ServerError.h"
#include "SqlQuery.h"

#include <QDateEdit>

using namespace Qt::StringLiterals;

namespace {

const QString TicketSql = u"SELECT detail_name\n"
                          "FROM   zx010ms\n"
                          "WHERE  head = :GC_TICKET_KIND\n"
                          "AND    item9 = 'Y'\n"
                          "ORDER  BY detail"_s;

const QString RateSql = u"SELECT DISTINCT dc_rate\n"
                        "FROM   ia010ms\n"
                        "WHERE  upjang_code = :UPJANG_CODE\n"
                        "AND    sale_date BETWEEN :SALE_DATE_FROM AND :SALE_DATE_TO\n"
                        "ORDER  BY dc_rate"_s;

QList<ColumnDef> Columns()
{
    return {
        {.title = u"고객구분"_s, .field = u"MEM_GUBUN1"_s, .width = 60, .alignment = Qt::AlignCenter},
        {.title = u"고객세부구분"_s, .field = u"MEM_GUBUN2"_s, .width = 80, .alignment = Qt::AlignCenter},
        {.title = u"권종"_s, .field = u"TICKET"_s, .width = 100},
        {.title = u"매출일자"_s, .field = u"SALE_DATE"_s, .width = 70, .alignment = Qt::AlignCenter},
        {.title = u"영업장명"_s, .field = u"UPJANG_NAME"_s, .width = 100},
        {.title = u"POS_NO"_s, .field = u"POS_NO"_s, .width = 50, .alignment = Qt::AlignCenter},
        {.title = u"BILL_NO"_s, .field = u"BILL_NO"_s, .width = 90, .alignment = Qt::AlignCenter},
        {.title = u"대소구분"_s, .field = u"DAESO_CODE"_s, .width = 60, .alignment = Qt::AlignCenter},
        {.title = u"단가"_s, .field = u"UNIT_AMT"_s, .width = 80, .alignment = Qt::AlignRight},
        {.title = u"DC율"_s, .field = u"DC_RATE"_s, .width = 50, .alignment = Qt::AlignRight},
        {.title = u"수량"_s, .field = u"QTY"_s, .width = 50, .alignment = Qt::AlignRight},
        {.title = u"판매금액"_s, .field = u"AMT"_s, .width = 90, .alignment = Qt::AlignRight},
        {.title = u"고객우대번호"_s, .field = u"MEMBER_NO"_s, .width = 100, .alignment = Qt::AlignCenter},
        {.title = u"고객우대번호명"_s, .field = u"MEMBER_NAME"_s, .width = 120},
    };
}

PickList Labels(const QStringList &labels)
{
    return {labels, labels};
}

} // namespace

QString TfrmEFS070::ListSql()
{
    // The classes of a line come from its account number's first
    // characters; "41" accounts are groups, named by their event.
    return uR"sql(WITH m AS (
    SELECT menu_code, MAX(daeso_code) AS daeso_code
    FROM   jb010ms
    GROUP  BY menu_code),
l AS (
    SELECT i.sale_date, i.upjang_code, i.pos_no, i.bill_no, i.bill_seq, i.menu_code, i.ticket_kind, i.unit_amt,
           i.dc_rate, i.sale_qty, i.sale_amt, COALESCE(i.accept_member_no, '') AS member_no
    FROM   ia010ms i
    WHERE  i.upjang_code = :UPJANG_CODE
    AND    i.sale_date BETWEEN :SALE_DATE_FROM AND :SALE_DATE_TO),
x AS (
    SELECT CASE left(l.member_no, 2) WHEN '00' THEN '회원' WHEN '41' THEN '단체' WHEN '25' THEN '연합회'
                ELSE '일반' END AS mem_gubun1,
           CASE WHEN left(l.member_no, 1) = '6' THEN '시즌권'
                WHEN left(l.member_no, 1) IN ('5', '7') THEN '쿠폰외'
                WHEN left(l.member_no, 2) = '00' THEN '회원'
                WHEN left(l.member_no, 2) = '25' THEN '연합회'
                WHEN left(l.member_no, 2) = '41' THEN CASE WHEN f.market_code = '024' THEN '캠프' ELSE '기타' END
                WHEN l.member_no = '' THEN '기타'
                WHEN b.birth_day = 'CARD' THEN '카드'
                WHEN b.birth_day = '직원' THEN '직원할인'
                ELSE '기타' END AS mem_gubun2,
           c.detail_name AS ticket, l.sale_date, j.upjang_name, l.pos_no, l.bill_no, l.bill_seq,
           CASE WHEN m.daeso_code = '1' THEN '대인' ELSE '소인' END AS daeso_code,
           l.unit_amt, l.dc_rate, l.sale_qty, l.sale_amt, l.member_no, a.member_name
    FROM   l
    LEFT   JOIN ja010ms j ON j.upjang_code = l.upjang_code
    LEFT   JOIN m ON m.menu_code = l.menu_code
    LEFT   JOIN zx010ms c ON c.head = :GC_TICKET_KIND AND c.detail = l.ticket_kind
    LEFT   JOIN bb010ms a ON a.member_no = l.member_no
    LEFT   JOIN ba040ms b ON b.member_no = l.member_no
    LEFT   JOIN fa010ms f ON f.event_no = l.member_no)
SELECT x.mem_gubun1, x.mem_gubun2, x.ticket, x.sale_date, x.upjang_name, x.pos_no, x.bill_no, x.daeso_code,
       TO_CHAR(x.unit_amt, 'FM9,999,999,999') AS unit_amt, x.dc_rate,
       TO_CHAR(x.sale_qty, 'FM99,999') AS qty, TO_CHAR(x.sale_amt, 'FM9,999,999,999') AS amt,
       NULLIF(x.member_no, '') AS member_no, x.member_name
FROM   x
WHERE  TRUE{filters}
ORDER  BY x.sale_date, x.pos_no, x.bill_no, x.bill_seq)sql"_s;
}

TfrmEFS070::TfrmEFS070(QWidget *parent)
    : TfrmEZS000({.form = u"frmEFS070"_s, .caption = u"매출 상세 내역"_s}, parent)
{
    AddSearchFields(sales::SaleDateFields() + QList<FieldDef>{
        sales::OutletField(),
        {.name = u"cmbGuestType"_s, .caption = u"고객구분 :"_s, .kind = FieldKind::Code, .field = u"GUEST_TYPE"_s,
         .width = 70, .to = &cmbGuestType, .condition = u"x.mem_gubun1 = :GUEST_TYPE"_s,
         .choices = Labels({QString(), u"회원"_s, u"단체"_s, u"일반"_s, u"연합회"_s})},
        {.name = u"cmdTicket"_s, .caption = u"권종구분 :"_s, .kind = FieldKind::Code, .field = u"TICKET_NAME"_s,
         .width = 100, .to = &cmdTicket, .condition = u"x.ticket = :TICKET_NAME"_s},
        {.name = u"cmdDC"_s, .caption = u"DC율 :"_s, .kind = FieldKind::Code, .field = u"DC_RATE"_s, .width = 50, .to = &cmdDC,
         .condition = u"x.dc_rate = CAST(:DC_RATE AS numeric)"_s},
    });
    sales::ReadOutletNames(SearchFields());
    for (const Field &field : SearchFields())
        if (field.def.field == u"UPJANG_CODE"_s)
            SetControlValue(field.control, u"5003"_s);
    cdsQuery->setColumns(Columns());
    SetQuery(ListSql(), {{u"GC_TICKET_KIND"_s, u"I0005"_s}});

    FillTickets();
    FillRates();
    for (const Field &field : SearchFields())
        if (auto *date = qobject_cast<QDateEdit *>(field.control))
            connect(date, &QDateEdit::dateChanged, this, Guarded([this] { FillRates(); }));
}

void TfrmEFS070::FillTickets()
{
    cmdTicket->clearCodes();
    cmdTicket->addCode(QString(), QString());
    try {
        SqlQuery query(TicketSql);
        query.bind(u"GC_TICKET_KIND"_s, u"I0005"_s);
        query.exec();
        while (query.next())
            cmdTicket->addCode(query.value(0), query.value(0));
    } catch (const ServerError &error) {
        ErrorBox(u"에러내용:\r"_s + error.message());
    }
    cmdTicket->setCurrentIndex(0);
}

void TfrmEFS070::FillRates()
{
    const QString kept = cmdDC->code();
    cmdDC->clearCodes();
    cmdDC->addCode(QString(), QString());
    try {
        SqlQuery query(RateSql);
        for (const Field &field : SearchFields())
            if (field.def.field != u"DC_RATE"_s && RateSql.contains(u':' + field.def.field))
                query.bind(field.def.field, ControlValue(field.control).trimmed());
        query.exec();
        while (query.next())
            cmdDC->addCode(query.value(0), query.value(0));
    } catch (const ServerError &error) {
        ErrorBox(u"에러내용:\r"_s + error.message());
    }
    cmdDC->setCurrentIndex(std::max(0, int(cmdDC->codes().codes.indexOf(kept))));
}

QList<RowCheck> TfrmEFS070::SearchChecks()
{
    return sales::OutletChecks(SearchFields());
}

QStringList TfrmEFS070::ReportValues() const
{
    QStringList values = sales::ReportValues(SearchFields(), sales::ReportOrder::PeriodFirst);
    const QStringList filters = {cmbGuestType->code(), cmdTicket->code(), cmdDC->code()};
    if (std::any_of(filters.begin(), filters.end(), [](const QString &f) { return !f.isEmpty(); }))
        values += filters;
    return values;
}

bool TfrmEFS070::bbtPrintClick()
{
    return PassSearchChecks(SearchFields(), SearchChecks()) && OpenViewerWindow<TfrmEFH030>(ReportValues(), this);
}

bool TfrmEFS070::bbtPreviewClick()
{
    return bbtPrintClick();
}

QList<TfrmZZI000::ContractQuery> TfrmEFS070::ContractQueries() const
{
    QList<ContractQuery> queries = TfrmEZS000::ContractQueries();
    queries.append({TicketSql, {{u"GC_TICKET_KIND"_s, u"I0005"_s}}});
    queries.append({RateSql, {}});
    return queries;
}
