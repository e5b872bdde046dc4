#pragma once

#include <QStringList>

#include <functional>
#include <memory>

class DataModule;
class SingleInstance;
class Splash;
class QWidget;

// The start-up of the process: single instance, splash, the launcher's four
// arguments, the password, the connection and the main window.
class Application
{
public:
    using MainWindowFactory = std::function<std::unique_ptr<QWidget>()>;

    // arguments: the launcher's arguments (without the program);
    // exePath: the executable, whose folder holds the INI files.
    Application(QStringList arguments, QString exePath);
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    // Runs the steps up to the creation of the main window. False when the
    // process must end now (another copy runs, wrong arguments, no
    // connection); exitCode() then tells with what.
    bool start(const MainWindowFactory &createMainWindow);
    int exitCode() const { return m_exitCode; }

    // Removes the splash, shows the main window and runs the event loop.
    int exec();

    QWidget *mainWindow() const { return m_mainWindow.get(); }
    DataModule *dataModule() const { return m_dataModule.get(); }

    // Lets the single-instance socket's requests reach the main window: raise
    // brings it to the front, open runs its OpenScreen(name, id) slot.
    static void ConnectInstance(SingleInstance &instance, QWidget *window);

    // The module's id in the menu tables: the executable's name, upper case.
    static QString ProjectId(const QString &exePath);

private:
    bool createDataModule();
    QString password() const;

    QStringList m_arguments;
    QString m_exePath;
    int m_exitCode = 0;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<Splash> m_splash;
    std::unique_ptr<DataModule> m_dataModule;
    std::unique_ptr<QWidget> m_mainWindow;
};
