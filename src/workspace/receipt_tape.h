#pragma once

#include <QPlainTextEdit>

#include <cstddef>
#include <vector>

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
    // What marks one line of the tape.
    struct LineMarks {
        int overflow = 0;                 // characters too many; 0 when it fits
        std::vector<std::size_t> uncoded; // positions the chart has no code for
        bool operator==(const LineMarks &) const = default;
    };

    explicit ReceiptTape(QWidget *parent = nullptr);

    void showReceipt(const ReceiptPreview &preview);
    // The marks of line `line` (from 0); none past the last line.
    const LineMarks &marksOf(int line) const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    class Gutter;
    class Highlighter;
    // Replaces the lines that changed; returns the range of new lines it wrote.
    std::pair<int, int> setLines(const QStringList &lines);
    void fitWidth(std::size_t characters);
    void paintGutter(QPaintEvent *event);
    int gutterWidth() const;

    Gutter *m_gutter;
    Highlighter *m_highlighter;
    std::vector<LineMarks> m_marks;
};

} // namespace pelmark::workspace
