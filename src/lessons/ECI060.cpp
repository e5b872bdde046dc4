#include "ECI060.h"

#include "InputEdits.h"

#include <QLocale>

using namespace Qt::StringLiterals;

TfrmECI060::TfrmECI060(QWidget *parent) : TfrmEZI000(u"frmECI060"_s, u"사설강습 등록"_s, parent)
{
    DateEdit *dtpDate = nullptr;
    AddSearchFields({{.name = u"dtpDate"_s, .caption = u"*강습일자"_s, .kind = FieldKind::Date,
                      .field = u"LECTURE_DATE"_s, .to = &dtpDate}});
    dtpDate->setDisplayFormat(QLocale(QLocale::Korean).dateFormat(QLocale::LongFormat));
    dtpDate->setMinimumWidth(170);

    // Data widths are twice the edits' characters: a name typed in Hangul is kept whole.
    SetColumns({
        {.title = u"순번"_s, .field = u"SEQ_NO"_s, .width = 34, .dataWidth = 16, .alignment = Qt::AlignCenter,
         .readOnly = true},
        {.title = u"강사명"_s, .field = u"LECTURER_NAME"_s, .width = 76, .dataWidth = 60},
        {.title = u"연락처"_s, .field = u"TEL_NO"_s, .width = 82, .dataWidth = 40},
        {.title = u"자격증번호"_s, .field = u"ISSUE_NO"_s, .width = 49, .dataWidth = 40},
        {.title = u"강습종목구분"_s, .field = u"LECTURE_ITEM_GUBUN"_s, .width = 53, .dataWidth = 2,
         .alignment = Qt::AlignCenter, .codeGroup = u"E0022"_s},
        {.title = u"강습접수구분"_s, .field = u"LECTURE_REC_GUBUN"_s, .width = 77, .dataWidth = 2,
         .alignment = Qt::AlignCenter, .codeGroup = u"E0023"_s},
        {.title = u"강습세부구분"_s, .field = u"LECTURE_DETAIL_GUBUN"_s, .width = 79, .dataWidth = 2,
         .alignment = Qt::AlignCenter, .codeGroup = u"E0024"_s},
        {.title = u"금액"_s, .field = u"LECTURE_AMT"_s, .width = 78, .dataWidth = 10, .alignment = Qt::AlignRight},
        {.title = u"비고"_s, .field = u"REMARK"_s, .width = 126, .dataWidth = 80},
    });
    AddFields({
        {.name = u"lblLectureSeq"_s, .caption = u"순번"_s, .kind = FieldKind::Label, .field = u"SEQ_NO"_s},
        {.name = u"edtLecturerName"_s, .caption = u"*강사명"_s, .field = u"LECTURER_NAME"_s, .bytes = 60,
         .required = true},
        {.name = u"edtTel"_s, .caption = u"연락처"_s, .field = u"TEL_NO"_s, .bytes = 40},
        {.name = u"edtIssueNo"_s, .caption = u"자격증번호"_s, .field = u"ISSUE_NO"_s, .bytes = 40},
        {.name = u"cboLectureItem"_s, .caption = u"*강습종목구분"_s, .kind = FieldKind::Code,
         .field = u"LECTURE_ITEM_GUBUN"_s, .codeGroup = u"E0022"_s},
        {.name = u"cboLectureRec"_s, .caption = u"강습접수구분"_s, .kind = FieldKind::Code,
         .field = u"LECTURE_REC_GUBUN"_s, .codeGroup = u"E0023"_s},
        {.name = u"cboLectureDetail"_s, .caption = u"강습세부구분"_s, .kind = FieldKind::Code,
         .field = u"LECTURE_DETAIL_GUBUN"_s, .codeGroup = u"E0024"_s},
        {.name = u"wneLectureAmt"_s, .caption = u"*금액"_s, .kind = FieldKind::Number, .field = u"LECTURE_AMT"_s,
         .bytes = 10, .width = 110},
        {.name = u"edtRemark"_s, .caption = u"비고"_s, .field = u"REMARK"_s, .bytes = 80},
    });

    qryQuery.setSql(u"SELECT seq_no, lecturer_name, tel_no, issue_no, lecture_item_gubun, lecture_rec_gubun,\n"
                    "       lecture_detail_gubun, lecture_amt, remark\n"
                    "FROM   ec060ms\n"
                    "WHERE  lecture_date = :LECTURE_DATE\n"
                    "ORDER  BY seq_no"_s);
    prcSaveData.setName(u"pr_eci060_01"_s);
    SetOptions({.checkCurrentRow = true, .keepEmptyRow = true});
}
