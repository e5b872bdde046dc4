#pragma once

#include <QDateEdit>
#include <QLineEdit>

// A text edit that holds at most a number of CP949 bytes (a Hangul syllable
// counts two), as the column it fills, and no control characters (pasted
// ones become spaces).
class TextEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextEdit(QWidget *parent = nullptr);
    // 0: no limit.
    void setMaxBytes(int bytes);
    int maxBytes() const { return m_maxBytes; }

private:
    int m_maxBytes = 0;
};

// A right-aligned edit of a whole number, optionally shown with thousands
// separators; value() is 0 when empty.
class NumberEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit NumberEdit(QWidget *parent = nullptr);
    qint64 value() const;
    void setValue(qint64 value);
    // The digits without separators, empty when the edit is empty.
    QString digits() const;
    void setDigits(const QString &digits);
    void setGrouping(bool on);

private:
    bool m_grouping = false;
};

// An edit with an input mask such as "999-999" or "99:99"; plainText()
// gives what the operator typed without the mask's literals.
class MaskEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit MaskEdit(QWidget *parent = nullptr);
    QString plainText() const;
    // Also takes the three-part form "mask;keep literals;blank" of the old
    // screens ("9999-99-99;0; "), whose middle part Qt would read as the
    // blank character.
    void setInputMask(const QString &mask);
};

// A date picker showing 'YYYY-MM-DD' that reads and takes date keys
// ('YYYYMMDD'). Tab leaves it (year, month and day are one field to the
// keyboard: a date typed after a Tab would land in the month); F4 and
// Alt+Down open its calendar.
class DateEdit : public QDateEdit
{
    Q_OBJECT

public:
    explicit DateEdit(QWidget *parent = nullptr);
    QString dateKey() const;
    // Ignores a text that is not a valid date key.
    void setDateKey(const QString &key);
    void showCalendar();

protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent *event) override;
};
