#pragma once

#include "AccidentScreen.h"

class TextEdit;

// "패트롤 사고기록  조회": the accidents of a person of exactly the given
// name, on every page of the record with the pictures; nothing is saved.
class TfrmEES010 : public AccidentScreen
{
    Q_OBJECT

public:
    explicit TfrmEES010(QWidget *parent = nullptr);

    bool bbtCancelClick() override;

private:
    TextEdit *edtFindName = nullptr;
};
