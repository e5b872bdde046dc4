// The floor of start-up: a Qt program that connects to the database as the
// login role, runs one query, shows one window and ends once it is painted.
//   kest_bench_bare_window DATABASE USER PASSWORD   (PGHOST, PGPORT from the environment)
#include <QApplication>
#include <QMainWindow>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

class Window : public QMainWindow
{
protected:
    void paintEvent(QPaintEvent *event) override
    {
        QMainWindow::paintEvent(event);
        QTimer::singleShot(0, [] { std::_Exit(0); });
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc > 3) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"));
        db.setDatabaseName(QString::fromLocal8Bit(argv[1]));
        db.setUserName(QString::fromLocal8Bit(argv[2]));
        db.setPassword(QString::fromLocal8Bit(argv[3]));
        db.setHostName(qEnvironmentVariable("PGHOST"));
        db.setPort(qEnvironmentVariableIntValue("PGPORT"));
        QSqlQuery query(db);
        if (!db.open() || !query.exec(QStringLiteral("SELECT current_user")) || !query.next()) {
            std::fprintf(stderr, "bare window: no database\n");
            return 1;
        }
    }
    Window window;
    window.resize(1024, 768);
    window.show();
    return app.exec();
}
