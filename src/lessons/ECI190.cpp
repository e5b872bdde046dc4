#include "ECI190.h"

#include "CodeServices.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "Interski.h"
#include "Modal.h"
#include "SqlQuery.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QString Query =
    u"SELECT rsv_no, status_code, fix_yn, app_date, guest_name, guest_id, student_name, guest_tel, student_age,\n"
    "       coach_no,\n"
    "       (SELECT coach_name FROM ec090ms WHERE season_year = A.season_year AND coach_no = A.coach_no)\n"
    "           AS coach_name,\n"
    "       class_day_code,\n"
    "       (SELECT detail_name FROM zx010ms WHERE head = 'Z0011' AND detail = A.class_day_code) AS class_day_name,\n"
    "       remarks\n"
    "FROM   ec100ms A\n"
    "WHERE  season_year = :SEASON_YEAR\n"
    "AND    (:GUEST_NAME = '%%' OR guest_name LIKE :GUEST_NAME ESCAPE '!')\n"
    "AND    (:STUDENT_NAME = '%%' OR student_name LIKE :STUDENT_NAME ESCAPE '!')\n"
    "ORDER  BY rsv_no"_s;

const QString InstructorsQuery = u"SELECT coach_no, coach_name\n"
                                 "FROM   ec090ms\n"
                                 "WHERE  season_year = :SEASON_YEAR\n"
                                 "AND    use_yn = 'Y'\n"
                                 "ORDER  BY coach_no"_s;

// Confirmed bookings stand out on light green.
const QColor Confirmed(185, 255, 185);

} // namespace

TfrmECI190::TfrmECI190(QWidget *parent) : TfrmEZI020(u"frmECI190"_s, u"인터스키 접수현황"_s, parent)
{
    AddSearchFields({
        {.name = u"edtSeason"_s, .caption = u"조회연도"_s, .field = u"SEASON_YEAR"_s, .bytes = 4, .width = 50,
         .to = &edtSeason},
        {.name = u"edtGuest_NAME"_s, .caption = u"신청자명"_s, .field = u"GUEST_NAME"_s, .bytes = 60,
         .sameLine = true, .width = 110, .to = &edtGuestName},
        {.name = u"edtStudent_NAME"_s, .caption = u"수강생명"_s, .field = u"STUDENT_NAME"_s, .bytes = 60,
         .sameLine = true, .width = 110, .to = &edtStudentName},
    });
    const QString startingYear = Interski::StartingYear(QDate::currentDate());
    edtSeason->setText(startingYear);

    SetColumns({
        {.title = u"예약번호"_s, .field = u"RSV_NO"_s, .width = 91, .dataWidth = 16, .readOnly = true},
        {.title = u"예약상태"_s, .field = u"STATUS_CODE"_s, .width = 64, .dataWidth = 1},
        {.title = u"확정"_s, .field = u"FIX_YN"_s, .width = 95, .dataWidth = 1},
        {.title = u"접수일자"_s, .field = u"APP_DATE"_s, .width = 93, .dataWidth = 20},
        {.title = u"예약자"_s, .field = u"GUEST_NAME"_s, .width = 81, .dataWidth = 60},
        {.title = u"예약자 ID"_s, .field = u"GUEST_ID"_s, .width = 90, .dataWidth = 40},
        {.title = u"수강생명"_s, .field = u"STUDENT_NAME"_s, .width = 87, .dataWidth = 60},
        {.title = u"연락처"_s, .field = u"GUEST_TEL"_s, .width = 133, .dataWidth = 40},
        {.title = u"수강생나이"_s, .field = u"STUDENT_AGE"_s, .width = 81, .dataWidth = 3},
        {.title = u"강사번호"_s, .field = u"COACH_NO"_s, .width = 89, .dataWidth = 16},
        {.title = u"강사이름"_s, .field = u"COACH_NAME"_s, .width = 121, .dataWidth = 60, .readOnly = true},
        {.title = u"요일코드"_s, .field = u"CLASS_DAY_CODE"_s, .dataWidth = 1, .visible = false},
        {.title = u"요일"_s, .field = u"CLASS_DAY_NAME"_s, .width = 73, .dataWidth = 16},
        {.title = u"비고"_s, .field = u"REMARKS"_s, .width = 200, .dataWidth = 200},
    });
    GridModel &rows = Rows();
    const auto fixedList = [&rows](const QString &field, const QStringList &labels, const QStringList &codes) {
        const int column = rows.columnOf(field);
        rows.pickList(column) = PickList{labels, codes};
        rows.pickListChanged(column);
    };
    fixedList(u"STATUS_CODE"_s, {u"R"_s, u"U"_s, u"C"_s}, {u"R"_s, u"U"_s, u"C"_s});
    fixedList(u"FIX_YN"_s, {u"Y "_s, u"N "_s}, {u"Y"_s, u"N"_s});
    fixedList(u"CLASS_DAY_NAME"_s, Interski::WeekdayNames(), Interski::WeekdayNames());
    loadInstructors();
    connect(&rows, &GridModel::valueChanged, this, [this](int row, const QString &field) {
        showInstructorName(row, field);
    });
    rgrGrid->setRowColours([this](int row) {
        return Rows().value(row, u"FIX_YN"_s) == u"Y"_s ? RowColour{.background = Confirmed} : RowColour{};
    });
    bbtAdd->hide();
    bbtDelete->hide();

    qryQuery.setSql(Query);
    prcProc.setName(u"pr_eci100_01"_s);
}

