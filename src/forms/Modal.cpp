#include "Modal.h"

#include "Routines.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QDialog>
#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPointer>
#include <QPrinter>
#include <QUrl>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Box texts use \r as the line break of the old system.
QString displayText(const QString &text)
{
    QString shown = text;
    shown.replace(u"\r\n"_s, u"\n"_s).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

// Gives the window and the field that had the focus back once a modal
// window closes. Without a window manager nobody activates the window under
// a closed dialog, and its F-keys would stop working.
// A box opened right after another closed finds no active window yet (the
// activation is still on its way from the X server): it returns the focus
// to where the one before it did.
class FocusReturn
{
public:
    FocusReturn()
    {
        if (QWidget *active = QApplication::activeWindow()) {
            s_window = active;
            s_focus = QApplication::focusWidget();
        }
        m_window = s_window;
        m_focus = s_focus;
    }
    ~FocusReturn()
    {
        if (!m_window || !m_window->isVisible())
            return;
        m_window->activateWindow();
        if (m_focus && m_focus->isVisible() && m_focus->isEnabled() && m_focus->window() == m_window)
            m_focus->setFocus(Qt::OtherFocusReason);
    }
    FocusReturn(const FocusReturn &) = delete;
    FocusReturn &operator=(const FocusReturn &) = delete;

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_focus;
    static inline QPointer<QWidget> s_window;
    static inline QPointer<QWidget> s_focus;
};

class InteractiveHandler final : public ModalHandler
{
public:
    bool showBox(BoxKind kind, const QString &text) override
    {
        const FocusReturn focusReturn;
        QWidget *parent = QApplication::activeWindow();
        const QString title = ApplicationTitle();
        switch (kind) {
        case BoxKind::Information:
            QMessageBox::information(parent, title, displayText(text));
            return true;
        case BoxKind::Error:
            QMessageBox::critical(parent, title, displayText(text));
            return true;
        case BoxKind::Confirmation:
            return QMessageBox::question(parent, title, displayText(text), QMessageBox::Yes | QMessageBox::No,
                                         QMessageBox::No) == QMessageBox::Yes;
        }
        return false;
    }

    QString askSaveFileName(QWidget *parent, const QString &fileName, const QString &filter,
                            QString *chosenFilter) override
    {
        const FocusReturn focusReturn;
        QFileDialog dialog(parent, QString(), SaveDialogStart(fileName), filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        if (chosenFilter)
            *chosenFilter = dialog.selectedNameFilter();
        RememberSaveFolder(dialog.selectedFiles().constFirst());
        return dialog.selectedFiles().constFirst();
    }

    int runDialog(QDialog &dialog) override
    {
        const FocusReturn focusReturn;
        return dialog.exec();
    }

    bool askPrinter(QPrinter &printer, QWidget *parent) override
    {
        const FocusReturn focusReturn;
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    bool openWithDesktop(const QString &path) override
    {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
};

// For runs without anybody at the screen: every box becomes one line on
// standard error and is answered with the configured answer.
class UnattendedHandler final : public ModalHandler
{
public:
    explicit UnattendedHandler(bool answer) : m_answer(answer) {}

    bool showBox(BoxKind kind, const QString &text) override
    {
        static const char *const names[] = {"information", "error", "confirmation"};
        QString line = text;
        line.replace(u"\r\n"_s, u" "_s).replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        std::fprintf(stderr, "%s: %s\n", names[static_cast<int>(kind)], line.toUtf8().constData());
        std::fflush(stderr);
        return kind == BoxKind::Confirmation ? m_answer : true;
    }
    QString askSaveFileName(QWidget *, const QString &, const QString &, QString *) override { return {}; }
    int runDialog(QDialog &) override { return QDialog::Rejected; }
    bool askPrinter(QPrinter &, QWidget *) override { return false; }
    bool openWithDesktop(const QString &path) override
    {
        std::fprintf(stderr, "open: %s\n", path.toUtf8().constData());
        return true;
    }

private:
    bool m_answer;
};

ModalHandler *installed = nullptr;
int boxesShowing = 0;

// Counts a box for as long as it waits for the operator.
bool showCounted(BoxKind kind, const QString &text)
{
    struct Count
    {
        Count() { ++boxesShowing; }
        ~Count() { --boxesShowing; }
    } count;
    return modal().showBox(kind, text);
}

// Kept in the user's own settings file, not in the counter's INI files.
const QString SettingsOwner = u"Kest"_s;
const QString SettingsName = u"Kest_E"_s;
const QString SaveFolderKey = u"Dialogs/SaveFolder"_s;

ModalHandler &defaultHandler()
{
    const QByteArray mode = qgetenv("KEST_UNATTENDED").toLower();
    if (mode == "yes" || mode == "no") {
        static UnattendedHandler unattended(mode == "yes");
        return unattended;
    }
    static InteractiveHandler interactive;
    return interactive;
}

} // namespace

ModalHandler &modal()
{
    return installed ? *installed : defaultHandler();
}

ModalHandlerScope::ModalHandlerScope(ModalHandler &handler) : m_previous(installed)
{
    installed = &handler;
}

ModalHandlerScope::~ModalHandlerScope()
{
    installed = m_previous;
}

QString SaveDialogStart(const QString &fileName)
{
    QString folder = QSettings(QSettings::UserScope, SettingsOwner, SettingsName).value(SaveFolderKey).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(QFileInfo(fileName).fileName());
}

void RememberSaveFolder(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!folder.isEmpty())
        QSettings(QSettings::UserScope, SettingsOwner, SettingsName).setValue(SaveFolderKey, folder);
}

void InfoBox(const QString &text)
{
    showCounted(BoxKind::Information, text);
}

void ErrorBox(const QString &text)
{
    showCounted(BoxKind::Error, text);
}

bool ConfirmBox(const QString &text)
{
    return showCounted(BoxKind::Confirmation, text);
}

bool BoxShowing()
{
    return boxesShowing > 0;
}

void PressKey(int key)
{
    QWidget *target = QApplication::focusWidget();
    if (!target)
        return;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    // The press may have moved the focus; the release goes where it landed.
    if (QWidget *now = QApplication::focusWidget()) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(now, &release);
    }
}
