#pragma once

#include <string_view>

namespace pelmark {

// What the cliche input window holds when it is created: a prompt that the first click clears.
inline constexpr std::u16string_view kInitialClicheText = u"  Окно для ввода текста клише\r\n";

} // namespace pelmark
