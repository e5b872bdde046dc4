#include "ZZP010.h"

#include "ListLayout.h"
#include "Modal.h"
#include "PrintProgress.h"
#include "ReportPreview.h"
#include "ReportRenderer.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>

using namespace Qt::StringLiterals;

namespace {

QString withPdfExtension(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (info.suffix().compare(u"pdf"_s, Qt::CaseInsensitive) == 0)
        return fileName;
    return fileName + u".pdf"_s;
}

} // namespace

QImage ReportLogo()
{
    static const QImage logo = [] {
        QImage image(96, 96, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath mountain;
        mountain.moveTo(4, 88);
        mountain.lineTo(40, 20);
        mountain.lineTo(56, 48);
        mountain.lineTo(66, 34);
        mountain.lineTo(92, 88);
        mountain.closeSubpath();
        painter.fillPath(mountain, QColor(0x1F, 0x4E, 0x9A));
        QPainterPath snow;
        snow.moveTo(40, 20);
        snow.lineTo(50, 38);
        snow.lineTo(44, 34);
        snow.lineTo(38, 40);
        snow.lineTo(32, 34);
        snow.closeSubpath();
        painter.fillPath(snow, Qt::white);
        return image;
    }();
    return logo;
}

TfrmZZP010::TfrmZZP010(const QString &formName, const QString &title, QObject *parent)
    : QObject(parent), m_formName(formName), m_title(title)
{
    setObjectName(formName);
}

TfrmZZP010::~TfrmZZP010() = default;

QString TfrmZZP010::ReportId() const
{
    return m_formName.mid(3);
}

void TfrmZZP010::SetCondition1(const QString &text)
{
    SetText(report::ConditionItems[0], text);
}

void TfrmZZP010::SetCondition2(const QString &text)
{
    SetText(report::ConditionItems[1], text);
}

void TfrmZZP010::SetCondition(const QString &text)
{
    SetText(report::ConditionItems[2], text);
}

void TfrmZZP010::SetText(const QString &name, const QString &text)
{
    m_texts.insert(name, text);
}

QString TfrmZZP010::ConditionText(const QList<std::pair<QString, QString>> &groups)
{
    QStringList parts;
    for (const auto &[caption, value] : groups)
        parts.append(caption + u": "_s + value);
    return parts.join(u"   "_s);
}

void TfrmZZP010::CopyQuery(const SqlQuery &source)
{
    qryQuery.setSql(source.sql());
    const QHash<QString, QString> &binds = source.binds();
    for (auto it = binds.begin(); it != binds.end(); ++it)
        qryQuery.bind(it.key(), it.value());
}

void TfrmZZP010::Open()
{
    Close();
    qryQuery.exec();
    cdsQuery = report::RecordList::fromQuery(qryQuery);
    qryQuery.close();
}

void TfrmZZP010::Close()
{
    qryQuery.close();
    cdsQuery = report::RecordList();
}

report::Layout TfrmZZP010::Layout() const
{
    return report::BaseLayout({.id = ReportId(), .title = m_title, .logo = ReportLogo()});
}

report::Document TfrmZZP010::Pages() const
{
    QHash<QString, QString> texts = m_texts;
    texts.insert(report::TitleItem, m_title);
    return report::Paginate(Layout(), cdsQuery, {.texts = texts, .printedAt = m_printedAt});
}

bool TfrmZZP010::Print(QWidget *parent)
{
    return PrintDocument(Pages(), parent);
}

void TfrmZZP010::Preview(QWidget *parent)
{
    PreviewDocument(Pages(), parent);
}

bool TfrmZZP010::SavePdf(QWidget *parent)
{
    return SaveDocumentPdf(Pages(), parent);
}

bool TfrmZZP010::PrintDocument(const report::Document &document, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document.id);
    printer.setPageOrientation(document.page.orientation == report::Orientation::Landscape ? QPageLayout::Landscape
                                                                                          : QPageLayout::Portrait);
    printer.setFromTo(0, 0);
    if (!modal().askPrinter(printer, parent))
        return false;
    report::PrintProgress progress(parent);
    const bool printed = report::Print(document, printer, progress.callback());
    const bool cancelled = progress.wasCanceled();
    progress.close();
    if (!printed && !cancelled)
        ErrorBox(u"프린터로 출력하지 못했습니다."_s);
    return printed;
}

bool TfrmZZP010::SaveDocumentPdf(const report::Document &document, QWidget *parent)
{
    QString fileName = modal().askSaveFileName(parent, document.id + u".pdf"_s, u"PDF 파일(*.pdf)"_s);
    if (fileName.isEmpty())
        return false;
    fileName = withPdfExtension(fileName);
    if (QFileInfo::exists(fileName) && !ConfirmBox(u"이미 존재하는 파일입니다.\r새 내용으로 덮어쓸까요?"_s))
        return false;
    report::PrintProgress progress(parent);
    const bool written = report::WritePdf(document, fileName, progress.callback());
    const bool cancelled = progress.wasCanceled();
    progress.close();
    if (!written && !cancelled)
        ErrorBox(u"PDF 파일로 저장할 수 없습니다."_s);
    if (written)
        InfoBox(u"PDF 파일로 저장했습니다: "_s + QDir::toNativeSeparators(fileName));
    return written;
}

void TfrmZZP010::PreviewDocument(const report::Document &document, QWidget *parent)
{
    report::ReportPreview preview(document, parent);
    QObject::connect(&preview, &report::ReportPreview::printRequested, &preview,
                     [&preview] { PrintDocument(preview.document(), &preview); });
    QObject::connect(&preview, &report::ReportPreview::pdfRequested, &preview,
                     [&preview] { SaveDocumentPdf(preview.document(), &preview); });
    modal().runDialog(preview);
}
