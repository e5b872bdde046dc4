#pragma once

#include <QStringList>
#include <QWidget>

class ReportViewer;

// A window of its own showing one fixed report in the report viewer. It is
// made anew for every request, gets its parameter string before it is
// shown, opens its report when shown (setAutoAdjust(0), setZoomRatio(90),
// open) and never blocks the screen that asked: several may be open at once.
class TfrmViewerWindow : public QWidget
{
    Q_OBJECT

public:
    TfrmViewerWindow(const QString &form, const QString &caption, const QString &file, QWidget *parent = nullptr);

    void SetParameters(const QString &parameters) { m_parameters = parameters; }
    const QString &Parameters() const { return m_parameters; }
    const QString &File() const { return m_file; }
    // Where the report is read: the configured report server or folder and the file.
    QString Location() const;
    ReportViewer *Viewer() const { return Rdviewer401; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    ReportViewer *Rdviewer401 = nullptr;
    QString m_file;
    QString m_parameters;
    bool m_opened = false;
};

// The viewer's Print and PDF sent to the printer or a file, their dialogs over `owner`.
void ConnectViewerOutput(ReportViewer *viewer, QWidget *owner);

// Makes a window of type W (constructed from its parent) for the values,
// shows it beside `owner` and returns it; it goes when closed. A value that
// cannot go into a parameter string opens nothing: "보고서 인수가 맞지
// 않습니다." and null.
TfrmViewerWindow *ShowViewerWindow(TfrmViewerWindow *window, const QStringList &values);

template <class W>
W *OpenViewerWindow(const QStringList &values, QWidget *owner)
{
    return static_cast<W *>(ShowViewerWindow(new W(owner ? owner->window() : nullptr), values));
}
