#include "InputEdits.h"

#include "Cp949.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QRegularExpressionValidator>

using namespace Qt::StringLiterals;

TextEdit::TextEdit(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) {
        // A pasted line break, tab or control byte has no place in a one-line
        // value (and would reach a ticket printer as a command): a space stands in.
        QString kept = text;
        for (QChar &c : kept)
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                c = u' ';
        if (m_maxBytes > 0)
            kept = CutToCp949Bytes(kept, m_maxBytes);
        if (kept != text)
            setText(kept);
    });
}

void TextEdit::setMaxBytes(int bytes)
{
    m_maxBytes = bytes;
    if (bytes > 0)
        setText(CutToCp949Bytes(text(), bytes));
}

NumberEdit::NumberEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new QRegularExpressionValidator(QRegularExpression(u"-?[0-9,]*"_s), this));
    connect(this, &QLineEdit::editingFinished, this, [this] {
        if (m_grouping)
            setDigits(digits());
    });
}

QString NumberEdit::digits() const
{
    QString d = text();
    d.remove(QLatin1Char(','));
    return d.trimmed();
}

qint64 NumberEdit::value() const
{
    return digits().toLongLong();
}

void NumberEdit::setValue(qint64 value)
{
    setDigits(QString::number(value));
}

void NumberEdit::setDigits(const QString &digits)
{
    bool ok = false;
    const qint64 value = digits.toLongLong(&ok);
    if (m_grouping && ok)
        setText(QLocale(QLocale::English).toString(value));
    else
        setText(digits);
}

void NumberEdit::setGrouping(bool on)
{
    m_grouping = on;
    setDigits(digits());
}

MaskEdit::MaskEdit(QWidget *parent) : QLineEdit(parent) {}

void MaskEdit::setInputMask(const QString &mask)
{
    const QStringList parts = mask.split(QLatin1Char(';'));
    if (parts.size() == 3 && parts.at(1).size() == 1 && parts.at(2).size() == 1)
        QLineEdit::setInputMask(parts.at(0) + u';' + parts.at(2));
    else
        QLineEdit::setInputMask(mask);
}

QString MaskEdit::plainText() const
{
    if (inputMask().isEmpty())
        return text();
    // Literals of the mask are the characters that are not input positions.
    QString plain;
    const QString t = displayText();
    QString mask = inputMask().section(QLatin1Char(';'), 0, 0);
    qsizetype m = 0;
    for (qsizetype i = 0; i < t.size() && m < mask.size(); ++i, ++m) {
        if (mask.at(m) == u'\\') {
            ++m; // escaped literal
            continue;
        }
        if (QStringLiteral("AaNnXx90Dd#HhBb").contains(mask.at(m)) && t.at(i) != u' ')
            plain.append(t.at(i));
    }
    return plain;
}

DateEdit::DateEdit(QWidget *parent) : QDateEdit(parent)
{
    setDisplayFormat(u"yyyy-MM-dd"_s);
    setCalendarPopup(true);
    setDate(QDate::currentDate());
}

QString DateEdit::dateKey() const
{
    return date().toString(u"yyyyMMdd"_s);
}

void DateEdit::setDateKey(const QString &key)
{
    const QDate d = QDate::fromString(key, u"yyyyMMdd"_s);
    if (d.isValid())
        setDate(d);
}

void DateEdit::showCalendar()
{
    if (isReadOnly() || !isEnabled())
        return;
    // Qt opens the calendar only for a press on the drop-down arrow.
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    option.frame = true;
    option.subControls = QStyle::SC_All;
    const QRect arrow = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
    const QPointF at = arrow.isValid() ? QPointF(arrow.center()) : QPointF(width() - 4, height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QDateEdit::mousePressEvent(&press);
}

bool DateEdit::focusNextPrevChild(bool next)
{
    return QWidget::focusNextPrevChild(next);
}

void DateEdit::keyPressEvent(QKeyEvent *event)
{
    const bool altDown = event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier;
    if ((event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier) || altDown) {
        showCalendar();
        event->accept();
        return;
    }
    QDateEdit::keyPressEvent(event);
}
