#pragma once

#include "Modal.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Records every modal interaction and answers it from what the test queued,
// without blocking.
class RecordingModal : public ModalHandler
{
public:
    struct Box
    {
        BoxKind kind;
        QString text;
    };

    RecordingModal();
    ~RecordingModal() override;

    QList<Box> boxes;
    QStringList openedFiles;

    // Answers for confirmation boxes, taken in order; Yes when none is left.
    QList<bool> confirmAnswers;
    // Answers for file-name questions, taken in order; cancelled when none is left.
    QStringList fileNames;
    // The filter chosen with each name, taken in order; the first offered
    // when none is left. The filters offered, one entry per question.
    QStringList chosenFilters;
    QStringList offeredFilters;
    // Drives a modal dialog (types, presses keys) and returns its result;
    // Rejected when none is set.
    std::function<int(QDialog &)> dialogScript;
    bool printerAnswer = false;
    // Whether the desktop has a program for the files opened.
    bool desktopOpens = true;

    QStringList texts() const;
    QString lastText() const;
    void clear();

    bool showBox(BoxKind kind, const QString &text) override;
    QString askSaveFileName(QWidget *parent, const QString &fileName, const QString &filter,
                            QString *chosenFilter = nullptr) override;
    int runDialog(QDialog &dialog) override;
    bool askPrinter(QPrinter &printer, QWidget *parent) override;
    bool openWithDesktop(const QString &path) override;

private:
    ModalHandlerScope m_scope;
};
