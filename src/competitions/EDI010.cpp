#include "EDI010.h"

using namespace Qt::StringLiterals;

TfrmEDI010::TfrmEDI010(QWidget *parent) : TfrmEZI000(u"frmEDI010"_s, u"스키대회 등록"_s, parent)
{
    AddSearchFields({{.name = u"dtpDate"_s, .caption = u"*대회일자"_s, .kind = FieldKind::Date,
                      .field = u"GAME_DATE"_s}});
    // Data widths are twice the edits' characters: a name typed in Hangul is kept whole.
    SetColumns({
        {.title = u"순번"_s, .field = u"SEQ_NO"_s, .width = 49, .dataWidth = 16, .alignment = Qt::AlignCenter,
         .readOnly = true},
        {.title = u"대회명"_s, .field = u"GAME_NAME"_s, .width = 269, .dataWidth = 80},
        {.title = u"협회"_s, .field = u"SOCIETY_NAME"_s, .dataWidth = 80, .visible = false},
        {.title = u"대표자"_s, .field = u"SOCIETY_REP"_s, .dataWidth = 60, .visible = false},
        {.title = u"연락처"_s, .field = u"TEL_NO"_s, .dataWidth = 40, .visible = false},
        {.title = u"대회내용"_s, .field = u"GAME_CONTENT"_s, .dataWidth = 160, .visible = false},
        {.title = u"대회규모"_s, .field = u"GAME_SCALE"_s, .dataWidth = 160, .visible = false},
        {.title = u"슬로프"_s, .field = u"SLOPE"_s, .dataWidth = 2, .visible = false, .codeGroup = u"E0006"_s},
        {.title = u"슬로프사용료"_s, .field = u"SLOPE_AMT"_s, .dataWidth = 10, .alignment = Qt::AlignRight,
         .visible = false},
        {.title = u"문제점"_s, .field = u"PROBLEM"_s, .dataWidth = 160, .visible = false},
        {.title = u"비고"_s, .field = u"REMARK"_s, .dataWidth = 160, .visible = false},
        {.title = u"버전"_s, .field = u"ROW_VER"_s, .visible = false, .readOnly = true},
    });
    AddFields({
        {.name = u"wlbSqqNo"_s, .caption = u"순번"_s, .kind = FieldKind::Label, .field = u"SEQ_NO"_s},
        {.name = u"edtGameName"_s, .caption = u"*대회명"_s, .field = u"GAME_NAME"_s, .bytes = 80, .required = true},
        {.name = u"edtSocietyName"_s, .caption = u"협회"_s, .field = u"SOCIETY_NAME"_s, .bytes = 80},
        {.name = u"edtSocietyRep"_s, .caption = u"대표자"_s, .field = u"SOCIETY_REP"_s, .bytes = 60},
        {.name = u"edtTelNo"_s, .caption = u"연락처"_s, .field = u"TEL_NO"_s, .bytes = 40},
        {.name = u"edtGameContent"_s, .caption = u"대회내용"_s, .field = u"GAME_CONTENT"_s, .bytes = 160},
        {.name = u"edtGameScale"_s, .caption = u"대회규모"_s, .field = u"GAME_SCALE"_s, .bytes = 160},
        {.name = u"cboSlope"_s, .caption = u"슬로프"_s, .kind = FieldKind::Code, .field = u"SLOPE"_s,
         .codeGroup = u"E0006"_s},
        {.name = u"wneSlopeAmt"_s, .caption = u"슬로프사용료"_s, .kind = FieldKind::Number, .field = u"SLOPE_AMT"_s,
         .bytes = 10, .width = 110},
        {.name = u"edtProblem"_s, .caption = u"문제점"_s, .field = u"PROBLEM"_s, .bytes = 160},
        {.name = u"edtRemark"_s, .caption = u"비고"_s, .field = u"REMARK"_s, .bytes = 160},
    });

    qryQuery.setSql(u"SELECT seq_no, game_name, society_name, society_rep, fn_za010ms_04(tel_no) AS tel_no,\n"
                    "       game_content, game_scale, slope, slope_amt, problem, remark, row_ver\n"
                    "FROM   ed010ms\n"
                    "WHERE  game_date = :GAME_DATE\n"
                    "ORDER  BY seq_no"_s);
    prcSaveData.setName(u"pr_edi010_01"_s);
    SetOptions({.keepEmptyRow = true});
}
