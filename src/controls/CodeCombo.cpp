#include "CodeCombo.h"

CodeCombo::CodeCombo(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit codeChanged(code()); });
}

void CodeCombo::addCode(const QString &label, const QString &code)
{
    m_codes.append(label, code);
    addItem(label);
}

void CodeCombo::clearCodes()
{
    m_codes.clear();
    clear();
}

QString CodeCombo::code() const
{
    const int i = currentIndex();
    return i < 0 || i >= m_codes.codes.size() ? QString() : m_codes.codes.at(i);
}

void CodeCombo::setCode(const QString &code)
{
    setCurrentIndex(int(m_codes.codes.indexOf(code)));
}
