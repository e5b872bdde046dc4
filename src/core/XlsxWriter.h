#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QString>

struct lxw_format;
struct lxw_workbook;
struct lxw_worksheet;

// The workbook of the spreadsheet export when a list outgrows the binary
// worksheet: one sheet written row by row in the library's constant-memory
// mode, so that a row once left lies in a temporary file and memory stays
// the same however long the list. Rows are written in order, each cell of
// a row left to right.
//
// The file is assembled beside the target under a temporary name and takes
// the target's name only in close(); a writer destroyed before that leaves
// nothing behind (a cancelled export, a failed read), and an old file of
// that name stays as it was.
class XlsxWriter
{
public:
    static constexpr int MaxRows = 1048576;
    static constexpr int MaxColumns = 16384;

    // How a record column's texts become cells.
    enum class Column {
        Text,    // text, or a date when the text is one ("2025-01-31")
        Number,  // a plain decimal number is a number; otherwise as Text
        DateKey, // eight digits that make a date ("20250131") are a date; otherwise as Text
    };

    explicit XlsxWriter(const QString &fileName);
    ~XlsxWriter();
    XlsxWriter(const XlsxWriter &) = delete;
    XlsxWriter &operator=(const XlsxWriter &) = delete;

    // False once the workbook could not be started or a write failed.
    bool ok() const { return m_ok; }

    void setColumn(int column, int pixels, bool hidden);
    // The rows above `rows` stay in view while the rest scrolls.
    void freezeRows(int rows);

    // A plain text cell.
    void text(int row, int column, const QString &text);
    // A column title: bold, broken at its line breaks.
    void title(int row, int column, const QString &text);
    // A record's cell from the field's UTF-8 text, by the column's kind;
    // nothing for an empty text.
    void record(int row, int column, QByteArrayView utf8, Column kind);

    // Finishes the file and gives it the target's name; false when that failed.
    bool close();

    // The rules of record(), for the tests: the value of a plain decimal
    // number (an optional minus, digits, an optional fraction) whose digits
    // a double holds exactly; a date written "YYYY-MM-DD", or "YYYYMMDD" for
    // a date key, from 1900-03-01 on (where sheet day numbers are regular).
    static bool NumberOf(QByteArrayView text, double &value);
    static bool DateOf(QByteArrayView text, bool dateKey, QDate &date);

private:
    void utf8Text(int row, int column, QByteArrayView utf8, lxw_format *format = nullptr);
    void check(int error);

    QString m_fileName;
    QString m_partName;
    lxw_workbook *m_workbook = nullptr;
    lxw_worksheet *m_sheet = nullptr;
    lxw_format *m_date = nullptr;
    lxw_format *m_title = nullptr;
    bool m_ok = false;
    QByteArray m_cut; // a text too long for a cell, cut to fit
};
