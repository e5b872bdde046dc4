#include "Application.h"

#include "DataModule.h"
#include "Guard.h"
#include "Modal.h"
#include "Routines.h"
#include "SaveTransaction.h"
#include "SingleInstance.h"
#include "Splash.h"
#include "StartupValues.h"

#include <QApplication>
#include <QFileInfo>
#include <QWidget>

using namespace Qt::StringLiterals;

Application::Application(QStringList arguments, QString exePath)
    : m_arguments(std::move(arguments)), m_exePath(std::move(exePath))
{
}

Application::~Application()
{
    m_mainWindow.reset();
    m_dataModule.reset();
}

QString Application::ProjectId(const QString &exePath)
{
    return QFileInfo(exePath).completeBaseName().toUpper();
}

bool Application::start(const MainWindowFactory &createMainWindow)
{
    m_instance = std::make_unique<SingleInstance>();
    if (!m_instance->claim())
        return false;

    m_splash = std::make_unique<Splash>(WithTrailingSeparator(QFileInfo(m_exePath).absolutePath()));
    m_splash->showNow();

    if (!createDataModule()) {
        m_exitCode = 1;
        return false;
    }

    RunGuarded([&] { m_mainWindow = createMainWindow(); });
    if (!m_mainWindow) {
        m_exitCode = 1;
        return false;
    }
    ConnectInstance(*m_instance, m_mainWindow.get());
    return true;
}

void Application::ConnectInstance(SingleInstance &instance, QWidget *window)
{
    QObject::connect(&instance, &SingleInstance::activationRequested, window, [window] {
        if (window->isMinimized())
            window->showNormal();
        window->raise();
        window->activateWindow();
    });
    QObject::connect(&instance, &SingleInstance::openRequested, window, [window](const QString &name, const QString &id) {
        QMetaObject::invokeMethod(window, "OpenRequested", Q_ARG(QString, name), Q_ARG(QString, id));
    });
}

bool Application::createDataModule()
{
    if (QSqlDatabase::contains(DataModule::ConnectionName)
        && QSqlDatabase::database(DataModule::ConnectionName, false).isOpen()) {
        ErrorBox(u"프로그램 시작시 이미 DB에 접속되어 있습니다.\r문제가 발생할 수 있으므로 개발자에게 연락하십시오."_s);
    }

    StartupValues values;
    values.exeDir = WithTrailingSeparator(QFileInfo(m_exePath).absolutePath());
    SetStartupValues(values); // the INI files are found through it from here on

    m_dataModule = std::make_unique<DataModule>();
    m_dataModule->Disconnect();

    const QString roleFile = QFileInfo(m_exePath).completeBaseName() + u".ini"_s;
    values.clientAddress = CounterIdentity(IniValue(roleFile, u"Counter"_s, u"Id"_s));
    values.employeeNo = m_arguments.value(2);
    values.userName = m_arguments.value(3);
    values.roleType = IniInt(roleFile, u"Role"_s, u"Type"_s, 0);
    values.roleCode = IniValue(roleFile, u"Role"_s, u"Code"_s);
    values.roleName = IniValue(roleFile, u"Role"_s, u"Name"_s);

    if (m_arguments.size() != 4) {
        SetStartupValues(values);
        ErrorBox(u"이 프로그램은 단독으로 실행되지 않습니다.\r메인 프로그램(Kest.exe)으로 실행하십시오."_s);
        return false;
    }
    values.databaseName = m_arguments.at(0);
    values.databaseUser = m_arguments.at(1);
    SetStartupValues(values);

    QString pass;
    try {
        pass = password();
    } catch (const ConversionError &error) {
        ErrorBox(QString::fromStdString(error.what()));
        return false;
    }
    m_dataModule->setParameters(values.databaseName, values.databaseUser, pass);
    return RunGuarded([this] { m_dataModule->Connect(); });
}

QString Application::password() const
{
    const QString stored = IniValue(u"RVUpdate.ini"_s, u"PROGRAM"_s, u"PASS"_s);
    if (stored.isEmpty())
        return Startup().databaseUser;
    return Unscramble(stored, PasswordStartKey);
}

int Application::exec()
{
    if (m_splash) {
        m_splash->hide();
        m_splash.reset();
    }
    if (m_mainWindow)
        m_mainWindow->showMaximized();
    const int code = QApplication::exec();
    m_mainWindow.reset();
    m_dataModule.reset();
    m_instance.reset();
    return code;
}
