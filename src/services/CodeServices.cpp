#include "CodeServices.h"

#include "CodeCombo.h"
#include "DataModule.h"
#include "GridModel.h"
#include "SqlQuery.h"

#include <QDate>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

// The services may be the first to touch the connection after it was lost.
void EnsureConnected()
{
    DataModule *module = DataModule::instance();
    if (module && !module->isConnected())
        module->Connect();
}

// Runs a statement and hands back the open query.
SqlQuery Run(const QString &sql, const QHash<QString, QString> &binds)
{
    EnsureConnected();
    SqlQuery query(sql);
    for (auto it = binds.begin(); it != binds.end(); ++it)
        query.bind(it.key(), it.value());
    query.exec();
    return query;
}

// The first column of the first row, or empty.
QString FirstValue(const QString &sql, const QHash<QString, QString> &binds)
{
    SqlQuery query = Run(sql, binds);
    return query.next() ? query.value(0) : QString();
}

bool HasRow(const QString &sql, const QHash<QString, QString> &binds)
{
    SqlQuery query = Run(sql, binds);
    return query.next();
}

// The conditions of the given filters, each bound under its own name.
QString FilterLines(const CodeFilters &filters, QHash<QString, QString> &binds)
{
    QString lines;
    for (int n = 1; n <= 15; ++n) {
        const QString &value = filters.item(n);
        if (value.isEmpty())
            continue;
        lines += u"\nAND    item%1 = :ITEM%1"_s.arg(n);
        binds.insert(u"ITEM%1"_s.arg(n), value);
    }
    return lines;
}

// Label and code of every listed code of a group, in code order.
template <typename Append>
bool ReadCodes(const QString &group, const CodeFilters &filters, Append append)
{
    QHash<QString, QString> binds{{u"HEAD"_s, group}};
    const QString sql = u"SELECT detail, detail_name\n"
                        "FROM   zx010ms\n"
                        "WHERE  head = :HEAD\n"
                        "AND    NULLIF(TRIM(detail), '') IS NOT NULL"_s
                        + FilterLines(filters, binds) + u"\nORDER  BY detail"_s;
    SqlQuery query = Run(sql, binds);
    while (query.next())
        append(query.value(1), query.value(0));
    return true;
}

// An integer result; -1 for a text that is not one.
int CountOf(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : -1;
}

QHash<QString, QString> SlotBinds(const LessonSlot &slot)
{
    return {{u"YAEYAK_DATE"_s, slot.date},
            {u"LECTURE_ITEM_GUBUN"_s, slot.item},
            {u"LECTURE_REC_GUBUN"_s, slot.reception},
            {u"LECTURE_DETAIL_GUBUN"_s, slot.detail}};
}

const QString SlotConditions = u"WHERE  yaeyak_date          = :YAEYAK_DATE\n"
                               "AND    lecture_item_gubun   = :LECTURE_ITEM_GUBUN\n"
                               "AND    lecture_rec_gubun    = :LECTURE_REC_GUBUN\n"
                               "AND    lecture_detail_gubun = :LECTURE_DETAIL_GUBUN\n"_s;

} // namespace

const QString &CodeFilters::item(int n) const
{
    static const QString none;
    const QString *items[] = {&item1, &item2,  &item3,  &item4,  &item5,  &item6,  &item7, &item8,
                              &item9, &item10, &item11, &item12, &item13, &item14, &item15};
    return n >= 1 && n <= 15 ? *items[n - 1] : none;
}

bool FillCodeList(CodeCombo &list, const QString &group, const CodeFilters &filters)
{
    return ReadCodes(group, filters, [&](const QString &label, const QString &code) { list.addCode(label, code); });
}

bool FillColumnCodes(GridModel &grid, int column, const QString &group, const CodeFilters &filters)
{
    if (column < 0 || column >= grid.columnCount())
        return false;
    PickList &pickList = grid.pickList(column);
    const bool ok = ReadCodes(group, filters,
                              [&](const QString &label, const QString &code) { pickList.append(label, code); });
    grid.pickListChanged(column);
    return ok;
}

QString CodeName(const QString &group, const QString &code, const CodeFilters &filters)
{
    QHash<QString, QString> binds{{u"HEAD"_s, group}, {u"DETAIL"_s, code}};
    const QString sql = u"SELECT detail_name\n"
                        "FROM   zx010ms\n"
                        "WHERE  head         = :HEAD\n"
                        "AND    TRIM(detail) = :DETAIL"_s
                        + FilterLines(filters, binds) + u"\nORDER  BY detail"_s;
    return FirstValue(sql, binds);
}

