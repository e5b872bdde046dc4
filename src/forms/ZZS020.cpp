#include "ZZS020.h"

#include "CancelKeys.h"
#include "ExportProgress.h"
#include "GridModel.h"
#include "GridView.h"
#include "Modal.h"
#include "Routines.h"
#include "ResultStream.h"
#include "SqlQuery.h"
#include "ZZP010.h"
#include "XlsWriter.h"
#include "XlsxWriter.h"

#include <QApplication>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QToolButton>

#include "WaitCursor.h"

using namespace Qt::StringLiterals;

namespace {

// Cell rows and columns are 16-bit words; the first record row is 3.
constexpr int FirstRecordRow = 3;
constexpr int MaxRows = 0x10000;
static_assert(TfrmZZS020::XlsRecords == MaxRows - FirstRecordRow);

const QString XlsFilter = u"Excel 파일(*.xls)"_s;
const QString XlsxFilter = u"Excel 통합 문서(*.xlsx)"_s;
// Rows an export asks the server for at a time, and between two looks at
// the Cancel button.
constexpr int ExportBatch = 2000;
// The stored date key a grid shows as a date.
const QString DateKeyMask = u"9999-99-99"_s;

} // namespace

TfrmZZS020::TfrmZZS020(const QString &formName, const QString &caption, QWidget *parent)
    : TfrmZZS020(formName, caption, {}, parent)
{
}

TfrmZZS020::TfrmZZS020(const QString &formName, const QString &caption, ReportFactory report, QWidget *parent)
    : TfrmZZS010(formName, caption, parent), m_report(std::move(report))
{
    cdsQuery = new GridModel(this);
    cdsQuery->setObjectName(u"cdsQuery"_s);

    auto *layout = new QHBoxLayout(panMain);
    layout->setContentsMargins(0, 0, 0, 0);
    splGrid = new QSplitter(Qt::Horizontal, panMain);
    splGrid->setObjectName(u"splGrid"_s);
    layout->addWidget(splGrid);
    rgrGrid = new GridView(splGrid);
    rgrGrid->setObjectName(u"rgrGrid"_s);
    rgrGrid->setGridModel(cdsQuery);
    rgrGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    rgrGrid->horizontalHeader()->setSectionsMovable(true);
    panInfo = new QFrame(splGrid);
    panInfo->setObjectName(u"panInfo"_s);
    panInfo->hide();
    splGrid->setStretchFactor(0, 1);

    popGrid = new QMenu(this);
    popGrid->setObjectName(u"popGrid"_s);
    rgrGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    rgrGrid->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    const auto showColumnMenu = [this](QWidget *from, const QPoint &at) {
        if (!popGrid->isEmpty())
            popGrid->popup(from->mapToGlobal(at));
    };
    connect(rgrGrid, &QWidget::customContextMenuRequested, this,
            [this, showColumnMenu](const QPoint &at) { showColumnMenu(rgrGrid->viewport(), at); });
    connect(rgrGrid->horizontalHeader(), &QWidget::customContextMenuRequested, this,
            [this, showColumnMenu](const QPoint &at) { showColumnMenu(rgrGrid->horizontalHeader(), at); });

    const struct
    {
        QToolButton **button;
        const char16_t *name;
        const char16_t *hint;
        QStyle::StandardPixmap icon;
        void (GridView::*move)();
    } navigation[] = {
        {&sbtFirst, u"sbtFirst", u"처음 자료", QStyle::SP_MediaSkipBackward, &GridView::first},
        {&sbtPrior, u"sbtPrior", u"앞 자료", QStyle::SP_MediaSeekBackward, &GridView::prior},
        {&sbtNext, u"sbtNext", u"다음 자료", QStyle::SP_MediaSeekForward, &GridView::next},
        {&sbtLast, u"sbtLast", u"마지막 자료", QStyle::SP_MediaSkipForward, &GridView::last},
    };
    for (const auto &nav : navigation) {
        auto *button = new QToolButton(panButtons);
        button->setObjectName(QString::fromUtf16(nav.name));
        button->setToolTip(QString::fromUtf16(nav.hint));
        button->setIcon(style()->standardIcon(nav.icon));
        button->setFixedSize(ButtonHeight, ButtonHeight);
        button->setAutoRaise(true);
        AddToButtonPanelLeft(button);
        const auto move = nav.move;
        connect(button, &QToolButton::clicked, this, [this, move] {
            if (cdsQuery->isOpen())
                (rgrGrid->*move)();
        });
        *nav.button = button;
    }

    bbtExcel = AddButton(u"bbtExcel"_s, u"Excel"_s, bbtPrint);
    OnClick(bbtExcel, [this] { bbtExcelClick(); });
    AddHotkey(QKeySequence(Qt::CTRL | Qt::Key_F11), u"Excel"_s, [this] { bbtExcelClick(); });
}

