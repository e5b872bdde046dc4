#pragma once

#include <QDialog>
#include <QKeySequence>

#include <functional>

class QAbstractButton;
class QAction;
class QFrame;
class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

// The frame of every dialog: a fixed border, the dialog's working area
// panMain and the button panel with OK (F10) and Close (F12, Escape).
//
// Handlers are virtual and return false when they were abandoned (button
// hidden or disabled, or refused); an override calls the inherited handler
// first and stops when it returns false. OK closes the dialog only when
// StoreResult() agrees.
class TfrmZZH000 : public QDialog
{
    Q_OBJECT

public:
    static constexpr int ButtonWidth = 80;
    static constexpr int ButtonHeight = 25;
    static constexpr int ButtonPanelHeight = 40;

    // formName: "frm" + the dialog's id.
    TfrmZZH000(const QString &formName, const QString &caption, QWidget *parent = nullptr);
    ~TfrmZZH000() override;

    // The form name without its first three characters ("frmEZH030" gives "EZH030").
    QString DialogId() const;

    virtual bool bbtOKClick();
    virtual bool bbtCloseClick();

    // Escape and the window's close button work as Close.
    void reject() override;

protected:
    // Clears the message line; false when the button is hidden or disabled.
    bool CommonStart(QAbstractButton *button);
    // The message line; the bases with a status bar show it there.
    virtual void ShowStatus(const QString &text);
    // Called by OK before the dialog closes: keeps the dialog's result, or
    // refuses (false) and the dialog stays open.
    virtual bool StoreResult();
    // Runs once, when the dialog is first shown, after every constructor.
    virtual void FormReady();

    // A hidden hotkey that runs `handler` while the dialog is active.
    QAction *AddHotkey(const QKeySequence &key, const QString &name, const std::function<void()> &handler);
    // Runs `handler` on a click, with server errors shown in the default error box.
    void OnClick(QAbstractButton *button, const std::function<void()> &handler);
    // A button of the standard size on the button panel, left of OK.
    QPushButton *AddButton(const QString &name, const QString &caption);
    // The next control after `from` in tab order that can take the focus.
    QWidget *NextInTabOrder(QWidget *from) const;

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

    QVBoxLayout *m_layout = nullptr;       // panMain, panButtons, (status bar)
    QHBoxLayout *m_buttonLayout = nullptr; // panButtons' row
    QWidget *panMain = nullptr;
    QFrame *panButtons = nullptr;
    QPushButton *bbtOK = nullptr;
    QPushButton *bbtClose = nullptr;

private:
    bool m_ready = false;
};

// The dialogs' Korean face, 12 pixels.
QFont DialogFont();
