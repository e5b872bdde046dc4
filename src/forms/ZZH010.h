#pragma once

#include "ZZH000.h"

class QHBoxLayout;

// A dialog with a search bar along its top: panSearch with Search (F3) at
// its right; the search fields of a dialog go to its left.
class TfrmZZH010 : public TfrmZZH000
{
    Q_OBJECT

public:
    static constexpr int SearchBarHeight = 40;

    TfrmZZH010(const QString &formName, const QString &caption, QWidget *parent = nullptr);

    virtual bool bbtSearchClick();

protected:
    QFrame *panSearch = nullptr;
    QPushButton *bbtSearch = nullptr;
    QHBoxLayout *m_searchLayout = nullptr; // the search fields, left to right
    QVBoxLayout *m_mainLayout = nullptr;   // panMain: search bar, then the body
};
