#include "AccidentScreen.h"

#include "AccidentRecord.h"
#include "CodeCombo.h"
#include "CodeServices.h"
#include "GridModel.h"
#include "GridView.h"
#include "Guard.h"
#include "InputEdits.h"
#include "Lookups.h"
#include "PicturePanel.h"

#include <QApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString Course = u"TP_COURSE_GUBUN"_s;
const QString Peak = u"PEAK_GUBUN"_s;
const QString SkiName = u"IN_SKI_NAME"_s;
const QString PositionFields[3][2] = {{u"TROB_POINT_X"_s, u"TROB_POINT_Y"_s},
                                      {u"REGION_F_X"_s, u"REGION_F_Y"_s},
                                      {u"REGION_B_X"_s, u"REGION_B_Y"_s}};

// Shows a value in a control without telling anyone: the row already holds it.
void showQuietly(QWidget *control, const QString &value)
{
    const QSignalBlocker quiet(control);
    if (auto *combo = qobject_cast<CodeCombo *>(control))
        combo->setCurrentIndex(int(combo->codes().codes.indexOf(value)));
    else if (auto *edit = qobject_cast<QLineEdit *>(control))
        edit->setText(value);
}

} // namespace

AccidentScreen::AccidentScreen(const QString &formName, const QString &caption, const Options &options,
                               QWidget *parent)
    : TfrmEZI000(formName, caption, parent), m_options(options)
{
    panBody->setFixedWidth(PicturePanel::Width + 40);
    m_pages = new QTabWidget(panBody);
    m_pages->setObjectName(u"pgcAccident"_s);
    // The pages are chosen with the mouse; Tab goes from field to field.
    m_pages->setFocusPolicy(Qt::NoFocus);
    m_pages->tabBar()->setFocusPolicy(Qt::NoFocus);
    m_bodyLayout->setContentsMargins(0, 0, 0, 0);
    m_bodyLayout->addRow(m_pages);
    // The save procedure's test flag is never sent: the server ignores it.
    prcSaveData.declare({}, {u"ATEST"_s});
}

QPoint AccidentScreen::StartPosition(Marker marker)
{
    return marker == TrobPoint ? QPoint(0, 0) : QPoint(8, 8);
}

QString AccidentScreen::ControlName(const QString &prefix, const QString &column)
{
    QString name = prefix;
    for (const QString &part : column.split(u'_', Qt::SkipEmptyParts))
        name += part.left(1).toUpper() + part.mid(1).toLower();
    return name;
}

FieldDef AccidentScreen::Required(FieldDef def)
{
    def.required = true;
    return def;
}

FieldDef AccidentScreen::ReadOnly(FieldDef def)
{
    def.readOnly = true;
    return def;
}

FieldDef AccidentScreen::Code(const QString &column, const QString &caption, bool sameLine)
{
    const accident::Column *record = accident::Find(column);
    // The equipment list keeps labels: it is filled apart.
    const QString group = record && column != SkiName ? record->codeGroup : QString();
    return {.name = ControlName(u"cbo"_s, column), .caption = caption, .kind = FieldKind::Code, .field = column,
            .codeGroup = group, .sameLine = sameLine, .to = &m_controls[column]};
}

FieldDef AccidentScreen::Text(const QString &column, const QString &caption, int bytes, bool sameLine)
{
    return {.name = ControlName(u"edt"_s, column), .caption = caption, .field = column, .bytes = bytes,
            .sameLine = sameLine, .to = &m_controls[column]};
}

FieldDef AccidentScreen::Time(const QString &column, const QString &caption)
{
    return {.name = ControlName(u"wme"_s, column), .caption = caption, .kind = FieldKind::TimeOfDay, .field = column,
            .to = &m_controls[column]};
}

FieldDef AccidentScreen::IdNo(const QString &column, const QString &caption)
{
    return {.name = ControlName(u"wme"_s, column), .caption = caption, .kind = FieldKind::ResidentNo, .field = column,
            .to = &m_controls[column]};
}

FieldDef AccidentScreen::Number(const QString &column, const QString &caption, int digits, bool sameLine)
{
    return {.name = ControlName(u"wne"_s, column), .caption = caption, .kind = FieldKind::Number, .field = column,
            .bytes = digits, .sameLine = sameLine, .width = 50, .to = &m_controls[column]};
}

