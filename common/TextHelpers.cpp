#include "common/TextHelpers.h"

#include <cctype>
#include <climits>

#include "platform/TextCodes.h"

// By hand rather than with snprintf, whose floating-point formatting the
// programs would otherwise carry.
std::string LongToString(long number) {
    unsigned long magnitude = number < 0 ? 0ul - static_cast<unsigned long>(number) : static_cast<unsigned long>(number);
    char text[21];
    char* digit = text + sizeof text;
    do {
        *--digit = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (number < 0) *--digit = '-';
    return std::string(digit, text + sizeof text);
}

// A long holds every int, on both processors and natively.
std::string IntToString(int number) { return LongToString(number); }

int IntDivide(int dividend, int divisor) {
    if (divisor == 0) return 0;
    if (dividend == INT_MIN && divisor == -1) return INT_MAX;
    return dividend / divisor;
}

std::string RemoveChar(const std::string& text, char removed) {
    std::string kept;
    kept.reserve(text.size());
    for (char c : text)
        if (c != removed) kept += c;
    return kept;
}

std::string UpperCopy(const std::string& text) {
    return UpperName(text);
}

bool IsAllDigits(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// Counts on in decimal text, so that a counter of any length goes on
// instead of overflowing.
static std::string DecimalSuccessor(const std::string& digits) {
    std::string::size_type first = digits.find_first_not_of('0');
    std::string number = first == std::string::npos ? "0" : digits.substr(first);
    for (std::string::size_type i = number.size(); i-- > 0;) {
        if (number[i] != '9') {
            ++number[i];
            return number;
        }
        number[i] = '0';
    }
    return "1" + number;
}

std::string NextUniqueName(const std::string& name) {
    const std::string::size_type open = name.rfind('(');
    const std::string::size_type close = name.rfind(')');
    if (open != std::string::npos && close != std::string::npos && close > open) {
        const std::string counter = name.substr(open + 1, close - open - 1);
        if (IsAllDigits(counter)) return name.substr(0, open) + "(" + DecimalSuccessor(counter) + ")";
    }
    return name + " (2)";
}

static bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string Trim(const std::string& text) {
    std::string::size_type begin = 0;
    while (begin < text.size() && IsWhiteSpace(text[begin])) ++begin;
    return TrimEnd(text.substr(begin));
}

std::string TrimEnd(const std::string& text) {
    std::string::size_type end = text.size();
    while (end > 0 && IsWhiteSpace(text[end - 1])) --end;
    return text.substr(0, end);
}

int AtoiLike(const std::string& text) {
    std::string::size_type i = 0;
    while (i < text.size() && IsWhiteSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    return static_cast<int>(value);
}