void TfrmZZS020::OpenList()
{
    auto query = std::make_unique<SqlQuery>(qryQuery.sql());
    // Rows come as the grid needs them, over a connection of their own:
    // footers and lookups run while the grid still fetches.
    query->setStreamed(true);
    query->setServer(DataModule::Server::Replica);
    const QHash<QString, QString> &binds = qryQuery.binds();
    for (auto it = binds.begin(); it != binds.end(); ++it)
        query->bind(it.key(), it.value());
    query->exec();
    cdsQuery->setQuery(std::move(query));
}

void TfrmZZS020::CloseQueries()
{
    TfrmZZS010::CloseQueries();
    cdsQuery->close();
}

bool TfrmZZS020::bbtSearchClick()
{
    if (!TfrmZZS010::bbtSearchClick())
        return false;
    RebuildColumnMenu();
    // Read on the primary instead of the replica, or from a replica some
    // seconds behind.
    if (const DataModule *module = DataModule::instance(); module && module->hasReplica())
        ShowStatus(module->readNote());
    return true;
}

void TfrmZZS020::RebuildColumnMenu()
{
    popGrid->clear();
    const QHeaderView *header = rgrGrid->horizontalHeader();
    for (int position = 0; position < cdsQuery->columnCount(); ++position) {
        const int column = header->logicalIndex(position);
        QAction *entry = popGrid->addAction(cdsQuery->column(column).title);
        entry->setCheckable(true);
        entry->setChecked(!rgrGrid->isColumnHidden(column));
        connect(entry, &QAction::toggled, this, [this, column](bool shown) { rgrGrid->setColumnShown(column, shown); });
    }
}

bool TfrmZZS020::bbtPrintClick()
{
    if (!TfrmZZS010::bbtPrintClick())
        return false;
    RunReport(false);
    return true;
}

bool TfrmZZS020::bbtPreviewClick()
{
    if (!TfrmZZS010::bbtPreviewClick())
        return false;
    RunReport(true);
    return true;
}

std::unique_ptr<TfrmZZP010> TfrmZZS020::PrintedLayout()
{
    if (!m_report)
        return nullptr;
    std::unique_ptr<TfrmZZP010> report = m_report(cdsQuery->columns());
    if (report)
        FillConditions(*report);
    return report;
}

bool TfrmZZS020::RunReport(bool preview)
{
    if (!m_report)
        return false;
    if (!cdsQuery->isOpen()) {
        ShowStatus(u"조회 결과가 없습니다. 조회를 먼저 하십시오."_s);
        return false;
    }
    std::unique_ptr<TfrmZZP010> report = PrintedLayout();
    if (!report)
        return false;
    report->CopyQuery(qryQuery);
    {
        const ServerWait wait(this);
        const CancelKeys cancelKeys(this);
        report->Open();
        ReportOpened(*report);
    }
    if (preview)
        report->Preview(this);
    else
        report->Print(this);
    report->Close();
    return true;
}

bool TfrmZZS020::bbtExcelClick()
{
    if (!CommonStart(bbtExcel))
        return false;
    WaitCursor wait;
    const QString fileName = ExportToExcel();
    if (!fileName.isEmpty()
        && ConfirmBox(u"저장한 파일("_s + QFileInfo(fileName).fileName() + u")을 Excel로 불러올까요?"_s)
        && !modal().openWithDesktop(fileName))
        ErrorBox(u"파일을 열 프로그램이 없어 열지 못했습니다.\r파일은 저장되어 있습니다: "_s
                 + QDir::toNativeSeparators(fileName));
    return true;
}

