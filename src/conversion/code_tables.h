#pragma once

#include "code_table.h"

// The code charts of the supported registers, one accessor per chart. Each chart is built once,
// on first use, from its family's description; several models may share one chart.
namespace pelmark::tables {

// Windows-1251 family: the Windows-1251 code in three digits.
const CodeTable &win1251();
const CodeTable &win1251NoAt();
// Seven-bit family: Cyrillic capitals in 96..127, three digits.
const CodeTable &amc100F();
const CodeTable &micro();
// Low-block family: Cyrillic capitals in 0..31, no leading zeros.
const CodeTable &astra();
const CodeTable &minica1102K1();
// Compact family: two-digit codes numbered from 0 or 1.
const CodeTable &ekr2102();
const CodeTable &ekr3102();
// High-block family: Cyrillic capitals in 128..159.
const CodeTable &ladoga();
// Oka family.
const CodeTable &oka102K();
const CodeTable &okaPK();
// Samsung family.
const CodeTable &samsung250();
const CodeTable &samsung4615();

} // namespace pelmark::tables

namespace pelmark::tables::detail {
// The 32 Cyrillic capitals А to Я (U+0410..U+042F); Ё is not among them.
inline constexpr char16_t kCyrillicA = u'\u0410';
inline constexpr int kCyrillicCapitals = 32;
} // namespace pelmark::tables::detail
