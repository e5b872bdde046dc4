#pragma once

#include "EZH000.h"

#include <QList>

class QLineEdit;

// Members by name, with the chosen member's details beside the list. A
// cancelled member cannot be picked.
class TfrmEZH030 : public TfrmEZH000
{
    Q_OBJECT

public:
    explicit TfrmEZH030(QWidget *parent = nullptr);

protected:
    bool AcceptsRow(int row) override;

private:
    void ShowDetails(int row);

    QList<std::pair<QString, QLineEdit *>> m_details; // field, its edit
};
