#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kestra {

// The amount x multiplied by 100 and rounded to a signed 64-bit integer,
// exactly halfway to the even one.  The product is exact (as in 64-bit
// mantissa arithmetic), so 0.125 gives 12 and the double nearest to 2.675,
// which lies below it, gives 267.  Throws InvalidFloatOperation for a NaN,
// an infinity or a product outside the signed 64-bit range.
std::int64_t RoundedHundredfold(double amount);

// The amount text of x: the rounded hundredfold divided by 100 and written
// with at most 15 significant digits, trailing zeros and a bare separator
// dropped, `decimal_separator` before the fraction and a minus sign for a
// negative value ("12,5", "100", "-0,12"; -0 gives "0").  Amounts of 10^15
// or more use the scientific form "1,23456789012346E15".  Throws as
// RoundedHundredfold does.
std::string AmountText(double amount, char decimal_separator);

// The same text appended to `out`.
void AppendAmountText(double amount, char decimal_separator, std::string& out);

// Room for any amount text: "-1,23456789012346E18" is the longest.
inline constexpr std::size_t kMaxAmountTextLength = 24;

// The same text written at `out`, which has room for kMaxAmountTextLength
// characters; returns the end of the text.
char* WriteAmountText(double amount, char decimal_separator, char* out);

}  // namespace kestra
