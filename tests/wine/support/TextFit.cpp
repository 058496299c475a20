#include "tests/wine/support/TextFit.h"

#include <algorithm>
#include <cctype>

#include "tests/wine/support/Driving.h"

namespace {

// Where Wine's controls draw a label inside their client area: a check box's
// or radio button's box and the gap after it, a push button's 3D edge on
// each side, a group box's inset on each side (pixels at 96 dots an inch,
// which grow with the screen's).
constexpr int CheckBoxAndGap = 17, PushButtonEdges = 6, GroupBoxInsets = 14;

class Measure {
public:
    Measure(const char* face, int points) : m_dc(CreateCompatibleDC(nullptr)) {
        // As the dialog manager makes a dialog's font from its template.
        m_dpi = GetDeviceCaps(m_dc, LOGPIXELSY);
        m_font = CreateFontA(-MulDiv(points, m_dpi, 72), 0, 0, 0, FW_DONTCARE, FALSE, FALSE,
                             FALSE, DEFAULT_CHARSET, 0, 0, PROOF_QUALITY, FF_DONTCARE, face);
        m_old = SelectObject(m_dc, m_font);
        TEXTMETRICA metrics{};
        GetTextMetricsA(m_dc, &metrics);
        m_lineHeight = metrics.tmHeight;
    }
    ~Measure() {
        SelectObject(m_dc, m_old);
        DeleteObject(m_font);
        DeleteDC(m_dc);
    }
    Measure(const Measure&) = delete;
    Measure& operator=(const Measure&) = delete;

    // A line's width as drawn (an ampersand marks the next letter unless prefixes are off).
    int Width(const std::string& line, UINT prefix) const {
        RECT r{0, 0, 0, 0};
        DrawTextA(m_dc, line.c_str(), static_cast<int>(line.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | prefix);
        return r.right - r.left;
    }
    // The height Wine's own word wrapping gives the text at this width.
    int WrappedHeight(const std::string& text, int width, UINT prefix) const {
        RECT r{0, 0, width, 0};
        DrawTextA(m_dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | prefix);
        return r.bottom - r.top;
    }
    int LineHeight() const { return m_lineHeight; }
    int Scaled(int pixels) const { return MulDiv(pixels, m_dpi, 96); }

private:
    HDC m_dc;
    int m_dpi = 96;
    HFONT m_font;
    HGDIOBJ m_old;
    int m_lineHeight = 0;
};

// Wine breaks a word that reaches past a line's end after a slash or a
// hyphen (not before a digit) when the part up to it still fits; Windows
// breaks only between words.
std::string::size_type FirstInnerBreak(const std::string& word) {
    for (std::string::size_type i = 0; i + 1 < word.size(); ++i)
        if ((word[i] == '/' || word[i] == '-') && word[i + 1] != '/' && word[i + 1] != '-' &&
            !std::isdigit(static_cast<unsigned char>(word[i + 1])))
            return i + 1;
    return std::string::npos;
}

// The lines of a word-wrapped text at a width, broken between words as the
// layouts were drawn for; what does not fit goes to problems.
int WrappedLines(const Measure& measure, const std::string& text, int width, UINT prefix, std::vector<std::string>& problems) {
    int lines = 0;
    std::string::size_type paragraphStart = 0;
    while (paragraphStart <= text.size()) {
        std::string::size_type paragraphEnd = text.find('\n', paragraphStart);
        if (paragraphEnd == std::string::npos) paragraphEnd = text.size();
        std::string paragraph = text.substr(paragraphStart, paragraphEnd - paragraphStart);
        if (!paragraph.empty() && paragraph.back() == '\r') paragraph.pop_back();
        ++lines;
        std::string line;
        std::string::size_type at = 0;
        while (at < paragraph.size()) {
            const std::string::size_type wordStart = paragraph.find_first_not_of(' ', at);
            if (wordStart == std::string::npos) break;
            std::string::size_type wordEnd = paragraph.find(' ', wordStart);
            if (wordEnd == std::string::npos) wordEnd = paragraph.size();
            const std::string word = paragraph.substr(wordStart, wordEnd - wordStart);
            const std::string longer = line.empty() ? word : line + paragraph.substr(at, wordStart - at) + word;
            if (measure.Width(longer, prefix) <= width) {
                line = longer;
            } else if (line.empty()) {
                problems.push_back("the word \"" + word + "\" is " + std::to_string(measure.Width(word, prefix)) +
                                   " px wide, the control " + std::to_string(width));
                line = word;
            } else {
                const std::string::size_type inner = FirstInnerBreak(word);
                if (inner != std::string::npos &&
                    measure.Width(line + paragraph.substr(at, wordStart - at) + word.substr(0, inner), prefix) <= width)
                    problems.push_back("\"" + word + "\" is broken after \"" + word.substr(0, inner) + "\"");
                ++lines;
                line = word;
            }
            at = wordEnd;
        }
        paragraphStart = paragraphEnd + 1;
    }
    return lines;
}

struct Found {
    HWND dialog;
    std::vector<HWND> controls;
};

BOOL CALLBACK CollectChild(HWND child, LPARAM data) {
    auto& found = *reinterpret_cast<Found*>(data);
    if (GetParent(child) == found.dialog && IsWindowVisible(child)) found.controls.push_back(child);
    return TRUE;
}

// What of one control's text does not fit; empty when it all does.
std::vector<std::string> Check(const Measure& measure, HWND control) {
    std::vector<std::string> problems;
    const std::string text = WindowText(control);
    if (text.empty()) return problems;
    RECT client{};
    GetClientRect(control, &client);
    const int width = client.right, height = client.bottom;
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const std::string kind = ClassName(control);
    auto tooWide = [&](int room, UINT prefix) {
        const int needed = measure.Width(text, prefix);
        if (needed > room)
            problems.push_back("needs " + std::to_string(needed) + " px, has " + std::to_string(room));
    };
    if (_stricmp(kind.c_str(), "Static") == 0) {
        const UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
        switch (style & SS_TYPEMASK) {
        case SS_LEFT:
        case SS_CENTER:
        case SS_RIGHT: {
            const int lines = WrappedLines(measure, text, width, prefix, problems);
            const int needed = std::max(lines * measure.LineHeight(), measure.WrappedHeight(text, width, prefix));
            if (needed > height)
                problems.push_back(std::to_string(lines) + " lines need " + std::to_string(needed) + " px, the control has " +
                                   std::to_string(height));
            break;
        }
        case SS_LEFTNOWORDWRAP:
        case SS_SIMPLE:
            tooWide(width, prefix);
            break;
        default:  // pictures, frames
            break;
        }
    } else if (_stricmp(kind.c_str(), "Button") == 0) {
        if (style & (BS_BITMAP | BS_ICON)) return problems;
        switch (style & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            tooWide(width - measure.Scaled(PushButtonEdges), 0);
            break;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
        case BS_3STATE:
        case BS_AUTO3STATE:
            tooWide(width - measure.Scaled(CheckBoxAndGap), 0);
            break;
        case BS_GROUPBOX:
            tooWide(width - measure.Scaled(GroupBoxInsets), 0);
            break;
        default:  // owner-drawn
            break;
        }
    } else if (_stricmp(kind.c_str(), "Edit") == 0 && (style & ES_READONLY) && !(style & ES_MULTILINE)) {
        const DWORD margins = static_cast<DWORD>(SendMessageA(control, EM_GETMARGINS, 0, 0));
        tooWide(width - LOWORD(margins) - HIWORD(margins), DT_NOPREFIX);
    }
    return problems;
}

}  // namespace

std::vector<std::string> TextsThatDoNotFit(HWND dialog, const char* face, int points) {
    Measure measure(face, points);
    Found found{dialog, {}};
    EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&found));
    std::vector<std::string> cut;
    for (HWND control : found.controls)
        for (const std::string& problem : Check(measure, control))
            cut.push_back("control " + std::to_string(GetDlgCtrlID(control)) + " \"" + WindowText(control) + "\": " + problem);
    RECT work{}, window{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(dialog, &window);
    if (window.left < work.left || window.top < work.top || window.right > work.right || window.bottom > work.bottom)
        cut.push_back("the window (" + std::to_string(window.left) + ", " + std::to_string(window.top) + ") - (" +
                      std::to_string(window.right) + ", " + std::to_string(window.bottom) + ") leaves the work area of " +
                      std::to_string(work.right - work.left) + " x " + std::to_string(work.bottom - work.top));
    return cut;
}