QString MemberName(const QString &memberNo)
{
    return FirstValue(u"SELECT member_name\n"
                      "FROM   bb010ve\n"
                      "WHERE  member_no = :MEMBER_NO\n"
                      "AND    cancel_date IS NULL"_s,
                      {{u"MEMBER_NO"_s, memberNo}});
}

QString EventName(const QString &eventNo)
{
    return FirstValue(u"SELECT member_name AS event_name\n"
                      "FROM   bb010ms\n"
                      "WHERE  member_no > ' '\n"
                      "AND    member_group_code = :MEMBER_GROUP_CODE\n"
                      "AND    member_no = :EVENT_NO\n"
                      "AND    cancel_date IS NULL"_s,
                      {{u"MEMBER_GROUP_CODE"_s, u"44"_s}, {u"EVENT_NO"_s, eventNo}});
}

QString EmployeeName(const QString &employeeNo)
{
    return FirstValue(u"SELECT member_name AS emp_name\n"
                      "FROM   bb010ve\n"
                      "WHERE  member_no = :MEMBER_NO\n"
                      "AND    SUBSTR(member_group_code, 1, 2) = :GC_SAWON_CODE"_s,
                      {{u"MEMBER_NO"_s, employeeNo}, {u"GC_SAWON_CODE"_s, u"10"_s}});
}

StaffRecord StaffInfo(const QString &employeeNo)
{
    // An employee and a day worker may share a number: the employee counts.
    static const QString sql =
        u"SELECT emp_k_name, emp_work_grp_code, emp_work_grp_name, emp_work_grp_duty_code, emp_work_grp_duty_name\n"
        "FROM  (SELECT 1 AS source, emp_k_name, emp_work_grp_code,\n"
        "              (SELECT code_name FROM zx900dt WHERE grp_no = :GC_EMP_WORK_GRP_CODE\n"
        "                  AND code_no = emp_work_grp_code) AS emp_work_grp_name,\n"
        "              emp_work_grp_duty_code,\n"
        "              (SELECT code_name FROM zx900dt WHERE grp_no = :GC_EMP_WORK_GRP_DUTY_CODE\n"
        "                  AND code_no = emp_work_grp_duty_code) AS emp_work_grp_duty_name\n"
        "       FROM   qa010ms\n"
        "       WHERE  emp_work_code = '81'\n"
        "       AND    emp_stay_code = '01'\n"
        "       AND    emp_no = :EMP_NO\n"
        "       UNION ALL\n"
        "       SELECT 2, lab_k_name, lab_work_grp,\n"
        "              (SELECT code_name FROM zx900dt WHERE grp_no = :GC_EMP_WORK_GRP_CODE\n"
        "                  AND code_no = lab_work_grp),\n"
        "              lab_work_duty,\n"
        "              (SELECT code_name FROM zx900dt WHERE grp_no = :GC_EMP_WORK_GRP_DUTY_CODE\n"
        "                  AND code_no = lab_work_duty)\n"
        "       FROM   qg010ms\n"
        "       WHERE  (lab_end_date IS NULL OR lab_end_date > to_char(CURRENT_DATE, 'YYYYMMDD'))\n"
        "       AND    lab_no = :EMP_NO) staff\n"
        "ORDER  BY source\n"
        "LIMIT  1"_s;
    SqlQuery query = Run(sql, {{u"GC_EMP_WORK_GRP_CODE"_s, u"Q043"_s},
                               {u"GC_EMP_WORK_GRP_DUTY_CODE"_s, u"Q044"_s},
                               {u"EMP_NO"_s, employeeNo}});
    StaffRecord staff{.empNo = employeeNo};
    if (query.next()) {
        staff.name = query.value(0);
        staff.workGroupCode = query.value(1);
        staff.workGroupName = query.value(2);
        staff.gradeCode = query.value(3);
        staff.gradeName = query.value(4);
    }
    return staff;
}

Receipt ReceiptInfo(const QString &season, const QString &receiptNo)
{
    SqlQuery query = Run(u"SELECT enter_date, receipt_name\n"
                         "FROM   ec020ms\n"
                         "WHERE  season_gubun = :SEASON_GUBUN\n"
                         "AND    LTRIM(receipt_no, '0') = LTRIM(:RECEIPT_NO, '0')\n"
                         "ORDER  BY receipt_no"_s,
                         {{u"SEASON_GUBUN"_s, season}, {u"RECEIPT_NO"_s, receiptNo}});
    if (!query.next())
        return {};
    return {.enterDate = query.value(0), .name = query.value(1)};
}