FieldDef AccidentScreen::ZipCode(const QString &column, const QString &caption)
{
    return {.name = ControlName(u"wme"_s, column), .caption = caption, .kind = FieldKind::PostalCode, .field = column,
            .lookupButton = ControlName(u"bbt"_s, column), .width = 60, .to = &m_controls[column],
            .pick = PostalLookup()};
}

FieldDef AccidentScreen::Shown(const QString &column, const QString &caption)
{
    return {.name = ControlName(u"wlb"_s, column), .caption = caption, .kind = FieldKind::Label, .field = column,
            .width = 60, .to = &m_controls[column]};
}

QWidget *AccidentScreen::ControlOf(const QString &column) const
{
    const auto it = m_controls.find(column);
    return it == m_controls.end() ? nullptr : it->second;
}

void AccidentScreen::SetAccidentColumns(const QStringList &visible, bool withDate)
{
    QList<ColumnDef> columns;
    for (const accident::Column &column : accident::Columns()) {
        const bool shown = visible.contains(column.field);
        columns.append({.title = column.title, .field = column.field, .width = shown ? column.width : 60,
                        .dataWidth = column.dataWidth, .visible = shown,
                        // Hidden columns keep their codes as stored: no list to map them through.
                        .codeGroup = shown && column.field != SkiName ? column.codeGroup : QString(),
                        .key = column.field == u"TROB_NO"_s});
    }
    if (withDate)
        columns.append({.title = u"사고일자"_s, .field = u"TROB_DATE"_s, .width = 80, .dataWidth = 8,
                        .displayMask = u"9999-99-99"_s});
    columns.append({.title = u"버전"_s, .field = u"ROW_VER"_s, .visible = false, .readOnly = true});
    SetColumns(columns);
}

QList<QBoxLayout *> AccidentScreen::AddPage(const QString &title, bool selectable, int columns)
{
    auto *scroll = new QScrollArea(m_pages);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto *content = new QWidget(scroll);
    auto *line = new QHBoxLayout(content);
    QList<QBoxLayout *> result;
    for (int i = 0; i < columns; ++i) {
        auto *column = new QVBoxLayout;
        column->setAlignment(Qt::AlignTop);
        line->addLayout(column, 1);
        result.append(column);
    }
    scroll->setWidget(content);
    const int index = m_pages->addTab(scroll, title);
    m_pages->setTabVisible(index, selectable);
    return result;
}

void AccidentScreen::AddGroup(QBoxLayout *column, const QString &title, const QList<FieldDef> &fields)
{
    auto *group = new QGroupBox(title);
    column->addWidget(group);
    AddFields(fields, group);
}

void AccidentScreen::AddPicturePages(bool selectable)
{
    const QString titles[3] = {u"사고발생지점"_s, u"부상부위(앞)"_s, u"부상부위(뒤)"_s};
    const QString panels[3] = {u"panTrobPoint"_s, u"panRegionF"_s, u"panRegionB"_s};
    const QString markers[3] = {u"imgTrobPoint"_s, u"imgRegionF"_s, u"imgRegionB"_s};
    const QString labels[3] = {u"사고지점"_s, u"부상부위"_s, u"부상부위"_s};
    const QString pictures[3] = {u":/patrol/peak1.jpg"_s, u":/patrol/body_front.jpg"_s,
                                 u":/patrol/body_back.jpg"_s};
    for (int m = 0; m < 3; ++m) {
        auto *page = new QWidget(m_pages);
        auto *layout = new QVBoxLayout(page);
        layout->setContentsMargins(4, 4, 4, 4);
        auto *panel = new PicturePanel(page);
        panel->setObjectName(panels[m]);
        panel->addPicture(pictures[m]);
        if (m == TrobPoint)
            panel->addPicture(u":/patrol/peak2.jpg"_s);
        layout->addWidget(panel, 0, Qt::AlignLeft | Qt::AlignTop);
        auto *marker = new PictureMarker(labels[m], m == TrobPoint ? QColor(Qt::red) : QColor(0x00, 0x60, 0xFF),
                                         panel);
        marker->setObjectName(markers[m]);
        marker->place(StartPosition(Marker(m)));
        connect(marker, &PictureMarker::movedByOperator, this, Guarded([this, m] { markerMoved(Marker(m)); }));
        m_panels[m] = panel;
        m_markers[m] = marker;
        const int index = m_pages->addTab(page, titles[m]);
        m_pages->setTabVisible(index, selectable);
    }
}

