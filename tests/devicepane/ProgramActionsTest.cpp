#include "support/PaneHost.h"

#include <ole2.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "container/EventSink.h"
#include "res/resource.h"
#include "support/RealInput.h"

namespace {

std::string MenuText(UINT command) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_PROGRAM_MENU));
    char text[128] = "";
    GetMenuStringA(GetSubMenu(menu, 0), command, text, sizeof text, MF_BYCOMMAND);
    DestroyMenu(menu);
    return text;
}

// The popup menu on screen: its item texts, "*" before the default one.
std::string ShownMenu(HWND* window = nullptr) {
    const HWND popup = FindWindowA("#32768", nullptr);
    if (window) *window = popup;
    if (popup == nullptr || !IsWindowVisible(popup)) return {};
    const auto menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
    std::string shown;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = "";
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        const bool isDefault = GetMenuDefaultItem(menu, TRUE, 0) == static_cast<UINT>(i);
        shown += std::string(shown.empty() ? "" : "|") + (isDefault ? "*" : "") + text;
    }
    return shown;
}

// Counts the WM_CONTEXTMENU messages that reach a window: the list view
// passes on to its parent (the pane) a message that the pane's own handler
// of the list left unhandled.
LRESULT CALLBACK CountContextMenus(HWND window, UINT message, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR seen) {
    if (message == WM_CONTEXTMENU) ++*reinterpret_cast<int*>(seen);
    return DefSubclassProc(window, message, wp, lp);
}

class ProgramActions : public PaneTest {
  protected:
    void SetUp() override {
        ASSERT_HRESULT_SUCCEEDED(m_Sink.Connect(m_pContainer->Control()));
        SetDevice("Player");
        m_pPane->SetDeviceConnection(1, 0, nullptr);
        SetForegroundWindow(m_pContainer->Window());
        CTestContainer::ProcessMessages();
    }

  public:
    POINT ItemPoint(int item) const {
        RECT label{};
        ListView_GetItemRect(List(), item, &label, LVIR_LABEL);
        return ScreenPoint(List(), (label.left + label.right) / 2, (label.top + label.bottom) / 2);
    }
    void Select(int item) {
        Click(ItemPoint(item));
        Settle();
    }
    static void Settle() {
        for (int i = 0; i < 5; ++i) {
            Sleep(20);
            CTestContainer::ProcessMessages();
        }
    }
    std::vector<DISPID> Events() const { return m_Sink.Dispids(); }

    CEventSink m_Sink{DIID__IDeviceTransferEvents};
};

