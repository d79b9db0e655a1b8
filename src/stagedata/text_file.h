// Text as it arrives from files people edit: a byte-order mark that many editors put at the
// start of a file, and control bytes that must never reach the screen or the terminal raw.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace slidestone {

// How much the readers take. A stage file is a few KB; scripts and proofs are long recordings;
// a settings file holds a few lines; a picture is a sheet of at most a few MB.
constexpr size_t kStageFileMaxBytes = size_t(1) << 20;
constexpr size_t kScriptMaxBytes = size_t(16) << 20;
constexpr size_t kSettingsMaxBytes = size_t(64) << 10;
constexpr size_t kPictureMaxBytes = size_t(64) << 20;

// Reads a whole file that people share or edit. Only a regular file is read (a link is followed
// to what it names, and a device, a pipe or a folder there is refused without waiting on it),
// and only up to maxBytes. False with the reason in a few words ("not a regular file").
bool ReadWholeFile(const std::string& path, size_t maxBytes, std::string& text, std::string& why);
// Whether `path` names a regular file of at most maxBytes; false with the reason as above.
bool IsSaneFile(const std::string& path, size_t maxBytes, std::string& why);

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The text without a leading UTF-8 byte-order mark (when it has one).
std::string_view WithoutByteOrderMark(std::string_view text);
void DropByteOrderMark(std::string& text);

// Writes all of `text` to the open file `fd`, again after a write a signal cut short. False with
// errno set when the file takes no more.
bool WriteAllTo(int fd, std::string_view text);

// The text without the spaces, tabs and carriage returns at either end.
std::string Trim(std::string_view text);

// The longest length up to maxBytes at which the text can be cut without splitting a UTF-8
// character (the whole text when it is no longer).
size_t Utf8CutAt(std::string_view text, size_t maxBytes);

// A byte below 0x20, or 0x7F (tab included).
bool IsControl(char c);
// True when the text holds a byte below 0x20 or 0x7F (tab included).
bool HasControlByte(std::string_view text);

// The text with every control byte written as \xNN, fit for one line of an error message.
std::string EscapeControlBytes(std::string_view text);

}  // namespace slidestone
