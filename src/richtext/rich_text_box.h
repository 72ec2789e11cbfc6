#pragma once

#include <QTextEdit>

#include <optional>

class QPrinter;

namespace pelmark::richtext {

// The rich-text box of a document window: a QTextEdit that speaks in the terms the workspace
// uses. Positions count characters from 0, a paragraph break being one; text() joins paragraphs
// with CR LF. Formatting getters give no value for a selection that mixes values.
class RichTextBox final : public QTextEdit {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RichTextBox)

public:
    enum Alignment { AlignLeft = 0, AlignRight = 1, AlignCenter = 2 };

    explicit RichTextBox(QWidget *parent = nullptr);

    QString text() const;
    // The length of text() without building it: every paragraph and line break counts two.
    int textLength() const;
    void setText(const QString &text);

    int selStart() const;
    void setSelStart(int position);
    int selLength() const;
    QString selText() const;
    void setSelText(const QString &text);
    QByteArray selRtf() const;
    // Markup is read as rich text, anything else goes in as plain text.
    void setSelRtf(const QByteArray &markup);

    std::optional<bool> selBold() const;
    std::optional<bool> selItalic() const;
    std::optional<bool> selUnderline() const;
    std::optional<bool> selStrikeThrough() const;
    std::optional<int> selAlignment() const;
    void setSelBold(bool on);
    void setSelItalic(bool on);
    void setSelUnderline(bool on);
    void setSelStrikeThrough(bool on);
    void setSelFontName(const QString &family);
    void setSelFontSize(double points);
    void setSelColor(const QColor &color);
    void setSelAlignment(int alignment);

    // Case-insensitive search, also inside words, that selects the first match in the range and
    // returns its position, or -1 leaving everything as it was. Without a range it searches the
    // selection, or the whole text when nothing is selected; with only an end, from the caret.
    int findWord(const QString &word, std::optional<int> start = std::nullopt,
                 std::optional<int> end = std::nullopt);

    // Replace the whole content with the file's; RTF is read as rich text, other files as plain
    // text. On failure the box is unchanged and `error` says why.
    bool loadFile(const QString &path, QString *error = nullptr);
    // Writes the whole content as RTF, atomically: a failed write leaves an existing file intact.
    bool saveFile(const QString &path, QString *error = nullptr) const;
    // Prints the selection, or everything when nothing is selected, with its formatting.
    void printSelection(QPrinter &printer) const;

    // The selection for the clipboard: as RTF, so it keeps its formatting in Pelmark and word
    // processors, and as plain text for every other program.
    QMimeData *selectionAsMimeData() const;
    // Rich text where the data has it; plain text that is RTF markup is still read as markup.
    void pasteMimeData(const QMimeData &mime);

    // Lines as displayed: a wrapped paragraph counts once per line; an empty box counts 1.
    int displayedLineCount() const;
    // Where lines wrap, in pixels from the box's left edge; a width of 0 or less is ignored.
    void setRightMargin(int pixels);

protected:
    QMimeData *createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    std::optional<bool> commonCharProperty(bool (*read)(const QTextCharFormat &)) const;
    void mergeFormat(const QTextCharFormat &format);
};

} // namespace pelmark::richtext
