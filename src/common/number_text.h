#pragma once
// Numbers as the program shows, stores and reads them. Every dialog, diagram,
// report and file agrees on these forms: "." is the decimal separator on screen
// and in files whatever the locale, and both "." and "," are read.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace strandel {

// The display form: three significant digits, a leading blank for values that are
// not negative so columns line up (" 1230", "-1.23E-05", " 0"). Fixed notation
// from 0.0001 up to below 100000000, exponent notation with at least two exponent
// digits outside. Not-a-number and infinities show as " NAN", " INF", "-INF" so an
// undefined value never passes for a number.
std::string FormatValue(double x);

// The form of a number in an input field: as many significant digits as it takes
// to show the value (at least three, at most fifteen, no trailing zeros), laid out
// as FormatValue lays out its three: " 1.234", " 6.125", " 0.333333333333333",
// " 2.5E-07". A value that fifteen digits cannot carry exactly shows fifteen.
std::string FormatFieldValue(double x);
// x rounded to `significant` digits (1..17) in that layout, trailing zeros dropped.
std::string FormatFieldValue(double x, int significant);

// The beam line's form of a number: FormatValue's text whenever it reads back as
// exactly x, so documents written with three digits keep their text; otherwise the
// fewest digits that read back exactly, in the same layout (" 0.1234",
// " 0.30000000000000004", "-2.5E-07").
std::string FormatValueExact(double x);

// The general form of document and settings numbers: fixed notation (0.11, 1000,
// 2.5) unless the magnitude is below 1E-5 or needs more than 15 integer digits,
// then exponent notation such as 1E-7 or 2.5E20. Fifteen significant digits
// whenever they read back as exactly x (every number a document of fifteen digits
// held keeps its text); otherwise the fewest that do, so 1/3 writes
// 0.3333333333333333 and reads back bit for bit.
std::string FormatGeneral(double x);

// The shortest text that reads back to exactly the same double (JSON output).
std::string FormatShortest(double x);

// x times 10^places, as the decimal of x's shortest exact text reads with its point
// moved: 1.234 moved by -2 is the double nearest 0.01234, one rounding where a
// division by 100 would add a second. Infinity when the result leaves the range.
double ShiftDecimalPoint(double x, int places);

// k when factor is the double nearest 10^k (|k| <= 30), else nothing: the unit
// factors of cm, mm, kN or MPa, by which a value's decimal point can be moved.
std::optional<int> PowerOfTenExponent(double factor);

// True when the trimmed text, with "," read as ".", is a complete decimal literal
// (optional sign, digits, optional fraction, optional exponent) of a finite double.
// The empty string, "nan", "inf" and "1e999" are not numbers.
bool IsNumber(std::string_view text);

// The number in the text, or 0 when it is not a number (IsNumber). Never fails.
double ParseNumber(std::string_view text);

// A strictly read integer: optional leading blanks, optional sign, decimal digits,
// or "$" / "0x" followed by up to eight hexadecimal digits (taken as a 32-bit
// pattern). Nothing may follow. Empty when the text is not such an integer or
// the value does not fit 32 bits.
std::optional<std::int32_t> ParseStrictInteger(std::string_view text);

// "'abc' is not a valid integer value": the message of a failed strict read.
std::string InvalidIntegerMessage(std::string_view text);
// "'70000' is not within the valid range 0..65535": the message of a 16-bit field.
std::string OutOfRangeMessage(std::string_view text, long long low, long long high);

// Nearest integer, halves to the even neighbour (the rounding of stored choices).
long long RoundHalfEven(double x);

} // namespace strandel
