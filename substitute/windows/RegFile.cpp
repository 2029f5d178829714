#include "windows/RegFile.h"

#include <cstdio>
#include <vector>

namespace kov::substitute {
namespace {

constexpr const char* kHeader = "REGEDIT4";

std::string Quote(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string HexBytes(const std::string& data, size_t prefixLength) {
  // regedit keeps lines under 80 characters, continuing with ",\" and two blanks.
  std::string out;
  size_t column = prefixLength;
  for (size_t i = 0; i < data.size(); ++i) {
    char byte[4];
    std::snprintf(byte, sizeof byte, "%02x", static_cast<unsigned char>(data[i]));
    out += byte;
    column += 2;
    if (i + 1 < data.size()) {
      out += ',';
      ++column;
      if (column > 76) {
        out += "\\\r\n  ";
        column = 2;
      }
    }
  }
  return out;
}

bool PrintableString(const RegValue& value) {
  const std::string& data = value.data;
  if (data.empty() || data.back() != '\0') return false;
  for (size_t i = 0; i + 1 < data.size(); ++i) {
    if (data[i] == '\0' || data[i] == '\r' || data[i] == '\n') return false;
  }
  return true;
}

std::string FormatValue(const RegValue& value) {
  std::string line = value.name.empty() ? "@" : Quote(value.name);
  line += '=';
  if (value.type == 1 && PrintableString(value)) {
    return line + Quote(value.data.substr(0, value.data.size() - 1));
  }
  if (value.type == 4 && value.data.size() == 4) {
    uint32_t number = 0;
    for (int i = 3; i >= 0; --i) number = (number << 8) | static_cast<unsigned char>(value.data[i]);
    char text[16];
    std::snprintf(text, sizeof text, "dword:%08x", number);
    return line + text;
  }
  if (value.type == 3) {
    line += "hex:";
  } else {
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "hex(%x):", value.type);
    line += prefix;
  }
  return line + HexBytes(value.data, line.size());
}

void FormatKey(const RegNode& node, const std::string& path, std::string& out) {
  out += "[" + path + "]\r\n";
  for (const auto& value : node.values) out += FormatValue(value) + "\r\n";
  out += "\r\n";
  for (const auto& child : node.children) FormatKey(*child, path + "\\" + child->name, out);
}

// Logical lines of the file: physical lines joined where one ends in a backslash continuation
// (only inside hex data), each with the number of its first physical line.
struct Line {
  int number;
  std::string text;
};

std::vector<Line> SplitLines(const std::string& text) {
  std::vector<Line> lines;
  int number = 0;
  size_t pos = 0;
  bool continuing = false;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    pos = end + 1;
    ++number;
    if (continuing) {
      const size_t first = line.find_first_not_of(" \t");
      lines.back().text += first == std::string::npos ? "" : line.substr(first);
    } else {
      lines.push_back(Line{number, line});
    }
    std::string& current = lines.back().text;
    continuing =
        !current.empty() && current.back() == '\\' && current.find("=hex") != std::string::npos;
    if (continuing) current.pop_back();
  }
  return lines;
}

class Parser {
 public:
  Parser(const std::string& fileName) : fileName_(fileName) {}

  RegTree Parse(const std::string& text) {
    const std::vector<Line> lines = SplitLines(text);
    size_t i = 0;
    // A byte-order mark would mean a Unicode export, which this form does not take.
    if (lines.empty() || lines[0].text != kHeader) {
      Fail(lines.empty() ? 1 : lines[0].number, "the file does not start with REGEDIT4");
    }
    for (i = 1; i < lines.size(); ++i) {
      line_ = lines[i].number;
      const std::string& line = lines[i].text;
      if (line.empty() || line[0] == ';') continue;
      if (line[0] == '[') {
        KeyLine(line);
      } else {
        ValueLine(line);
      }
    }
    return std::move(tree_);
  }

 private:
  [[noreturn]] void Fail(int line, const std::string& what) {
    throw RegFileError(fileName_, line, what);
  }
  [[noreturn]] void Fail(const std::string& what) { Fail(line_, what); }

  void KeyLine(const std::string& line) {
    if (line.back() != ']' || line.size() < 3) Fail("a key line must be [ROOT\\path]");
    const std::string path = line.substr(1, line.size() - 2);
    if (path[0] == '-') Fail("key deletions have no place in a registry file");
    const size_t slash = path.find('\\');
    const std::string rootName = path.substr(0, slash);
    current_ = nullptr;
    for (size_t r = 0; r < 3; ++r) {
      if (rootName == kRegRoots[r].name) current_ = &tree_.roots[r];
    }
    if (current_ == nullptr) Fail("unknown root key \"" + rootName + "\"");
    if (slash == std::string::npos) return;
    size_t start = slash + 1;
    for (;;) {
      const size_t end = path.find('\\', start);
      const std::string name = path.substr(start, end - start);
      if (name.empty()) Fail("a key path has an empty level");
      current_ = current_->AddChild(name);
      if (end == std::string::npos) break;
      start = end + 1;
    }
  }

