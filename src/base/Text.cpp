#include "base/Text.h"

#include <algorithm>
#include <array>

namespace kov {
namespace {

// Characters of the bytes 0x80..0x9F in Windows-1252; the unassigned ones keep their number.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t AnsiToChar(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

// Returns the byte for a character, or -1 when the code page has none.
int CharToAnsi(char32_t ch) {
  if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return static_cast<int>(ch);
  for (size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == ch) return static_cast<int>(0x80 + i);
  }
  return -1;
}

void AppendUtf8(std::string& out, char32_t ch) {
  if (ch < 0x80) {
    out += static_cast<char>(ch);
  } else if (ch < 0x800) {
    out += static_cast<char>(0xC0 | (ch >> 6));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else if (ch < 0x10000) {
    out += static_cast<char>(0xE0 | (ch >> 12));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (ch >> 18));
    out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  }
}

constexpr char32_t kBad = 0xFFFFFFFF;

// Decodes one UTF-8 sequence at `pos`, advancing it; kBad for a malformed one.
char32_t NextChar(std::string_view s, size_t& pos) {
  const auto lead = static_cast<unsigned char>(s[pos++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t ch = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    ch = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    ch = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    ch = lead & 0x07;
  } else {
    return kBad;
  }
  for (int i = 0; i < extra; ++i) {
    if (pos >= s.size()) return kBad;
    const auto next = static_cast<unsigned char>(s[pos]);
    if ((next & 0xC0) != 0x80) return kBad;
    ch = (ch << 6) | (next & 0x3F);
    ++pos;
  }
  static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
  if (ch < kMin[extra] || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) return kBad;
  return ch;
}

char32_t FoldCase(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c < 0xC0) return c;
  if (c <= 0xDE) return c == 0xD7 ? c : c + 32;
  if (c >= 0x100 && c <= 0x137) return c | 1;
  if (c >= 0x139 && c <= 0x148) return (c & 1) ? c + 1 : c;
  if (c >= 0x14A && c <= 0x177) return c | 1;
  if (c == 0x178) return 0xFF;
  if (c >= 0x179 && c <= 0x17E) return (c & 1) ? c + 1 : c;
  if (c >= 0x391 && c <= 0x3A9) return c + 32;
  if (c >= 0x410 && c <= 0x42F) return c + 32;
  if (c >= 0x400 && c <= 0x40F) return c + 80;
  return c;
}

char32_t UpperCase(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  if (c == 0xFF) return 0x178;
  if (c >= 0x100 && c <= 0x17E && FoldCase(c) == c && c != 0x138 && c != 0x149) {
    // Lower-case member of a Latin Extended-A pair: its capital is the neighbour that folds to it.
    if (FoldCase(c - 1) == c) return c - 1;
  }
  if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 32;
  if (c >= 0x430 && c <= 0x44F) return c - 32;
  if (c >= 0x450 && c <= 0x45F) return c - 80;
  return c;
}

std::u32string Fold(std::u32string s) {
  for (auto& c : s) c = FoldCase(c);
  return s;
}

// 0-based index of `find` in `text` at or after `from`, or npos.
size_t FindChars(const std::u32string& text, const std::u32string& find, size_t from,
                 Compare compare) {
  if (compare == Compare::Binary) return text.find(find, from);
  return Fold(text).find(Fold(find), from);
}

}  // namespace

std::string FromAnsi(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char b : bytes) AppendUtf8(out, AnsiToChar(static_cast<unsigned char>(b)));
  return out;
}

std::string ToAnsi(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    const char32_t ch = NextChar(utf8, pos);
    const int byte = ch == kBad ? -1 : CharToAnsi(ch);
    out += byte < 0 ? '?' : static_cast<char>(byte);
  }
  return out;
}

std::u32string ToCodePoints(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    const char32_t ch = NextChar(utf8, pos);
    out += ch == kBad ? U'\uFFFD' : ch;
  }
  return out;
}

std::string FromCodePoints(std::u32string_view chars) {
  std::string out;
  out.reserve(chars.size());
  for (char32_t ch : chars) AppendUtf8(out, ch);
  return out;
}

