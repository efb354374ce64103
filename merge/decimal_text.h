// decimal_text.h - integers as decimal ASCII digits, independent of the locale.
//
// The ".roi" format wants plain digits: no grouping, no plus sign, "-" for negatives, whatever
// the host's locale. Formatting is most of the writer's work, so these are inline for the voxel
// loop, take two digits at a time from a table (half the divisions of one digit at a time), and
// copy the numbers below 1000 (almost every voxel coordinate) whole from a second table: no
// division and no branch on their length, which varies at random from voxel to voxel.
#pragma once

#include <cstdint>
#include <cstring>

namespace pelmora {

namespace decimal_detail {
inline constexpr char digitPairs[] = "00010203040506070809"
                                     "10111213141516171819"
                                     "20212223242526272829"
                                     "30313233343536373839"
                                     "40414243444546474849"
                                     "50515253545556575859"
                                     "60616263646566676869"
                                     "70717273747576777879"
                                     "80818283848586878889"
                                     "90919293949596979899";

// The text of each number below 1000 followed by a tab, padded to four bytes ("7\t", "42\t",
// "255\t"), and how many of those bytes it uses. Copying all four bytes and looking the length up
// costs less than working the length out. 5 KB, built by the compiler.
struct SmallNumberTexts {
    char text[1000][4];
    unsigned char length[1000];
};

constexpr SmallNumberTexts makeSmallNumberTexts() {
    SmallNumberTexts texts{};
    for (int value = 0; value < 1000; ++value) {
        char* const first = texts.text[value];
        char* out = first;
        if (value >= 100) {
            *out++ = static_cast<char>('0' + value / 100);
        }
        if (value >= 10) {
            *out++ = static_cast<char>('0' + value / 10 % 10);
        }
        *out++ = static_cast<char>('0' + value % 10);
        *out++ = '\t';
        texts.length[value] = static_cast<unsigned char>(out - first);
    }
    return texts;
}

inline constexpr SmallNumberTexts smallNumberTexts = makeSmallNumberTexts();

inline int digitCount(std::uint32_t value) {
    int count = 1;
    for (; value >= 10000; value /= 10000) {
        count += 4;
    }
    return count + (value >= 10) + (value >= 100) + (value >= 1000);
}

inline char* appendDigits(char* out, std::uint32_t value) {
    char* const end = out + digitCount(value);
    char* cursor = end;
    while (value >= 100) {
        cursor -= 2;
        std::memcpy(cursor, &digitPairs[(value % 100) * 2], 2);
        value /= 100;
    }
    if (value >= 10) {
        std::memcpy(cursor - 2, &digitPairs[value * 2], 2);
    } else {
        cursor[-1] = static_cast<char>('0' + value);
    }
    return end;
}
} // namespace decimal_detail

// Longest text of a signed 32-bit value: "-2147483648".
inline constexpr int longestInt32Text = 11;
// Longest text of an unsigned 64-bit value: "18446744073709551615".
inline constexpr int longestUint64Text = 20;

// Writes the digits of `value` at `out` (nothing else, no terminator) and returns their end.
inline char* appendDecimal(char* out, std::int32_t value) {
    // The magnitude is taken in unsigned arithmetic, where -2147483648 has one too.
    std::uint32_t magnitude = static_cast<std::uint32_t>(value);
    if (value < 0) {
        *out++ = '-';
        magnitude = 0u - magnitude;
    }
    return decimal_detail::appendDigits(out, magnitude);
}

inline char* appendDecimal(char* out, std::uint64_t value) {
    if (value <= UINT32_MAX) {
        return decimal_detail::appendDigits(out, static_cast<std::uint32_t>(value));
    }
    char digits[longestUint64Text];
    char* first = digits + longestUint64Text;
    for (; value > 0; value /= 10) {
        *--first = static_cast<char>('0' + value % 10);
    }
    const auto count = static_cast<std::size_t>(digits + longestUint64Text - first);
    std::memcpy(out, first, count);
    return out + count;
}

// Writes the digits of `value` and a tab; needs room for longestInt32Text + 1 characters.
inline char* appendDecimalAndTab(char* out, std::int32_t value) {
    const auto asUnsigned = static_cast<std::uint32_t>(value); // negatives become large
    if (asUnsigned < 1000) {
        std::memcpy(out, decimal_detail::smallNumberTexts.text[asUnsigned], 4);
        return out + decimal_detail::smallNumberTexts.length[asUnsigned];
    }
    out = appendDecimal(out, value);
    *out = '\t';
    return out + 1;
}

} // namespace pelmora
