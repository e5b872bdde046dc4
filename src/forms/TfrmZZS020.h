#pragma once

#include "TfrmZZS010.h"

class GridModel;
class GridView;
class QMenu;
class QSplitter;
class QToolButton;

// The search base with the result list: qryQuery's rows in the grid
// rgrGrid, fetched 100 at a time as they are needed, record navigation,
// the column menu and the spreadsheet export.
class TfrmZZS020 : public TfrmZZS010
{
    Q_OBJECT

public:
    TfrmZZS020(const QString &formName, const QString &caption, QWidget *parent = nullptr);

    // The common start, then the column menu rebuilt from the grid's columns.
    bool bbtSearchClick() override;
    // Ctrl+F11: ExportToExcel, then the offer to open the file.
    virtual bool bbtExcelClick();

    // Writes the whole result list to a worksheet file; the file name, or
    // empty when nothing was written (the reason was shown).
    QString ExportToExcel();

    // The name with the extension ".xls" unless it has it in any case.
    static QString WithXlsExtension(const QString &fileName);

protected:
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
};
