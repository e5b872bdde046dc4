#pragma once

#include "AccidentList.h"

class AccidentMap;
class QTabWidget;

// "일일 사고현황 조회,출력" over a period: the accidents from one date to another.
class TfrmEES120 : public AccidentList
{
    Q_OBJECT

public:
    explicit TfrmEES120(QWidget *parent = nullptr);

    // The list, then its accidents on the map.
    bool bbtSearchClick() override;
    bool bbtCancelClick() override;

protected:
    // "*사고일자: from ∼ to" on the first line, the place class on the second.
    void FillConditions(TfrmZZP010 &report) override;

private:
    void showOnMap();

    QTabWidget *pgcMap = nullptr;
    AccidentMap *mapAccident = nullptr;
};
