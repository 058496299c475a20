#pragma once
// Runs a dialog's behaviour on controls kept in memory. A test opens the
// dialog, acts as a person would (clicks, selections, keys, ticks of the
// timer) and reads back everything shown.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/Dialog.h"
#include "ui/DialogWindow.h"
#include "ui/headless/HeadlessCanvas.h"

class HeadlessControl;

class HeadlessDialogHost : public IDialogWindow {
public:
    // The dialog sits at the screen origin, as its template places it; its
    // pixel size follows from the dialog units of an 8-point MS Sans Serif.
    explicit HeadlessDialogHost(CDialog& dialog);
    ~HeadlessDialogHost() override;

    // Creates the controls from the template and runs OnInitDialog.
    bool Open();

    // A person's input. Input to a disabled or hidden control does nothing.
    void Click(int id);                         // a button: it takes the focus, then BN_CLICKED
    void Command(int id);                       // a menu command
    void Type(int editId, const std::string& text);  // the edit's new text, then EN_CHANGE
    // An owner-drawn static as the dialog paints it now, on the button face.
    HeadlessCanvas Picture(int staticId);
    void SelectLine(int listBoxId, int index);  // selection plus LBN_SELCHANGE
    void DoubleClickLine(int listBoxId, int index);
    // Focuses the list, selects only this row (or adds it, with extend) and
    // notifies each change.
    void ClickRow(int listViewId, int row, bool extend = false);
    void DoubleClickRow(int listViewId, int row);
    // A click on the row's check box: the list turns it over by itself.
    void ClickCheckBox(int listViewId, int row);
    // PreTranslate, what the list does of the key itself, then LVN_KEYDOWN on
    // a list view; with Alt, only the notification (WM_SYSKEYDOWN).
    void KeyDown(int controlId, int virtualKey, bool alt = false);
    void RightClick(int controlId, int x, int y);  // WM_CONTEXTMENU
    void Close();                                  // WM_CLOSE (title bar, Alt+F4)
    void Escape();                                 // IDCANCEL
    void Tick(int count = 1);                      // WM_TIMER for each live timer, while open

    // The next popup menu chooses this command (0: dismissed).
    void ChoosePopup(int commandId) { m_popupChoices.push_back(commandId); }
    // The next child dialog is handled by this script (it may click, then
    // end the child); unscripted children are cancelled.
    void ScriptChild(std::function<void(HeadlessDialogHost&)> script) { m_childScripts.push_back(std::move(script)); }

    // What is shown.
    int Result() const { return m_result; }
    int IconId() const { return m_iconId; }
    int ForegroundCount() const { return m_foregroundCount; }
    bool HasTimer(unsigned id) const { return m_timers.count(id) != 0; }
    unsigned TimerInterval(unsigned id) const;
    std::vector<int> RemovedSystemMenuEntries() const { return m_removedSystemMenu; }
    const std::vector<MenuState>& LastPopupStates() const { return m_lastPopupStates; }
    int PopupCount() const { return m_popupCount; }
    int ChildCount() const { return m_childCount; }

    // IDialogWindow
    IButton& Button(int id) override;
    IStaticControl& Static(int id) override;
    IEdit& Edit(int id) override;
    IListBox& ListBox(int id) override;
    IListView& ListView(int id) override;
    void EndDialog(int result) override;
    bool HasEnded() const { return m_ended; }
    // Whether Open ran: a command run without the window leaves it unopened.
    bool WasOpened() const { return !m_controls.empty(); }
    void SetIcon(int iconId) override { m_iconId = iconId; }
    Rect WindowRect() const override { return m_rect; }
    int Scaled(int pixels) const override { return pixels; }
    void MoveTo(int x, int y, int width, int height) override;
    void MakeTopmost() override { m_topmost = true; }
    bool IsTopmost() const { return m_topmost; }
    void Minimize() override { m_minimized = true; }
    void Restore() override { m_minimized = false; }
    bool IsMinimized() const { return m_minimized; }
    void SetCaption(const std::string& caption) override { m_caption = caption; }
    std::string Caption() const { return m_caption; }
    void BringToForeground() override { ++m_foregroundCount; }
    void RemoveSystemMenuEntry(int position) override { m_removedSystemMenu.push_back(position); }
    unsigned SetTimer(unsigned id, unsigned milliseconds) override;
    void KillTimer(unsigned id) override { m_timers.erase(id); }
    bool TrackPopupMenu(const MenuTemplate& menu, const std::vector<MenuState>& states, int x, int y) override;
    int RunChild(CDialog& child) override;

    // Sends a notification to the dialog, as a control does.
    void SendNotify(::Notify code, int id, int key = 0, bool alt = false, int row = -1);
    // The one control with the keyboard focus, if any.
    void SetFocusTo(const HeadlessControl& control) { m_focus = &control; }
    // The focus goes on from a control that can no longer hold it to the
    // next usable tab stop in template order.
    void DropFocus(const HeadlessControl& control);
    bool HasFocus(const HeadlessControl& control) const { return m_focus == &control; }

private:
    HeadlessControl& Control(int id) const;
    void CheckHandlers() const;
    std::vector<IButton*> RadioGroupOf(int id);

    CDialog& m_dialog;
    std::map<int, std::unique_ptr<HeadlessControl>> m_controls;
    std::map<unsigned, unsigned> m_timers;
    std::deque<int> m_popupChoices;
    std::deque<std::function<void(HeadlessDialogHost&)>> m_childScripts;
    std::vector<MenuState> m_lastPopupStates;
    std::vector<int> m_removedSystemMenu;
    const HeadlessControl* m_focus = nullptr;
    Rect m_rect;
    std::string m_caption;
    int m_result = 0;
    int m_iconId = 0;
    int m_foregroundCount = 0;
    int m_popupCount = 0;
    int m_childCount = 0;
    bool m_ended = false;
    bool m_minimized = false;
    bool m_topmost = false;
};
