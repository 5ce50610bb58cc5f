#pragma once

namespace tavrolin::cp932 {

constexpr int kLeadCount = 60;
constexpr unsigned char kTrailFirst = 0x40;
constexpr unsigned char kTrailLast = 0xFC;

// UTF-16 code unit of each double-byte character, 0 where a pair is no character.
// Row i is lead byte 0x81 + i for i < 31, else 0xE0 + (i - 31).
extern const char16_t kDoubleByte[kLeadCount][kTrailLast - kTrailFirst + 1];

} // namespace tavrolin::cp932
