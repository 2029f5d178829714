// Text files as the system writes them: 8-bit Windows-1252 text with CR LF line ends. Paths and
// lines are UTF-8 inside the program. Failures raise VB's file errors (53 File not found,
// 76 Path not found, 75 Path/File access error) so that handlers log them like any other.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kov {

// A UTF-8 path as the file system's path type.
std::filesystem::path FsPath(const std::string& utf8Path);

// Reads every line; CR LF, a lone LF and a lone CR all end a line, as VB's Line Input reads them.
std::vector<std::string> ReadTextLines(const std::string& path);

// Replaces the file's contents with the lines, each ended by CR LF.
void WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

// Appends one line ended by CR LF, creating the file when it is missing.
void AppendTextLine(const std::string& path, const std::string& line);

}  // namespace kov
