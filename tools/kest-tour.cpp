// Opens every screen of the dispatch table in the real main window against a
// database with the demo data, runs its search and saves a picture of it:
//   kest-tour FOLDER [SCREEN_ID...]
// FOLDER gets SCREEN_ID.png per screen. Exit 1 names every screen that could
// not open, showed an error box or could not search. The server is found as
// the client finds it (PGHOST, PGPORT); KEST_TOUR_DB (default kest),
// KEST_TOUR_EMPLOYEE (D0001), KEST_TOUR_NAME, KEST_LOGIN_ROLE (ktuser) and
// KEST_LOGIN_PASSWORD (kest2026) say as whom; KEST_TOUR_REPORTS (the checkout's
// reports/) where the report viewer reads its definitions; KEST_TOUR_SIZE (1024x768) the
// window's size. scripts/tour runs it.
#include "Application.h"
#include "CodeCombo.h"
#include "FieldTable.h"
#include "Modal.h"
#include "ReportViewer.h"
#include "Routines.h"
#include "TfrmE0Main.h"
#include "ZZI000.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QEventLoop>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Search values that find demo rows where the screen's defaults find none
// or cannot search: objectName and value.
struct Preset
{
    QString id;
    QList<std::pair<QString, QString>> values;
};

const QList<Preset> &presets()
{
    static const QList<Preset> table = {
        {u"EBI020"_s, {{u"cboEquipGubun"_s, u"CS"_s}}}, // the first kind in the list has no items
        {u"EBI040"_s, {{u"edtRentNo"_s, u"1"_s}}}, // today's first demo rental of the main building
        {u"EBI050"_s, {{u"edtSeason"_s, u"26"_s}}},
        {u"EAS020"_s, {{u"edtObsePlace"_s, u"A1"_s}}},
        {u"EAS030"_s, {{u"edtObsePlace"_s, u"A1"_s}}},
        {u"EBS100"_s, {{u"edtSeason"_s, u"26"_s}}},
        {u"EBS120"_s, {{u"edtSeason"_s, u"26"_s}}},
        {u"EBS130"_s, {{u"edtSeason"_s, u"26"_s}}},
        {u"ECI010"_s, {{u"edtSeason"_s, u"26"_s}}},
        {u"ECI020"_s, {{u"edtSeason"_s, u"26"_s}, {u"edtReceiptNo"_s, u"1"_s}}},
        {u"ECI050"_s, {{u"dtpDate"_s, u"+1"_s}}}, // days after the load: today cannot be booked
        {u"ECI080"_s, {{u"edtEventNo"_s, u"4400000001"_s}}},
        {u"ECS090"_s, {{u"edtSeason"_s, u"26"_s}}},
        {u"ECS100"_s, {{u"edtSeason"_s, u"26"_s}}},
        {u"ECS130"_s, {{u"dtpDate"_s, u"+1"_s}}}, // staff book the days after the load
        {u"ECS160"_s, {{u"edtEventNo"_s, u"4400000001"_s}}},
        {u"EDI020"_s, {{u"edtSeason"_s, u"26"_s}}},
        {u"EDI030"_s, {{u"edtSeason"_s, u"26"_s}}}, // today is a judged test day of the demo
        {u"EDS050"_s, {{u"edtSeason"_s, u"26"_s}}},
        {u"EDS060"_s, {{u"edtSeason"_s, u"26"_s}}},
        {u"EHS030"_s, {{u"edtSeasonYear"_s, QString::number(QDate::currentDate().year())}}}, // it starts at 2010
        {u"EHS040"_s, {{u"dtpFromDate"_s, u"-30"_s}}}, // the demo's sales of this month
        {u"EFS020"_s, {{u"edt_Upjang_No"_s, u"5003"_s}}}, // no outlet of its own
        {u"EFS060"_s, {{u"edt_Upjang_No"_s, u"5003"_s}}},
    };
    return table;
}

// Records every box; answers No to questions, so that the tour changes
// nothing, and cancels every dialog.
class TourModal final : public ModalHandler
{
public:
    struct Box
    {
        BoxKind kind;
        QString text;
    };
    QList<Box> boxes;

