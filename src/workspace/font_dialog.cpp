#include "font_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QPushButton>

namespace pelmark::workspace {

FontDialog::FontDialog(QWidget *parent)
    : QDialog(parent), m_family(new QFontComboBox(this)), m_size(new QDoubleSpinBox(this)),
      m_bold(new QCheckBox(tr("Полужирный"), this)), m_italic(new QCheckBox(tr("Курсив"), this)),
      m_strikeOut(new QCheckBox(tr("Зачёркнутый"), this)),
      m_underline(new QCheckBox(tr("Подчёркнутый"), this)), m_colorButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("FontDialog"));
    setWindowTitle(tr("Шрифт"));
    m_size->setRange(1, 1638);
    m_size->setDecimals(1);
    auto *form = new QFormLayout(this);
    form->addRow(tr("Шрифт:"), m_family);
    form->addRow(tr("Размер:"), m_size);
    form->addRow(m_bold);
    form->addRow(m_italic);
    form->addRow(m_strikeOut);
    form->addRow(m_underline);
    form->addRow(tr("Цвет:"), m_colorButton);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_colorButton, &QPushButton::clicked, this, &FontDialog::showColor);
}

void FontDialog::setChoice(const CommonDialog::Values &values)
{
    m_family->setCurrentFont(QFont(values.fontName));
    m_size->setValue(values.fontSize);
    m_bold->setChecked(values.fontBold);
    m_italic->setChecked(values.fontItalic);
    m_strikeOut->setChecked(values.fontStrikethru);
    m_underline->setChecked(values.fontUnderline);
    m_color = values.color;
    m_colorButton->setText(m_color.name());
}

void FontDialog::takeChoice(CommonDialog::Values &values) const
{
    values.fontName = m_family->currentFont().family();
    values.fontSize = m_size->value();
    values.fontBold = m_bold->isChecked();
    values.fontItalic = m_italic->isChecked();
    values.fontStrikethru = m_strikeOut->isChecked();
    values.fontUnderline = m_underline->isChecked();
    values.color = m_color;
}

void FontDialog::showColor()
{
    const QColor chosen = QColorDialog::getColor(m_color, this);
    if (chosen.isValid()) {
        m_color = chosen;
        m_colorButton->setText(m_color.name());
    }
}

} // namespace pelmark::workspace