void AccidentScreen::BuildEntryPages(int ageBytes)
{
    const QList<QBoxLayout *> first = AddPage(u"기본사항 및 사고장소"_s, true, 2);
    AddGroup(first[0], {}, {Shown(u"TROB_NO"_s, u"사고번호"_s)});
    AddGroup(first[0], u"기본사항"_s,
             {Required(Time(u"TROB_TIME"_s, u"사고시간"_s)), Code(u"TROB_TIME_GUBUN"_s, {}, true),
              Code(u"PEAK_GUBUN"_s, u"장소구분"_s), Code(u"TP_COURSE_GUBUN"_s, {}, true),
              Code(u"IN_SKI_LOOSE_GUBUN"_s, u"스키풀림"_s), Text(u"TP_DETAIL_DESC"_s, u"구체적기술"_s, 80)});
    AddGroup(first[0], u"부상자신상"_s,
             {Required(Text(u"IN_NAME"_s, u"부상자명"_s, 30)), Code(u"IN_SEX"_s, u"성별"_s),
              Required(Text(u"IN_AGE"_s, u"나이"_s, ageBytes)), Required(IdNo(u"IN_ID_NO"_s, u"주민번호"_s)),
              Required(Text(u"IN_TEL_NO"_s, u"연락처"_s, 20)), ZipCode(u"IN_ZIP_CODE"_s, u"주소"_s),
              ReadOnly(Text(u"IN_ADDR1"_s, {}, 60)), Text(u"IN_ADDR2"_s, {}, 60)});
    AddGroup(first[1], u"부상부위"_s, {Code(u"IN_DETAIL_GUBUN"_s, u"상세구분"_s)});
    AddGroup(first[1], u"부상상태"_s, {Code(u"IN_STAT_GUBUN"_s, u"상태구분"_s)});
    AddGroup(first[1], u"부상원인"_s,
             {Code(u"IN_CAUSE_GUBUN"_s, u"원인구분"_s), Text(u"IN_CAUSE_ETC"_s, u"기타"_s, 40)});
    AddGroup(first[1], u"스키경력"_s,
             {Code(u"IN_LEVEL_GUBUN"_s, u"수준구분"_s), Code(u"IN_LECTURE_GUBUN"_s, u"강습이수구분"_s),
              Code(u"IN_SKI_NAME"_s, u"사용장비"_s)});
    AddGroup(first[1], u"후송방법"_s,
             {Code(u"EV_MEANS_GUBUN"_s, u"수단구분"_s), Code(u"TE_MEANS_GUBUN"_s, u"앰블런스"_s)});
    AddGroup(first[1], u"패트롤 및 의무실 조치사항"_s,
             {Time(u"ME_SPOT_TIME"_s, u"도착시간"_s), Text(u"ME_NAME"_s, u"처리자"_s, 30),
              Text(u"ME_TEL_NO"_s, u"연락처"_s, 30), Text(u"ME_EMERGENCY"_s, u"조치사항"_s, 80)});

    // Read, shown and written back with the record; changed on the inquiry.
    AddGroup(AddPage(u"부상자"_s, false).first(), u"부상자장비"_s,
             {Code(u"IN_SKI_SIZE_GUBUN"_s, u"스키사이즈"_s), Text(u"IN_BINDING_NAME"_s, u"바인딩"_s, 40),
              Text(u"IN_BOOTS_NAME"_s, u"부츠"_s, 40), Code(u"IN_BOOTS_SIZE_GUBUN"_s, u"부츠사이즈"_s),
              Text(u"IN_ARTICLE_NAME"_s, u"품명"_s, 40), Code(u"IN_RENT_GUBUN"_s, u"대여구분"_s),
              Text(u"IN_RENT_PLACE"_s, u"대여장소"_s, 40), Code(u"IN_BINDING_TEST_GUBUN"_s, u"바인딩테스트"_s),
              Code(u"IN_BINDING_STRENGTH_GUBUN"_s, u"바인딩강도"_s),
              Number(u"IN_BINDING_LEFT_F"_s, u"좌앞"_s, 3), Number(u"IN_BINDING_LEFT_B"_s, u"좌뒤"_s, 3, true),
              Number(u"IN_BINDING_RIGHT_F"_s, u"우앞"_s, 3), Number(u"IN_BINDING_RIGHT_B"_s, u"우뒤"_s, 3, true),
              Code(u"IN_FACTOR_GUBUN"_s, u"부상요인"_s), Text(u"IN_FACTOR_ETC"_s, u"부상요인기타"_s, 40)});
    QBoxLayout *other = AddPage(u"기타"_s, false).first();
    AddGroup(other, u"최초목격 및 사고경위"_s,
             {Text(u"WI_NAME"_s, u"성명"_s, 30), IdNo(u"WI_ID_NO"_s, u"주민등록번호"_s),
              Text(u"WI_TEL_NO"_s, u"연락처"_s, 20), Text(u"WI_ACC_STAT"_s, u"접근시현장상황"_s, 80),
              Text(u"WI_TROB_DETAIL"_s, u"사고발생경위"_s, 80)});
    AddGroup(other, u"사진촬영"_s,
             {Code(u"PT_PHOTO_GUBUN"_s, u"사진촬영여부"_s), Text(u"PT_PHOTO_NAME"_s, u"사진촬영자"_s, 30)});
    AddGroup(other, u"의무실 조치사항"_s,
             {Time(u"ME_MEDICAL_TIME"_s, u"도착시간"_s), Text(u"ME_MEDICAL_NAME"_s, u"의료진"_s, 40),
              Text(u"ME_PATIENT_STAT"_s, u"환자상태"_s, 80), Text(u"ME_AFTER"_s, u"조치사항"_s, 80)});
    AddGroup(other, u"2차후송 및 귀가형태"_s, {Code(u"TE_OBJECT_GUBUN"_s, u"후송목적지"_s)});
    AddGroup(other, u"충돌자 신상"_s,
             {Text(u"CO_NAME"_s, u"성명"_s, 30), IdNo(u"CO_ID_NO"_s, u"주민등록번호"_s),
              Text(u"CO_TEL_NO"_s, u"연락처"_s, 20), ZipCode(u"CO_ZIP_CODE"_s, u"주소"_s),
              ReadOnly(Text(u"CO_ADDR1"_s, {}, 60)), Text(u"CO_ADDR2"_s, {}, 60)});
    AddPicturePages(false);
    AddGroup(AddPage({}, false).first(), {},
             {Code(u"TP_LIFT_GUBUN"_s, u"리프트구분"_s), Code(u"TP_COURSELEVEL_GUBUN"_s, u"코스난이도구분"_s),
              Code(u"TP_SNOW_GUGUBN"_s, u"눈구분"_s), Code(u"TP_SNOWKIND_GUBUN"_s, u"눈종류구분"_s),
              Text(u"TP_ETC"_s, u"코스상태기타"_s, 80), Code(u"TP_CLASSIFY_GUBUN"_s, u"코스상태분류"_s),
              Code(u"WEATHER_STAT_GUBUN"_s, u"*기온상태구분"_s), Number(u"TEMPERATURE"_s, u"*기온(℃)"_s, 3),
              Code(u"IN_POSITION_GUBUN"_s, u"위치구분"_s), Text(u"IN_STAT_ETC"_s, u"부상상태기타"_s, 40),
              Text(u"EV_ETC"_s, u"후송수단기타"_s, 40), Code(u"EV_METHOD_GUBUN"_s, u"후송방법"_s),
              Code(u"IN_DAYUSE_GUBUN"_s, u"스키장사용일수"_s), Code(u"IN_DAYSKI_GUBUN"_s, u"당일스키탄시간"_s),
              Text(u"IN_JOB"_s, u"직업"_s, 40), Text(u"IN_HEIGHT"_s, u"신장(㎝)"_s, 3),
              Text(u"IN_WEIGHT"_s, u"체중(㎏)"_s, 3)});
}

