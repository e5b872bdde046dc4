#include "ECI020.h"

#include "CodeCombo.h"
#include "CodeServices.h"
#include "InputEdits.h"
#include "Lookups.h"
#include "Modal.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// The receipt number is digits, compared as a number: "7" finds the
// receipt stored as "0000000007".
const QString Query = u"SELECT TO_CHAR(receipt_seq, 'FM0000') AS receipt_seq,\n"
                      "       member_no, trainer_name, sex, age, fn_za010ms_04(id_no) AS id_no, zip_code,\n"
                      "       fn_za010ms_04(addr1) AS addr1, fn_za010ms_04(addr2) AS addr2,\n"
                      "       fn_za010ms_04(tel_no) AS tel_no, fn_za010ms_04(mobile_no) AS mobile_no,\n"
                      "       lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun,\n"
                      "       train_test, lecturer_view, next_train_content, lecturer_emp_no, lecturer_name,\n"
                      "       spe_remark, remark\n"
                      "FROM   ec020dt\n"
                      "WHERE  season_gubun = :SEASON_GUBUN\n"
                      "AND    LTRIM(receipt_no, '0') = LTRIM(:RECEIPT_NO, '0')\n"
                      "ORDER  BY receipt_seq"_s;

// Texts typed in Hangul take two bytes a character: the widths hold the
// characters the edits allow (500-character memos in 1,000 bytes).
const QList<ColumnDef> Columns = {
    {.title = u"순번"_s, .field = u"RECEIPT_SEQ"_s, .width = 64, .dataWidth = 16, .alignment = Qt::AlignCenter,
     .readOnly = true},
    {.title = u"회원번호"_s, .field = u"MEMBER_NO"_s, .width = 85, .dataWidth = 10, .alignment = Qt::AlignCenter},
    {.title = u"수강자명"_s, .field = u"TRAINER_NAME"_s, .width = 187, .dataWidth = 60},
    {.title = u"성별"_s, .field = u"SEX"_s, .dataWidth = 2, .visible = false, .codeGroup = u"Z0008"_s},
    {.title = u"나이"_s, .field = u"AGE"_s, .dataWidth = 3, .visible = false},
    {.title = u"주민등록번호"_s, .field = u"ID_NO"_s, .dataWidth = 13, .visible = false},
    {.title = u"우편번호"_s, .field = u"ZIP_CODE"_s, .dataWidth = 6, .visible = false},
    {.title = u"주소1"_s, .field = u"ADDR1"_s, .dataWidth = 60, .visible = false},
    {.title = u"주소2"_s, .field = u"ADDR2"_s, .dataWidth = 120, .visible = false},
    {.title = u"연락처(자택)"_s, .field = u"TEL_NO"_s, .dataWidth = 20, .visible = false},
    {.title = u"연락처(핸드폰)"_s, .field = u"MOBILE_NO"_s, .dataWidth = 20, .visible = false},
    {.title = u"강습종목구분"_s, .field = u"LECTURE_ITEM_GUBUN"_s, .dataWidth = 2, .visible = false,
     .codeGroup = u"E0022"_s},
    {.title = u"강습접수구분"_s, .field = u"LECTURE_REC_GUBUN"_s, .dataWidth = 2, .visible = false,
     .codeGroup = u"E0023"_s},
    {.title = u"강습세부구분"_s, .field = u"LECTURE_DETAIL_GUBUN"_s, .dataWidth = 2, .visible = false,
     .codeGroup = u"E0024"_s},
    {.title = u"강습전테스트"_s, .field = u"TRAIN_TEST"_s, .dataWidth = 1000, .visible = false},
    {.title = u"강습후평가"_s, .field = u"LECTURER_VIEW"_s, .dataWidth = 1000, .visible = false},
    {.title = u"차기강습"_s, .field = u"NEXT_TRAIN_CONTENT"_s, .dataWidth = 1000, .visible = false},
    {.title = u"담당강사사번"_s, .field = u"LECTURER_EMP_NO"_s, .dataWidth = 16, .visible = false},
    {.title = u"담당강사명"_s, .field = u"LECTURER_NAME"_s, .dataWidth = 60, .visible = false},
    {.title = u"특이사항"_s, .field = u"SPE_REMARK"_s, .dataWidth = 1000, .visible = false},
    {.title = u"비고"_s, .field = u"REMARK"_s, .dataWidth = 1000, .visible = false},
};

} // namespace