QString TfrmZZS020::WithExtension(const QString &fileName, const QString &extension)
{
    const qsizetype slash = fileName.lastIndexOf(u'/');
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot > slash) {
        if (fileName.mid(dot).compare(extension, Qt::CaseInsensitive) == 0)
            return fileName;
        return fileName.left(dot) + extension;
    }
    return fileName + extension;
}

QString TfrmZZS020::ExportToExcel()
{
    if (!cdsQuery->isOpen()) {
        ShowStatus(u"조회 결과가 없습니다. 조회를 먼저 하십시오."_s);
        return {};
    }
    QString filter;
    QString fileName = modal().askSaveFileName(this, ScreenId(), XlsFilter + u";;"_s + XlsxFilter, &filter);
    if (fileName.isEmpty()) {
        ShowStatus(u"저장할 파일 이름을 지정하지 않았습니다."_s);
        return {};
    }
    // A typed extension of either kind wins over the filter in force.
    bool workbook = fileName.endsWith(u".xlsx"_s, Qt::CaseInsensitive)
                    || (filter == XlsxFilter && !fileName.endsWith(u".xls"_s, Qt::CaseInsensitive));
    if (!workbook && !fitsWorksheet()) {
        workbook = true;
        ShowStatus(u"자료가 %L1행을 넘어 Excel 통합 문서(*.xlsx)로 저장합니다."_s.arg(XlsRecords));
    }
    fileName = WithExtension(fileName, workbook ? u".xlsx"_s : u".xls"_s);
    if (QFileInfo::exists(fileName) && !ConfirmBox(u"이미 존재하는 파일입니다.\r새 내용으로 덮어쓸까요?"_s))
        return {};
    if (!workbook) {
        if (!writeWorksheet(fileName)) {
            ErrorBox(u"Excel 파일로 저장할 수 없습니다."_s);
            return {};
        }
        return fileName;
    }
    QString reason;
    switch (writeWorkbook(fileName, reason)) {
    case Written::Done:
        return fileName;
    case Written::Cancelled:
        ShowStatus(u"Excel 파일 저장을 취소했습니다."_s);
        return {};
    case Written::Failed:
        break;
    }
    ErrorBox(reason.isEmpty() ? u"Excel 파일로 저장할 수 없습니다."_s : u"Excel 파일로 저장할 수 없습니다.\r"_s + reason);
    return {};
}

bool TfrmZZS020::fitsWorksheet()
{
    const int current = rgrGrid->currentRow();
    rgrGrid->setUpdatesEnabled(false);
    while (cdsQuery->canFetchMore() && cdsQuery->rowCount() <= XlsRecords)
        cdsQuery->fetchMore();
    if (current >= 0)
        rgrGrid->setCurrentRow(current);
    rgrGrid->setUpdatesEnabled(true);
    return cdsQuery->rowCount() <= XlsRecords;
}

