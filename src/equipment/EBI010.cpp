#include "EBI010.h"

#include "CodeCombo.h"
#include "CodeServices.h"
#include "GridModel.h"
#include "GridView.h"
#include "Guard.h"
#include "SaveTransaction.h"

#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString CountSql = u"SELECT COUNT(*) AS fac_count\n"
                         "FROM   eb010ms\n"
                         "WHERE  run_date = :RUN_DATE"_s;

// Facilities run unless their state is this code.
const QString NotRunning = u"S"_s;

} // namespace

TfrmEBI010::TfrmEBI010(QWidget *parent)
    : TfrmEZI000(u"frmEBI010"_s, u"코스,리프트 운영정보 등록"_s, parent), prcCreateDay(u"pr_ebi010_01"_s)
{
    AddSearchFields({{.name = u"dtpDate"_s, .caption = u"*운행일자"_s, .kind = FieldKind::Date,
                      .field = u"RUN_DATE"_s}});
    SetColumns({
        {.title = u"코스,리프트구분"_s, .field = u"FAC_GUBUN_SHOWN"_s, .width = 110, .readOnly = true},
        {.title = u"세부구분"_s, .field = u"FAC_DETAIL_GUBUN_NAME"_s, .width = 150, .readOnly = true},
        {.title = u"운행여부"_s, .field = u"RUN_YN"_s, .width = 80, .codeGroup = u"E0008"_s},
        {.title = u"코스,리프트구분명"_s, .field = u"FAC_GUBUN_NAME"_s, .visible = false},
        {.title = u"코스,리프트구분코드"_s, .field = u"FAC_GUBUN"_s, .visible = false, .key = true},
        {.title = u"세부구분코드"_s, .field = u"FAC_DETAIL_GUBUN"_s, .visible = false, .key = true},
        {.title = u"버전"_s, .field = u"ROW_VER"_s, .visible = false, .readOnly = true},
    });
    AddFields({
        {.name = u"wlbFacName"_s, .caption = u"코스/리프트 구분명"_s, .kind = FieldKind::Label,
         .field = u"FAC_GUBUN_NAME"_s, .width = 150, .to = &wlbFacName},
        {.name = u"wlbFacDetailName"_s, .caption = u"세부구분명"_s, .kind = FieldKind::Label,
         .field = u"FAC_DETAIL_GUBUN_NAME"_s, .width = 150, .to = &wlbFacDetailName},
        {.name = u"cboRunGubun"_s, .caption = u"*운행여부"_s, .kind = FieldKind::Code, .field = u"RUN_YN"_s,
         .codeGroup = u"E0008"_s, .required = true, .width = 100, .to = &cboRunGubun},
    });
    // The rows of a day are exactly the facilities.
    bbtAdd->hide();
    bbtDelete->hide();

    // A facility kind repeated from the row above is shown blank.
    qryQuery.setSql(u"SELECT CASE WHEN lag(t2.fac_gubun) OVER w = t2.fac_gubun THEN NULL\n"
                    "            ELSE t2.fac_gubun_name END AS fac_gubun_shown,\n"
                    "       t2.fac_gubun_name, t2.fac_detail_gubun_name, t1.run_yn, t2.fac_gubun, t2.fac_detail_gubun,\n"
                    "       t1.row_ver\n"
                    "FROM   eb010ms t1\n"
                    "JOIN   (SELECT f.detail AS fac_detail_gubun, f.detail_name AS fac_detail_gubun_name,\n"
                    "               f.item1 AS fac_gubun, k.detail_name AS fac_gubun_name\n"
                    "        FROM   zx010ms f\n"
                    "        JOIN   zx010ms k ON k.head = :GC_FAC_GUBUN AND k.detail = f.item1\n"
                    "        WHERE  f.head IN (:GC_COURSE_GUBUN, :GC_LIFT_GUBUN)) t2\n"
                    "  ON   t2.fac_gubun        = t1.fac_gubun\n"
                    " AND   t2.fac_detail_gubun = t1.fac_detail_gubun\n"
                    "WHERE  t1.run_date = :RUN_DATE\n"
                    "WINDOW w AS (ORDER BY t2.fac_gubun, t2.fac_detail_gubun)\n"
                    "ORDER  BY t2.fac_gubun, t2.fac_detail_gubun"_s);
    qryQuery.bind(u"GC_FAC_GUBUN"_s, u"E0005"_s);
    qryQuery.bind(u"GC_COURSE_GUBUN"_s, u"E0006"_s);
    qryQuery.bind(u"GC_LIFT_GUBUN"_s, u"E0007"_s);
    prcSaveData.setName(u"pr_ebi010_02"_s);
    prcCreateDay.declare({u"ARUN_DATE"_s});
    Calls(prcCreateDay);

    Grid()->setRowColours([this](int row) -> RowColour {
        if (Rows().value(row, u"RUN_YN"_s) == NotRunning)
            return {.text = QColor(Qt::red)};
        return {.text = QColor(Qt::black)};
    });

    panInfo = new QFrame(this);
    panInfo->setObjectName(u"panInfo"_s);
    panInfo->setFrameShape(QFrame::Box);
    panInfo->setAutoFillBackground(true);
    auto *info = new QVBoxLayout(panInfo);
    info->addWidget(new QLabel(u"신규자료를 생성중입니다. . . . . "_s, panInfo));
    m_busy = new QProgressBar(panInfo);
    m_busy->setRange(0, 0);
    m_busy->setTextVisible(false);
    info->addWidget(m_busy);
    panInfo->adjustSize();
    panInfo->hide();
}

bool TfrmEBI010::BeforeSearch()
{
    return !NoOperationRecords(WorkDate()) || CreateDay();
}

bool TfrmEBI010::CreateDay()
{
    panInfo->move((width() - panInfo->width()) / 2, height() / 2 - 100 - panInfo->height() / 2);
    panInfo->raise();
    panInfo->show();
    m_busy->setRange(0, 0);
    const bool created = TrySave([this] {
        prcCreateDay.setValue(u"ARUN_DATE"_s, WorkDate());
        prcCreateDay.exec();
    });
    if (created) {
        // The panel stays a moment, so that the operator sees what happened.
        QEventLoop wait;
        QTimer::singleShot(1000, &wait, &QEventLoop::quit);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    }
    m_busy->setRange(0, 1);
    panInfo->hide();
    return created;
}

QStringList TfrmEBI010::ContractSql() const
{
    return TfrmEZI000::ContractSql() << CountSql;
}
