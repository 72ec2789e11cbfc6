#pragma once

#include "common_dialog.h"

#include <QDialog>

class QCheckBox;
class QFontComboBox;
class QDoubleSpinBox;
class QPushButton;

namespace pelmark::workspace {

// Font, size, bold, italic, strikethrough, underline and colour in one dialog: Qt's own font
// dialog has no colour.
class FontDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FontDialog)

public:
    explicit FontDialog(QWidget *parent = nullptr);

    void setChoice(const CommonDialog::Values &values);
    void takeChoice(CommonDialog::Values &values) const;

private:
    void showColor();

    QFontComboBox *m_family;
    QDoubleSpinBox *m_size;
    QCheckBox *m_bold;
    QCheckBox *m_italic;
    QCheckBox *m_strikeOut;
    QCheckBox *m_underline;
    QPushButton *m_colorButton;
    QColor m_color;
};

} // namespace pelmark::workspace