  // Reads a quoted text starting at `pos` (on the opening quote); leaves `pos` after it.
  std::string QuotedText(const std::string& line, size_t& pos) {
    std::string out;
    for (++pos; pos < line.size(); ++pos) {
      const char c = line[pos];
      if (c == '"') {
        ++pos;
        return out;
      }
      if (c == '\\') {
        if (++pos >= line.size()) break;
        if (line[pos] != '\\' && line[pos] != '"') Fail("unknown escape in a quoted text");
      }
      out += line[pos];
    }
    Fail("a quoted text is not closed");
  }

  std::string HexData(const std::string& text) {
    std::string out;
    if (text.empty()) return out;
    size_t pos = 0;
    for (;;) {
      while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
      if (pos + 2 > text.size() || !isxdigit(static_cast<unsigned char>(text[pos])) ||
          !isxdigit(static_cast<unsigned char>(text[pos + 1]))) {
        Fail("hex data must be two-digit bytes separated by commas");
      }
      out += static_cast<char>(std::stoi(text.substr(pos, 2), nullptr, 16));
      pos += 2;
      while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
      if (pos == text.size()) return out;
      if (text[pos] != ',') Fail("hex data must be two-digit bytes separated by commas");
      ++pos;
    }
  }

  void ValueLine(const std::string& line) {
    if (current_ == nullptr) Fail("a value comes before any key");
    size_t pos = 0;
    std::string name;
    if (line[0] == '@') {
      pos = 1;
    } else if (line[0] == '"') {
      name = QuotedText(line, pos);
    } else {
      Fail("a value line must start with \"name\" or @");
    }
    if (pos >= line.size() || line[pos] != '=') Fail("a value name must be followed by =");
    const std::string data = line.substr(pos + 1);
    if (data == "-") Fail("value deletions have no place in a registry file");
    if (!data.empty() && data[0] == '"') {
      size_t at = 0;
      std::string text = QuotedText(data, at);
      if (at != data.size()) Fail("text follows a quoted value");
      current_->SetValue(name, 1, text + '\0');
    } else if (data.rfind("dword:", 0) == 0) {
      const std::string digits = data.substr(6);
      if (digits.size() != 8 ||
          digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        Fail("dword: takes eight hex digits");
      }
      const auto number = static_cast<uint32_t>(std::stoul(digits, nullptr, 16));
      std::string bytes(4, '\0');
      for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
      current_->SetValue(name, 4, bytes);
    } else if (data.rfind("hex:", 0) == 0) {
      current_->SetValue(name, 3, HexData(data.substr(4)));
    } else if (data.rfind("hex(", 0) == 0) {
      const size_t close = data.find("):");
      const std::string type = close == std::string::npos ? "" : data.substr(4, close - 4);
      if (type.empty() || type.size() > 8 ||
          type.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        Fail("hex(N): takes a hex type number");
      }
      current_->SetValue(name, static_cast<uint32_t>(std::stoul(type, nullptr, 16)),
                         HexData(data.substr(close + 2)));
    } else {
      Fail("unknown value data \"" + data + "\"");
    }
  }

  std::string fileName_;
  RegTree tree_;
  RegNode* current_ = nullptr;
  int line_ = 0;
};

}  // namespace

RegFileError::RegFileError(const std::string& file, int line, const std::string& what)
    : std::runtime_error(file + ", line " + std::to_string(line) + ": " + what), line_(line) {}

std::string FormatRegKey(const RegTree& tree, const std::string& fullPath) {
  std::string path = fullPath;
  while (!path.empty() && path.back() == '\\') path.pop_back();
  const size_t slash = path.find('\\');
  const std::string rootName = path.substr(0, slash);
  const RegNode* node = nullptr;
  for (size_t r = 0; r < 3; ++r) {
    if (CompareRegNames(rootName, kRegRoots[r].name) == 0) node = &tree.roots[r];
  }
  if (node == nullptr) return "";
  std::string shown = node->name;
  size_t start = slash == std::string::npos ? path.size() : slash + 1;
  while (start < path.size()) {
    const size_t end = path.find('\\', start);
    node = node->Child(path.substr(start, end - start));
    if (node == nullptr) return "";
    shown += "\\" + node->name;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  std::string out;
  FormatKey(*node, shown, out);
  return out;
}

RegTree ParseRegFile(const std::string& text, const std::string& fileName) {
  return Parser(fileName).Parse(text);
}

std::string FormatRegFile(const RegTree& tree) {
  std::string out = std::string(kHeader) + "\r\n\r\n";
  for (size_t r = 0; r < 3; ++r) {
    if (!tree.roots[r].values.empty()) {
      out += "[" + std::string(kRegRoots[r].name) + "]\r\n";
      for (const auto& value : tree.roots[r].values) out += FormatValue(value) + "\r\n";
      out += "\r\n";
    }
    for (const auto& child : tree.roots[r].children) {
      FormatKey(*child, std::string(kRegRoots[r].name) + "\\" + child->name, out);
    }
  }
  return out;
}

}  // namespace kov::substitute
