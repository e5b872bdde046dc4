#include "TfrmZZMain.h"

#include "SqlQuery.h"
#include "StartupValues.h"

using namespace Qt::StringLiterals;

TfrmZZMain::TfrmZZMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(u"frmE0Main"_s);
    setMinimumSize(1024, 746);
    setWindowTitle(u"스포츠관리(%1)"_s.arg(DisplayName(Startup().databaseUser)));
}

QString TfrmZZMain::DisplayName(const QString &databaseUser)
{
    return SqlQuery::scalar(u"SELECT detail_name FROM zx010ms WHERE head = 'Z9999' AND detail = :P0"_s,
                            {{u"P0"_s, databaseUser.toUpper()}});
}