TfrmECI020::TfrmECI020(QWidget *parent) : TraineeScreen(u"frmECI020"_s, u"스키학교 수강/기록 등록"_s, parent)
{
    AddSearchFields({
        {.name = u"edtSeason"_s, .caption = u"*시즌"_s, .kind = FieldKind::CodeName, .field = u"SEASON_GUBUN"_s,
         .bytes = 2, .codeGroup = u"E0004"_s, .required = true, .width = 40, .to = &edtSeason,
         .pick = CodeLookup(u"스키 시즌구분"_s), .picked = [this] { edtReceiptNo->setFocus(); }, .nameWidth = 120},
        {.name = u"edtReceiptNo"_s, .caption = u"*접수번호"_s, .field = u"RECEIPT_NO"_s, .bytes = 10,
         .lookup = [this] { LookupReceipt(); }, .width = 90, .to = &edtReceiptNo},
        {.name = u"wlbReceiptName"_s, .kind = FieldKind::Label, .width = 160, .to = &wlbReceiptName},
        {.name = u"wlbReceiptEnterDate"_s, .kind = FieldKind::Label, .width = 90, .to = &wlbReceiptEnterDate},
    });
    wlbSeason = qobject_cast<QLabel *>(SearchFields().constFirst().second); // the season's name
    // A typed receipt number drops the receipt the labels showed.
    connect(edtReceiptNo, &QLineEdit::textChanged, this, [this] {
        wlbReceiptName->clear();
        wlbReceiptEnterDate->clear();
    });

    SetColumns(Columns);

    AddFields({
        {.name = u"wlbReceiptSeq"_s, .caption = u"순번"_s, .kind = FieldKind::Label, .field = u"RECEIPT_SEQ"_s,
         .width = 60},
        {.name = u"edtMemberNo"_s, .caption = u"회원번호"_s, .field = u"MEMBER_NO"_s, .bytes = 10,
         .lookup = [this] { LookupMember(); }, .width = 90, .to = &edtMemberNo},
        {.name = u"edtTrainerName"_s, .caption = u"*수강자명"_s, .field = u"TRAINER_NAME"_s, .bytes = 60,
         .required = true, .to = &edtTrainerName},
        {.name = u"cboSex"_s, .caption = u"성별"_s, .kind = FieldKind::Code, .field = u"SEX"_s,
         .codeGroup = u"Z0008"_s, .to = &cboSex},
        {.name = u"edtAge"_s, .caption = u"나이"_s, .field = u"AGE"_s, .bytes = 3, .sameLine = true, .width = 40},
        {.name = u"wmeIdNo"_s, .caption = u"주민등록번호"_s, .kind = FieldKind::ResidentNo, .field = u"ID_NO"_s},
        {.name = u"wmeZipCode"_s, .caption = u"주소"_s, .kind = FieldKind::PostalCode, .field = u"ZIP_CODE"_s,
         .width = 70, .pick = PostalLookup()},
        {.name = u"edtAddr1"_s, .field = u"ADDR1"_s, .bytes = 60, .sameLine = true, .readOnly = true},
        {.name = u"wlbAddr2"_s, .field = u"ADDR2"_s, .bytes = 120},
        {.name = u"edtTel"_s, .caption = u"연락처(자택)"_s, .field = u"TEL_NO"_s, .bytes = 20, .width = 130},
        {.name = u"edtMobileNo"_s, .caption = u"연락처(핸드폰)"_s, .field = u"MOBILE_NO"_s, .bytes = 20,
         .sameLine = true, .width = 130},
        {.name = u"cboLectureItem"_s, .caption = u"*강습종목구분"_s, .kind = FieldKind::Code,
         .field = u"LECTURE_ITEM_GUBUN"_s, .codeGroup = u"E0022"_s, .required = true},
        {.name = u"cboLectureRec"_s, .caption = u"*강습접수구분"_s, .kind = FieldKind::Code,
         .field = u"LECTURE_REC_GUBUN"_s, .codeGroup = u"E0023"_s, .required = true, .sameLine = true},
        {.name = u"cboLectureDetail"_s, .caption = u"강습세부구분"_s, .kind = FieldKind::Code,
         .field = u"LECTURE_DETAIL_GUBUN"_s, .codeGroup = u"E0024"_s},
        {.name = u"memTrainTest"_s, .caption = u"강습전테스트:"_s, .kind = FieldKind::Memo, .field = u"TRAIN_TEST"_s,
         .bytes = 1000},
        {.name = u"memLecturerView"_s, .caption = u"강습후평가:"_s, .kind = FieldKind::Memo,
         .field = u"LECTURER_VIEW"_s, .bytes = 1000},
        {.name = u"memNextTrainContent"_s, .caption = u"차기강습:"_s, .kind = FieldKind::Memo,
         .field = u"NEXT_TRAIN_CONTENT"_s, .bytes = 1000},
        {.name = u"edtLecturerEmpNo"_s, .caption = u"담당강사사번"_s, .field = u"LECTURER_EMP_NO"_s, .bytes = 16,
         .lookup = [this] { LookupLecturer(); }, .width = 90, .to = &edtLecturerEmpNo},
        {.name = u"edtLecturerName"_s, .field = u"LECTURER_NAME"_s, .bytes = 60, .sameLine = true,
         .readOnly = true, .to = &edtLecturerName},
        {.name = u"edtSpeRemark"_s, .caption = u"특이사항"_s, .field = u"SPE_REMARK"_s, .bytes = 1000,
         .to = &edtSpeRemark},
        {.name = u"edtRemark"_s, .caption = u"비고"_s, .field = u"REMARK"_s, .bytes = 1000},
    });
    WirePeople();

    bbtAdd->hide();
    bbtDelete->hide();
    qryQuery.setSql(Query);
    prcSaveData.setName(u"pr_eci020_01"_s);
    SetOptions({.checkCurrentRow = true, .keepEmptyRow = true});
}