void AccidentScreen::FinishFields()
{
    // The equipment list keeps the labels of its group as its codes.
    if (auto *ski = ControlAs<CodeCombo>(SkiName)) {
        CodeCombo group;
        FillCodeList(group, u"E0053"_s);
        const QSignalBlocker quiet(ski);
        for (const QString &label : group.codes().labels)
            ski->addCode(label, label);
        ski->setCurrentIndex(ski->count() > 0 ? 0 : -1);
    }
    // A hidden column's cells are the codes as stored; the list of a
    // control made for it must not map them by position.
    for (int c = 0; c < Rows().columnCount(); ++c)
        if (!Rows().column(c).visible && !Rows().pickList(c).isEmpty()) {
            Rows().pickList(c).clear();
            Rows().pickListChanged(c);
        }
    for (const auto &[column, control] : m_controls)
        if (control && onHiddenPage(control))
            m_hiddenFields.append(column);

    if (auto *peak = ControlAs<CodeCombo>(Peak)) {
        if (m_options.coursesByPeak)
            fillCourses(peak->code());
        connect(peak, &QComboBox::currentIndexChanged, this, Guarded([this] { peakChanged(); }));
    }
    if (auto *time = ControlAs<MaskEdit>(u"TROB_TIME"_s))
        connect(time, &QLineEdit::textChanged, this, Guarded([this] { timeChanged(); }));
}