int32_t Len(std::string_view text) {
  // Continuation bytes do not start a character.
  return static_cast<int32_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::string Mid(std::string_view text, int32_t start, int32_t length) {
  const std::u32string chars = ToCodePoints(text);
  if (start < 1) start = 1;
  const size_t from = static_cast<size_t>(start - 1);
  if (from >= chars.size() || length == 0) return "";
  const size_t count = length < 0 ? std::u32string::npos : static_cast<size_t>(length);
  return FromCodePoints(std::u32string_view(chars).substr(from, count));
}

std::string Left(std::string_view text, int32_t length) {
  return length <= 0 ? std::string() : Mid(text, 1, length);
}

std::string Right(std::string_view text, int32_t length) {
  const int32_t total = Len(text);
  if (length <= 0) return "";
  if (length >= total) return std::string(text);
  return Mid(text, total - length + 1);
}

std::string LTrim(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string RTrim(std::string_view text) {
  const size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string Trim(std::string_view text) { return LTrim(RTrim(text)); }

std::string LCase(std::string_view text) { return FromCodePoints(Fold(ToCodePoints(text))); }

std::string UCase(std::string_view text) {
  std::u32string chars = ToCodePoints(text);
  for (auto& c : chars) c = UpperCase(c);
  return FromCodePoints(chars);
}

int32_t InStr(int32_t start, std::string_view text, std::string_view find, Compare compare) {
  const std::u32string chars = ToCodePoints(text);
  if (start < 1) start = 1;
  if (static_cast<size_t>(start) > chars.size()) return 0;
  if (find.empty()) return start;
  const size_t at = FindChars(chars, ToCodePoints(find), static_cast<size_t>(start - 1), compare);
  return at == std::u32string::npos ? 0 : static_cast<int32_t>(at + 1);
}

std::string Replace(std::string_view text, std::string_view find, std::string_view replacement,
                    Compare compare, int32_t count) {
  if (find.empty() || count == 0) return std::string(text);
  const std::u32string chars = ToCodePoints(text);
  const std::u32string pattern = ToCodePoints(find);
  const std::u32string with = ToCodePoints(replacement);
  const std::u32string haystack = compare == Compare::Text ? Fold(chars) : chars;
  const std::u32string needle = compare == Compare::Text ? Fold(pattern) : pattern;
  std::u32string out;
  size_t pos = 0;
  int32_t done = 0;
  while (count < 0 || done < count) {
    const size_t at = haystack.find(needle, pos);
    if (at == std::u32string::npos) break;
    out.append(chars, pos, at - pos);
    out += with;
    pos = at + needle.size();
    ++done;
  }
  out.append(chars, pos, std::u32string::npos);
  return FromCodePoints(out);
}

std::vector<std::string> Split(std::string_view text, std::string_view delimiter, Compare compare) {
  std::vector<std::string> parts;
  if (text.empty()) return parts;
  if (delimiter.empty()) {
    parts.emplace_back(text);
    return parts;
  }
  const std::u32string chars = ToCodePoints(text);
  const std::u32string haystack = compare == Compare::Text ? Fold(chars) : chars;
  const std::u32string needle =
      ToCodePoints(compare == Compare::Text ? LCase(delimiter) : std::string(delimiter));
  size_t pos = 0;
  for (;;) {
    const size_t at = haystack.find(needle, pos);
    if (at == std::u32string::npos) break;
    parts.push_back(FromCodePoints(std::u32string_view(chars).substr(pos, at - pos)));
    pos = at + needle.size();
  }
  parts.push_back(FromCodePoints(std::u32string_view(chars).substr(pos)));
  return parts;
}

std::string Join(const std::vector<std::string>& parts, std::string_view delimiter) {
  std::string out;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out += delimiter;
    out += parts[i];
  }
  return out;
}

int32_t Val(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = std::min<int64_t>(value * 10 + (text[i] - '0'), 2147483648LL);
  }
  if (negative) value = -value;
  return static_cast<int32_t>(std::clamp<int64_t>(value, -2147483648LL, 2147483647LL));
}

int TextCompare(std::string_view a, std::string_view b) {
  const std::u32string fa = Fold(ToCodePoints(a));
  const std::u32string fb = Fold(ToCodePoints(b));
  return fa < fb ? -1 : (fb < fa ? 1 : 0);
}

bool TextEquals(std::string_view a, std::string_view b) { return TextCompare(a, b) == 0; }

}  // namespace kov
