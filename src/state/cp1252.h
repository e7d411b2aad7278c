#pragma once
// Text at the file boundary: the files hold single-byte Windows-1252, the program UTF-8.
#include <string>

namespace qm {

std::string Cp1252ToUtf8(const std::string& bytes);
// Characters the code page lacks (and broken UTF-8) become '?'.
std::string Utf8ToCp1252(const std::string& utf8);
// A typed pilot or slot name: control characters removed, at most 30 characters.
std::string SanitizeTypedName(const std::string& utf8);

}  // namespace qm
