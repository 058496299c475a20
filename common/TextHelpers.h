#pragma once
// Text routines shared by both programs. Texts are in the programs' code
// page: UTF-8 where the system follows their manifest, ANSI before.
#include <string>

// Decimal text, as "%d" formats it.
std::string IntToString(int number);
// The same for a long ("%ld"), without the C library's formatting, which
// would weigh more than a program's own code.
std::string LongToString(long number);
// The quotient truncated toward zero; 0 for a zero divisor, and no overflow
// for INT_MIN / -1 (the result is clamped).
int IntDivide(int dividend, int divisor);
// The text with every occurrence of the character removed.
std::string RemoveChar(const std::string& text, char removed);
// Upper-cased copy, as Windows matches names (see UpperName).
std::string UpperCopy(const std::string& text);
// True when the text is not empty and holds only the digits 0 to 9.
bool IsAllDigits(const std::string& text);
// The next candidate for a name already taken: "Mail" -> "Mail (2)",
// "Mail (2)" -> "Mail (3)", "Mail(9)" -> "Mail(10)"; no upper limit.
std::string NextUniqueName(const std::string& name);
// Without leading and trailing space, tab, CR, LF, vertical tab, form feed.
std::string Trim(const std::string& text);
// Without trailing white space of that kind.
std::string TrimEnd(const std::string& text);
// The C library's atoi rule: leading white space, an optional sign, the
// leading digits; 0 when there are none. Clamped to the int range.
int AtoiLike(const std::string& text);
