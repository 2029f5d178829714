// Text inside the system is UTF-8 in std::string. This header converts at the boundaries where
// Windows takes 8-bit ANSI text (Windows-1252 here) and offers the VB string functions the
// system is written in terms of. Positions and lengths count characters, not bytes, as in VB.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kov {

// VB's comparison modes: binary compares exactly, text ignores letter case.
enum class Compare { Binary, Text };

// Windows-1252 bytes to UTF-8. Every byte maps to exactly one character (the five bytes the code
// page leaves unassigned map to the control characters of the same number, as Windows does), so
// decoding followed by encoding gives back the same bytes.
std::string FromAnsi(std::string_view bytes);

// UTF-8 to Windows-1252 bytes. A character the code page cannot hold becomes "?", as the ANSI
// forms of the Windows API do; so does a malformed UTF-8 sequence.
std::string ToAnsi(std::string_view utf8);

// UTF-8 to code points and back; a malformed sequence decodes to U+FFFD.
std::u32string ToCodePoints(std::string_view utf8);
std::string FromCodePoints(std::u32string_view chars);

// Length in characters (VB's Len).
int32_t Len(std::string_view text);
// VB's Left, Right and Mid with 1-based character positions; `length` < 0 means "to the end".
std::string Left(std::string_view text, int32_t length);
std::string Right(std::string_view text, int32_t length);
std::string Mid(std::string_view text, int32_t start, int32_t length = -1);

// VB's Trim, LTrim and RTrim: only blanks (character 32) are removed, not tabs or line ends.
std::string Trim(std::string_view text);
std::string LTrim(std::string_view text);
std::string RTrim(std::string_view text);

std::string LCase(std::string_view text);
std::string UCase(std::string_view text);

// VB's InStr: the 1-based character position of `find` in `text` at or after `start`, 0 when
// absent. An empty `find` is found at `start` (when `start` lies inside the text).
int32_t InStr(int32_t start, std::string_view text, std::string_view find,
              Compare compare = Compare::Binary);
inline int32_t InStr(std::string_view text, std::string_view find,
                     Compare compare = Compare::Binary) {
  return InStr(1, text, find, compare);
}

// VB's Replace from the first character: every occurrence (at most `count` when count >= 0),
// searched left to right without overlapping. An empty `find` leaves the text unchanged.
std::string Replace(std::string_view text, std::string_view find, std::string_view replacement,
                    Compare compare = Compare::Binary, int32_t count = -1);

// VB's Split: an empty text gives no parts; an empty delimiter gives the whole text as one part.
std::vector<std::string> Split(std::string_view text, std::string_view delimiter = " ",
                               Compare compare = Compare::Binary);
std::string Join(const std::vector<std::string>& parts, std::string_view delimiter = " ");

// VB's Val for whole numbers: leading blanks skipped, an optional sign, then the digits up to the
// first other character; 0 when there are none. Never raises.
int32_t Val(std::string_view text);

// Equality and ordering that ignore letter case (VB's text comparison).
bool TextEquals(std::string_view a, std::string_view b);
int TextCompare(std::string_view a, std::string_view b);

}  // namespace kov
