#include "Application.h"
#include "Routines.h"
#include "TfrmE0Main.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    UseKorean();
    QApplication::setApplicationVersion(QStringLiteral(KEST_VERSION));

    Application app(QApplication::arguments().mid(1), QApplication::applicationFilePath());
    if (!app.start([] { return std::make_unique<TfrmE0Main>(); }))
        return app.exitCode();
    return app.exec();
}
