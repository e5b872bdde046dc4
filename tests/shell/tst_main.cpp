#include "Application.h"
#include "Modal.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "SingleInstance.h"
#include "StartupValues.h"
#include "TestDatabase.h"
#include "TestScreens.h"
#include "TfrmE0Main.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString Project = u"TSTPRJ"_s;

// Menus, screens, levels and personal grants of a project of the tests' own.
const QString PermissionFixture = uR"(
INSERT INTO za040ms (project_id, menu_id, menu_name, display_seq) VALUES
    ('TSTPRJ', 'M1', '시험메뉴(&T)', 1), ('TSTPRJ', 'M2', '빈메뉴', 2),
    ('TSTPRJ', 'M3', '숨은메뉴', 0), ('TSTPRJ', 'M4', '시험화면', 3);
INSERT INTO za050ms (project_id, menu_id, program_id, program_name, display_seq) VALUES
    ('TSTPRJ', 'M1', 'ZXA002', '화면2', 2), ('TSTPRJ', 'M1', 'ZXA001', '화면1', 1),
    ('TSTPRJ', 'M1', 'ZXA003', '숨은화면', 0), ('TSTPRJ', 'M2', 'ZXB001', '화면B', 1),
    ('TSTPRJ', 'M3', 'ZXC001', '화면C', 1),
    ('TSTPRJ', 'M4', 'ZXI010', '장비등록(&A)', 1), ('TSTPRJ', 'M4', 'ZXS010', '공통코드 조회', 2),
    ('TSTPRJ', 'M4', 'ZXI011', '등록2', 3), ('TSTPRJ', 'M4', 'ZXI012', '등록3', 4),
    ('TSTPRJ', 'M4', 'EXX999', '없는 화면', 5);
INSERT INTO za130ms (emp_no, project_id, project_level) VALUES
    ('P01', 'TSTPRJ', 'L1'), ('P03', 'TSTPRJ', 'L2'), ('P04', 'TSTPRJ', 'L1'), ('T0001', 'TSTPRJ', 'L9'),
    ('P02', 'OTHER', 'L2');
INSERT INTO za140ms (project_id, project_level, program_id) VALUES
    ('TSTPRJ', 'L1', 'ZXA001'), ('TSTPRJ', 'L1', 'ZXA003'), ('TSTPRJ', 'L1', 'ZXC001'),
    ('TSTPRJ', 'L2', 'ZXA001'), ('TSTPRJ', 'L2', 'ZXA002'), ('TSTPRJ', 'L2', 'ZXB001'),
    ('TSTPRJ', 'L9', 'ZXI010'), ('TSTPRJ', 'L9', 'ZXS010'), ('TSTPRJ', 'L9', 'ZXI011'),
    ('TSTPRJ', 'L9', 'ZXI012'), ('TSTPRJ', 'L9', 'EXX999');
INSERT INTO za150ms (emp_no, project_id, program_id, add_yn) VALUES
    ('P02', 'TSTPRJ', 'ZXA002', 'Y'), ('P02', 'OTHER', 'ZXA001', 'Y'),
    ('P03', 'TSTPRJ', 'ZXA002', 'N'), ('P03', 'TSTPRJ', 'ZXB001', 'N'),
    ('P04', 'TSTPRJ', 'ZXB001', 'Y'), ('P04', 'TSTPRJ', 'ZXA002', 'Y'),
    ('P05', 'TSTPRJ', 'ZXA001', 'N');
)"_s;

void setEmployee(const QString &employeeNo)
{
    StartupValues values = Startup();
    values.employeeNo = employeeNo;
    SetStartupValues(values);
}

// The program menus as "title: id id ...", in menu order.
QStringList programMenus(const QMainWindow &main)
{
    QStringList menus;
    for (QAction *action : main.menuBar()->actions()) {
        QMenu *menu = action->menu();
        if (!menu || menu->objectName() == u"mnuWindow"_s)
            continue;
        QStringList ids;
        for (QAction *entry : menu->actions())
            ids.append(entry->data().toString());
        menus.append(menu->title() + u": "_s + ids.join(u' '));
    }
    return menus;
}

QTabWidget *tabsOf(QMainWindow &main)
{
    return main.findChild<QTabWidget *>(u"pgcTabs"_s);
}

