#pragma once

#include "EZS000.h"

// Daily sales of the sports outlets by sales category, with a total row.
class TfrmEFS010 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmEFS010(QWidget *parent = nullptr);

    // The list's SQL: one row per sales date, then the total.
    static QString ListSql();
    // The captions of the two base areas: Main.ini [SALES] AREA1_NAME and AREA2_NAME.
    static QStringList AreaNames();
};
