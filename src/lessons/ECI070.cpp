#include "ECI070.h"

#include "InputEdits.h"
#include "Lookups.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

// One party of an accident: "LOSS" the injured, "OFFENSE" the one at fault.
QList<ColumnDef> PartyColumns(const QString &prefix, const QString &who)
{
    const auto column = [&](const QString &what, const QString &field, int bytes) {
        return ColumnDef{.title = who + u"("_s + what + u")"_s, .field = prefix + field, .dataWidth = bytes,
                         .visible = false};
    };
    return {column(u"성명"_s, u"_NAME"_s, 60),      column(u"직업"_s, u"_JOB"_s, 80),
            column(u"연락처"_s, u"_TEL_NO"_s, 40),   column(u"주민번호"_s, u"_ID_NO"_s, 13),
            column(u"우편번호"_s, u"_ZIP_CODE"_s, 6), column(u"주소1"_s, u"_ADDR1"_s, 120),
            column(u"주소2"_s, u"_ADDR2"_s, 120)};
}

QList<FieldDef> PartyFields(const QString &prefix, const QString &name, const QString &who,
                            const QString &addr2Control)
{
    return {
        {.name = u"edt"_s + name + u"Name"_s, .caption = who + u"명"_s, .field = prefix + u"_NAME"_s, .bytes = 60},
        {.name = u"edt"_s + name + u"Job"_s, .caption = u"직업"_s, .field = prefix + u"_JOB"_s, .bytes = 80},
        {.name = u"edt"_s + name + u"TelNo"_s, .caption = u"연락처"_s, .field = prefix + u"_TEL_NO"_s, .bytes = 40},
        {.name = u"edt"_s + name + u"IdNo"_s, .caption = u"주민등록번호"_s, .kind = FieldKind::ResidentNo,
         .field = prefix + u"_ID_NO"_s},
        {.name = u"wme"_s + name + u"ZipCode"_s, .caption = u"주소"_s, .kind = FieldKind::PostalCode,
         .field = prefix + u"_ZIP_CODE"_s, .width = 70, .pick = PostalLookup()},
        {.name = u"edt"_s + name + u"Addr1"_s, .field = prefix + u"_ADDR1"_s, .bytes = 120, .sameLine = true,
         .readOnly = true},
        {.name = addr2Control, .field = prefix + u"_ADDR2"_s, .bytes = 120},
    };
}

} // namespace