Entrant EntrantInfo(const QString &season, const QString &receiptNo)
{
    // The number column would refuse the text; a typed non-number finds nobody.
    const QString number = receiptNo.trimmed();
    static const QRegularExpression digits(u"^[0-9]{1,9}$"_s);
    if (!digits.match(number).hasMatch())
        return {};
    SqlQuery query = Run(u"SELECT TO_CHAR(recv_no, 'FM000000') AS recv_no,\n"
                         "       entry_name_kor,\n"
                         "       apply_date,\n"
                         "       fn_za010ms_04(id_no) AS id_no,\n"
                         "       (SELECT detail_name FROM zx010ms WHERE head = :GC_APPLY_CLASS_CODE\n"
                         "           AND detail = apply_class) AS apply_class\n"
                         "FROM   ed020ms\n"
                         "WHERE  season_gubun = :SEASON_GUBUN\n"
                         "AND    recv_no      = :RECV_NO"_s,
                         {{u"GC_APPLY_CLASS_CODE"_s, u"E0026"_s}, {u"SEASON_GUBUN"_s, season}, {u"RECV_NO"_s, number}});
    if (!query.next())
        return {};
    return {.receiptNo = query.value(0),
            .name = query.value(1),
            .applyDate = query.value(2),
            .idNo = query.value(3),
            .className = query.value(4)};
}

QString PostalAddress(const QString &zipCode)
{
    return FirstValue(u"SELECT CONCAT(address1, ' ', address2, ' ', address3, ' ') AS address\n"
                      "FROM   zx030ms\n"
                      "WHERE  zip_code = :ZIP_CODE\n"
                      "ORDER  BY zip_seq\n"
                      "LIMIT  1"_s,
                      {{u"ZIP_CODE"_s, zipCode}});
}

bool NoOperationRecords(const QString &dateKey)
{
    const QString count = FirstValue(u"SELECT COUNT(*) AS fac_count\n"
                                     "FROM   eb010ms\n"
                                     "WHERE  run_date = :RUN_DATE"_s,
                                     {{u"RUN_DATE"_s, dateKey}});
    bool ok = false;
    const qint64 n = count.toLongLong(&ok);
    return ok && n < 1;
}

bool NotReserved(const LessonSlot &slot, const QString &employeeNo)
{
    QHash<QString, QString> binds = SlotBinds(slot);
    binds.insert(u"EMP_NO"_s, employeeNo);
    return !HasRow(u"SELECT emp_name\n"
                   "FROM   ec050ms\n"_s
                       + SlotConditions + u"AND    TRIM(emp_no)         = :EMP_NO"_s,
                   binds);
}

int ReservationCapacity(const LessonSlot &slot)
{
    SqlQuery query = Run(u"SELECT yaeyak_ability_cnt\n"
                         "FROM   ec040ms\n"_s
                             + SlotConditions,
                         SlotBinds(slot));
    return query.next() ? CountOf(query.value(0)) : 0;
}

int ReservedCount(const LessonSlot &slot)
{
    return CountOf(FirstValue(u"SELECT COALESCE(SUM(yaeyak_cnt), 0) AS yaeyak_cnt\n"
                              "FROM   ec050ms\n"_s
                                  + SlotConditions,
                              SlotBinds(slot)));
}

bool IsValidYmd(const QString &text)
{
    QString key = text;
    key.remove(QLatin1Char(' '));
    if (key.size() != 8)
        return false;
    for (const QChar c : std::as_const(key))
        if (c < u'0' || c > u'9')
            return false;
    const int year = key.left(4).toInt();
    const int month = key.mid(4, 2).toInt();
    const int day = key.mid(6, 2).toInt();
    return year >= 1 && QDate::isValid(year, month, day);
}

QString PadZeros(const QString &text, int length)
{
    return text.size() >= length ? text : QString(length - text.size(), QLatin1Char('0')) + text;
}

QString LikeAnywhere(const QString &typed)
{
    QString escaped;
    escaped.reserve(typed.size() + 2);
    for (const QChar c : typed) {
        if (c == u'!' || c == u'%' || c == u'_')
            escaped += u'!';
        escaped += c;
    }
    return u'%' + escaped + u'%';
}