// The instructors of the starting year, whatever year is searched: the
// drop-down offers them, the name column shows their names.
void TfrmECI190::loadInstructors()
{
    SqlQuery query(InstructorsQuery);
    query.bind(u"SEASON_YEAR"_s, edtSeason->text());
    query.exec();
    QStringList numbers;
    while (query.next()) {
        numbers.append(query.value(0));
        m_instructorNames.insert(query.value(0), query.value(1));
    }
    const int column = Rows().columnOf(u"COACH_NO"_s);
    Rows().pickList(column) = PickList{numbers, numbers};
    Rows().pickListChanged(column);
}

void TfrmECI190::showInstructorName(int row, const QString &field)
{
    if (field.compare(u"COACH_NO"_s, Qt::CaseInsensitive) != 0 || IsSearchMode())
        return;
    const QString number = Rows().value(row, u"COACH_NO"_s);
    if (m_instructorNames.contains(number))
        Rows().setValue(row, u"COACH_NAME"_s, m_instructorNames.value(number));
}

bool TfrmECI190::BeforeSearch()
{
    const QString year = edtSeason->text().trimmed();
    if (year.isEmpty()) {
        InfoBox(u"조회연도"_s + EnterFirst);
        edtSeason->setFocus();
        return false;
    }
    qryQuery.bind(u"SEASON_YEAR"_s, year);
    qryQuery.bind(u"GUEST_NAME"_s, LikeAnywhere(edtGuestName->text().trimmed()));
    qryQuery.bind(u"STUDENT_NAME"_s, LikeAnywhere(edtStudentName->text().trimmed()));
    m_searchedYear = year;
    return true;
}

bool TfrmECI190::bbtSaveClick()
{
    if (Rows().rowCount() == 0)
        return false;
    m_savedMessage.clear();
    return TfrmEZI020::bbtSaveClick();
}

void TfrmECI190::RunSaveProc()
{
    const int row = SavingRow();
    const GridModel &rows = Rows();
    prcProc.setValue(u"ASEASON_YEAR"_s, m_searchedYear);
    prcProc.setValue(u"ASTATUS_CODE"_s,
                     Interski::SaveState(rows.value(row, u"RSV_NO"_s), rows.value(row, u"STATUS_CODE"_s)));
    prcProc.setValue(u"AFIX_YN"_s, Interski::Confirmation(rows.value(row, u"FIX_YN"_s)));
    prcProc.setValue(u"ACLASS_DAY_CODE"_s, Interski::WeekdayCode(rows.value(row, u"CLASS_DAY_NAME"_s)));
    prcProc.exec();
    m_savedMessage = prcProc.output(u"amsg"_s);
}

void TfrmECI190::Saved(const SavedRows &saved)
{
    Q_UNUSED(saved);
    // The rows as the server keeps them now: numbers, states and places.
    bbtCancelClick();
    bbtSearchClick();
    ShowStatus(m_savedMessage.isEmpty() ? u"자료를 저장했습니다."_s : u"자료를 저장했습니다. "_s + m_savedMessage);
}
