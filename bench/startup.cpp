// The client's start-up until its main window with the menu is painted,
// against a bare Qt window painted by a program that holds nothing else but
// a connection as the login role and one query. Both are whole processes,
// timed from their start by this one, in turns.
#include "Application.h"
#include "Bench.h"
#include "Benches.h"
#include "SingleInstance.h"
#include "TfrmE0Main.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QTimer>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// Ends the process once the first paint of the window has been drawn.
class EndOnPaint : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, [] { std::_Exit(0); });
        return false;
    }
};

double timeProcess(const QString &program, const QStringList &args, int index)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString instance = u"kest_bench_%1_%2"_s.arg(QCoreApplication::applicationPid()).arg(index);
    env.insert(u"KEST_INSTANCE_NAME"_s, instance);
    child.setProcessEnvironment(env);
    const double ms = TimeMs([&] {
        child.start(program, args);
        if (!child.waitForFinished(60000) || child.exitCode() != 0)
            qFatal("%s failed: %s", qPrintable(program), child.readAllStandardError().constData());
    });
    // The client ended without closing its instance socket.
    QLocalServer::removeServer(SingleInstance::serverPath(instance));
    return ms;
}

} // namespace

int StartupChild(const QStringList &args)
{
    int argc = 1;
    char name[] = "kest_bench";
    char *argv[] = {name, nullptr};
    QApplication qapp(argc, argv);
    Application app(args.mid(1), args.value(0));
    if (!app.start([] { return std::make_unique<TfrmE0Main>(); }))
        return 1;
    EndOnPaint end;
    app.mainWindow()->installEventFilter(&end);
    return app.exec();
}

void BenchStartup(BenchRun &run)
{
    const QString path = u"P6 start-up to the menu (floor: bare window, connection, one query)"_s;
    const QString client = qEnvironmentVariable("KEST_APP");
    const QString database = qEnvironmentVariable("KEST_APP_DATABASE", u"kest_bench"_s);
    if (client.isEmpty() || !QFileInfo::exists(client)) {
        run.table.failed(path, u"KEST_APP names no client program"_s);
        return;
    }
    const QString bare = QFileInfo(run.self).absolutePath() + u"/kest_bench_bare_window"_s;
    const QString password = qEnvironmentVariable("KEST_LOGIN_PASSWORD", u"kest2026"_s);
    int index = 0;
    const QList<Sample> s = Interleave(
        run.runs, {[&] {
                       return timeProcess(run.self, {u"child"_s, u"startup"_s, client, database, u"ktuser"_s,
                                                     u"D0001"_s, u"벤치"_s},
                                          ++index);
                   },
                   [&] { return timeProcess(bare, {database, u"ktuser"_s, password}, ++index); }});
    run.table.ratio(path, s.at(0), s.at(1), 1.5);
}