TfrmECI070::TfrmECI070(QWidget *parent) : TraineeScreen(u"frmECI070"_s, u"강습사고 등록"_s, parent)
{
    DateEdit *dtpDate = nullptr;
    AddSearchFields({{.name = u"dtpDate"_s, .caption = u"*사고일자"_s, .kind = FieldKind::Date,
                      .field = u"TROB_DATE"_s, .to = &dtpDate}});
    dtpDate->setDisplayFormat(QLocale(QLocale::Korean).dateFormat(QLocale::LongFormat));
    dtpDate->setMinimumWidth(170);

    // Data widths are twice the edits' characters: a name typed in Hangul is kept whole.
    QList<ColumnDef> columns = {
        {.title = u"순번"_s, .field = u"SEQ_NO"_s, .width = 48, .dataWidth = 16, .alignment = Qt::AlignCenter,
         .readOnly = true},
        {.title = u"사고명"_s, .field = u"TROB_NAME"_s, .width = 197, .dataWidth = 80},
        {.title = u"담당강사사번"_s, .field = u"LECTURER_EMP_NO"_s, .width = 70, .dataWidth = 10},
        {.title = u"담당강사명"_s, .field = u"LECTURER_NAME"_s, .width = 105, .dataWidth = 60},
        {.title = u"사고시간"_s, .field = u"TROB_TIME"_s, .dataWidth = 4, .visible = false},
        {.title = u"사고장소"_s, .field = u"TROB_PLACE"_s, .dataWidth = 80, .visible = false},
    };
    columns += PartyColumns(u"LOSS"_s, u"피해자"_s);
    columns += PartyColumns(u"OFFENSE"_s, u"가해자"_s);
    columns += {
        {.title = u"사건개요"_s, .field = u"TROB_REMARK"_s, .dataWidth = 160, .visible = false},
        {.title = u"부상부위"_s, .field = u"TROB_INJURY"_s, .dataWidth = 160, .visible = false},
        {.title = u"조치사항"_s, .field = u"TROB_AFTER"_s, .dataWidth = 160, .visible = false},
        {.title = u"목격자"_s, .field = u"TROB_WITNESSES"_s, .dataWidth = 160, .visible = false},
    };
    SetColumns(columns);

    QList<FieldDef> fields = {
        {.name = u"wlbSeqNo"_s, .caption = u"순번"_s, .kind = FieldKind::Label, .field = u"SEQ_NO"_s},
        {.name = u"edtTrobName"_s, .caption = u"*사고명"_s, .field = u"TROB_NAME"_s, .bytes = 80, .required = true},
        {.name = u"edtTrobTime"_s, .caption = u"*사고시간"_s, .kind = FieldKind::TimeOfDay, .field = u"TROB_TIME"_s,
         .required = true},
        {.name = u"edtTrobPlace"_s, .caption = u"*사고장소"_s, .field = u"TROB_PLACE"_s, .bytes = 80,
         .required = true},
        {.name = u"edtLecturerEmpNo"_s, .caption = u"*담당강사사번"_s, .field = u"LECTURER_EMP_NO"_s, .bytes = 8,
         .required = true, .lookup = [this] { LookupLecturer(); }, .width = 90, .to = &edtLecturerEmpNo},
        {.name = u"edtLecturerName"_s, .field = u"LECTURER_NAME"_s, .bytes = 60, .sameLine = true,
         .readOnly = true, .to = &edtLecturerName},
    };
    QList<FieldDef> loss = PartyFields(u"LOSS"_s, u"Loss"_s, u"피해자"_s, u"wlbLossAddr2"_s);
    loss.first().to = &afterLecturer; // the victim's name comes after the instructor
    fields += loss;
    fields += PartyFields(u"OFFENSE"_s, u"Offense"_s, u"가해자"_s, u"edtOffenseAddr2"_s);
    fields += {
        {.name = u"edtTrobRemark"_s, .caption = u"사건개요"_s, .field = u"TROB_REMARK"_s, .bytes = 160},
        {.name = u"edtTrobInjury"_s, .caption = u"부상부위"_s, .field = u"TROB_INJURY"_s, .bytes = 160},
        {.name = u"edtTrobAfter"_s, .caption = u"조치사항"_s, .field = u"TROB_AFTER"_s, .bytes = 160},
        {.name = u"edtTrobWitnesses"_s, .caption = u"목격자"_s, .field = u"TROB_WITNESSES"_s, .bytes = 160},
    };
    AddFields(fields);
    WirePeople();

    qryQuery.setSql(u"SELECT seq_no, trob_name, lecturer_emp_no, lecturer_name, trob_time, trob_place,\n"
                    "       loss_name, loss_job, fn_za010ms_04(loss_tel_no) AS loss_tel_no,\n"
                    "       fn_za010ms_04(loss_id_no) AS loss_id_no, loss_zip_code,\n"
                    "       fn_za010ms_04(loss_addr1) AS loss_addr1, fn_za010ms_04(loss_addr2) AS loss_addr2,\n"
                    "       offense_name, offense_job, fn_za010ms_04(offense_tel_no) AS offense_tel_no,\n"
                    "       fn_za010ms_04(offense_id_no) AS offense_id_no, offense_zip_code,\n"
                    "       fn_za010ms_04(offense_addr1) AS offense_addr1, fn_za010ms_04(offense_addr2) AS offense_addr2,\n"
                    "       trob_remark, trob_injury, trob_after, trob_witnesses\n"
                    "FROM   ec070ms\n"
                    "WHERE  trob_date = :TROB_DATE\n"
                    "ORDER  BY seq_no"_s);
    prcSaveData.setName(u"pr_eci070_01"_s);
    SetOptions({.checkCurrentRow = true, .keepEmptyRow = true});
}

QList<RowCheck> TfrmECI070::RowChecks()
{
    return {{[this] { return !edtLecturerEmpNo->text().trimmed().isEmpty() && edtLecturerName->text().trimmed().isEmpty(); },
             edtLecturerEmpNo, u"*담당강사사번"_s + EnterCorrectly}};
}
