// Random numbers of the kinds a fast number road must get right, shared by
// the differential tests (against the big-integer road) and by
// bench/exact_share.cpp, which counts how many still need that road.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace aiconv_samples {

inline std::string Digits(std::mt19937_64& random, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += static_cast<char>('0' + (i == 0 ? 1 + random() % 9 : random() % 10));
    return text;
}

// Decimal text with 1 to 19 significant digits, each kind in turn: digits
// with a point anywhere and an exponent from beyond both ends of the range;
// a number exactly halfway between two doubles (a tie), written with a
// fraction, as an integer or with an exponent after its trailing zeros;
// one a unit above or below such a tie in its last digit.
inline std::string RandomDecimal(std::mt19937_64& random, long i) {
    if (i % 4 != 0) {
        const int count = 1 + static_cast<int>(random() % 19);
        std::string text = random() % 4 == 0 ? "0.000" : "";
        std::string digits = Digits(random, count);
        const int point = static_cast<int>(random() % (count + 1));
        text += digits.substr(0, point) + (point < count ? "." + digits.substr(point) : "");
        if (text[0] == '.') text = "0" + text;
        return text + "e" + std::to_string(static_cast<int>(random() % 700) - 360);
    }
    for (;;) {
        // n 2^t with n odd in [2^53, 2^54) lies halfway between two doubles
        // 2^(t + 1) apart; a factor 5^z in n gives it trailing zeros.
        const int z = static_cast<int>(random() % 5);
        std::uint64_t five = 1;
        for (int k = 0; k < z; ++k) five *= 5;
        const std::uint64_t odd = ((std::uint64_t{1} << 53) / five + random() % ((std::uint64_t{1} << 53) / five)) | 1;
        std::uint64_t n = odd * five;  // below 2^54: times 2^8 or 5^4 it stays below 2^64
        const int t = static_cast<int>(random() % 13) - 4;
        // As digits times 10^exponent: n 2^t, or n 5^-t 10^t.
        int exponent = 0;
        if (t >= 0) {
            n <<= t;
        } else {
            for (int k = 0; k < -t; ++k) n *= 5;
            exponent = t;
        }
        n = n + random() % 3 - 1;  // a unit either side, or none
        std::string digits;
        for (; n != 0; n /= 10) digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(n % 10)));
        for (; digits.size() > 1 && digits.back() == '0'; ++exponent) digits.pop_back();
        if (digits.size() > 19) continue;
        if (exponent >= 0 || random() % 2) return digits + "e" + std::to_string(exponent);
        const long point = static_cast<long>(digits.size()) + exponent;
        if (point <= 0) return "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
        return digits.substr(0, static_cast<std::size_t>(point)) + "." + digits.substr(static_cast<std::size_t>(point));
    }
}

// Decimal text with 20 to 40 significant digits, more than one integer
// holds, each kind in turn: random digits with a point anywhere and any
// exponent; the digits of a tie or near-tie (as RandomDecimal makes them)
// carried on with zeros, with zeros and a last 1, or with nines.
inline std::string RandomLongDecimal(std::mt19937_64& random, long i) {
    const int count = 20 + static_cast<int>(random() % 21);
    std::string digits;
    if (i % 2 == 0) {
        digits = Digits(random, count);
    } else {
        std::string tie;
        do {
            tie = RandomDecimal(random, 0);
        } while (tie.find('e') == std::string::npos);  // its digits, then "e" and the exponent
        const std::size_t e = tie.find('e');
        const long exponent = std::strtol(tie.c_str() + e + 1, nullptr, 10);
        digits = tie.substr(0, e);
        const long extra = count - static_cast<long>(digits.size());
        const int tail = static_cast<int>(random() % 3);
        digits += tail == 2 ? std::string(static_cast<std::size_t>(extra), '9')
                            : std::string(static_cast<std::size_t>(extra - 1), '0') + (tail == 1 ? "1" : "0");
        return digits + "e" + std::to_string(exponent - extra);
    }
    const int point = static_cast<int>(random() % (count + 1));
    std::string text = digits.substr(0, static_cast<std::size_t>(point)) +
                       (point < count ? "." + digits.substr(static_cast<std::size_t>(point)) : "");
    if (text[0] == '.') text = "0" + text;
    return text + "e" + std::to_string(static_cast<int>(random() % 700) - 360);
}

// A double, each kind in turn: any finite bit pattern; a short decimal
// n 10^j (its ten digits a hair from an integer); a decimal halfway
// between two ten-digit ones (within a hair of a tie); one from 0.001 to
// 10^6, printed in the fixed form; one there halfway between two
// millionths.
inline double RandomDouble(std::mt19937_64& random, long i) {
    std::string text;
    switch (i % 5) {
        case 0: {
            double x;
            do {
                const std::uint64_t bits = random() & 0x7FFFFFFFFFFFFFFFull;
                std::memcpy(&x, &bits, sizeof x);
            } while (!(x - x == 0));  // not inf or nan
            return x;
        }
        case 1:
            text = Digits(random, 1 + static_cast<int>(random() % 10));
            break;
        case 2:
            text = Digits(random, 10) + "5";
            break;
        case 3: {
            text = Digits(random, 1 + static_cast<int>(random() % 17));
            const int exponent = static_cast<int>(random() % 9) - 3 - static_cast<int>(text.size());
            return std::strtod((text + "e" + std::to_string(exponent)).c_str(), nullptr);
        }
        default: {
            const std::string fraction = Digits(random, 6).substr(static_cast<std::size_t>(random() % 6));
            text = std::to_string(random() % 1000000) + "." + fraction + "5";
            return std::strtod(text.c_str(), nullptr);
        }
    }
    text += "e" + std::to_string(static_cast<int>(random() % 640) - 330);
    return std::strtod(text.c_str(), nullptr);
}

}  // namespace aiconv_samples
