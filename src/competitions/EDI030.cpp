#include "EDI030.h"

#include "Badge.h"
#include "GridView.h"
#include "CodeServices.h"
#include "InputEdits.h"
#include "Lookups.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

QList<ColumnDef> Columns()
{
    QList<ColumnDef> columns = {
        {.title = u"접수번호"_s, .field = u"RECV_NO"_s, .width = 64, .dataWidth = 6, .alignment = Qt::AlignCenter,
         .key = true},
        {.title = u"참가자명"_s, .field = u"ENTRY_NAME_KOR"_s, .width = 160, .dataWidth = 60, .readOnly = true},
        {.title = u"신청일"_s, .field = u"APPLY_DATE"_s, .width = 82, .dataWidth = 16, .alignment = Qt::AlignCenter,
         .readOnly = true, .displayMask = u"9999-99-99"_s},
        {.title = u"주민등록번호"_s, .field = u"ID_NO"_s, .width = 143, .dataWidth = 16, .alignment = Qt::AlignCenter,
         .readOnly = true, .displayMask = u"999999-9999999"_s},
        {.title = u"신청급수"_s, .field = u"APPLY_CLASS_GUBUN_NAME"_s, .width = 63, .dataWidth = 32,
         .readOnly = true},
    };
    for (const QString &judge : badge::Judges) {
        columns.append({.title = u"심사자"_s + judge, .field = u"EXAMINER_"_s + judge, .dataWidth = 60,
                        .visible = false});
        for (const badge::Discipline &d : badge::Disciplines())
            columns.append({.title = d.caption + judge, .field = d.field + judge, .dataWidth = 3,
                            .alignment = Qt::AlignRight, .visible = false});
    }
    columns.append({.title = u"버전"_s, .field = u"ROW_VER"_s, .visible = false, .readOnly = true});
    return columns;
}

// The judges' columns of the select list, as "t1.examiner_a, t1.pflug_bogen_a, ...".
QString JudgeColumns()
{
    QStringList names;
    for (const QString &judge : badge::Judges) {
        names.append(u"t1.examiner_"_s + judge.toLower());
        for (const badge::Discipline &d : badge::Disciplines())
            names.append(u"t1."_s + d.field.toLower() + judge.toLower());
    }
    return names.join(u", "_s);
}

} // namespace

TfrmEDI030::TfrmEDI030(QWidget *parent) : TfrmEZI000(u"frmEDI030"_s, u"뱃지테스트 심사 등록"_s, parent)
{
    FieldDef season = badge::SeasonField([this] { bbtSearchClick(); });
    season.to = &edtSeason;
    AddSearchFields({
        season,
        {.name = u"dtpDate"_s, .caption = u"*심사일자"_s, .kind = FieldKind::Date, .field = u"EXAMINE_DATE"_s},
    });
    SetColumns(Columns());

    AddFields({
        {.name = u"edtRecvNo"_s, .caption = u"*접수번호"_s, .field = u"RECV_NO"_s, .bytes = 6,
         .lookup = [this] { lookupEntrant(); }, .width = 80, .to = &edtRecvNo},
        {.name = u"edtEntryNameKor"_s, .caption = u"참가자명"_s, .field = u"ENTRY_NAME_KOR"_s, .bytes = 60,
         .readOnly = true, .to = &edtEntryNameKor},
        {.name = u"wmeApplyDate"_s, .caption = u"신청일"_s, .kind = FieldKind::Mask, .field = u"APPLY_DATE"_s,
         .mask = u"9999-99-99;0; "_s, .readOnly = true, .to = &wmeApplyDate},
        {.name = u"wmeIdNo"_s, .caption = u"주민등록번호"_s, .kind = FieldKind::ResidentNo, .field = u"ID_NO"_s,
         .readOnly = true, .to = &wmeIdNo},
        {.name = u"edtApplyClass"_s, .caption = u"신청급수"_s, .field = u"APPLY_CLASS_GUBUN_NAME"_s, .bytes = 32,
         .readOnly = true, .to = &edtApplyClass},
    });
    for (const QString &judge : badge::Judges) {
        QLineEdit *examiner = nullptr;
        QList<FieldDef> fields = {{.name = u"edtExaminer"_s + judge, .caption = u"*심사자"_s,
                                   .field = u"EXAMINER_"_s + judge, .bytes = 60, .to = &examiner}};
        // Two columns of scores, tabbed through line by line.
        for (int i = 0; i < badge::Disciplines().size(); ++i) {
            const badge::Discipline &d = badge::Disciplines().at(i);
            fields.append({.name = u"wne"_s + d.control + judge, .caption = d.caption, .kind = FieldKind::Number,
                           .field = d.field + judge, .bytes = 3, .sameLine = i % 2 == 1, .width = 50});
        }
        auto *box = new QGroupBox(u"심사자 "_s + judge, panBody);
        box->setObjectName(u"grpExaminer"_s + judge);
        AddFields(fields, box);
        m_bodyLayout->addRow(box);
        m_examiners.append(examiner);
    }

    // A new number drops the entrant the old one showed.
    connect(edtRecvNo, &QLineEdit::textEdited, this, [this] {
        if (!IsLoading())
            showEntrant(edtRecvNo->text(), {}, {}, {}, {});
    });

    qryQuery.setSql(u"SELECT TO_CHAR(t1.recv_no, 'FM000000') AS recv_no, t2.entry_name_kor, t2.apply_date,\n"
                    "       fn_za010ms_04(t2.id_no) AS id_no, t3.apply_class_gubun_name,\n"
                    "       %1, t1.row_ver\n"
                    "FROM   ed020dt t1\n"
                    "JOIN   ed020ms t2 ON t2.season_gubun = t1.season_gubun AND t2.recv_no = t1.recv_no\n"
                    "JOIN  (SELECT detail AS apply_class_gubun, detail_name AS apply_class_gubun_name\n"
                    "       FROM   zx010ms\n"
                    "       WHERE  head = :APPLY_CLASS_GUBUN) t3 ON t3.apply_class_gubun = t2.apply_class\n"
                    "WHERE  t1.examine_date = :EXAMINE_DATE\n"
                    "AND    t1.season_gubun = :SEASON_GUBUN\n"
                    "ORDER  BY t1.recv_no"_s.arg(JudgeColumns()));
    qryQuery.bind(u"APPLY_CLASS_GUBUN"_s, u"E0026"_s);
    prcSaveData.setName(u"pr_edi030_01"_s);
    SetOptions({.keepEmptyRow = true});
}

