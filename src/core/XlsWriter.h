#pragma once

#include <QString>

class QIODevice;

// The minimal binary worksheet of the spreadsheet export: a start record,
// text and number cells, an end record; every number a little-endian 16-bit
// word. Text cells hold CP949 bytes.
class XlsWriter
{
public:
    explicit XlsWriter(QIODevice &device);

    void begin();
    void text(quint16 row, quint16 column, const QString &text);
    void number(quint16 row, quint16 column, double value);
    // The end record; the cells reach the device in large writes, the last
    // of them here.
    void end();

    // False once a write failed.
    bool ok() const { return m_ok; }

    // The number-cell rule: right-aligned and only digits with at most a
    // leading minus sign (the empty text too, written as 0).
    static bool IsNumberCell(const QString &text, bool rightAligned);

private:
    void words(std::initializer_list<quint16> values);
    void bytes(const QByteArray &data);
    // Hands what was gathered to the device; cells are small, writes are not.
    void flush();

    QIODevice &m_device;
    QByteArray m_pending;
    bool m_ok = true;
};
