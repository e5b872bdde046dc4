#include "PostalField.h"

#include "CodeServices.h"
#include "Guard.h"
#include "InputEdits.h"

#include <QApplication>
#include <QLineEdit>

PostalField::PostalField(QLineEdit *code, CodePick pick, QObject *parent)
    : QObject(parent), m_code(code), m_pick(std::move(pick))
{
    connect(m_code, &QLineEdit::textEdited, this, [this] {
        m_typed = true;
        if (m_address)
            m_address->clear();
    });
    connect(qApp, &QApplication::focusChanged, this, Guarded([this](QWidget *old, QWidget *) {
                if (old != m_code || !m_typed || !m_address)
                    return;
                m_typed = false;
                if (const QString code = Code(); !code.isEmpty())
                    m_address->setText(PostalAddress(code));
            }));
}

void PostalField::SetAddress(QLineEdit *address, QLineEdit *detail)
{
    m_address = address;
    m_detail = detail;
}

QString PostalField::Code() const
{
    if (auto *masked = qobject_cast<const MaskEdit *>(m_code))
        return masked->plainText().trimmed();
    return m_code->text().trimmed();
}

QString PostalField::Address() const
{
    return m_address ? m_address->text().trimmed() : QString();
}

void PostalField::Lookup()
{
    if (!m_code->isEnabled() || m_code->isReadOnly())
        return;
    QString code;
    QString address;
    if (!m_pick || !m_pick({}, code, address, m_code->window())) {
        m_code->setFocus();
        return;
    }
    m_typed = false;
    m_code->setText(code);
    if (m_address)
        m_address->setText(address);
    if (m_detail)
        m_detail->setFocus();
}
