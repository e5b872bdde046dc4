#pragma once

#include "AccidentScreen.h"

class TextEdit;

// "패트롤 사고기록 조회 - 이름별": today's accidents and every accident of
// a person of the given name, in the entry screen's layout; nothing is saved.
class TfrmEEI021 : public AccidentScreen
{
    Q_OBJECT

public:
    explicit TfrmEEI021(QWidget *parent = nullptr);

protected:
    bool BeforeSearch() override;
    void Searched() override;
    void Cancelled() override;

private:
    TextEdit *edtFindName = nullptr;
};