std::string TextsThatDoNotFitJoined(HWND dialog, const char* face, int points) {
    std::string joined;
    for (const std::string& line : TextsThatDoNotFit(dialog, face, points)) joined += line + "\n";
    return joined;
}

namespace {

// The letter after the first single ampersand, in upper case; 0 for none.
char MnemonicOf(const std::string& text) {
    for (std::string::size_type i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&') return static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1])));
        ++i;
    }
    return 0;
}

}  // namespace

std::string MnemonicTrouble(HWND dialog) {
    Found found{dialog, {}};
    EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&found));
    std::string trouble;
    std::string taken;  // the letters so far, each once
    HWND label = nullptr;  // the static just before, which names an edit
    for (HWND control : found.controls) {
        if (!IsWindowVisible(control)) continue;
        char className[32] = "";
        GetClassNameA(control, className, sizeof className);
        const LONG style = GetWindowLongA(control, GWL_STYLE);
        const std::string text = WindowText(control);
        std::string named;  // the text that must carry the mnemonic
        if (lstrcmpiA(className, "Button") == 0) {
            const LONG kind = style & BS_TYPEMASK;
            const int id = GetDlgCtrlID(control);
            if (kind != BS_GROUPBOX && id != IDOK && id != IDCANCEL) named = text;
        } else if (lstrcmpiA(className, "Edit") == 0 && !(style & ES_READONLY) && label != nullptr) {
            named = WindowText(label);
        }
        label = lstrcmpiA(className, "Static") == 0 ? control : nullptr;
        if (named.empty()) continue;
        const char letter = MnemonicOf(named);
        if (letter == 0) trouble += "\"" + named + "\": no mnemonic\n";
        else if (taken.find(letter) != std::string::npos) trouble += "\"" + named + "\": " + letter + " again\n";
        else taken += letter;
    }
    return trouble;
}
