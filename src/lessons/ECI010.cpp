#include "ECI010.h"

#include "CodeCombo.h"
#include "CodeServices.h"
#include "InputEdits.h"
#include "Lookups.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QString Query = u"SELECT TO_CHAR(lecture_no, 'FM00000000') AS lecture_no,\n"
                      "       member_no, trainer_name, enter_date, sex, age,\n"
                      "       fn_za010ms_04(id_no) AS id_no, zip_code,\n"
                      "       fn_za010ms_04(addr1) AS addr1, fn_za010ms_04(addr2) AS addr2,\n"
                      "       job, fn_za010ms_04(tel_no) AS tel_no, fn_za010ms_04(mobile_no) AS mobile_no,\n"
                      "       email, player_exp, lecture_item_gubun, lecture_rec_gubun, want_skill_gubun,\n"
                      "       use_ski_place, trainer_ability, enter_motive, lecturer_emp_no, lecturer_name,\n"
                      "       spe_remark, remark\n"
                      "FROM   ec010ms\n"
                      "WHERE  season_gubun = :SEASON_GUBUN\n"
                      "ORDER  BY lecture_no"_s;

// Texts typed in Hangul take two bytes a character: the widths hold the
// characters the edits allow.
const QList<ColumnDef> Columns = {
    {.title = u"수강번호"_s, .field = u"LECTURE_NO"_s, .width = 70, .dataWidth = 16, .alignment = Qt::AlignCenter,
     .readOnly = true},
    {.title = u"회원번호"_s, .field = u"MEMBER_NO"_s, .width = 77, .dataWidth = 10, .alignment = Qt::AlignCenter},
    {.title = u"수강자명"_s, .field = u"TRAINER_NAME"_s, .width = 96, .dataWidth = 60, .alignment = Qt::AlignCenter},
    {.title = u"등록일자"_s, .field = u"ENTER_DATE"_s, .dataWidth = 16, .visible = false},
    {.title = u"성별"_s, .field = u"SEX"_s, .dataWidth = 2, .visible = false, .codeGroup = u"Z0008"_s},
    {.title = u"나이"_s, .field = u"AGE"_s, .dataWidth = 3, .visible = false},
    {.title = u"주민등록번호"_s, .field = u"ID_NO"_s, .dataWidth = 13, .visible = false},
    {.title = u"우편번호"_s, .field = u"ZIP_CODE"_s, .dataWidth = 6, .visible = false},
    {.title = u"주소1"_s, .field = u"ADDR1"_s, .dataWidth = 60, .visible = false},
    {.title = u"주소2"_s, .field = u"ADDR2"_s, .dataWidth = 120, .visible = false},
    {.title = u"직업"_s, .field = u"JOB"_s, .dataWidth = 80, .visible = false},
    {.title = u"연락처(자택)"_s, .field = u"TEL_NO"_s, .dataWidth = 20, .visible = false},
    {.title = u"연락처(핸드폰)"_s, .field = u"MOBILE_NO"_s, .dataWidth = 20, .visible = false},
    {.title = u"이메일"_s, .field = u"EMAIL"_s, .dataWidth = 40, .visible = false},
    {.title = u"선수경험"_s, .field = u"PLAYER_EXP"_s, .dataWidth = 160, .visible = false},
    {.title = u"강습종목구분"_s, .field = u"LECTURE_ITEM_GUBUN"_s, .dataWidth = 2, .visible = false,
     .codeGroup = u"E0022"_s},
    {.title = u"강습접수구분"_s, .field = u"LECTURE_REC_GUBUN"_s, .dataWidth = 2, .visible = false,
     .codeGroup = u"E0023"_s},
    {.title = u"희망습득기술구분"_s, .field = u"WANT_SKILL_GUBUN"_s, .dataWidth = 2, .visible = false,
     .codeGroup = u"E0025"_s},
    {.title = u"주이용스키장"_s, .field = u"USE_SKI_PLACE"_s, .dataWidth = 80, .visible = false},
    {.title = u"수강자실력"_s, .field = u"TRAINER_ABILITY"_s, .dataWidth = 160, .visible = false},
    {.title = u"입학동기"_s, .field = u"ENTER_MOTIVE"_s, .dataWidth = 160, .visible = false},
    {.title = u"담당강사사번"_s, .field = u"LECTURER_EMP_NO"_s, .dataWidth = 16, .visible = false},
    {.title = u"담당강사명"_s, .field = u"LECTURER_NAME"_s, .dataWidth = 60, .visible = false},
    {.title = u"특이사항"_s, .field = u"SPE_REMARK"_s, .dataWidth = 160, .visible = false},
    {.title = u"비고"_s, .field = u"REMARK"_s, .dataWidth = 160, .visible = false},
};

} // namespace

