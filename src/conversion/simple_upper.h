#pragma once

namespace pelmark {

// The Unicode simple upper-case mapping of one UTF-16 code unit: one character for one, so ß and
// other letters without a single capital stay as they are. Independent of the C locale.
char16_t simpleUpper(char16_t c) noexcept;

} // namespace pelmark
