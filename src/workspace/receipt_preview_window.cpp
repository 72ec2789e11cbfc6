#include "receipt_preview_window.h"

#include "catalogue.h"
#include "qt_text.h"
#include "receipt_preview.h"
#include "receipt_tape.h"

#include <QComboBox>
#include <QLabel>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace pelmark::workspace {
namespace {

constexpr int kModelRole = Qt::UserRole + 1; // the model's row in the catalogue
constexpr int kShownOverflows = 5;

QString summaryOf(const ReceiptPreview &preview)
{
    QString text = QStringLiteral("Строк: %1 из %2 · ширина %3")
                       .arg(preview.lines.size())
                       .arg(kMaxLayoutLines)
                       .arg(preview.width);
    QStringList tooLong;
    std::size_t uncoded = 0;
    for (std::size_t i = 0; i < preview.lines.size(); ++i) {
        const PreviewLine &line = preview.lines[i];
        uncoded += line.uncoded.size();
        if (line.overflow > 0 && tooLong.size() <= kShownOverflows)
            tooLong << (tooLong.size() < kShownOverflows
                            ? QStringLiteral("строка %1 (+%2)").arg(i + 1).arg(line.overflow)
                            : QStringLiteral("…"));
    }
    if (preview.outcome == LayoutOutcome::Abandoned)
        text += QStringLiteral(" · больше %1 строк: коды пойдут для текста как есть").arg(kMaxLayoutLines);
    else if (tooLong.isEmpty())
        text += QStringLiteral(" · все строки помещаются");
    else
        text += QStringLiteral(" · не помещаются: ") + tooLong.join(QStringLiteral(", "));
    if (uncoded > 0)
        text += QStringLiteral(" · нет в таблице кодов (будет rus?_): %1").arg(uncoded);
    return text;
}

} // namespace

ReceiptPreviewWindow::ReceiptPreviewWindow(const ModelEntry &model, QWidget *parent)
    : QWidget(parent, Qt::Window), m_model(&model), m_chooser(new QComboBox(this)),
      m_tape(new ReceiptTape(this)), m_summary(new QLabel(this))
{
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(QStringLiteral("Предпросмотр чека"));
    m_chooser->setObjectName(QStringLiteral("cboModel"));
    m_chooser->setAccessibleName(QStringLiteral("Модель ККМ"));
    m_tape->setObjectName(QStringLiteral("txtTape"));
    m_tape->setAccessibleName(QStringLiteral("Чек"));
    m_summary->setObjectName(QStringLiteral("lblSummary"));
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_chooser);
    layout->addWidget(m_tape, 1, Qt::AlignHCenter);
    layout->addWidget(m_summary);
    fillChooser();
    connect(m_chooser, &QComboBox::currentIndexChanged, this, [this](int index) {
        const QVariant row = m_chooser->itemData(index, kModelRole);
        if (row.isValid()) {
            m_model = &modelCatalogue()[row.toUInt()];
            refresh();
        }
    });
    connect(m_chooser, &QComboBox::activated, this, [this] { emit modelChosen(*m_model); });
    setModel(model);
    resize(sizeHint().width(), 420);
}

// The 26 models in the model menu's order, each group under its caption.
void ReceiptPreviewWindow::fillChooser()
{
    auto *items = new QStandardItemModel(m_chooser);
    const auto catalogue = modelCatalogue();
    ModelGroup group = ModelGroup::None;
    for (std::size_t row = 0; row < catalogue.size(); ++row) {
        const ModelEntry &entry = catalogue[row];
        if (entry.group != group && entry.group != ModelGroup::None) {
            auto *heading = new QStandardItem(toQString(modelGroupInfo(entry.group).caption));
            heading->setFlags(Qt::ItemIsEnabled);
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
            items->appendRow(heading);
        }
        group = entry.group;
        const QString indent = entry.group == ModelGroup::None ? QString() : QStringLiteral("    ");
        auto *item = new QStandardItem(indent + toQString(entry.caption));
        item->setData(uint(row), kModelRole);
        items->appendRow(item);
    }
    m_chooser->setModel(items);
}

void ReceiptPreviewWindow::setModel(const ModelEntry &model)
{
    const auto catalogue = modelCatalogue();
    const int index = m_chooser->findData(uint(&model - catalogue.data()), kModelRole);
    m_model = &model;
    if (index == m_chooser->currentIndex())
        refresh();
    else
        m_chooser->setCurrentIndex(index);
}

void ReceiptPreviewWindow::setCliche(const QString &cliche)
{
    m_cliche = cliche;
    refresh();
}

void ReceiptPreviewWindow::refresh()
{
    const ReceiptPreview preview = previewReceipt(toU16String(m_cliche), *m_model);
    m_tape->showReceipt(preview);
    m_summary->setText(summaryOf(preview));
}

QString ReceiptPreviewWindow::tapeText() const
{
    return m_tape->toPlainText();
}

QString ReceiptPreviewWindow::summary() const
{
    return m_summary->text();
}

} // namespace pelmark::workspace