TfrmECI010::TfrmECI010(QWidget *parent) : TraineeScreen(u"frmECI010"_s, u"스키클럽 수강,기록 등록"_s, parent)
{
    AddSearchFields({
        {.name = u"edtSeason"_s, .caption = u"*시즌"_s, .kind = FieldKind::CodeName, .field = u"SEASON_GUBUN"_s,
         .bytes = 2, .codeGroup = u"E0004"_s, .required = true, .width = 40,
         .pick = CodeLookup(u"스키 시즌구분"_s), .picked = [this] { bbtSearchClick(); }, .nameWidth = 120},
    });

    SetColumns(Columns);

    AddFields({
        {.name = u"wlbLectureNo"_s, .caption = u"수강번호"_s, .kind = FieldKind::Label, .field = u"LECTURE_NO"_s,
         .width = 90},
        {.name = u"wmeEnterDate"_s, .caption = u"*등록일자"_s, .kind = FieldKind::Mask, .field = u"ENTER_DATE"_s,
         .mask = u"9999-99-99;0; "_s, .width = 90, .to = &wmeEnterDate},
        {.name = u"edtMemberNo"_s, .caption = u"회원번호"_s, .field = u"MEMBER_NO"_s, .bytes = 10,
         .lookup = [this] { LookupMember(); }, .width = 90, .to = &edtMemberNo},
        {.name = u"edtTrainerName"_s, .caption = u"*수강자명"_s, .field = u"TRAINER_NAME"_s, .bytes = 60,
         .to = &edtTrainerName},
        {.name = u"cboSex"_s, .caption = u"*성별"_s, .kind = FieldKind::Code, .field = u"SEX"_s,
         .codeGroup = u"Z0008"_s, .to = &cboSex},
        {.name = u"edtAge"_s, .caption = u"*나이"_s, .field = u"AGE"_s, .bytes = 3, .sameLine = true, .width = 40,
         .to = &edtAge},
        {.name = u"wmeIdNo"_s, .caption = u"*주민등록번호"_s, .kind = FieldKind::ResidentNo, .field = u"ID_NO"_s,
         .to = &wmeIdNo},
        {.name = u"wmeZipCode"_s, .caption = u"주소"_s, .kind = FieldKind::PostalCode, .field = u"ZIP_CODE"_s,
         .width = 70, .pick = PostalLookup()},
        {.name = u"edtAddr1"_s, .field = u"ADDR1"_s, .bytes = 60, .sameLine = true, .readOnly = true},
        {.name = u"wlbAddr2"_s, .field = u"ADDR2"_s, .bytes = 120},
        {.name = u"edtJob"_s, .caption = u"직업"_s, .field = u"JOB"_s, .bytes = 80},
        {.name = u"edtTel"_s, .caption = u"*연락처(자택)"_s, .field = u"TEL_NO"_s, .bytes = 20, .width = 130,
         .to = &edtTel},
        {.name = u"edtMobileNo"_s, .caption = u"연락처(핸드폰)"_s, .field = u"MOBILE_NO"_s, .bytes = 20,
         .sameLine = true, .width = 130},
        {.name = u"edtEmail"_s, .caption = u"e-Mail"_s, .field = u"EMAIL"_s, .bytes = 40},
        {.name = u"edtPlayerExp"_s, .caption = u"선수경험"_s, .field = u"PLAYER_EXP"_s, .bytes = 160},
        {.name = u"cboLectureItem"_s, .caption = u"강습종목구분"_s, .kind = FieldKind::Code,
         .field = u"LECTURE_ITEM_GUBUN"_s, .codeGroup = u"E0022"_s},
        {.name = u"cboLectureRec"_s, .caption = u"강습접수구분"_s, .kind = FieldKind::Code,
         .field = u"LECTURE_REC_GUBUN"_s, .codeGroup = u"E0023"_s, .sameLine = true},
        {.name = u"cboWantSkill"_s, .caption = u"희망습득기술구분"_s, .kind = FieldKind::Code,
         .field = u"WANT_SKILL_GUBUN"_s, .codeGroup = u"E0025"_s},
        {.name = u"edtUseSkiPlace"_s, .caption = u"주이용스키장"_s, .field = u"USE_SKI_PLACE"_s, .bytes = 80},
        {.name = u"edtTrainerAbility"_s, .caption = u"수강자실력"_s, .field = u"TRAINER_ABILITY"_s, .bytes = 160},
        {.name = u"edtEnterMotive"_s, .caption = u"입학동기"_s, .field = u"ENTER_MOTIVE"_s, .bytes = 160},
        {.name = u"edtLecturerEmpNo"_s, .caption = u"담당강사사번"_s, .field = u"LECTURER_EMP_NO"_s, .bytes = 16,
         .lookup = [this] { LookupLecturer(); }, .width = 90, .to = &edtLecturerEmpNo},
        {.name = u"edtLecturerName"_s, .field = u"LECTURER_NAME"_s, .bytes = 60, .sameLine = true,
         .readOnly = true, .to = &edtLecturerName},
        {.name = u"edtSpeRemark"_s, .caption = u"특이사항"_s, .field = u"SPE_REMARK"_s, .bytes = 160,
         .to = &edtSpeRemark},
        {.name = u"edtRemark"_s, .caption = u"비고"_s, .field = u"REMARK"_s, .bytes = 160},
    });
    WirePeople();

    qryQuery.setSql(Query);
    prcSaveData.setName(u"pr_eci010_01"_s);
    SetOptions({.checkCurrentRow = true, .keepEmptyRow = true});
}

