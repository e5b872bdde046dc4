#pragma once

#include "TfrmZZMain.h"

// This module's main window: the base plus the table of its screens.
class TfrmE0Main : public TfrmZZMain
{
    Q_OBJECT

public:
    explicit TfrmE0Main(QWidget *parent = nullptr, const QString &projectId = {});

    // The ids of the table, in its order.
    static QStringList ScreenIds();

protected:
    TfrmZZI000 *CreateScreen(const QString &id) override;
};
