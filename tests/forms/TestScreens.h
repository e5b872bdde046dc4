#pragma once

#include "EZS000.h"
#include "ZZI010.h"
#include "TfrmZZMain.h"

class QLineEdit;

// Screens that exist only to drive the bases in tests.

// A search screen over the common codes of one group.
class TfrmZXS010 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmZXS010(QWidget *parent = nullptr);

    bool bbtSearchClick() override;
    bool bbtPrintClick() override;

    int searches = 0; // searches that went past the inherited Search
    int prints = 0;

    QLineEdit *edtHead = nullptr;
    QLineEdit *edtName = nullptr;
};

// An entry screen with one field on the search bar and two in the working
// area; it may refuse to close.
class TfrmZXI010 : public TfrmZZI010
{
    Q_OBJECT

public:
    explicit TfrmZXI010(const QString &screenId = QStringLiteral("ZXI010"), QWidget *parent = nullptr);

    bool bbtSaveClick() override;

    int saves = 0;
    bool refuseClose = false;
    int closeQuestions = 0;

    QLineEdit *edtKey = nullptr;
    QLineEdit *edtName = nullptr;
    QLineEdit *edtStamp = nullptr; // read-only

protected:
    void closeEvent(QCloseEvent *event) override;
};

// A main window whose table knows the test screens: "ZXS010" and every id
// starting with "ZXI".
class TestMain : public TfrmZZMain
{
    Q_OBJECT

public:
    explicit TestMain(const QString &projectId) : TfrmZZMain(nullptr, projectId) {}

protected:
    TfrmZZI000 *CreateScreen(const QString &id) override;
};