bool TfrmEDI030::BeforeSearch()
{
    return CheckSearchFields();
}

QList<RowCheck> TfrmEDI030::RowChecks()
{
    QList<RowCheck> checks = {
        {[this] { return edtRecvNo->text().trimmed().isEmpty(); }, edtRecvNo, u"*접수번호"_s + EnterFirst},
        {[this] { return edtEntryNameKor->text().trimmed().isEmpty(); }, edtRecvNo, u"*접수번호"_s + EnterCorrectly},
    };
    for (int i = 0; i < m_examiners.size(); ++i) {
        QLineEdit *examiner = m_examiners.at(i);
        checks.append({[examiner] { return examiner->text().trimmed().isEmpty(); }, examiner,
                       u"심사자 "_s + badge::Judges.at(i) + EnterFirst});
    }
    checks.append({[this] { return !IsStoredRow(Grid()->currentRow()) && HasDuplicateKey(); }, edtRecvNo,
                   u"기존 등록된 자료와 중복됩니다. 다시 입력하십시오."_s});
    return checks;
}

void TfrmEDI030::lookupEntrant()
{
    if (!edtRecvNo->isEnabled() || edtRecvNo->isReadOnly() || IsSearchMode())
        return;
    Entrant entrant;
    if (!PickEntrant(edtSeason->text().trimmed(), entrant, this)) {
        edtRecvNo->setFocus();
        return;
    }
    showEntrant(entrant.receiptNo, entrant.name, entrant.applyDate, entrant.idNo, entrant.className);
    m_examiners.first()->setFocus();
}

void TfrmEDI030::edtExit(QWidget *left)
{
    TfrmEZI000::edtExit(left);
    if (IsLoading() || left != edtRecvNo || edtRecvNo->isReadOnly())
        return;
    const QString typed = edtRecvNo->text().trimmed();
    if (typed.isEmpty())
        return;
    // A number the season lacks, or one that is no number, empties the field:
    // the row check then asks for it.
    const Entrant entrant = EntrantInfo(edtSeason->text().trimmed(), typed);
    showEntrant(entrant.receiptNo, entrant.name, entrant.applyDate, entrant.idNo, entrant.className);
}

void TfrmEDI030::showEntrant(const QString &number, const QString &name, const QString &date, const QString &idNo,
                             const QString &className)
{
    if (edtRecvNo->text() != number)
        edtRecvNo->setText(number);
    edtEntryNameKor->setText(name);
    wmeApplyDate->setText(date);
    wmeIdNo->setText(idNo);
    edtApplyClass->setText(className);
    for (QWidget *control : {static_cast<QWidget *>(edtRecvNo), static_cast<QWidget *>(edtEntryNameKor),
                             static_cast<QWidget *>(wmeApplyDate), static_cast<QWidget *>(wmeIdNo),
                             static_cast<QWidget *>(edtApplyClass)})
        ControlToGrid(control);
}
