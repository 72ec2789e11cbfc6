#pragma once

#include <QWidget>

class QComboBox;
class QLabel;

namespace pelmark {
struct ModelEntry;
}

namespace pelmark::workspace {

class ReceiptTape;

// «Предпросмотр чека»: the cliche as the chosen model will print it, updated as it is typed.
// It shows; it never changes the cliche, a document or a conversion.
class ReceiptPreviewWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReceiptPreviewWindow)

public:
    explicit ReceiptPreviewWindow(const ModelEntry &model, QWidget *parent = nullptr);

    void setCliche(const QString &cliche);
    void setModel(const ModelEntry &model);
    const ModelEntry &model() const { return *m_model; }

    // What the tape holds: the receipt lines, padded to the model's width, without marks.
    QString tapeText() const;
    // The line under the tape that sums the receipt up.
    QString summary() const;

signals:
    // The user picked a model in the chooser.
    void modelChosen(const pelmark::ModelEntry &model);

private:
    void fillChooser();
    void refresh();

    const ModelEntry *m_model;
    QString m_cliche;
    QComboBox *m_chooser;
    ReceiptTape *m_tape;
    QLabel *m_summary;
};

} // namespace pelmark::workspace
