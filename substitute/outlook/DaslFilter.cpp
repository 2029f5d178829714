#include "outlook/DaslFilter.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>
#include <vector>

#include "base/Text.h"
#include "outlook/DaslProperties.h"

namespace kov::outlook {

namespace {

enum class Tok { Name, String, Integer, True, False, Like, And, Or, Not, LParen, RParen, Op, End };

struct Token {
  Tok kind;
  std::string text;
  size_t at;  // offset in the filter, for error messages
};

std::vector<Token> Tokenize(const std::string& s) {
  std::vector<Token> tokens;
  size_t i = 0;
  auto fail = [&](const std::string& what, size_t at) -> void {
    throw DaslError(what + " at position " + std::to_string(at + 1));
  };
  while (i < s.size()) {
    const char c = s[i];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      ++i;
    } else if (c == '"') {
      const size_t close = s.find('"', i + 1);
      if (close == std::string::npos) fail("unterminated property name", i);
      tokens.push_back({Tok::Name, s.substr(i + 1, close - i - 1), i});
      i = close + 1;
    } else if (c == '\'') {
      std::string text;
      size_t j = i + 1;
      for (;; ++j) {
        if (j >= s.size()) fail("unterminated string", i);
        if (s[j] == '\'') {
          if (j + 1 < s.size() && s[j + 1] == '\'') {
            text += '\'';
            ++j;
            continue;
          }
          break;
        }
        text += s[j];
      }
      tokens.push_back({Tok::String, text, i});
      i = j + 1;
    } else if (std::isdigit(static_cast<unsigned char>(c)) ||
               (c == '-' && i + 1 < s.size() &&
                std::isdigit(static_cast<unsigned char>(s[i + 1])))) {
      size_t j = i + 1;
      while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
      tokens.push_back({Tok::Integer, s.substr(i, j - i), i});
      i = j;
    } else if (c == '(' || c == ')') {
      tokens.push_back({c == '(' ? Tok::LParen : Tok::RParen, std::string(1, c), i});
      ++i;
    } else if (c == '=' || c == '<' || c == '>') {
      std::string op(1, c);
      if (c == '<' && i + 1 < s.size() && (s[i + 1] == '>' || s[i + 1] == '=')) op += s[i + 1];
      if (c == '>' && i + 1 < s.size() && s[i + 1] == '=') op += s[i + 1];
      tokens.push_back({Tok::Op, op, i});
      i += op.size();
    } else if (std::isalpha(static_cast<unsigned char>(c))) {
      size_t j = i;
      while (j < s.size() && (std::isalnum(static_cast<unsigned char>(s[j])) || s[j] == '_')) ++j;
      const std::string word = UCase(s.substr(i, j - i));
      Tok kind = Tok::End;
      if (word == "LIKE")
        kind = Tok::Like;
      else if (word == "AND")
        kind = Tok::And;
      else if (word == "OR")
        kind = Tok::Or;
      else if (word == "NOT")
        kind = Tok::Not;
      else if (word == "TRUE")
        kind = Tok::True;
      else if (word == "FALSE")
        kind = Tok::False;
      else
        fail("unknown word \"" + s.substr(i, j - i) + "\"", i);
      tokens.push_back({kind, word, i});
      i = j;
    } else {
      fail(std::string("unexpected character '") + c + "'", i);
    }
  }
  tokens.push_back({Tok::End, "", s.size()});
  return tokens;
}

enum class Op { Like, Eq, Ne, Lt, Gt, Le, Ge };

// Folds letter case for comparison: ASCII in place, anything else through the full table.
std::string Fold(std::string_view text) {
  for (unsigned char c : text) {
    if (c >= 0x80) return LCase(text);
  }
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

struct DaslFilter::Node {
  enum Kind { And, Or, Not, Compare } kind;
  std::vector<std::shared_ptr<const Node>> children;

  // Compare only.
  DaslProperty property;
  Op op = Op::Eq;
  enum LiteralKind { Text, Integer, Boolean } literal = Text;
  std::string text;    // the literal, folded
  int64_t number = 0;  // Integer literal, or 0/1 for a Boolean
  bool textIsNumber = false;
  // LIKE: the pattern's pieces between '%', and whether it is anchored at either end.
  std::vector<std::string> pieces;
  bool anchoredStart = false;
  bool anchoredEnd = false;
  bool matchesNothing = false;

  bool Eval(const ItemData& item, int32_t itemType) const;
  bool CompareText(std::string_view value) const;
  bool CompareNumber(int64_t value) const;
};

namespace {

class Parser {
 public:
  explicit Parser(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

  std::shared_ptr<const DaslFilter::Node> ParseAll() {
    auto node = ParseOr();
    if (Peek().kind != Tok::End) Fail("unexpected \"" + Peek().text + "\"");
    return node;
  }

 private:
  using NodePtr = std::shared_ptr<const DaslFilter::Node>;
  using Node = DaslFilter::Node;

  const Token& Peek() const { return tokens_[pos_]; }
  const Token& Next() { return tokens_[pos_++]; }
  [[noreturn]] void Fail(const std::string& what) const {
    throw DaslError(what + " at position " + std::to_string(Peek().at + 1));
  }

  NodePtr Join(Node::Kind kind, Tok separator, NodePtr (Parser::*operand)()) {
    NodePtr first = (this->*operand)();
    if (Peek().kind != separator) return first;
    auto node = std::make_shared<Node>();
    node->kind = kind;
    node->children.push_back(first);
    while (Peek().kind == separator) {
      Next();
      node->children.push_back((this->*operand)());
    }
    return node;
  }

  NodePtr ParseOr() { return Join(Node::Or, Tok::Or, &Parser::ParseAnd); }
  NodePtr ParseAnd() { return Join(Node::And, Tok::And, &Parser::ParseNot); }

  NodePtr ParseNot() {
    if (Peek().kind != Tok::Not) return ParsePrimary();
    Next();
    auto node = std::make_shared<Node>();
    node->kind = Node::Not;
    node->children.push_back(ParseNot());
    return node;
  }

  NodePtr ParsePrimary() {
    if (Peek().kind == Tok::LParen) {
      Next();
      NodePtr inner = ParseOr();
      if (Peek().kind != Tok::RParen) Fail("expected \")\"");
      Next();
      return inner;
    }
    if (Peek().kind != Tok::Name) Fail("expected a quoted property name");
    const Token& name = Next();
    const auto property = ResolveDaslName(name.text);
    if (!property) {
      throw DaslError("unknown property \"" + name.text + "\" at position " +
                      std::to_string(name.at + 1));
    }
    auto node = std::make_shared<Node>();
    node->kind = Node::Compare;
    node->property = *property;
    const Token& op = Next();
    if (op.kind == Tok::Like) {
      node->op = Op::Like;
    } else if (op.kind == Tok::Op) {
      static const std::pair<const char*, Op> kOps[] = {{"=", Op::Eq},  {"<>", Op::Ne},
                                                        {"<", Op::Lt},  {">", Op::Gt},
                                                        {"<=", Op::Le}, {">=", Op::Ge}};
      for (const auto& [text, value] : kOps) {
        if (op.text == text) node->op = value;
      }
    } else {
      --pos_;
      Fail("expected LIKE or a comparison after \"" + name.text + "\"");
    }
    const Token& value = Next();
    switch (value.kind) {
      case Tok::String:
        node->literal = Node::Text;
        node->text = Fold(value.text);
        {
          int64_t parsed = 0;
          const auto* end = value.text.data() + value.text.size();
          auto [ptr, ec] = std::from_chars(value.text.data(), end, parsed);
          node->textIsNumber = ec == std::errc() && ptr == end && !value.text.empty();
          node->number = parsed;
        }
        break;
      case Tok::Integer:
        node->literal = Node::Integer;
        node->number = std::stoll(value.text);
        node->text = value.text;
        break;
      case Tok::True:
      case Tok::False:
        node->literal = Node::Boolean;
        node->number = value.kind == Tok::True ? 1 : 0;
        node->text = value.kind == Tok::True ? "true" : "false";
        break;
      default:
        --pos_;
        Fail("expected a value");
    }
    if (node->op == Op::Like) {
      if (node->literal != Node::Text) Fail("LIKE needs a quoted pattern");
      const std::vector<std::string> parts = Split(node->text, "%");
      node->anchoredStart = !parts.empty() && !parts.front().empty();
      node->anchoredEnd = !parts.empty() && !parts.back().empty();
      for (const auto& part : parts) {
        if (!part.empty()) node->pieces.push_back(part);
      }
      // Only '%' (or nothing) leaves no token to match: no item matches.
      node->matchesNothing = node->pieces.empty();
    }
    return node;
  }

  std::vector<Token> tokens_;
  size_t pos_ = 0;
};

}  // namespace

namespace {

// Lower-case ASCII letters; other bytes stay as they are.
struct LowerTable {
  unsigned char map[256];
  constexpr LowerTable() : map() {
    for (int c = 0; c < 256; ++c)
      map[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  }
};
constexpr LowerTable kLower;

bool IsAscii(std::string_view text) {
  for (unsigned char c : text) {
    if (c >= 0x80) return false;
  }
  return true;
}

// Whether `value` holds the folded `piece` at `at`, comparing ASCII letters without case.
bool FoldedAt(std::string_view value, size_t at, std::string_view piece) {
  if (at + piece.size() > value.size()) return false;
  for (size_t i = 0; i < piece.size(); ++i) {
    if (kLower.map[static_cast<unsigned char>(value[at + i])] !=
        static_cast<unsigned char>(piece[i])) {
      return false;
    }
  }
  return true;
}

size_t FoldedFind(std::string_view value, std::string_view piece, size_t from, size_t limit) {
  if (piece.size() > limit) return std::string_view::npos;
  const unsigned char first = static_cast<unsigned char>(piece[0]);
  for (size_t at = from; at + piece.size() <= limit; ++at) {
    if (kLower.map[static_cast<unsigned char>(value[at])] == first && FoldedAt(value, at, piece)) {
      return at;
    }
  }
  return std::string_view::npos;
}

}  // namespace

bool DaslFilter::Node::CompareText(std::string_view raw) const {
  if (op == Op::Like && matchesNothing) return false;
  // Text outside ASCII is folded as a whole first; ASCII text is compared in place, which keeps
  // the common case free of copies.
  std::string foldedCopy;
  std::string_view value = raw;
  if (!IsAscii(raw)) {
    foldedCopy = LCase(raw);
    value = foldedCopy;
  }
  if (op == Op::Like) {
    if (pieces.size() == 1 && anchoredStart && anchoredEnd) {
      return value.size() == pieces[0].size() && FoldedAt(value, 0, pieces[0]);
    }
    size_t from = 0;
    size_t limit = value.size();
    size_t first = 0;
    size_t last = pieces.size();
    if (anchoredStart) {
      if (!FoldedAt(value, 0, pieces[0])) return false;
      from = pieces[0].size();
      first = 1;
    }
    if (anchoredEnd) {
      const std::string& tail = pieces.back();
      if (tail.size() > value.size() - from || !FoldedAt(value, value.size() - tail.size(), tail)) {
        return false;
      }
      limit = value.size() - tail.size();
      last = pieces.size() - 1;
    }
    for (size_t i = first; i < last; ++i) {
      const size_t at = FoldedFind(value, pieces[i], from, limit);
      if (at == std::string_view::npos) return false;
      from = at + pieces[i].size();
    }
    return true;
  }
  int order = 0;
  const size_t common = std::min(value.size(), text.size());
  for (size_t i = 0; i < common && order == 0; ++i) {
    const unsigned char a = kLower.map[static_cast<unsigned char>(value[i])];
    const unsigned char b = static_cast<unsigned char>(text[i]);
    order = a < b ? -1 : (a > b ? 1 : 0);
  }
  if (order == 0 && value.size() != text.size()) order = value.size() < text.size() ? -1 : 1;
  switch (op) {
    case Op::Eq:
      return order == 0;
    case Op::Ne:
      return order != 0;
    case Op::Lt:
      return order < 0;
    case Op::Gt:
      return order > 0;
    case Op::Le:
      return order <= 0;
    case Op::Ge:
      return order >= 0;
    case Op::Like:
      break;
  }
  return false;
}

bool DaslFilter::Node::CompareNumber(int64_t value) const {
  if (op == Op::Like) return CompareText(std::to_string(value));
  if (literal == Text && !textIsNumber) {
    // A text literal that is no number compares with the number's decimal text.
    return CompareText(std::to_string(value));
  }
  switch (op) {
    case Op::Eq:
      return value == number;
    case Op::Ne:
      return value != number;
    case Op::Lt:
      return value < number;
    case Op::Gt:
      return value > number;
    case Op::Le:
      return value <= number;
    case Op::Ge:
      return value >= number;
    case Op::Like:
      break;
  }
  return false;
}

bool DaslFilter::Node::Eval(const ItemData& item, int32_t itemType) const {
  switch (kind) {
    case And:
      for (const auto& child : children) {
        if (!child->Eval(item, itemType)) return false;
      }
      return true;
    case Or:
      for (const auto& child : children) {
        if (child->Eval(item, itemType)) return true;
      }
      return false;
    case Not:
      return !children[0]->Eval(item, itemType);
    case Compare:
      break;
  }
  switch (property.source) {
    case DaslSource::Absent:
      return false;
    case DaslSource::False:
      return CompareNumber(0);
    case DaslSource::LinkNames: {
      std::string names;
      for (const auto& link : item.links) {
        if (link.type != 40) continue;
        if (!names.empty()) names += "; ";
        names += link.name;
      }
      return CompareText(names);
    }
    case DaslSource::LinkNameList:
      for (const auto& link : item.links) {
        if (link.type == 40 && CompareText(link.name)) return true;
      }
      return false;
    case DaslSource::Property:
    case DaslSource::Read:
    case DaslSource::HasAttachment:
      break;
  }
  if (!TypeHasProp(itemType, property.prop)) return false;
  const Variant* value = item.Find(property.prop);
  Variant empty;
  if (value == nullptr) empty = EmptyValue(property.prop);
  const Variant& v = value == nullptr ? empty : *value;
  switch (property.source) {
    case DaslSource::Read:
      return CompareNumber(v.ToLong() == 0 ? 1 : 0);
    case DaslSource::HasAttachment:
      return CompareNumber(v.ToLong() > 0 ? 1 : 0);
    default:
      break;
  }
  switch (v.GetKind()) {
    case Variant::Kind::String:
      if (literal != Text && op != Op::Like) {
        int64_t parsed = 0;
        const std::string& s = v.AsString();
        auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), parsed);
        if (ec == std::errc() && ptr == s.data() + s.size() && !s.empty()) {
          return CompareNumber(parsed);
        }
      }
      return CompareText(v.AsString());
    case Variant::Kind::Boolean:
      return CompareNumber(v == Variant(true) ? 1 : 0);
    case Variant::Kind::Integer:
    case Variant::Kind::Long:
      return CompareNumber(v.ToLong());
    default:
      return false;
  }
}

DaslFilter DaslFilter::Compile(const std::string& text) {
  DaslFilter filter;
  if (Trim(text).empty()) return filter;
  filter.root_ = Parser(Tokenize(text)).ParseAll();
  return filter;
}

bool DaslFilter::Matches(const ItemData& item, int32_t itemType) const {
  return root_ == nullptr || root_->Eval(item, itemType);
}

}  // namespace kov::outlook
