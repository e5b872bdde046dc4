#pragma once

#include <QMainWindow>

// The main window: the only top-level window of the running system.
class TfrmZZMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit TfrmZZMain(QWidget *parent = nullptr);

    // The database user's display name of common-code group "Z9999".
    static QString DisplayName(const QString &databaseUser);
};
