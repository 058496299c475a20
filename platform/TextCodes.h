#pragma once
// Texts as the programs hold them: in their code page, which their manifest
// makes UTF-8 (Windows 10 1903 and later); on older systems the ANSI code
// page, whose bytes seldom form UTF-8.
#include <string>

// True when the bytes are well-formed UTF-8 (shortest forms, no surrogates,
// nothing past U+10FFFF). A text of ASCII is.
bool IsUtf8(const std::string& text);

// Upper-cased as Windows matches file, key and value names: ASCII letters,
// and in a UTF-8 text also the letters of Latin-1, Latin Extended-A, Greek,
// Cyrillic and the full-width Latin ones. A text that is not UTF-8 (a name
// in an ANSI code page) has only its ASCII letters changed.
std::string UpperName(const std::string& text);

// The UTF-8 form of one code point.
void AppendUtf8(std::string& out, unsigned codePoint);
