#pragma once

class QWidget;

namespace pelmark::workspace {

// The localisation pass: replaces captions and tooltips that hold a string-table identifier by
// the table's text, so the toolbar's tooltips read "Создать" rather than "1037". Anything the
// table does not hold stays as it is.
void applyStringTable(QWidget &window);

} // namespace pelmark::workspace
