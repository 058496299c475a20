#include "platform/TextCodes.h"

namespace {

// The length of the well-formed sequence at text[i], with its code point;
// 0 when the bytes there form none.
std::size_t Sequence(const std::string& text, std::size_t i, unsigned& codePoint) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned lead = byte(i);
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (lead < 0xC2 || lead > 0xF4 || i + length > text.size()) return 0;
    codePoint = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        codePoint = codePoint << 6 | (byte(i + k) & 0x3F);
    }
    static const unsigned least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < least[length] || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return 0;
    return length;
}

// The capital of a small letter of the scripts named above; the letter
// itself otherwise.
unsigned Capital(unsigned c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) || (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) ||
        (c >= 0x430 && c <= 0x44F) || (c >= 0xFF41 && c <= 0xFF5A))
        return c - 0x20;
    if (c >= 0x450 && c <= 0x45F) return c - 0x50;
    if (c == 0xFF) return 0x178;
    if (c == 0x3C2) return 0x3A3;  // final sigma
    if (c == 0x3AC) return 0x386;
    if (c >= 0x3AD && c <= 0x3AF) return c - 0x25;
    if (c == 0x3CC) return 0x38C;
    if (c == 0x3CD || c == 0x3CE) return c - 0x3F;
    // Latin Extended-A pairs its letters capital first, except in two runs
    // where the capital comes second.
    const bool oddCapitals = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (c >= 0x100 && c <= 0x17E && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 &&
        (c % 2 == 1) != oddCapitals)
        return c - 1;
    return c;
}

}  // namespace

bool IsUtf8(const std::string& text) {
    unsigned codePoint = 0;
    for (std::size_t i = 0, length; i < text.size(); i += length)
        if ((length = Sequence(text, i, codePoint)) == 0) return false;
    return true;
}

void AppendUtf8(std::string& out, unsigned c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    static const unsigned lead[] = {0, 0xC0, 0xE0, 0xF0};
    const int tail = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    out += static_cast<char>(lead[tail] | (c >> (6 * tail)));
    for (int k = tail - 1; k >= 0; --k) out += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
}

std::string UpperName(const std::string& text) {
    std::string upper;
    upper.reserve(text.size());
    const bool utf8 = IsUtf8(text);
    unsigned codePoint = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (!utf8 || static_cast<unsigned char>(text[i]) < 0x80) {
            const char c = text[i++];
            upper += c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c;
            continue;
        }
        i += Sequence(text, i, codePoint);
        AppendUtf8(upper, Capital(codePoint));
    }
    return upper;
}