// The window menu's entries after the hidden "종료": caption|id.
QStringList windowEntries(QMainWindow &main)
{
    QStringList entries;
    const QList<QAction *> actions = main.findChild<QMenu *>(u"mnuWindow"_s)->actions();
    for (qsizetype i = 1; i < actions.size(); ++i)
        entries.append(actions.at(i)->text() + u'|' + actions.at(i)->data().toString());
    return entries;
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestMain_ : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        m_db->adminExec(PermissionFixture);
        QVERIFY(m_dir.isValid());
        QFile ini(m_dir.filePath(u"Main.ini"_s));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[MAIN]\nPROGRAM_COUNT=3\n");
        ini.close();
        StartupValues values = Startup();
        values.exeDir = m_dir.path() + u'/';
        SetStartupValues(values);
        qputenv("KEST_LAUNCHER_NAME", "kest-launcher-" + QByteArray::number(QCoreApplication::applicationPid()));
    }

    void init() { setEmployee(QString::fromLatin1(TestDatabase::EmployeeNo)); }

    void menuShowsPermittedScreens_data()
    {
        QTest::addColumn<QString>("employee");
        QTest::addColumn<QStringList>("menus");
        QTest::newRow("level grant; hidden menu and screen left out")
            << u"P01"_s << QStringList{u"시험메뉴(&T): ZXA001"_s};
        QTest::newRow("personal Y without a level")
            << u"P02"_s << QStringList{u"시험메뉴(&T): ZXA002"_s};
        QTest::newRow("personal N over a level grant; menu with nothing permitted")
            << u"P03"_s << QStringList{u"시험메뉴(&T): ZXA001"_s};
        QTest::newRow("level and personal grants in display order")
            << u"P04"_s << QStringList{u"시험메뉴(&T): ZXA001 ZXA002"_s, u"빈메뉴: ZXB001"_s};
        QTest::newRow("withdrawal alone grants nothing") << u"P05"_s << QStringList{};
    }
    void menuShowsPermittedScreens()
    {
        QFETCH(QString, employee);
        QFETCH(QStringList, menus);
        setEmployee(employee);
        RecordingModal boxes;
        TestMain main(Project);
        QCOMPARE(programMenus(main), menus);
        QCOMPARE(main.menuBar()->actions().constLast()->text(), u"창(&W)"_s);
        QCOMPARE(main.windowTitle(), u"스포츠관리(스포츠운영)"_s);
        QVERIFY(boxes.boxes.isEmpty());
    }

    void menuEntryOpensScreenInTabCutBeforeMnemonic()
    {
        RecordingModal boxes;
        ShownScreen<TestMain> main(Project);
        QVERIFY(main.exposed());
        QVERIFY(!tabsOf(*main)->isVisible());

        main->findChild<QAction *>(u"mniZXI010"_s)->trigger();
        QTabWidget *tabs = tabsOf(*main);
        QVERIFY(tabs->isVisible());
        QCOMPARE(tabs->count(), 1);
        QCOMPARE(tabs->tabText(0), u"장비등록"_s);
        QCOMPARE(tabs->tabToolTip(0), u"ZXI010"_s);
        QCOMPARE(windowEntries(*main), QStringList{u"장비등록|ZXI010"_s});
        auto *screen = qobject_cast<TfrmZXI010 *>(tabs->widget(0));
        QVERIFY(screen);
        QCOMPARE(screen->objectName(), u"frmZXI010"_s);
        // Search mode: the first search field has the focus.
        QCOMPARE(QApplication::focusWidget(), screen->edtKey);
        QVERIFY(boxes.boxes.isEmpty());
    }

    void limitStopsNewScreensButOpenOnesComeToFront()
    {
        RecordingModal boxes;
        ShownScreen<TestMain> main(Project);
        QVERIFY(main.exposed());
        QCOMPARE(main->ProgramLimit(), 3);
        main->OpenScreen(u"등록1"_s, u"ZXI010"_s);
        main->OpenScreen(u"조회"_s, u"ZXS010"_s);
        main->OpenScreen(u"등록2"_s, u"ZXI011"_s);
        QTabWidget *tabs = tabsOf(*main);
        QCOMPARE(tabs->count(), 3);
        QVERIFY(boxes.boxes.isEmpty());

        main->OpenScreen(u"등록3"_s, u"ZXI012"_s);
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(boxes.texts(), QStringList{u"최대 3개의 프로그램만 동시에 실행할 수 있습니다."_s});
        QCOMPARE(boxes.boxes.constFirst().kind, BoxKind::Error);

        boxes.clear();
        main->findChild<QAction *>(u"mniZXI010"_s)->trigger();
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(boxes.boxes.isEmpty());
        // The window menu's entry does the same.
        main->findChild<QMenu *>(u"mnuWindow"_s)->actions().at(2)->trigger();
        QCOMPARE(tabs->currentIndex(), 1);
    }

    void markersFollowTheActiveTab()
    {
        ShownScreen<TestMain> main(Project);
        QVERIFY(main.exposed());
        main->OpenScreen(u"등록1"_s, u"ZXI010"_s);
        main->OpenScreen(u"조회"_s, u"ZXS010"_s);
        QTabWidget *tabs = tabsOf(*main);
        const QList<QAction *> entries = main->findChild<QMenu *>(u"mnuWindow"_s)->actions();
        const qint64 active = TfrmZZMain::MarkerImage(1).cacheKey();
        const qint64 other = TfrmZZMain::MarkerImage(0).cacheKey();
        QVERIFY(active != other);
        QCOMPARE(tabs->tabIcon(0).cacheKey(), other);
        QCOMPARE(tabs->tabIcon(1).cacheKey(), active);
        QCOMPARE(entries.at(1)->icon().cacheKey(), other);
        QCOMPARE(entries.at(2)->icon().cacheKey(), active);
        tabs->setCurrentIndex(0);
        QCOMPARE(tabs->tabIcon(0).cacheKey(), active);
        QCOMPARE(entries.at(2)->icon().cacheKey(), other);
    }

    // The screen in front has the keys: after a tab switch (a click, the
    // window menu, another tab closing) and after a box or dialog closed.
    void focusComesBackToTheScreen()
    {
        ShownScreen<TestMain> main(Project);
        QVERIFY(main.exposed());
        main->OpenScreen(u"등록1"_s, u"ZXI010"_s);
        QTabWidget *tabs = tabsOf(*main);
        auto *first = qobject_cast<TfrmZXI010 *>(tabs->widget(0));
        QVERIFY(first);
        QCOMPARE(QApplication::focusWidget(), first->edtKey);
        main->OpenScreen(u"등록2"_s, u"ZXI011"_s);
        auto *second = qobject_cast<TfrmZXI010 *>(tabs->widget(1));
        QVERIFY(second && second->isAncestorOf(QApplication::focusWidget()));
        tabs->tabBar()->setFocus();
        tabs->setCurrentIndex(0);
        QCOMPARE(QApplication::focusWidget(), first->edtKey);
        main->findChild<QMenu *>(u"mnuWindow"_s)->actions().at(2)->trigger();
        QVERIFY(second->isAncestorOf(QApplication::focusWidget()));
        // The second tab closed (F12): the first takes the keys again.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(tabs->count(), 1);
        QCOMPARE(QApplication::focusWidget(), first->edtKey);

        // A message box and a dialog, as the operator meets them (no
        // recording handler): each gives the window and the field back.
        const auto closeWhenShown = [] {
            QTimer::singleShot(50, [] {
                if (QWidget *box = QApplication::activeModalWidget())
                    box->close();
            });
        };
        closeWhenShown();
        InfoBox(u"알림"_s);
        QTRY_COMPARE(QApplication::activeWindow(), main.get());
        QTRY_COMPARE(QApplication::focusWidget(), first->edtKey);
        // A box opened before the window's activation came back from the
        // last one (a lost connection told right after the save's question).
        QApplication::setActiveWindow(nullptr);
        closeWhenShown();
        ErrorBox(u"연결 끊김"_s);
        QTRY_COMPARE(QApplication::activeWindow(), main.get());
        QTRY_COMPARE(QApplication::focusWidget(), first->edtKey);
        closeWhenShown();
        QDialog dialog(main.get());
        auto *field = new QLineEdit(&dialog);
        field->setFocus();
        modal().runDialog(dialog);
        QTRY_COMPARE(QApplication::activeWindow(), main.get());
        QTRY_COMPARE(QApplication::focusWidget(), first->edtKey);
        // And its keys work: F12 closes it.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(tabs->count(), 0);
    }

    void unknownScreenIdOpensNoTab()
    {
        RecordingModal boxes;
        ShownScreen<TfrmE0Main> main(nullptr, Project);
        QVERIFY(main.exposed());
        // The menu's entry says its screen is not there yet; a launcher's
        // request for an unknown id is left alone.
        main->findChild<QAction *>(u"mniEXX999"_s)->trigger();
        QCOMPARE(boxes.texts(), QStringList{u"준비 중인 화면입니다."_s});
        QVERIFY(!main->OpenScreen(u"없는 화면"_s, u"ebi040"_s));
        QCOMPARE(tabsOf(*main)->count(), 0);
        QVERIFY(!tabsOf(*main)->isVisible());
        QVERIFY(windowEntries(*main).isEmpty());
        QCOMPARE(boxes.boxes.size(), 1);
    }

    void f12AndCloseButtonCloseTheActiveScreen()
    {
        ShownScreen<TestMain> main(Project);
        QVERIFY(main.exposed());
        main->OpenScreen(u"등록1"_s, u"ZXI010"_s);
        main->OpenScreen(u"등록2"_s, u"ZXI011"_s);
        QTabWidget *tabs = tabsOf(*main);
        QPointer<QWidget> second = tabs->widget(1);
        QPointer<QWidget> first = tabs->widget(0);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);
        flushDeletes();
        QVERIFY(second.isNull());
        QCOMPARE(tabs->count(), 1);
        QCOMPARE(windowEntries(*main), QStringList{u"등록1|ZXI010"_s});

        auto *refusing = qobject_cast<TfrmZXI010 *>(first.data());
        refusing->refuseClose = true;
        QTest::mouseClick(refusing->findChild<QPushButton *>(u"bbtClose"_s), Qt::LeftButton);
        flushDeletes();
        QVERIFY(!first.isNull());
        QCOMPARE(tabs->count(), 1);
        QCOMPARE(refusing->closeQuestions, 1);

        refusing->refuseClose = false;
        QTest::mouseClick(refusing->findChild<QPushButton *>(u"bbtClose"_s), Qt::LeftButton);
        flushDeletes();
        QVERIFY(first.isNull());
        QCOMPARE(tabs->count(), 0);
        QVERIFY(!tabs->isVisible());
        QVERIFY(windowEntries(*main).isEmpty());
    }

    void leavingClosesEveryScreenThenTellsTheLauncher()
    {
        QLocalServer launcher;
        QLocalServer::removeServer(qEnvironmentVariable("KEST_LAUNCHER_NAME"));
        QVERIFY(launcher.listen(qEnvironmentVariable("KEST_LAUNCHER_NAME")));

        ShownScreen<TestMain> main(Project);
        QVERIFY(main.exposed());
        main->OpenScreen(u"등록1"_s, u"ZXI010"_s);
        main->OpenScreen(u"조회"_s, u"ZXS010"_s);
        main->OpenScreen(u"등록2"_s, u"ZXI011"_s);
        QList<QPointer<QWidget>> screens;
        for (int i = 0; i < 3; ++i)
            screens.append(tabsOf(*main)->widget(i));

        QVERIFY(main->close());
        flushDeletes();
        for (const QPointer<QWidget> &screen : std::as_const(screens))
            QVERIFY(screen.isNull());
        QVERIFY(!main->isVisible());

        QVERIFY(launcher.waitForNewConnection(5000));
        QLocalSocket *socket = launcher.nextPendingConnection();
        QTRY_VERIFY(socket->canReadLine() || socket->waitForReadyRead(100));
        QCOMPARE(socket->readLine(), QByteArray("closed\tTSTPRJ\n"));
    }

    void aScreenThatRefusesKeepsTheWindowOpen()
    {
        QLocalServer launcher;
        QLocalServer::removeServer(qEnvironmentVariable("KEST_LAUNCHER_NAME"));
        QVERIFY(launcher.listen(qEnvironmentVariable("KEST_LAUNCHER_NAME")));

        ShownScreen<TestMain> main(Project);
        QVERIFY(main.exposed());
        main->OpenScreen(u"등록1"_s, u"ZXI010"_s);
        main->OpenScreen(u"등록2"_s, u"ZXI011"_s);
        auto *first = qobject_cast<TfrmZXI010 *>(tabsOf(*main)->widget(0));
        auto *active = qobject_cast<TfrmZXI010 *>(tabsOf(*main)->widget(1));
        active->refuseClose = true;

        QVERIFY(!main->close());
        QVERIFY(main->isVisible());
        QCOMPARE(tabsOf(*main)->count(), 2);
        QCOMPARE(active->closeQuestions, 1); // asked once, not once per tab
        QCOMPARE(first->closeQuestions, 0);
        QVERIFY(!launcher.waitForNewConnection(300)); // the module did not close

        active->refuseClose = false;
        QVERIFY(main->close());
    }

    void resizingGivesEveryScreenTheTabSize()
    {
        ShownScreen<TestMain> main(Project);
        QVERIFY(main.exposed());
        main->OpenScreen(u"등록1"_s, u"ZXI010"_s);
        main->OpenScreen(u"조회"_s, u"ZXS010"_s);
        main->resize(1300, 900);
        QTabWidget *tabs = tabsOf(*main);
        QTRY_COMPARE(tabs->currentWidget()->width(), tabs->width());
        const QSize size = tabs->currentWidget()->size();
        QCOMPARE(tabs->widget(0)->size(), size);
        main->resize(1100, 800);
        QTRY_VERIFY(tabs->currentWidget()->size() != size);
        QCOMPARE(tabs->widget(0)->size(), tabs->currentWidget()->size());
    }

    void launcherOpenRequestOpensTheScreen()
    {
        const QString name = u"kest-open-"_s + QString::number(QCoreApplication::applicationPid());
        SingleInstance instance;
        QVERIFY(instance.claim(name));
        ShownScreen<TestMain> main(Project);
        QVERIFY(main.exposed());
        Application::ConnectInstance(instance, main.get());

        QLocalSocket launcher;
        launcher.connectToServer(SingleInstance::serverPath(name));
        QVERIFY(launcher.waitForConnected(2000));
        launcher.write("open\tbroken\nopen\t");
        launcher.write(u"공통코드 조회(&S)\tZXS010\n"_s.toUtf8());
        QVERIFY(launcher.waitForBytesWritten(2000));
        QTRY_COMPARE(tabsOf(*main)->count(), 1);
        QCOMPARE(tabsOf(*main)->tabText(0), u"공통코드 조회"_s);
        QCOMPARE(tabsOf(*main)->tabToolTip(0), u"ZXS010"_s);
    }

    // The link asks as the menu does: a screen the employee's menu lacks
    // stays shut, one it offers opens.
    void launcherOpenOfAWithheldScreenIsRefused()
    {
        m_db->adminExec(u"INSERT INTO za130ms (emp_no, project_id, project_level) VALUES ('P06', 'TSTPRJ', 'L6')"
                        " ON CONFLICT DO NOTHING;"
                        " INSERT INTO za140ms (project_id, project_level, program_id) VALUES ('TSTPRJ', 'L6', 'ZXS010')"
                        " ON CONFLICT DO NOTHING"_s);
        setEmployee(u"P06"_s);
        const QString name = u"kest-withheld-"_s + QString::number(QCoreApplication::applicationPid());
        SingleInstance instance;
        QVERIFY(instance.claim(name));
        TestMain main(Project);
        Application::ConnectInstance(instance, &main);

        QLocalSocket launcher;
        launcher.connectToServer(SingleInstance::serverPath(name));
        QVERIFY(launcher.waitForConnected(2000));
        QTest::ignoreMessage(QtWarningMsg, "launcher request refused: ZXI010 is not in the employee's menu");
        launcher.write(u"open\t장비등록\tZXI010\nopen\t공통코드 조회\tZXS010\n"_s.toUtf8());
        QVERIFY(launcher.waitForBytesWritten(2000));
        QTRY_COMPARE(tabsOf(main)->count(), 1);
        QCOMPARE(tabsOf(main)->tabToolTip(0), u"ZXS010"_s);
        QTest::qWait(100);
        QCOMPARE(tabsOf(main)->count(), 1);
    }

    // Open requests that come while a box waits for the operator are
    // refused: however many come, one box is up at a time, and the client
    // goes on working afterwards.
    void floodOfOpenRequestsWithABoxUp()
    {
        const QString name = u"kest-flood-"_s + QString::number(QCoreApplication::applicationPid());
        SingleInstance instance;
        QVERIFY(instance.claim(name));
        ShownScreen<TestMain> main(Project);
        QVERIFY(main.exposed());
        Application::ConnectInstance(instance, main.get());
        main->OpenScreen(u"등록1"_s, u"ZXI010"_s);
        main->OpenScreen(u"조회"_s, u"ZXS010"_s);
        main->OpenScreen(u"등록2"_s, u"ZXI011"_s); // the limit of three is reached

        // A box that keeps its event loop running while it is up, as a real
        // one does; the flood arrives meanwhile.
        struct WaitingBoxes : RecordingModal
        {
            QString path;
            int depth = 0;
            int deepest = 0;
            std::vector<std::unique_ptr<QLocalSocket>> flood;
            bool showBox(BoxKind kind, const QString &text) override
            {
                RecordingModal::showBox(kind, text);
                deepest = std::max(deepest, ++depth);
                if (flood.empty())
                    for (int i = 0; i < 300; ++i) {
                        auto socket = std::make_unique<QLocalSocket>();
                        socket->connectToServer(path);
                        socket->write(u"open\t등록3\tZXI012\nopen\t등록3\tZXI012\n"_s.toUtf8());
                        flood.push_back(std::move(socket));
                    }
                QTest::qWait(1500);
                --depth;
                return true;
            }
        } boxes;
        boxes.path = SingleInstance::serverPath(name);
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(u"^launcher request refused while a box is open: ZXI012$"_s));

        QLocalSocket launcher;
        launcher.connectToServer(boxes.path);
        QVERIFY(launcher.waitForConnected(2000));
        launcher.write(u"open\t등록3\tZXI012\n"_s.toUtf8());
        QVERIFY(launcher.waitForBytesWritten(2000));
        QTRY_COMPARE(boxes.boxes.size(), 1);
        QTRY_COMPARE(boxes.depth, 0);
        QCOMPARE(boxes.deepest, 1);
        QCOMPARE(boxes.lastText(), u"최대 3개의 프로그램만 동시에 실행할 수 있습니다."_s);
        boxes.flood.clear();
        QTest::qWait(200);
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(tabsOf(*main)->count(), 3);

        // Afterwards a request is served again.
        launcher.write(u"open\t조회\tZXS010\n"_s.toUtf8());
        QVERIFY(launcher.waitForBytesWritten(2000));
        QTRY_COMPARE(tabsOf(*main)->currentIndex(), 1);
    }

    // Another user listening first under the client's socket name is
    // reported and told nothing; the client runs without the link.
    void squattedSocketNameIsReportedAndRefused()
    {
        const QString name = u"kest-squat-"_s + QString::number(QCoreApplication::applicationPid());
        QLocalServer squatter;
        QVERIFY(squatter.listen(SingleInstance::serverPath(name)));
        QByteArray heard;
        connect(&squatter, &QLocalServer::newConnection, this, [&] {
            QLocalSocket *socket = squatter.nextPendingConnection();
            connect(socket, &QLocalSocket::readyRead, this, [&heard, socket] { heard += socket->readAll(); });
        });
        SingleInstance::setExpectedUid(static_cast<long long>(::getuid()) + 1); // the squatter is someone else
        RecordingModal boxes;
        SingleInstance instance;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^instance socket .* belongs to another user$"_s));
        const bool runs = instance.claim(name);
        SingleInstance::setExpectedUid(-1);
        QVERIFY(runs);
        QVERIFY(instance.squatted());
        QCOMPARE(boxes.boxes.size(), 1);
        QVERIFY2(boxes.lastText().startsWith(u"다른 사용자가 프로그램의 연결 이름("_s), qPrintable(boxes.lastText()));
        QTest::qWait(200);
        QCOMPARE(heard, QByteArray());
    }

    // The socket lies in the user's runtime folder, or carries the user id.
    void socketPathIsTheUsersOwn()
    {
        const QString path = SingleInstance::serverPath(u"Kest_E"_s);
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        QVERIFY2(path.endsWith(u"/Kest_E-"_s + QString::number(::getuid()))
                     || (!runtime.isEmpty() && path == runtime + u"/Kest_E"_s),
                 qPrintable(path));
        QCOMPARE(SingleInstance::serverPath(u"/some/where/sock"_s), u"/some/where/sock"_s);
    }

private:
    std::unique_ptr<TestDatabase> m_db;
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestMain_)
#include "tst_main.moc"
