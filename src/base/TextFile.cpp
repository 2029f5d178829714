#include "base/TextFile.h"

#include <fstream>
#include <iterator>

#include "base/ComError.h"
#include "base/Text.h"

namespace kov {
namespace {

[[noreturn]] void RaiseOpenFailure(const std::filesystem::path& path) {
  std::error_code ec;
  const auto parent = path.parent_path();
  if (!parent.empty() && !std::filesystem::is_directory(parent, ec)) {
    throw ComError::Vb(vberr::PathNotFound);
  }
  throw ComError::Vb(vberr::PathFileAccessError);
}

std::ofstream OpenForWriting(const std::string& path, std::ios::openmode mode) {
  const auto fsPath = FsPath(path);
  std::ofstream out(fsPath, std::ios::binary | mode);
  if (!out) RaiseOpenFailure(fsPath);
  return out;
}

void Finish(std::ofstream& out) {
  out.flush();
  if (!out) throw ComError::Vb(vberr::PathFileAccessError);
}

}  // namespace

std::filesystem::path FsPath(const std::string& utf8Path) {
  return std::filesystem::path(std::u8string(utf8Path.begin(), utf8Path.end()));
}

std::vector<std::string> ReadTextLines(const std::string& path) {
  const auto fsPath = FsPath(path);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(fsPath, ec)) throw ComError::Vb(vberr::FileNotFound);
  std::ifstream in(fsPath, std::ios::binary);
  if (!in) throw ComError::Vb(vberr::PathFileAccessError);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    lines.push_back(FromAnsi(std::string_view(bytes).substr(start, i - start)));
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.push_back(FromAnsi(std::string_view(bytes).substr(start)));
  return lines;
}

void WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
  std::ofstream out = OpenForWriting(path, std::ios::trunc);
  for (const auto& line : lines) out << ToAnsi(line) << "\r\n";
  Finish(out);
}

void AppendTextLine(const std::string& path, const std::string& line) {
  std::ofstream out = OpenForWriting(path, std::ios::app);
  out << ToAnsi(line) << "\r\n";
  Finish(out);
}

}  // namespace kov