TfrmZZS020::Written TfrmZZS020::writeWorkbook(const QString &fileName, QString &reason)
{
    const int columns = cdsQuery->columnCount();
    if (columns > XlsxWriter::MaxColumns)
        return Written::Failed;
    // The rows the grid has not read stay on the server until written: the
    // list is read again (as a print reads it), in large batches, and
    // written as it comes, so that memory does not grow with its length.
    SqlQuery query(qryQuery.sql());
    query.setStreamed(true, ExportBatch);
    query.setServer(DataModule::Server::Replica); // where the list itself was read
    const QHash<QString, QString> &binds = qryQuery.binds();
    for (auto it = binds.begin(); it != binds.end(); ++it)
        query.bind(it.key(), it.value());
    {
        const ServerWait wait(this);
        const CancelKeys cancelKeys(this);
        query.exec();
    }
    ResultStream &rows = *query.stream();

    XlsxWriter out(fileName);
    out.text(0, 0, windowTitle());
    // Columns by their place in the grid, which the operator may have
    // changed; hidden ones too, hidden in the sheet as well.
    const QHeaderView *header = rgrGrid->horizontalHeader();
    struct Cell
    {
        int field;
        XlsxWriter::Column kind;
    };
    QList<Cell> cells;
    for (int position = 0; position < columns; ++position) {
        const int column = header->logicalIndex(position);
        const ColumnDef &def = cdsQuery->column(column);
        const bool hidden = rgrGrid->isColumnHidden(column);
        out.setColumn(position, hidden ? def.width : rgrGrid->columnWidth(column), hidden);
        out.title(2, position, def.title);
        int field = -1;
        for (int i = 0; i < rows.fields().size() && field < 0 && !def.field.isEmpty(); ++i)
            if (rows.fields().at(i).compare(def.field, Qt::CaseInsensitive) == 0)
                field = i;
        const auto kind = def.alignment & Qt::AlignRight ? XlsxWriter::Column::Number
                          : def.displayMask == DateKeyMask ? XlsxWriter::Column::DateKey
                                                           : XlsxWriter::Column::Text;
        cells.append({field, kind});
    }
    out.freezeRows(FirstRecordRow);

    ExportProgress progress(this);
    int row = FirstRecordRow;
    while (out.ok() && rows.next()) {
        if (row == XlsxWriter::MaxRows) {
            reason = u"자료가 %L1행을 넘습니다."_s.arg(XlsxWriter::MaxRows - FirstRecordRow);
            return Written::Failed;
        }
        for (int position = 0; position < columns; ++position) {
            const Cell &cell = cells.at(position);
            if (cell.field >= 0)
                out.record(row, position, rows.bytes(cell.field), cell.kind);
        }
        ++row;
        if ((row - FirstRecordRow) % ExportBatch == 0 && !progress.rows(row - FirstRecordRow))
            return Written::Cancelled;
    }
    // A list the server stopped sending would be written short.
    if (!rows.failure().isEmpty()) {
        reason = rows.failure();
        return Written::Failed;
    }
    progress.finishing();
    return out.close() ? Written::Done : Written::Failed;
}

bool TfrmZZS020::writeWorksheet(const QString &fileName)
{
    const int current = rgrGrid->currentRow();
    rgrGrid->setUpdatesEnabled(false);
    cdsQuery->fetchAll();
    const int rows = cdsQuery->rowCount();
    const int columns = cdsQuery->columnCount();
    bool ok = false;
    // Rows past the last 16-bit row number would wrap onto the first ones;
    // a list the server stopped sending would be written short.
    if (rows + FirstRecordRow <= MaxRows && columns <= MaxRows && cdsQuery->fetchFailure().isEmpty()) {
        QFile file(fileName);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            const QHeaderView *header = rgrGrid->horizontalHeader();
            XlsWriter out(file);
            out.begin();
            out.text(0, 0, windowTitle());
            // Columns by their place in the grid, which the operator may have changed.
            for (int position = 0; position < columns; ++position)
                out.text(2, quint16(position), cdsQuery->column(header->logicalIndex(position)).title);
            // Each column's record field and alignment, looked up once.
            QList<std::pair<int, bool>> cells;
            for (int position = 0; position < columns; ++position) {
                const ColumnDef &def = cdsQuery->column(header->logicalIndex(position));
                cells.append({def.field.isEmpty() ? -1 : cdsQuery->fieldIndex(def.field),
                              bool(def.alignment & Qt::AlignRight)});
            }
            for (int row = 0; row < rows; ++row) {
                for (int position = 0; position < columns; ++position) {
                    const auto [field, rightAligned] = cells.at(position);
                    const QString text = cdsQuery->value(row, field);
                    const auto cellRow = quint16(row + FirstRecordRow);
                    const auto cellColumn = quint16(position);
                    if (XlsWriter::IsNumberCell(text, rightAligned))
                        out.number(cellRow, cellColumn, text.isEmpty() ? 0.0 : text.toDouble());
                    else
                        out.text(cellRow, cellColumn, text);
                }
            }
            out.end();
            ok = out.ok() && file.flush();
            file.close();
            ok = ok && file.error() == QFileDevice::NoError;
        }
    }
    if (current >= 0)
        rgrGrid->setCurrentRow(current);
    rgrGrid->setUpdatesEnabled(true);
    return ok;
}