    bool showBox(BoxKind kind, const QString &text) override
    {
        boxes.append({kind, text});
        return false;
    }
    QString askSaveFileName(QWidget *, const QString &, const QString &, QString *) override { return {}; }
    int runDialog(QDialog &) override { return QDialog::Rejected; }
    bool askPrinter(QPrinter &, QWidget *) override { return false; }
    bool openWithDesktop(const QString &) override { return true; }
};

QString oneLine(QString text)
{
    return text.replace(u"\r\n"_s, u" "_s).replace(u'\r', u' ').replace(u'\n', u' ');
}

void say(const QString &line)
{
    std::fprintf(stderr, "kest-tour: %s\n", line.toUtf8().constData());
    std::fflush(stderr);
}

// Lets queued work (focus, layouts, deferred deletes) run.
void settle()
{
    for (int round = 0; round < 5; ++round) {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

bool writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(text.toUtf8()) >= 0;
}

QString env(const char *name, const QString &fallback)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

// The menu's caption of a screen; the id when the menu does not offer it.
QString menuName(QMainWindow &window, const QString &id)
{
    for (QAction *menu : window.menuBar()->actions()) {
        if (!menu->menu())
            continue;
        for (QAction *entry : menu->menu()->actions())
            if (entry->data().toString() == id)
                return entry->text();
    }
    return id;
}

// What went wrong in the boxes since the last look: an error box, or a
// search stopped at a required field.
QString fault(TourModal &modal, const QString &step)
{
    QString found;
    for (const TourModal::Box &box : std::as_const(modal.boxes)) {
        if (box.kind == BoxKind::Error)
            found = step + u": error box: "_s + oneLine(box.text);
        else if (box.text.endsWith(EnterFirst) || box.text.endsWith(EnterCorrectly))
            found = step + u": the search did not run: "_s + oneLine(box.text);
        else
            say(step + u": "_s + (box.kind == BoxKind::Information ? u"information: "_s : u"question: "_s)
                + oneLine(box.text));
        if (!found.isEmpty())
            break;
    }
    modal.boxes.clear();
    return found;
}

QString applyPreset(TfrmZZI000 &screen, const QString &id)
{
    for (const Preset &preset : presets()) {
        if (preset.id != id)
            continue;
        for (const auto &[name, value] : preset.values) {
            QWidget *control = screen.findChild<QWidget *>(name);
            if (auto *combo = qobject_cast<CodeCombo *>(control))
                combo->setCode(value);
            else if (auto *edit = qobject_cast<QLineEdit *>(control))
                edit->setText(value);
            else if (auto *date = qobject_cast<QDateEdit *>(control);
                     date && (value.startsWith(u'+') || value.startsWith(u'-')))
                date->setDate(QDate::currentDate().addDays(value.toInt()));
            else
                return u"the tour's search value for "_s + name + u" has no such field"_s;
        }
    }
    return {};
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    UseKorean();
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first().startsWith(u'-')) {
        std::fprintf(stderr, "usage: kest-tour FOLDER [SCREEN_ID...]\n");
        return 2;
    }
    const QDir folder(args.takeFirst());
    if (!QDir().mkpath(folder.path())) {
        say(u"cannot make "_s + folder.path());
        return 2;
    }
    const QStringList ids = args.isEmpty() ? TfrmE0Main::ScreenIds() : args;
    for (const QString &id : ids) {
        if (!TfrmE0Main::ScreenIds().contains(id)) {
            say(id + u": not in the table of screens"_s);
            return 2;
        }
    }

    // A counter of its own: INI files beside a stand-in executable, and no
    // ticket printer.
    QTemporaryDir home;
    const QString role = env("KEST_LOGIN_ROLE", u"ktuser"_s);
    if (!home.isValid()
        || !writeFile(home.filePath(u"Main.ini"_s),
                      u"[MAIN]\nPROGRAM_COUNT=10\n[DATABASE]\nHOST=%1\nPORT=%2\n[REPORT]\nSERVER=%3\nLOCAL_FOLDER=%3\n"_s.arg(
                          qEnvironmentVariable("PGHOST"), qEnvironmentVariable("PGPORT"),
                          env("KEST_TOUR_REPORTS", QStringLiteral(KEST_REPORTS_DIR))))
        || !writeFile(home.filePath(u"RVUpdate.ini"_s),
                      u"[PROGRAM]\nPASS=%1\n"_s.arg(
                          Scramble(env("KEST_LOGIN_PASSWORD", u"kest2026"_s), PasswordStartKey)))
        || !writeFile(home.filePath(u"Kest_E.ini"_s),
                      u"[Role]\nType=2\nCode=E10\nName=스포츠운영팀\n[Counter]\nId=TOUR\n[Printer]\nPort=%1\n"_s.arg(
                          home.filePath(u"no-printer"_s)))) {
        say(u"cannot write the INI files"_s);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("KEST_INSTANCE_NAME"))
        qputenv("KEST_INSTANCE_NAME", "kest-tour-" + QByteArray::number(QCoreApplication::applicationPid()));

    TourModal modal;
    ModalHandlerScope scope(modal);
    Application app({env("KEST_TOUR_DB", u"kest"_s), role, env("KEST_TOUR_EMPLOYEE", u"D0001"_s),
                     env("KEST_TOUR_NAME", u"데모사용자"_s)},
                    home.filePath(u"Kest_E"_s));
    if (!app.start([] { return std::make_unique<TfrmE0Main>(nullptr, u"KEST_E"_s); })) {
        const QString why = fault(modal, u"start"_s);
        say(why.isEmpty() ? u"start: the client did not start"_s : why);
        return 1;
    }
    auto *window = qobject_cast<TfrmE0Main *>(app.mainWindow());
    auto *tabs = window->findChild<QTabWidget *>(u"pgcTabs"_s);
    // The counter's screen; KEST_TOUR_SIZE (such as 1920x1080) for a larger one.
    const QStringList size = env("KEST_TOUR_SIZE", u"1024x768"_s).split(u'x');
    window->resize(size.value(0).toInt() > 0 ? size.value(0).toInt() : 1024,
                   size.value(1).toInt() > 0 ? size.value(1).toInt() : 768);
    window->show();
    settle();
    if (QString why = fault(modal, u"start"_s); !why.isEmpty()) {
        say(why);
        return 1;
    }

    QStringList failed;
    for (const QString &id : ids) {
        // A picture of an earlier run must not stand for a screen that fails now.
        const QString path = folder.filePath(id + u".png"_s);
        QFile::remove(path);
        const int before = tabs->count();
        window->OpenScreen(menuName(*window, id), id);
        settle();
        auto *screen = qobject_cast<TfrmZZI000 *>(tabs->currentWidget());
        QString why;
        if (!screen || screen->ScreenId() != id || tabs->count() != before + 1)
            why = id + u": the screen did not open"_s;
        if (why.isEmpty())
            why = fault(modal, id + u" opening"_s);
        if (why.isEmpty())
            why = applyPreset(*screen, id);
        if (why.isEmpty()) {
            auto *search = screen->findChild<QAbstractButton *>(u"bbtSearch"_s);
            if (search && search->isVisible() && search->isEnabled()) {
                search->click();
                settle();
                why = fault(modal, id + u" search"_s);
            }
        }
        // A report screen's viewer says in its area what went wrong.
        if (auto *viewer = screen ? screen->findChild<ReportViewer *>() : nullptr; why.isEmpty() && viewer) {
            for (int waited = 0; viewer->loading() && waited < 100; ++waited)
                settle();
            if (!viewer->document() && !viewer->message().isEmpty())
                why = id + u": the report viewer says "_s + oneLine(viewer->message());
        }
        if (why.isEmpty()) {
            if (!window->grab().save(path))
                why = id + u": cannot write "_s + path;
            else
                say(id + u": "_s + path);
        }
        if (screen && tabs->indexOf(screen) >= 0) {
            window->CloseActiveScreen();
            settle();
            if (tabs->count() != before && why.isEmpty())
                why = id + u": the screen did not close"_s;
            if (QString closing = fault(modal, id + u" closing"_s); why.isEmpty())
                why = closing;
        }
        if (!why.isEmpty()) {
            say(why.startsWith(id) ? why : id + u": "_s + why);
            failed.append(id);
        }
    }
    std::fprintf(stderr, "kest-tour: %lld passed, %lld failed%s\n", static_cast<long long>(ids.size() - failed.size()),
                 static_cast<long long>(failed.size()),
                 failed.isEmpty() ? "" : qPrintable(u" ("_s + failed.join(u", "_s) + u')'));
    return failed.isEmpty() ? 0 : 1;
}
