#pragma once

#include "ZZI000.h"

// The base of search screens: the search bar with Search, and Print and
// Preview on the button panel. The screen does the searching and printing.
class TfrmZZS010 : public TfrmZZI000
{
    Q_OBJECT

public:
    TfrmZZS010(const QString &formName, const QString &caption, QWidget *parent = nullptr);

    virtual bool bbtSearchClick();  // F3
    virtual bool bbtPrintClick();   // F11
    virtual bool bbtPreviewClick(); // Shift+F11

protected:
    QPushButton *bbtSearch = nullptr;
    QPushButton *bbtPrint = nullptr;
    QPushButton *bbtPreview = nullptr;
};