bool TfrmECI010::BeforeSearch()
{
    return CheckSearchFields();
}

QList<RowCheck> TfrmECI010::RowChecks()
{
    const auto date = wmeEnterDate;
    const auto blank = [](const QLineEdit *edit) {
        if (const auto *mask = qobject_cast<const MaskEdit *>(edit))
            return mask->plainText().trimmed().isEmpty();
        return edit->text().trimmed().isEmpty();
    };
    const auto sex = cboSex;
    return {
        {[=] { return blank(date); }, date, u"*등록일자"_s + EnterFirst},
        {[=] { return !IsValidYmd(date->plainText()) || date->plainText().trimmed().size() != 8; }, date,
         u"*등록일자"_s + EnterCorrectly},
        {[=, this] { return blank(edtTrainerName); }, edtTrainerName, u"*수강자명"_s + EnterFirst},
        {[=, this] { return blank(wmeIdNo); }, wmeIdNo, u"*주민등록번호"_s + EnterFirst},
        {[=, this] { return blank(edtTel); }, edtTel, u"*연락처(자택)"_s + EnterFirst},
        {[=] { return sex->code().isEmpty(); }, sex, u"*성별"_s + EnterFirst},
        {[=, this] { return blank(edtAge); }, edtAge, u"*나이"_s + EnterFirst},
    };
}
