#pragma once

#include "AccidentScreen.h"

class TextEdit;

// "패트롤 사고기록  조회": the accidents of a person of exactly the given
// name, on every page of the record with the pictures. Read only, but for
// the holder of the grant to record where accidents happened: he corrects
// every page, the markers included, and saves (F2).
class TfrmEES010 : public AccidentScreen
{
    Q_OBJECT

public:
    explicit TfrmEES010(QWidget *parent = nullptr);

    bool bbtCancelClick() override;

protected:
    void Saved(const SavedRows &saved) override;

private:
    TextEdit *edtFindName = nullptr;
};
