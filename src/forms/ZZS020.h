#pragma once

#include "ColumnDef.h"
#include "ZZP010.h"
#include "ZZS010.h"

#include <functional>
#include <memory>

class GridModel;
class GridView;
class QMenu;
class QSplitter;
class QToolButton;

// The search base with the result list: qryQuery's rows in the grid
// rgrGrid, fetched 100 at a time as they are needed, record navigation,
// the column menu, the spreadsheet export, and Print and Preview through
// the screen's printed layout, made by the factory it was given.
class TfrmZZS020 : public TfrmZZS010
{
    Q_OBJECT

public:
    // The printed layout of the list, given the grid's columns.
    using ReportFactory = std::function<std::unique_ptr<TfrmZZP010>(const QList<ColumnDef> &columns)>;

    TfrmZZS020(const QString &formName, const QString &caption, QWidget *parent = nullptr);
    TfrmZZS020(const QString &formName, const QString &caption, ReportFactory report, QWidget *parent = nullptr);

    // The screen's layout with its condition lines from the search bar;
    // null when the screen prints nothing.
    std::unique_ptr<TfrmZZP010> PrintedLayout();

    // The common start, then the column menu rebuilt from the grid's columns.
    bool bbtSearchClick() override;
    // Ctrl+F11: ExportToExcel, then the offer to open the file.
    virtual bool bbtExcelClick();
    // F11 and Shift+F11: the screen's layout with the rows of the last
    // search, to the printer or into the preview (see RunReport).
    bool bbtPrintClick() override;
    bool bbtPreviewClick() override;

    // Writes the whole result list to a worksheet file: the binary .xls, or
    // the .xlsx workbook when the operator chose it or the list is longer
    // than the .xls holds; the file name, or empty when nothing was written
    // (the reason was shown).
    QString ExportToExcel();

    // The most records the .xls holds below its title and column captions.
    static constexpr int XlsRecords = 65533;

    // The name with the extension `extension` (".xls") unless it has it in any case.
    static QString WithExtension(const QString &fileName, const QString &extension);
    static QString WithXlsExtension(const QString &fileName) { return WithExtension(fileName, QStringLiteral(".xls")); }

protected:
    // The layout's condition lines from the search bar.
    virtual void FillConditions(TfrmZZP010 & /*report*/) {}
    // After the layout read its rows: what it prints besides them (totals).
    virtual void ReportOpened(TfrmZZP010 & /*report*/) {}
    // Creates the layout, fills its conditions, gives it qryQuery's text and
    // values of the last search, lets it read the rows, prints or previews,
    // and closes it whatever happened. Without a search there is nothing to
    // print: the message line says so.
    bool RunReport(bool preview);

    // Runs qryQuery (its text and binds as the screen set them) into the result list.
    void OpenList();
    void RebuildColumnMenu();
    void CloseQueries() override;

    GridModel *cdsQuery = nullptr;
    GridView *rgrGrid = nullptr;
    QMenu *popGrid = nullptr;
    QSplitter *splGrid = nullptr;
    QFrame *panInfo = nullptr; // hidden; a screen may show it
    QToolButton *sbtFirst = nullptr;
    QToolButton *sbtPrior = nullptr;
    QToolButton *sbtNext = nullptr;
    QToolButton *sbtLast = nullptr;
    QPushButton *bbtExcel = nullptr;

private:
    bool writeWorksheet(const QString &fileName);
    // Whether the list fits the .xls, read that far into the grid.
    bool fitsWorksheet();
    enum class Written { Done, Cancelled, Failed };
    // The list read again from the server and written as it comes, with the
    // progress window; `reason` is what the failure box adds.
    Written writeWorkbook(const QString &fileName, QString &reason);

    ReportFactory m_report;
};
