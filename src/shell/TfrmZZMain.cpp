#include "TfrmZZMain.h"

#include "Application.h"
#include "DataModule.h"
#include "Guard.h"
#include "LauncherLink.h"
#include "Modal.h"
#include "Routines.h"
#include "SaveTransaction.h"
#include "SqlQuery.h"
#include "StartupValues.h"
#include "ZZI000.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QFrame>
#include <QMenuBar>
#include <QPainter>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString MenuSql = uR"(
SELECT menu_id, menu_name
  FROM za040ms
 WHERE project_id = :P0
   AND display_seq > 0
 ORDER BY display_seq, menu_id)"_s;

// A screen is offered when the employee's level or a personal grant gives
// it and no personal withdrawal takes it away.
const QString ProgramSql = uR"(
SELECT menu_id, program_id, program_name
  FROM za050ms
 WHERE project_id = :P0
   AND menu_id = :P1
   AND program_id IN ((SELECT program_id
                         FROM za140ms
                        WHERE project_id = :P0
                          AND project_level = (SELECT project_level
                                                 FROM za130ms
                                                WHERE emp_no = :P2
                                                  AND project_id = :P0))
                      UNION ALL
                      (SELECT program_id
                         FROM za150ms
                        WHERE emp_no = :P2
                          AND project_id = :P0
                          AND add_yn = 'Y')
                      EXCEPT
                      (SELECT program_id
                         FROM za150ms
                        WHERE emp_no = :P2
                          AND project_id = :P0
                          AND add_yn = 'N'))
   AND display_seq > 0
 ORDER BY display_seq, program_id)"_s;

QIcon drawMarker(bool active)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    if (active) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x20, 0x90, 0x30));
        painter.drawPolygon(QPolygon({QPoint(5, 3), QPoint(12, 8), QPoint(5, 13)}));
    } else {
        painter.setPen(QColor(0xA0, 0xA0, 0xA0));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRect(5, 5, 6, 6));
    }
    return QIcon(pixmap);
}

} // namespace

TfrmZZI000 *CreateFromTable(std::span<const ScreenEntry> table, const QString &id)
{
    for (const ScreenEntry &entry : table)
        if (entry.id == id)
            return entry.create();
    return nullptr;
}

TfrmZZMain::TfrmZZMain(QWidget *parent, const QString &projectId)
    : QMainWindow(parent),
      m_projectId(projectId.isEmpty() ? Application::ProjectId(QCoreApplication::applicationFilePath()) : projectId)
{
    setObjectName(u"frmE0Main"_s);
    setMinimumSize(1024, 746);
    setFont(FixedScreenFont(12));
    m_programLimit = IniNumber(u"Main.ini"_s, u"MAIN"_s, u"PROGRAM_COUNT"_s, 10, 1, 100);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    pgcTabs = new QTabWidget(central);
    pgcTabs->setObjectName(u"pgcTabs"_s);
    pgcTabs->setDocumentMode(true);
    pgcTabs->hide();
    layout->addWidget(pgcTabs);
    auto *back = new QFrame(central);
    back->setObjectName(u"panBack"_s);
    back->setFrameStyle(QFrame::Box | QFrame::Plain);
    back->setAutoFillBackground(true);
    QPalette workspace = back->palette();
    workspace.setColor(QPalette::Window, QColor(0xAB, 0xAB, 0xAB));
    back->setPalette(workspace);
    panBack = back;
    layout->addWidget(panBack);
    setCentralWidget(central);
    connect(pgcTabs, &QTabWidget::currentChanged, this, [this](int index) {
        updateMarkers();
        // The screen in front takes the keys, not the tab bar.
        if (auto *screen = qobject_cast<TfrmZZI000 *>(pgcTabs->widget(index)))
            screen->RestoreFocus();
    });

    mmuMenu = new QMenuBar(this);
    mmuMenu->setObjectName(u"mmuMenu"_s);
    setMenuBar(mmuMenu);
    mnuWindow = mmuMenu->addMenu(u"창(&W)"_s);
    mnuWindow->setObjectName(u"mnuWindow"_s);
    mniClose = mnuWindow->addAction(u"종료"_s);
    mniClose->setObjectName(u"mniClose"_s);
    mniClose->setShortcut(QKeySequence(Qt::Key_F12));
    mniClose->setVisible(false);
    // A hidden entry takes no key, so F12 has a shortcut of its own.
    auto *closeKey = new QShortcut(QKeySequence(Qt::Key_F12), this);
    closeKey->setContext(Qt::WindowShortcut);
    connect(closeKey, &QShortcut::activated, this, &TfrmZZMain::CloseActiveScreen);
    connect(mniClose, &QAction::triggered, this, &TfrmZZMain::CloseActiveScreen);

    DataModule *module = DataModule::instance();
    if (!module || !module->isConnected())
        return;
    buildMenu();
    setWindowTitle(u"스포츠관리("_s + DisplayName(Startup().databaseUser) + u')');
}

TfrmZZMain::~TfrmZZMain() = default;

QString TfrmZZMain::DisplayName(const QString &databaseUser)
{
    return SqlQuery::scalar(u"SELECT detail_name FROM zx010ms WHERE head = 'Z9999' AND detail = :P0"_s,
                            {{u"P0"_s, databaseUser.toUpper()}});
}

QIcon TfrmZZMain::MarkerImage(int index)
{
    static const QIcon markers[] = {drawMarker(false), drawMarker(true)};
    return markers[index == 1 ? 1 : 0];
}

