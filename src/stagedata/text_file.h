// Text as it arrives from files people edit: a byte-order mark that many editors put at the
// start of a file, and control bytes that must never reach the screen or the terminal raw.
#pragma once

#include <string>
#include <string_view>

namespace slidestone {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The text without a leading UTF-8 byte-order mark (when it has one).
std::string_view WithoutByteOrderMark(std::string_view text);
void DropByteOrderMark(std::string& text);

// A byte below 0x20, or 0x7F (tab included).
bool IsControl(char c);
// True when the text holds a byte below 0x20 or 0x7F (tab included).
bool HasControlByte(std::string_view text);

// The text with every control byte written as \xNN, fit for one line of an error message.
std::string EscapeControlBytes(std::string_view text);

}  // namespace slidestone
