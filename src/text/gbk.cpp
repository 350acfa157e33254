#include "text/gbk.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace navcss {

namespace {

constexpr unsigned kFirstLead = 0x81;
constexpr unsigned kFirstTrail = 0x40;
constexpr unsigned kTrailCount = 0xFF - kFirstTrail;
constexpr char16_t kEuro = 0x20AC;  // the one single byte above ASCII: 0x80

constexpr std::uint16_t kDoubleByte[] = {
#include "text/gbk_table.inc"
};
static_assert(std::size(kDoubleByte) == (0xFF - kFirstLead) * kTrailCount);

char16_t DecodePair(unsigned char lead, unsigned char trail) {
  if (!IsGbkLeadByte(lead) || trail < kFirstTrail || trail == 0xFF) return 0;
  return kDoubleByte[(lead - kFirstLead) * kTrailCount + (trail - kFirstTrail)];
}

// Code point -> GBK bytes, built on first use from the decoding table.
const std::vector<std::pair<char16_t, std::uint16_t>>& EncodeTable() {
  static const auto table = [] {
    std::vector<std::pair<char16_t, std::uint16_t>> t;
    t.reserve(std::size(kDoubleByte));
    for (unsigned i = 0; i < std::size(kDoubleByte); ++i) {
      if (kDoubleByte[i] == 0) continue;
      unsigned lead = kFirstLead + i / kTrailCount;
      unsigned trail = kFirstTrail + i % kTrailCount;
      t.emplace_back(static_cast<char16_t>(kDoubleByte[i]),
                     static_cast<std::uint16_t>((lead << 8) | trail));
    }
    // Keep the first pair of a code point mapped twice, as the table lists it first.
    std::stable_sort(t.begin(), t.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    return t;
  }();
  return table;
}

// Next code point of UTF-8 text, or -1 for a malformed sequence (one byte consumed).
long NextCodePoint(std::string_view s, std::size_t& i) {
  auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b = byte(i);
  const int extra = b < 0x80             ? 0
                    : (b & 0xE0) == 0xC0 ? 1
                    : (b & 0xF0) == 0xE0 ? 2
                    : (b & 0xF8) == 0xF0 ? 3
                                         : -1;
  if (extra < 0) {
    ++i;
    return -1;
  }
  long cp = extra == 0 ? b : b & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    if (i + k >= s.size() || (byte(i + k) & 0xC0) != 0x80) {
      ++i;
      return -1;
    }
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  static constexpr long kSmallest[] = {0, 0x80, 0x800, 0x10000};
  if (cp < kSmallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++i;  // overlong forms and surrogates are malformed too
    return -1;
  }
  i += 1 + static_cast<std::size_t>(extra);
  return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    long cp = NextCodePoint(utf8, i);
    if (cp >= 0 && cp < 0x80) {
      out += static_cast<char>(cp);
      continue;
    }
    if (cp == kEuro) {
      out += '\x80';
      continue;
    }
    const auto& table = EncodeTable();
    auto it =
        cp > 0 && cp < 0x10000
            ? std::lower_bound(table.begin(), table.end(), static_cast<char16_t>(cp),
                               [](const auto& entry, char16_t key) { return entry.first < key; })
            : table.end();
    if (it == table.end() || it->first != cp) {
      out += '?';
      continue;
    }
    out += static_cast<char>(it->second >> 8);
    out += static_cast<char>(it->second & 0xFF);
  }
  return out;
}

std::string GbkToUtf8(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size() * 3 / 2);
  for (std::size_t i = 0; i < gbk.size(); ++i) {
    auto b = static_cast<unsigned char>(gbk[i]);
    if (b < 0x80) {
      out += static_cast<char>(b);
    } else if (b == 0x80) {
      AppendUtf8(out, kEuro);
    } else if (IsGbkLeadByte(b) && i + 1 < gbk.size()) {
      char16_t unit = DecodePair(b, static_cast<unsigned char>(gbk[i + 1]));
      if (unit != 0) {
        AppendUtf8(out, unit);
        ++i;
      } else {
        out += '?';
        // An unmapped pair whose second byte is ASCII leaves that byte to stand alone.
        if (static_cast<unsigned char>(gbk[i + 1]) >= 0x80) ++i;
      }
    } else {
      out += '?';
    }
  }
  return out;
}

}  // namespace navcss