void TfrmZZMain::buildMenu()
{
    // One result at a time on the connection: the menus first, then each one's screens.
    QList<std::pair<QString, QString>> menuRows;
    SqlQuery menus(MenuSql);
    menus.bind(u"P0"_s, m_projectId);
    menus.exec();
    while (menus.next())
        menuRows.append({menus.value(u"MENU_ID"_s), menus.value(u"MENU_NAME"_s)});
    menus.close();

    SqlQuery programs(ProgramSql);
    for (const auto &[menuId, menuName] : std::as_const(menuRows)) {
        programs.bind(u"P0"_s, m_projectId);
        programs.bind(u"P1"_s, menuId);
        programs.bind(u"P2"_s, Startup().employeeNo);
        programs.exec();
        QMenu *menu = nullptr;
        while (programs.next()) {
            if (!menu) {
                menu = new QMenu(menuName, mmuMenu);
                menu->setObjectName(u"mnu"_s + menuId);
                mmuMenu->insertMenu(mnuWindow->menuAction(), menu);
            }
            const QString id = programs.value(u"PROGRAM_ID"_s);
            m_menuIds.insert(id);
            QAction *entry = menu->addAction(programs.value(u"PROGRAM_NAME"_s));
            entry->setObjectName(u"mni"_s + id);
            entry->setData(id);
            entry->setToolTip(id);
            entry->setStatusTip(id);
            connect(entry, &QAction::triggered, this, [this, entry, id] {
                if (!OpenScreen(entry->text(), id))
                    InfoBox(u"준비 중인 화면입니다."_s);
            });
        }
        programs.close();
    }
}

TfrmZZI000 *TfrmZZMain::CreateScreen(const QString &)
{
    return nullptr;
}

bool TfrmZZMain::OpenScreen(const QString &name, const QString &id)
{
    for (int i = 0; i < pgcTabs->count(); ++i) {
        if (pgcTabs->tabToolTip(i) == id) {
            pgcTabs->setCurrentIndex(i);
            updateMarkers();
            return true;
        }
    }
    if (pgcTabs->count() >= m_programLimit) {
        ErrorBox(u"최대 %1개의 프로그램만 동시에 실행할 수 있습니다."_s.arg(m_programLimit));
        return true;
    }
    const qsizetype cut = name.indexOf(u"(&"_s);
    const QString caption = cut >= 0 ? name.left(cut) : name;

    TfrmZZI000 *screen = nullptr;
    if (!RunGuarded([&] { screen = CreateScreen(id); }))
        return true; // the failure was shown
    if (!screen)
        return false;

    // The window menu's entries follow the tabs one for one.
    QAction *entry = new QAction(caption, mnuWindow);
    entry->setData(id);
    entry->setToolTip(id);
    connect(entry, &QAction::triggered, this, [this, caption, id] { OpenScreen(caption, id); });
    mnuWindow->addAction(entry);
    m_windowEntries.append(entry);

    pgcTabs->show();
    panBack->hide();
    const int index = pgcTabs->addTab(screen, caption);
    pgcTabs->setTabToolTip(index, id);
    connect(screen, &TfrmZZI000::closeRequested, this, [this, screen] {
        const int at = pgcTabs->indexOf(screen);
        if (at >= 0)
            closeScreenAt(at);
    });
    pgcTabs->setCurrentIndex(index);
    screen->show();
    screen->FocusFirst();
    updateMarkers();
    return true;
}

void TfrmZZMain::OpenRequested(const QString &name, const QString &id)
{
    // The link is the user's own; this is the menu's rule once more, should
    // anything else reach it.
    if (!m_menuIds.contains(id)) {
        qWarning().noquote() << u"launcher request refused: %1 is not in the employee's menu"_s.arg(id.left(40));
        return;
    }
    if (m_openingRequest || BoxShowing() || QApplication::activeModalWidget()) {
        qWarning().noquote() << u"launcher request refused while a box is open: %1"_s.arg(id.left(40));
        return;
    }
    const QScopedValueRollback opening(m_openingRequest, true);
    OpenScreen(name, id);
}

void TfrmZZMain::CloseActiveScreen()
{
    if (pgcTabs->currentIndex() >= 0)
        closeScreenAt(pgcTabs->currentIndex());
}

void TfrmZZMain::closeScreenAt(int index)
{
    QWidget *screen = pgcTabs->widget(index);
    if (!screen->close())
        return;
    pgcTabs->removeTab(index);
    delete m_windowEntries.takeAt(index);
    // The screen may be running the handler that asked for this.
    screen->setParent(nullptr);
    screen->deleteLater();
    if (pgcTabs->count() == 0) {
        pgcTabs->hide();
        panBack->show();
    }
    updateMarkers();
}

void TfrmZZMain::updateMarkers()
{
    const int active = pgcTabs->currentIndex();
    for (int i = 0; i < pgcTabs->count(); ++i) {
        const QIcon marker = MarkerImage(i == active ? 1 : 0);
        pgcTabs->setTabIcon(i, marker);
        if (i < m_windowEntries.size())
            m_windowEntries.at(i)->setIcon(marker);
    }
}

void TfrmZZMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    resizeScreens();
}

void TfrmZZMain::resizeScreens()
{
    const QWidget *active = pgcTabs->currentWidget();
    if (!active)
        return;
    const QSize size = active->size();
    for (int i = 0; i < pgcTabs->count(); ++i)
        if (auto *screen = qobject_cast<TfrmZZI000 *>(pgcTabs->widget(i)))
            screen->HostResized(size.width(), size.height());
}

void TfrmZZMain::closeEvent(QCloseEvent *event)
{
    for (int open = pgcTabs->count(); open > 0; --open) {
        const int before = pgcTabs->count();
        CloseActiveScreen();
        // A screen that refuses would only be asked again: stop there.
        if (pgcTabs->count() == before)
            break;
    }
    if (pgcTabs->count() > 0) {
        event->ignore();
        return;
    }
    event->accept();
    LauncherLink::SendModuleClosed(m_projectId);
}
