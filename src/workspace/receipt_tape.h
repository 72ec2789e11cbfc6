#pragma once

#include <QPlainTextEdit>

namespace pelmark {
struct ReceiptPreview;
}

namespace pelmark::workspace {

// The paper tape of the receipt preview: a read-only monospaced text exactly the model's width,
// one receipt line a line. Its text, what copying and assistive technology get, is the receipt
// lines padded with spaces to the width; a line too long is shown red with "+N" beside the tape,
// a character the chart lacks is highlighted.
class ReceiptTape final : public QPlainTextEdit {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReceiptTape)

public:
    explicit ReceiptTape(QWidget *parent = nullptr);

    void showReceipt(const ReceiptPreview &preview);
    // The number beside line `line` (from 0): the characters it is too long by, or 0.
    int overflowOf(int line) const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    class Gutter;
    void fitWidth(std::size_t characters);
    void paintGutter(QPaintEvent *event);
    int gutterWidth() const;

    Gutter *m_gutter;
    std::vector<int> m_overflows;
};

} // namespace pelmark::workspace
