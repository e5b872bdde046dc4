#pragma once

#include <QIcon>
#include <QMainWindow>
#include <QSet>

#include <span>

class QMenu;
class QTabWidget;
class TfrmZZI000;

// One line of a main window's dispatch table: a screen id and how to make
// its screen.
struct ScreenEntry
{
    QString id;
    TfrmZZI000 *(*create)();
};

template <class Screen>
TfrmZZI000 *MakeScreen()
{
    return new Screen();
}

// The screen of an id (compared exactly) made from a table; null when the
// table lacks the id.
TfrmZZI000 *CreateFromTable(std::span<const ScreenEntry> table, const QString &id);

// The main window: the only top-level window of the running system. Its
// menu holds the screens the employee may use; every opened screen lives
// in a tab, at most PROGRAM_COUNT of them at once.
class TfrmZZMain : public QMainWindow
{
    Q_OBJECT

public:
    // projectId: selects this module's rows in the menu tables; empty takes
    // the executable's name in upper case.
    explicit TfrmZZMain(QWidget *parent = nullptr, const QString &projectId = {});
    ~TfrmZZMain() override;

    // The database user's display name of common-code group "Z9999".
    static QString DisplayName(const QString &databaseUser);
    // The marker of the active tab (1) and of the others (0).
    static QIcon MarkerImage(int index);

    const QString &ProjectId() const { return m_projectId; }
    int ProgramLimit() const { return m_programLimit; }

public slots:
    // Brings the screen's tab to the front, or opens the screen in a new tab.
    // Also what the launcher's open request runs. False for an id without a
    // screen (nothing was opened or said).
    bool OpenScreen(const QString &name, const QString &id);
    // The launcher's open request: OpenScreen for a screen the menu offers
    // the employee. Refused (with a line in the log) for a screen the menu
    // withholds, and while a box or dialog waits for the operator, so that a
    // flood of requests never stacks boxes.
    void OpenRequested(const QString &name, const QString &id);
    // Asks the active screen to close; its tab goes when the screen accepts.
    void CloseActiveScreen();

protected:
    // The screen of an id; null for an id this module does not know.
    virtual TfrmZZI000 *CreateScreen(const QString &id);

    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildMenu();
    void closeScreenAt(int index);
    void updateMarkers();
    void resizeScreens();

    QString m_projectId;
    int m_programLimit = 10;
    QSet<QString> m_menuIds; // the screens the menu offers
    bool m_openingRequest = false;
    QMenuBar *mmuMenu = nullptr;
    QMenu *mnuWindow = nullptr;
    QAction *mniClose = nullptr;
    QTabWidget *pgcTabs = nullptr;
    QWidget *panBack = nullptr;
    QList<QAction *> m_windowEntries; // one per tab, in tab order
};
