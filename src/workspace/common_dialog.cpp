#include "common_dialog.h"

namespace pelmark::workspace {

CommonDialog::CommonDialog(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("dlgCommonDialog"));
}

} // namespace pelmark::workspace