bool TfrmECI020::CheckSeason()
{
    const auto refuse = [this](const QString &ending) {
        InfoBox(u"*시즌"_s + ending);
        edtSeason->setFocus();
        return false;
    };
    if (edtSeason->text().trimmed().isEmpty())
        return refuse(EnterFirst);
    if (wlbSeason->text().trimmed().isEmpty()) {
        // A code typed and searched without leaving the field has no name yet.
        wlbSeason->setText(CodeName(u"E0004"_s, edtSeason->text().trimmed()));
        if (wlbSeason->text().trimmed().isEmpty())
            return refuse(EnterCorrectly);
    }
    return true;
}

void TfrmECI020::LookupReceipt()
{
    if (!IsSearchMode() || !CheckSeason())
        return;
    QString number;
    QString date;
    QString name;
    if (!PickSkiSchoolReceipt(edtSeason->text().trimmed(), number, date, name, this)) {
        edtReceiptNo->setFocus();
        return;
    }
    edtReceiptNo->setText(number);
    wlbReceiptName->setText(name);
    wlbReceiptEnterDate->setText(date);
    bbtSearchClick();
}

void TfrmECI020::edtExit(QWidget *left)
{
    TraineeScreen::edtExit(left);
    if (left != edtReceiptNo || !IsSearchMode())
        return;
    const QString number = edtReceiptNo->text().trimmed();
    if (number.isEmpty())
        return;
    const Receipt receipt = ReceiptInfo(edtSeason->text().trimmed(), number);
    wlbReceiptName->setText(receipt.name);
    wlbReceiptEnterDate->setText(receipt.enterDate);
}

bool TfrmECI020::BeforeSearch()
{
    if (!CheckSeason())
        return false;
    const auto refuse = [this](const QString &ending) {
        InfoBox(u"*접수번호"_s + ending);
        edtReceiptNo->setFocus();
        return false;
    };
    const QString number = edtReceiptNo->text().trimmed();
    if (number.isEmpty())
        return refuse(EnterFirst);
    if (wlbReceiptName->text().trimmed().isEmpty()) {
        const Receipt receipt = ReceiptInfo(edtSeason->text().trimmed(), number);
        wlbReceiptName->setText(receipt.name);
        wlbReceiptEnterDate->setText(receipt.enterDate);
        if (receipt.name.trimmed().isEmpty())
            return refuse(EnterCorrectly);
    }
    return true;
}
