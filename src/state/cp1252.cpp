#include "state/cp1252.h"

#include <cstdint>

namespace qm {
namespace {

// Code points of bytes 0x80..0x9F; 0 where the code page defines nothing.
constexpr uint16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// Decodes one UTF-8 sequence at `i`; an invalid one yields U+FFFD and one byte.
uint32_t NextCodePoint(const std::string& s, size_t& i) {
  const auto b = [&](size_t k) { return static_cast<uint8_t>(s[k]); };
  const uint8_t lead = b(i);
  int len = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
  if (len == 0 || i + len > s.size()) return ++i, 0xFFFD;
  uint32_t cp = len == 1 ? lead : len == 2 ? lead & 0x1F : len == 3 ? lead & 0x0F : lead & 0x07;
  for (int k = 1; k < len; ++k) {
    if ((b(i + k) & 0xC0) != 0x80) return ++i, 0xFFFD;
    cp = (cp << 6) | (b(i + k) & 0x3F);
  }
  static constexpr uint32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return ++i, 0xFFFD;
  i += len;
  return cp;
}

char ToCp1252(uint32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (int k = 0; k < 32; ++k)
    if (kHigh[k] != 0 && kHigh[k] == cp) return static_cast<char>(0x80 + k);
  return '?';
}

}  // namespace

std::string Cp1252ToUtf8(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size() + 8);
  for (char c : bytes) {
    const auto u = static_cast<uint8_t>(c);
    if (u < 0x80 || u >= 0xA0) {
      AppendUtf8(out, u);
    } else {
      const uint16_t cp = kHigh[u - 0x80];
      AppendUtf8(out, cp ? cp : '?');
    }
  }
  return out;
}

std::string Utf8ToCp1252(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) out.push_back(ToCp1252(NextCodePoint(utf8, i)));
  return out;
}

std::string SanitizeTypedName(const std::string& utf8) {
  std::string out;
  int kept = 0;
  for (size_t i = 0; i < utf8.size() && kept < 30;) {
    const uint32_t cp = NextCodePoint(utf8, i);
    if (cp < 0x20 || (cp >= 0x7F && cp < 0xA0) || cp == 0xFFFD) continue;
    AppendUtf8(out, cp);
    ++kept;
  }
  return out;
}

}  // namespace qm
