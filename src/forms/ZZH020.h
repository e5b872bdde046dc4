#pragma once

#include "ZZH010.h"

class GridModel;
class GridView;
class QLabel;
class QToolButton;

// A dialog with a result grid under its search bar, record navigation on
// the button panel and a status bar: panel 0 the dialog's id, panel 1 the
// message line.
class TfrmZZH020 : public TfrmZZH010
{
    Q_OBJECT

public:
    TfrmZZH020(const QString &formName, const QString &caption, QWidget *parent = nullptr);
    ~TfrmZZH020() override;

    GridModel &Grid() const { return *m_grid; }
    QString StatusMessage() const;

protected:
    void ShowStatus(const QString &text) override;

    GridView *rgrGrid = nullptr;
    GridModel *m_grid = nullptr;
    QWidget *panBody = nullptr;
    QVBoxLayout *m_gridLayout = nullptr; // rgrGrid and what goes under it
    QHBoxLayout *m_bodyLayout = nullptr; // the grids and what goes beside them
    QToolButton *sbtFirst = nullptr;
    QToolButton *sbtPrior = nullptr;
    QToolButton *sbtNext = nullptr;
    QToolButton *sbtLast = nullptr;
    QFrame *stbMessage = nullptr;

private:
    QLabel *m_idPanel = nullptr;
    QLabel *m_messagePanel = nullptr;
};
