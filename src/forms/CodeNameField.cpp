#include "CodeNameField.h"

#include "CodeServices.h"
#include "Guard.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

CodeNameField::CodeNameField(QLineEdit *code, QLabel *name, const QString &group, Pick pick, QObject *parent)
    : QObject(parent), m_code(code), m_name(name), m_group(group), m_pick(std::move(pick))
{
    connect(m_code, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (text != text.toUpper()) {
            const int at = m_code->cursorPosition();
            m_code->setText(text.toUpper());
            m_code->setCursorPosition(at);
        }
    });
    connect(m_code, &QLineEdit::textChanged, this, Guarded([this] {
                if (m_nameOf)
                    ReadName();
                else
                    m_name->clear();
            }));
    connect(qApp, &QApplication::focusChanged, this, Guarded([this](QWidget *old, QWidget *) {
                if (!m_nameOf && old == m_code && !Code().isEmpty() && Name().isEmpty())
                    ReadName();
            }));
}

QString CodeNameField::Code() const
{
    return m_code->text().trimmed();
}

QString CodeNameField::Name() const
{
    return m_name->text().trimmed();
}

void CodeNameField::ReadName()
{
    const QString code = Code();
    if (m_nameOf)
        m_name->setText(code.isEmpty() ? QString() : m_nameOf(code));
    else
        m_name->setText(CodeName(m_group, code));
}

void CodeNameField::SetNameSource(std::function<QString(const QString &)> nameOf)
{
    m_nameOf = std::move(nameOf);
    ReadName();
}

void CodeNameField::Lookup(const std::function<void()> &picked)
{
    if (!m_code->isEnabled())
        return;
    QString code;
    QString name;
    if (m_pick && m_pick(code, name)) {
        m_code->setText(code);
        m_name->setText(name);
        if (picked)
            picked();
    } else {
        m_code->setFocus();
    }
}
