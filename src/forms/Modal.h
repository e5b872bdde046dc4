#pragma once

#include <QString>

class QDialog;
class QPrinter;
class QWidget;

enum class BoxKind { Information, Error, Confirmation };

// The one seam every modal interaction goes through, so that a test (or an
// unattended run) can answer it and record what was shown without blocking.
class ModalHandler
{
public:
    virtual ~ModalHandler() = default;

    // Shows a message box; returns true for OK or Yes.
    virtual bool showBox(BoxKind kind, const QString &text) = 0;
    // Asks for a file name to save to; empty when cancelled. Filters are
    // split by ";;"; `chosenFilter`, when given, gets the one in force.
    virtual QString askSaveFileName(QWidget *parent, const QString &fileName, const QString &filter,
                                    QString *chosenFilter = nullptr) = 0;
    // Runs a modal dialog and returns its result code.
    virtual int runDialog(QDialog &dialog) = 0;
    // Lets the operator choose and set up a printer; false when cancelled.
    virtual bool askPrinter(QPrinter &printer, QWidget *parent) = 0;
    // Opens a file with the desktop's default program; false when none
    // took it (no program for the kind of file).
    virtual bool openWithDesktop(const QString &path) = 0;
};

// The handler in force: the interactive one unless a test installed its own,
// or the unattended one when KEST_UNATTENDED is "yes" or "no".
ModalHandler &modal();

// Installs a handler for the lifetime of the guard (tests).
class ModalHandlerScope
{
public:
    explicit ModalHandlerScope(ModalHandler &handler);
    ~ModalHandlerScope();
    ModalHandlerScope(const ModalHandlerScope &) = delete;
    ModalHandlerScope &operator=(const ModalHandlerScope &) = delete;

private:
    ModalHandler *m_previous;
};

// The three boxes of the system, with the application title as caption.
void InfoBox(const QString &text);
void ErrorBox(const QString &text);
// True when the operator chose Yes.
bool ConfirmBox(const QString &text);
// True while one of the three boxes waits for the operator (its event loop
// runs meanwhile, so requests from outside may arrive).
bool BoxShowing();

// The folder a save dialog opens in: the one the operator saved to last
// (kept per user), else the home folder; `fileName` is the suggested name.
QString SaveDialogStart(const QString &fileName);
// Keeps the folder of a file just chosen in a save dialog.
void RememberSaveFolder(const QString &path);

// Sends one key press and release to the widget that has the focus.
void PressKey(int key);