TEST_F(ProgramActions, TheContextMenuShowsDetailsOnlyWhereTheyExistAndMakesThemTheDefault) {
    const std::string details = MenuText(ID_PROGRAM_SHOW_DETAILS), remove = MenuText(ID_PROGRAM_DELETE);
    struct Case {
        DISPLAY_MODE mode;
        bool resizable;
        std::string shown;
    } const cases[] = {
        {DEVICE_VIEW, false, "*" + details + "|" + remove},
        {TRANSFER_LIST_VIEW, false, remove},
        {TRANSFER_LIST_VIEW, true, "*" + details + "|" + remove},
        {CDBURN_VIEW, false, remove},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode) + (c.resizable ? " resizable" : ""));
        m_pPane->RemoveAllPrograms();
        ASSERT_EQ(S_OK, m_pPane->SetDisplayMode(c.mode));
        Add(Program("Great Speeches", 3600, 600, 1000, 0, 0, c.resizable));
        Settle();
        std::string shown;
        {
            CModalScript script({[&](CModalScript& s) {
                shown = ShownMenu();
                if (shown.empty()) return s.Again();
                PressKey(VK_ESCAPE);
            }});
            Click(ItemPoint(0), MouseButton::RIGHT);
            Settle();
            while (!script.Finished()) Settle();
        }
        EXPECT_EQ(c.shown, shown);
        EXPECT_TRUE(Events().empty());
    }
    // Below the last item: no menu, and the message is left to the list
    // view, which passes it on to the pane; over an item it stops there.
    RECT item{};
    ListView_GetItemRect(List(), 0, &item, LVIR_BOUNDS);
    const POINT below = ScreenPoint(List(), item.left + 20, item.bottom + 40);
    int seen = 0;
    SetWindowSubclass(Window(), CountContextMenus, 1, reinterpret_cast<DWORD_PTR>(&seen));
    SendMessageA(List(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(List()), MAKELPARAM(below.x, below.y));
    EXPECT_EQ("", ShownMenu());
    EXPECT_EQ(1, seen) << "not left to the list view";
    // Left of the primary monitor too, where the position's words are negative.
    for (const bool leftOfScreen : {false, true}) {
        if (leftOfScreen) SetWindowPos(m_pContainer->Window(), nullptr, -400, -100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        bool shown = false;
        CModalScript script({[&](CModalScript& s) {
            if (ShownMenu().empty()) return s.Again();
            shown = true;
            EndMenu();
        }});
        const POINT over = ItemPoint(0);
        ASSERT_EQ(leftOfScreen, over.x < 0);
        SendMessageA(List(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(List()), MAKELPARAM(over.x, over.y));
        EXPECT_TRUE(shown) << leftOfScreen;
        EXPECT_EQ(1, seen) << "handled, yet passed on";
    }
    RemoveWindowSubclass(Window(), CountContextMenus, 1);
}

TEST_F(ProgramActions, KeysDoubleClickAndTheMenuKeyFireTheirRequestsOnce) {
    Add(Program("Great Speeches", 3661, 600, 1572864, 60, 30));
    Add(Program("Second", 120, 60, 1000));
    Settle();
    Select(0);
    m_Sink.Clear();

    HWND popup = nullptr;
    RECT bounds{};
    ListView_GetItemRect(List(), 0, &bounds, LVIR_BOUNDS);
    const POINT expected = ScreenPoint(List(), bounds.left + 2, bounds.bottom - 2);
    CModalScript script({[&](CModalScript& s) {
        if (ShownMenu(&popup).empty()) return s.Again();
        RECT at{};
        GetWindowRect(popup, &at);
        EXPECT_NEAR(expected.x, at.left, 2);
        EXPECT_NEAR(expected.y, at.top, 2);
        PressKey(VK_UP);  // the last item: Delete
        PressKey(VK_RETURN);
    }});
    PressKey(VK_APPS);
    Settle();
    while (!script.Finished()) Settle();
    Settle();
    EXPECT_EQ(std::vector<DISPID>{DISPID_DeleteSelectedProgramsRequest}, Events());

    struct Gesture {
        const char* name;
        void (*act)(ProgramActions&);
        std::vector<DISPID> fired;
    } const gestures[] = {
        {"letter", [](ProgramActions&) { PressKey('Q'); }, {}},
        {"Delete", [](ProgramActions&) { PressKey(VK_DELETE); }, {DISPID_DeleteSelectedProgramsRequest}},
        {"F5", [](ProgramActions&) { PressKey(VK_F5); }, {DISPID_OnRefreshRequest}},
        {"Enter", [](ProgramActions&) { PressKey(VK_RETURN); }, {DISPID_OnProgramDetailes}},
        {"double-click", [](ProgramActions& t) { DoubleClick(t.ItemPoint(0)); }, {DISPID_OnProgramDetailes}},
    };
    for (const Gesture& g : gestures) {
        m_Sink.Clear();
        g.act(*this);
        Settle();
        EXPECT_EQ(g.fired, Events()) << g.name;
    }
    ASSERT_FALSE(m_Sink.Events().empty());
    EXPECT_EQ(VARIANT_TRUE, m_Sink.Events().back().Param(1).AsInteger()) << "asked for by the user";
    EXPECT_NE(std::wstring::npos, m_Sink.Events().back().Param(0).AsString().find(L"1 min 30 s"));

    // The host's request: no flag; outside the device view, with a
    // resizable program focused and selected, neither event nor dialog.
    m_Sink.Clear();
    EXPECT_EQ(S_OK, m_pPane->ShowSelectedProgramDetails());
    ASSERT_EQ(1u, m_Sink.Events().size());
    EXPECT_EQ(0, m_Sink.Events()[0].Param(1).AsInteger());
    ASSERT_EQ(S_OK, m_pPane->SetDisplayMode(CDBURN_VIEW));
    Add(Program("Great Speeches", 3661, 600, 1572864, 60, 30));
    Settle();
    Select(0);
    ASSERT_EQ(1, m_pPane->GetSelCount());
    m_Sink.Clear();
    bool dialog = false;
    CModalScript host({[&](CModalScript&) {
        if (ActiveDialog() == nullptr) return;
        dialog = true;
        PressKey(VK_ESCAPE);
    }});
    EXPECT_EQ(S_OK, m_pPane->ShowSelectedProgramDetails());
    while (!host.Finished()) Settle();
    EXPECT_FALSE(dialog);
    EXPECT_TRUE(Events().empty());
    // The user's request in the same state opens the segment dialog, whose
    // changes reach the host flagged as the dialog's.
    CModalScript user({[](CModalScript& s) {
                           if (ActiveDialog() == nullptr) s.Again();
                       },
                       [](CModalScript&) { PressKey(VK_ESCAPE); }});
    PressKey(VK_RETURN);
    while (!user.Finished()) Settle();
    ASSERT_FALSE(m_Sink.Events().empty());
    EXPECT_EQ(DISPID_OnAdjustProgramSegment, m_Sink.Events().back().dispid);
    EXPECT_EQ(1, m_Sink.Events().back().Param(2).AsInteger());
}

// Drops when told to, and keeps the effects OLE shows.
class ScriptedSource final : public IDropSource {
  public:
    STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override {
        *ppv = (iid == IID_IUnknown || iid == IID_IDropSource) ? this : nullptr;
        return *ppv ? S_OK : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP QueryContinueDrag(BOOL, DWORD) override { return drop ? DRAGDROP_S_DROP : S_OK; }
    STDMETHODIMP GiveFeedback(DWORD effect) override {
        effects.push_back(effect);
        return DRAGDROP_S_USEDEFAULTCURSORS;
    }

    bool drop = false;
    std::vector<DWORD> effects;
};

TEST_F(ProgramActions, DragAndDropOverStatusAreaAndListReachesTheHost) {
    Add(Program("Great Speeches", 3600, 600, 1000));
    Settle();
    const POINT status = ScreenPoint(m_pContainer->ControlWindow(), 20, 60);
    const POINT list = ItemPoint(0);
    for (const bool refuse : {false, true}) {
        SCOPED_TRACE(refuse ? "the host refuses" : "no handler");
        m_Sink.Clear();
        std::vector<HWND> overWindows;  // under the cursor at each OnDragOver
        m_Sink.SetHandler([refuse, &overWindows](const CRecordedEvent& event, const DISPPARAMS&, VARIANT*) {
            if (event.dispid != DISPID_OnDragOver) return;
            POINT cursor{};
            GetCursorPos(&cursor);
            overWindows.push_back(WindowFromPoint(cursor));
            if (refuse) *reinterpret_cast<DWORD*>(static_cast<INT_PTR>(event.Param(0).AsInteger())) = DROPEFFECT_NONE;
        });
        // Any data will do: the pane hands it to the host unread.
        const CComPtr<IDataObject> data = m_pContainer->Query<IDataObject>(IID_IDataObject);
        ScriptedSource source;
        MoveMouse(status);
        Settle();
        CModalScript script({[&](CModalScript&) {
                                 MoveMouse(POINT{status.x + 5, status.y});
                             },
                             [&](CModalScript&) { MoveMouse(list); },
                             [&](CModalScript&) {
                                 MoveMouse(POINT{list.x + 5, list.y});
                             },
                             [&](CModalScript&) { source.drop = true; }});
        DWORD effect = 0;
        DoDragDrop(data.Get(), &source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
        Settle();

        const std::vector<DISPID> fired = Events();
        ASSERT_FALSE(fired.empty());
        EXPECT_EQ(DISPID_OnDragEnter, fired.front());
        EXPECT_NE(fired.end(), std::find(fired.begin(), fired.end(), DISPID_OnDragOver));
        const auto count = [&](HWND window) { return std::count(overWindows.begin(), overWindows.end(), window); };
        EXPECT_GT(count(m_pContainer->ControlWindow()), 0) << "no OnDragOver over the status area";
        EXPECT_GT(count(List()), 0) << "no OnDragOver over the list";
        ASSERT_FALSE(source.effects.empty());
        EXPECT_EQ(DWORD{DROPEFFECT_COPY}, source.effects.front()) << "the copy cursor on entry";
        if (!refuse) {
            EXPECT_EQ(DISPID_OnDrop, fired.back());
            const auto& events = m_Sink.Events();
            EXPECT_EQ(reinterpret_cast<INT_PTR>(data.Get()), events.front().Param(0).AsInteger());
            EXPECT_EQ(events.front().Param(0).AsInteger(), events.back().Param(0).AsInteger());
        } else {
            EXPECT_EQ(fired.end(), std::find(fired.begin(), fired.end(), DISPID_OnDrop));
            EXPECT_EQ(DWORD{DROPEFFECT_NONE}, source.effects.back());
        }
    }
}

}  // namespace
