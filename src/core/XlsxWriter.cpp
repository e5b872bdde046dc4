#include "XlsxWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <charconv>
#include <cstdio>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Day numbers of sheets count from here (the first two months of 1900 are
// off by one, hence the lower limit of dates written as dates).
const QDate DayZero(1899, 12, 30);
const QDate FirstDate(1900, 3, 1);
// The longest text of a cell, in characters.
constexpr int MaxCellText = 32767;
// Digits a double holds exactly, whatever they are.
constexpr int ExactDigits = 15;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int digitsAt(QByteArrayView text, qsizetype at, qsizetype count)
{
    int value = 0;
    for (qsizetype i = at; i < at + count; ++i) {
        if (!isDigit(text[i]))
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

} // namespace

XlsxWriter::XlsxWriter(const QString &fileName) : m_fileName(fileName)
{
    const QFileInfo target(fileName);
    {
        // A free name beside the target, on the same disk for the rename;
        // the library creates the file itself, with the usual permissions.
        QTemporaryFile reserve(target.absoluteDir().filePath(u"."_s + target.fileName() + u".XXXXXX"_s));
        if (!reserve.open())
            return;
        m_partName = reserve.fileName();
    }
    // The library copies both names.
    const QByteArray part = QFile::encodeName(m_partName);
    // Its temporary files of the rows go beside the target too, not into a
    // /tmp that may be memory.
    QByteArray folder = QFile::encodeName(target.absolutePath());
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = folder.data();
    m_workbook = workbook_new_opt(part.constData(), &options);
    if (!m_workbook)
        return;
    m_sheet = workbook_add_worksheet(m_workbook, nullptr);
    m_date = workbook_add_format(m_workbook);
    m_title = workbook_add_format(m_workbook);
    if (!m_sheet || !m_date || !m_title)
        return;
    format_set_num_format(m_date, "yyyy-mm-dd");
    format_set_bold(m_title);
    format_set_text_wrap(m_title);
    m_ok = true;
}

XlsxWriter::~XlsxWriter()
{
    if (m_workbook) {
        // The library closes the sheet's temporary file of rows only when
        // it writes the workbook; given up, it would stay open.
        if (m_sheet && m_sheet->optimize_tmpfile) {
            std::fclose(m_sheet->optimize_tmpfile);
            m_sheet->optimize_tmpfile = nullptr;
        }
        lxw_workbook_free(m_workbook);
    }
    if (!m_partName.isEmpty())
        QFile::remove(m_partName);
}

void XlsxWriter::check(int error)
{
    if (error != LXW_NO_ERROR)
        m_ok = false;
}

void XlsxWriter::setColumn(int column, int pixels, bool hidden)
{
    if (!m_ok)
        return;
    lxw_row_col_options options{};
    options.hidden = hidden ? 1 : 0;
    check(worksheet_set_column_pixels_opt(m_sheet, lxw_col_t(column), lxw_col_t(column), uint32_t(pixels), nullptr,
                                          &options));
}

void XlsxWriter::freezeRows(int rows)
{
    if (m_ok)
        worksheet_freeze_panes(m_sheet, lxw_row_t(rows), 0);
}

void XlsxWriter::utf8Text(int row, int column, QByteArrayView utf8, lxw_format *format)
{
    lxw_error error = worksheet_write_string(m_sheet, lxw_row_t(row), lxw_col_t(column), utf8.data(), format);
    if (error == LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED) {
        // What a cell cannot hold is lost.
        QString text = QString::fromUtf8(utf8).left(MaxCellText);
        if (text.back().isHighSurrogate())
            text.chop(1);
        m_cut = text.toUtf8();
        error = worksheet_write_string(m_sheet, lxw_row_t(row), lxw_col_t(column), m_cut.constData(), format);
    }
    check(error);
}

void XlsxWriter::text(int row, int column, const QString &text)
{
    if (m_ok && !text.isEmpty())
        utf8Text(row, column, text.toUtf8());
}

void XlsxWriter::title(int row, int column, const QString &text)
{
    if (m_ok && !text.isEmpty())
        utf8Text(row, column, text.toUtf8(), m_title);
}

void XlsxWriter::record(int row, int column, QByteArrayView utf8, Column kind)
{
    if (!m_ok || utf8.isEmpty())
        return;
    double value = 0;
    QDate date;
    if (kind == Column::Number && NumberOf(utf8, value))
        check(worksheet_write_number(m_sheet, lxw_row_t(row), lxw_col_t(column), value, nullptr));
    else if (DateOf(utf8, kind == Column::DateKey, date))
        check(worksheet_write_number(m_sheet, lxw_row_t(row), lxw_col_t(column), double(DayZero.daysTo(date)),
                                     m_date));
    else
        utf8Text(row, column, utf8);
}

bool XlsxWriter::close()
{
    if (!m_workbook)
        return false;
    if (!m_ok)
        return false; // the destructor drops what was gathered
    const lxw_error error = workbook_close(std::exchange(m_workbook, nullptr));
    if (error != LXW_NO_ERROR)
        return false;
    // Over an old file of that name at once: no moment without either.
    if (std::rename(QFile::encodeName(m_partName).constData(), QFile::encodeName(m_fileName).constData()) != 0)
        return false;
    m_partName.clear();
    return true;
}

bool XlsxWriter::NumberOf(QByteArrayView text, double &value)
{
    qsizetype at = text.startsWith('-') ? 1 : 0;
    int digits = 0;
    int fraction = -1; // digits after the point; -1 without one
    bool leading = true;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '.' && fraction < 0) {
            fraction = 0;
            continue;
        }
        if (!isDigit(c))
            return false;
        if (fraction >= 0)
            ++fraction;
        if (c != '0' || !leading || fraction >= 0) {
            leading = false;
            ++digits;
        }
    }
    // Needs digits before the point and, with a point, after it too.
    const qsizetype whole = text.size() - (text.startsWith('-') ? 1 : 0) - (fraction >= 0 ? fraction + 1 : 0);
    if (whole == 0 || fraction == 0 || digits > ExactDigits)
        return false;
    return std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc();
}

bool XlsxWriter::DateOf(QByteArrayView text, bool dateKey, QDate &date)
{
    int year = -1, month = -1, day = -1;
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        year = digitsAt(text, 0, 4);
        month = digitsAt(text, 5, 2);
        day = digitsAt(text, 8, 2);
    } else if (dateKey && text.size() == 8) {
        year = digitsAt(text, 0, 4);
        month = digitsAt(text, 4, 2);
        day = digitsAt(text, 6, 2);
    }
    if (year < 0 || month < 0 || day < 0)
        return false;
    date = QDate(year, month, day);
    return date.isValid() && date >= FirstDate;
}
