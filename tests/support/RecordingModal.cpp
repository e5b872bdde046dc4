#include "RecordingModal.h"

#include <QDialog>

using namespace Qt::StringLiterals;

RecordingModal::RecordingModal() : m_scope(*this) {}

RecordingModal::~RecordingModal() = default;

QStringList RecordingModal::texts() const
{
    QStringList result;
    for (const Box &box : boxes)
        result.append(box.text);
    return result;
}

QString RecordingModal::lastText() const
{
    return boxes.isEmpty() ? QString() : boxes.constLast().text;
}

void RecordingModal::clear()
{
    boxes.clear();
    openedFiles.clear();
}

bool RecordingModal::showBox(BoxKind kind, const QString &text)
{
    boxes.append({kind, text});
    if (kind != BoxKind::Confirmation)
        return true;
    return confirmAnswers.isEmpty() ? true : confirmAnswers.takeFirst();
}

QString RecordingModal::askSaveFileName(QWidget *, const QString &, const QString &filter, QString *chosenFilter)
{
    offeredFilters.append(filter);
    const QString chosen = chosenFilters.isEmpty() ? filter.section(u";;"_s, 0, 0) : chosenFilters.takeFirst();
    if (chosenFilter)
        *chosenFilter = chosen;
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

int RecordingModal::runDialog(QDialog &dialog)
{
    return dialogScript ? dialogScript(dialog) : int(QDialog::Rejected);
}

bool RecordingModal::askPrinter(QPrinter &, QWidget *)
{
    return printerAnswer;
}

bool RecordingModal::openWithDesktop(const QString &path)
{
    openedFiles.append(path);
    return desktopOpens;
}
