#include "ECI040.h"

#include "CodeCombo.h"
#include "InputEdits.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

const QString Query = u"SELECT lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun, yaeyak_ability_cnt, remark\n"
                      "FROM   ec040ms\n"
                      "WHERE  yaeyak_date = :YAEYAK_DATE\n"
                      "ORDER  BY lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun"_s;

// The remark holds 500 Hangul characters: 1,000 bytes.
const QList<ColumnDef> Columns = {
    {.title = u"강습종목구분"_s, .field = u"LECTURE_ITEM_GUBUN"_s, .width = 96, .dataWidth = 16,
     .alignment = Qt::AlignCenter, .codeGroup = u"E0022"_s, .key = true},
    {.title = u"강습접수구분"_s, .field = u"LECTURE_REC_GUBUN"_s, .width = 112, .dataWidth = 16,
     .alignment = Qt::AlignCenter, .codeGroup = u"E0023"_s, .key = true},
    {.title = u"강습세부구분"_s, .field = u"LECTURE_DETAIL_GUBUN"_s, .width = 95, .dataWidth = 16,
     .alignment = Qt::AlignCenter, .codeGroup = u"E0024"_s, .key = true},
    {.title = u"예약가능인원"_s, .field = u"YAEYAK_ABILITY_CNT"_s, .width = 68, .dataWidth = 4,
     .alignment = Qt::AlignRight},
    {.title = u"비고"_s, .field = u"REMARK"_s, .width = 270, .dataWidth = 1000},
};

} // namespace

TfrmECI040::TfrmECI040(QWidget *parent) : TfrmEZI000(u"frmECI040"_s, u"직원예약 기준정보 등록"_s, parent)
{
    DateEdit *dtpDate = nullptr;
    AddSearchFields({{.name = u"dtpDate"_s, .caption = u"*기준일자"_s, .kind = FieldKind::Date,
                      .field = u"YAEYAK_DATE"_s, .to = &dtpDate}});
    dtpDate->setDisplayFormat(QLocale(QLocale::Korean).dateFormat(QLocale::LongFormat));
    dtpDate->setMinimumWidth(170);

    SetColumns(Columns);
    AddFields({
        {.name = u"cboLectureItem"_s, .caption = u"*강습종목구분"_s, .kind = FieldKind::Code,
         .field = u"LECTURE_ITEM_GUBUN"_s, .codeGroup = u"E0022"_s, .to = &cboLectureItem},
        {.name = u"cboLectureRec"_s, .caption = u"*강습접수구분"_s, .kind = FieldKind::Code,
         .field = u"LECTURE_REC_GUBUN"_s, .codeGroup = u"E0023"_s},
        {.name = u"cboLectureDetail"_s, .caption = u"*강습세부구분"_s, .kind = FieldKind::Code,
         .field = u"LECTURE_DETAIL_GUBUN"_s, .codeGroup = u"E0024"_s},
        {.name = u"wneYaeyakAbilityCnt"_s, .caption = u"*예약가능인원 (명)"_s, .kind = FieldKind::Number,
         .field = u"YAEYAK_ABILITY_CNT"_s, .bytes = 4, .width = 60},
        {.name = u"memMessage"_s, .caption = u"비고"_s, .kind = FieldKind::Memo, .field = u"REMARK"_s, .bytes = 1000},
    });

    qryQuery.setSql(Query);
    prcSaveData.setName(u"pr_eci040_01"_s);
    SetOptions({.checkCurrentRow = true, .keepEmptyRow = true});
}

QList<RowCheck> TfrmECI040::RowChecks()
{
    return {{[this] { return !IsStoredRow(CheckedRow()) && HasDuplicateKey(); }, cboLectureItem,
             u"기존 등록된 자료와 중복됩니다. 다시 입력하십시오."_s}};
}