bool AccidentScreen::onHiddenPage(const QWidget *control) const
{
    for (int i = 0; i < m_pages->count(); ++i)
        if (m_pages->widget(i)->isAncestorOf(control))
            return !m_pages->isTabVisible(i);
    return false;
}

void AccidentScreen::fillCourses(const QString &placeClass)
{
    auto *course = ControlAs<CodeCombo>(Course);
    if (!course)
        return;
    const QSignalBlocker quiet(course);
    course->clearCodes();
    const QString peak = accident::PeakNumber(placeClass);
    if (peak.isEmpty())
        FillCodeList(*course, u"E0006"_s);
    else
        FillCodeList(*course, u"E0006"_s, {.item1 = u"C"_s, .item2 = peak});
    course->setCurrentIndex(-1);
}

void AccidentScreen::showCourseCell(int row)
{
    auto *course = ControlAs<CodeCombo>(Course);
    if (!course || row < 0)
        return;
    QString cell = Rows().value(row, Course);
    const QSignalBlocker quiet(course);
    int at = int(course->codes().codes.indexOf(cell));
    if (at < 0 && !cell.isEmpty() && IsStoredRow(row)) {
        // A stored course of another peak area is shown as it is.
        const int column = Rows().columnOf(Course);
        const QString label = column >= 0 ? Rows().pickList(column).labelOf(cell) : QString();
        course->addCode(label.isEmpty() ? cell : label, cell);
        at = course->count() - 1;
    } else if (at < 0 && !IsStoredRow(row) && course->count() > 0) {
        // A new record starts at the first course the list offers.
        at = 0;
        Rows().setValue(row, Course, course->codes().codes.at(0));
    }
    course->setCurrentIndex(at);
}

void AccidentScreen::GridToControls()
{
    const int row = Grid()->currentRow();
    if (row < 0) {
        TfrmEZI000::GridToControls();
        return;
    }
    const QStringList fields = Rows().fields();
    const QStringList before = Rows().record(row);
    TfrmEZI000::GridToControls();
    // The base puts the first code of a list into a cell whose code the list
    // lacks, and 0 into an empty number. A stored record is shown, not
    // changed; a new one's fields out of the operator's reach stay empty.
    const bool stored = IsStoredRow(row);
    for (int i = 0; i < fields.size(); ++i) {
        const QString &field = fields.at(i);
        if (Rows().value(row, field) == before.at(i))
            continue;
        QWidget *control = ControlOf(field);
        if (!stored && !m_hiddenFields.contains(field))
            continue;
        Rows().setValue(row, field, before.at(i));
        if (control)
            showQuietly(control, before.at(i));
    }
    if (m_options.coursesByPeak)
        fillCourses(Rows().value(row, Peak));
    showCourseCell(row);
    if (auto *ski = ControlAs<CodeCombo>(SkiName)) {
        const QString cell = Rows().value(row, SkiName);
        if (!cell.isEmpty() && !ski->codes().codes.contains(cell)) {
            const QSignalBlocker quiet(ski);
            ski->addCode(cell, cell);
            ski->setCurrentIndex(ski->count() - 1);
        }
    }
}

void AccidentScreen::ControlToGrid(QWidget *control)
{
    TfrmEZI000::ControlToGrid(control);
    const int row = Grid()->currentRow();
    if (!IsRowChanged() || row < 0)
        return;
    // The course list may offer fewer courses than the column knows: the
    // chosen course's code, not its position, is what the row keeps.
    if (auto *course = ControlAs<CodeCombo>(Course); course && control == course)
        Rows().setValue(row, Course, course->code());
    if (m_options.saves)
        writeMarkers(row);
}

void AccidentScreen::placeMarkers(int row)
{
    const bool stored = row >= 0 && IsStoredRow(row);
    for (int m = 0; m < 3; ++m) {
        QPoint at = StartPosition(Marker(m));
        if (stored)
            at = {Rows().value(row, PositionFields[m][0]).toInt(), Rows().value(row, PositionFields[m][1]).toInt()};
        m_markers[m]->place(at);
        m_markerMoved[m] = false;
    }
}

