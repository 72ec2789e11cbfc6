#include "string_table.h"

#include <QAction>
#include <QHash>
#include <QWidget>

namespace pelmark::workspace {
namespace {

const QHash<QString, QString> &stringTable()
{
    static const QHash<QString, QString> table = {
        {QStringLiteral("1037"), QStringLiteral("Создать")},
        {QStringLiteral("1038"), QStringLiteral("Открыть")},
        {QStringLiteral("1039"), QStringLiteral("Сохранить")},
        {QStringLiteral("1040"), QStringLiteral("Печать")},
        {QStringLiteral("1041"), QStringLiteral("Вырезать")},
        {QStringLiteral("1042"), QStringLiteral("Копировать")},
        {QStringLiteral("1043"), QStringLiteral("Вставить")},
        {QStringLiteral("1044"), QStringLiteral("Полужирный")},
        {QStringLiteral("1045"), QStringLiteral("Курсив")},
        {QStringLiteral("1046"), QStringLiteral("Подчёркнутый")},
        {QStringLiteral("1047"), QStringLiteral("По левому краю")},
        {QStringLiteral("1048"), QStringLiteral("По центру")},
        {QStringLiteral("1049"), QStringLiteral("По правому краю")},
    };
    return table;
}

} // namespace

void applyStringTable(QWidget &window)
{
    const auto &table = stringTable();
    const auto lookup = [&table](const QString &text) { return table.value(text, text); };
    window.setWindowTitle(lookup(window.windowTitle()));
    for (QAction *action : window.findChildren<QAction *>()) {
        action->setText(lookup(action->text()));
        action->setToolTip(lookup(action->toolTip()));
    }
}

} // namespace pelmark::workspace
