#include "ui/win32/DialogTemplateBuilder.h"

#include <string>

namespace ui32 {
namespace {

class Writer {
public:
    void Word(WORD w) { m_words.push_back(w); }
    void Dword(DWORD d) {
        Word(LOWORD(d));
        Word(HIWORD(d));
    }
    // ANSI text in the system code page, as the wide, NUL-ended text a template holds.
    void Text(const std::string& text) {
        if (!text.empty()) {
            // A WCHAR is a WORD: the text is converted in place at the end.
            const int count = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
            const std::size_t at = m_words.size();
            m_words.resize(at + static_cast<std::size_t>(count));
            MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                reinterpret_cast<LPWSTR>(&m_words[at]), count);
        }
        Word(0);
    }
    void AlignDword() {
        if (m_words.size() % 2) Word(0);
    }
    std::vector<WORD> Take() { return std::move(m_words); }

private:
    std::vector<WORD> m_words;
};

}  // namespace

std::vector<WORD> BuildDialogTemplate(const DialogTemplate& dialog) {
    Writer out;
    out.Dword(dialog.style | DS_SETFONT);
    out.Dword(dialog.exStyle);
    out.Word(static_cast<WORD>(dialog.controls.size()));
    out.Word(static_cast<WORD>(dialog.x));
    out.Word(static_cast<WORD>(dialog.y));
    out.Word(static_cast<WORD>(dialog.cx));
    out.Word(static_cast<WORD>(dialog.cy));
    out.Word(0);  // the menu bar is attached when the window exists
    out.Word(0);  // the standard dialog class
    out.Text(dialog.caption);
    out.Word(static_cast<WORD>(dialog.pointSize));
    out.Text(dialog.font);
    for (const ControlTemplate& control : dialog.controls) {
        out.AlignDword();
        out.Dword(control.style | WS_CHILD | WS_VISIBLE);
        out.Dword(control.exStyle);
        out.Word(static_cast<WORD>(control.x));
        out.Word(static_cast<WORD>(control.y));
        out.Word(static_cast<WORD>(control.cx));
        out.Word(static_cast<WORD>(control.cy));
        out.Word(static_cast<WORD>(control.id));
        out.Text(control.windowClass);
        out.Text(control.text);
        out.Word(0);  // no creation data
    }
    return out.Take();
}

}  // namespace ui32