void AccidentScreen::writeMarkers(int row)
{
    // A stored record keeps the positions it has until a marker is moved.
    const bool stored = IsStoredRow(row);
    for (int m = 0; m < 3; ++m) {
        if (stored && !m_markerMoved[m])
            continue;
        Rows().setValue(row, PositionFields[m][0], QString::number(m_markers[m]->x()));
        Rows().setValue(row, PositionFields[m][1], QString::number(m_markers[m]->y()));
    }
}

void AccidentScreen::markerMoved(Marker marker)
{
    m_markerMoved[marker] = true;
    const int row = Grid()->currentRow();
    if (!m_options.saves || row < 0 || Rows().rowCount() == 0)
        return;
    MarkRowChanged();
    writeMarkers(row);
}

void AccidentScreen::showCourseMapOf(const QString &placeClass)
{
    if (placeClass == u"P1"_s)
        CourseMap()->showPicture(0);
    else if (placeClass == u"P2"_s)
        CourseMap()->showPicture(1);
}

void AccidentScreen::peakChanged()
{
    if (IsLoading() || QApplication::focusWidget() == bbtCancel)
        return;
    auto *peak = ControlAs<CodeCombo>(Peak);
    showCourseMapOf(peak->code());
    if (m_options.coursesByPeak)
        fillCourses(peak->code());
    if (m_options.clearCourseOnPeak) {
        auto *course = ControlAs<CodeCombo>(Course);
        // Filled quietly above: the clearing is the change the row hears of.
        {
            const QSignalBlocker quiet(course);
            course->setCurrentIndex(course->count() > 0 ? 0 : -1);
        }
        course->setCurrentIndex(-1);
    }
}

void AccidentScreen::timeChanged()
{
    if (IsLoading() || !m_options.deriveTimeClass)
        return;
    auto *time = ControlAs<MaskEdit>(u"TROB_TIME"_s);
    auto *timeClass = ControlAs<CodeCombo>(u"TROB_TIME_GUBUN"_s);
    const int at = accident::TimeClassPosition(time->plainText());
    if (timeClass && at >= 0 && at < timeClass->count())
        timeClass->setCurrentIndex(at);
}

void AccidentScreen::RowShown()
{
    const int row = Grid()->currentRow();
    placeMarkers(row);
    if (row >= 0)
        showCourseMapOf(Rows().value(row, Peak));
    ShowFirstPage();
}

void AccidentScreen::ShowFirstPage()
{
    m_pages->setCurrentIndex(0);
    if (QWidget *next = NextInTabOrder(Grid()))
        next->setFocus(Qt::TabFocusReason);
}

QList<RowCheck> AccidentScreen::RowChecks()
{
    QList<RowCheck> checks;
    if (auto *time = ControlAs<MaskEdit>(u"TROB_TIME"_s)) {
        // Named as its label names it ("*사고시간" where it is required).
        QString caption = u"사고시간"_s;
        for (const QLabel *label : findChildren<QLabel *>())
            if (label->buddy() == time && !label->text().isEmpty())
                caption = label->text();
        checks.append({[time] { return !accident::IsTimeOfDay(time->plainText()); }, time,
                       caption + EnterCorrectly});
    }
    if (auto *age = ControlAs<QLineEdit>(u"IN_AGE"_s))
        checks.append({[age] {
                           const QString text = age->text().trimmed();
                           return text.isEmpty() || !std::all_of(text.begin(), text.end(), [](QChar c) {
                               return c >= u'0' && c <= u'9';
                           });
                       },
                       age, u"나이"_s + EnterCorrectly});
    return checks;
}

bool AccidentScreen::ValidateRow(TReturn &result)
{
    if (TfrmEZI000::ValidateRow(result))
        return true;
    // The field's page comes to the front, so that the field can take the focus.
    for (int i = 0; result.focus && i < m_pages->count(); ++i)
        if (m_pages->widget(i)->isAncestorOf(result.focus))
            m_pages->setCurrentIndex(i);
    return false;
}

bool AccidentScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched == ControlOf(u"IN_NAME"_s)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            if (QWidget *sex = ControlOf(u"IN_SEX"_s))
                sex->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return TfrmEZI000::eventFilter(watched, event);
}

