#pragma once

#include "EZS000.h"

class QLabel;

// The lesson accidents of a day; the current accident's parties and
// account below the list.
class TfrmECS150 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmECS150(QWidget *parent = nullptr);

private:
    void showDetails(int row);

    QList<std::pair<QLabel *, QString>> m_details; // and the field each shows
};
