// What a screen reader reads of the device pane and its programs: through
// AccessibleObjectFromWindow on the pane window and on the list window, by
// IAccessible and by IDispatch::Invoke by name; and the two events after
// every status update.
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "accessibility/AccessibilityTestSupport.h"
#include "format/TextFormat.h"
#include "module/ResourceString.h"

namespace {

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                           static_cast<int>(wide.size()));
    wide.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return wide;
}

// String `id` of the module filled by the C rules, as the product's texts are.
template <class... Args>
std::string Filled(UINT id, Args... args) {
    char text[2048];
    std::snprintf(text, sizeof text, LoadResourceString(id).c_str(), args...);
    return text;
}

// The pane's name, description and children as one client reads them.
struct Reading {
    std::wstring name, description;
    LONG count = -1;
    std::vector<std::pair<std::wstring, std::wstring>> children;
    bool operator==(const Reading& o) const {
        return name == o.name && description == o.description && count == o.count && children == o.children;
    }
};

Reading ReadThroughAccessible(IAccessible* acc, LONG children) {
    Reading r;
    BSTR text = nullptr;
    EXPECT_EQ(S_OK, acc->get_accName(ChildId(CHILDID_SELF), &text));
    r.name = TakeText(text);
    EXPECT_EQ(S_OK, acc->get_accDescription(ChildId(CHILDID_SELF), &text));
    r.description = TakeText(text);
    EXPECT_EQ(S_OK, acc->get_accChildCount(&r.count));
    for (LONG i = 1; i <= children; ++i) {
        std::pair<std::wstring, std::wstring> child;
        EXPECT_EQ(S_OK, acc->get_accName(ChildId(i), &text));
        child.first = TakeText(text);
        EXPECT_EQ(S_OK, acc->get_accDescription(ChildId(i), &text));
        child.second = TakeText(text);
        r.children.push_back(child);
    }
    return r;
}

std::wstring InvokeText(IDispatch* dispatch, DISPID id, LONG child) {
    VARIANT argument = ChildId(child), result;
    VariantInit(&result);
    DISPPARAMS params{&argument, nullptr, 1, 0};
    EXPECT_EQ(S_OK, dispatch->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &params, &result, nullptr, nullptr));
    EXPECT_EQ(VT_BSTR, V_VT(&result));
    return V_VT(&result) == VT_BSTR ? TakeText(V_BSTR(&result)) : std::wstring();
}

Reading ReadByName(IDispatch* dispatch, LONG children) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"accName"), const_cast<LPOLESTR>(L"accDescription"),
                        const_cast<LPOLESTR>(L"accChildCount")};
    DISPID ids[3] = {};
    EXPECT_EQ(S_OK, dispatch->GetIDsOfNames(IID_NULL, names, 3, 0, ids));
    Reading r;
    r.name = InvokeText(dispatch, ids[0], CHILDID_SELF);
    r.description = InvokeText(dispatch, ids[1], CHILDID_SELF);
    VARIANT result;
    VariantInit(&result);
    DISPPARAMS none{};
    EXPECT_EQ(S_OK, dispatch->Invoke(ids[2], IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr));
    EXPECT_EQ(VT_I4, V_VT(&result));
    r.count = V_I4(&result);
    for (LONG i = 1; i <= children; ++i)
        r.children.emplace_back(InvokeText(dispatch, ids[0], i), InvokeText(dispatch, ids[1], i));
    return r;
}

class PaneReading : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(transfer); }

    void SetDevice(const std::string& name, INT64 total = 0, INT64 used = 0) {
        CDeviceInfo info{};
        info.fieldUsed = DEV_NAME | TOTAL_MEM | USED_MEMORY;
        std::strncpy(info.szDeviceName, name.c_str(), sizeof info.szDeviceName - 1);
        info.totalMemory = total;
        info.usedMemory = used;
        ASSERT_EQ(S_OK, transfer->SetDeviceInfo(info));
    }
    void AddProgram(const char* title, int start, int onDevice, int playback) {
        CDeviceProgram program{};
        std::strncpy(program.m_szTitle, title, sizeof program.m_szTitle - 1);
        program.m_TotalTime = 3600;
        program.m_TimeOnDevice = onDevice;
        program.m_SizeOnDevice = onDevice * 4000;
        program.m_ProgramStart = start;
        program.m_PlayBackPos = playback;
        ASSERT_EQ(S_OK, transfer->AddProgram(&program));
    }
    HWND List() const { return FindWindowExW(pane.Window(), nullptr, WC_LISTVIEWW, nullptr); }
    std::string Cell(int item, int column) const {
        char text[520] = {};
        ListView_GetItemText(List(), item, column, text, sizeof text);
        return text;
    }
    // The same reading through both windows, by IAccessible and by name.
    Reading ReadEveryWay(LONG children) {
        const HWND windows[] = {pane.Window(), List()};
        Reading first;
        bool haveFirst = false;
        for (HWND window : windows) {
            ComPtr<IAccessible> acc = AccessibleOf(window);
            EXPECT_TRUE(acc);
            if (!acc) continue;
            const Reading direct = ReadThroughAccessible(acc.Get(), children);
            const Reading byName = ReadByName(acc.Get(), children);
            EXPECT_TRUE(direct == byName);
            if (!haveFirst) first = direct, haveFirst = true;
            EXPECT_TRUE(first == direct);
        }
        return first;
    }

    ActivePane pane;
    ComPtr<IDeviceTransfer> transfer = pane.Transfer();
};

TEST_F(PaneReading, NoDeviceChosenGivesAnEmptyNameAndNoMobileDeviceSelectedWhateverTheConnection) {
    SetDevice(LoadResourceString(114));
    AddProgram("Chapter 1", 0, 600, 0);
    for (int status : {0, 1}) {
        ASSERT_EQ(S_OK, transfer->SetDeviceConnection(status, 0, nullptr));
        const Reading r = ReadEveryWay(1);
        EXPECT_EQ(L"", r.name);
        EXPECT_EQ(ResourceText(122), r.description);
        EXPECT_EQ(status != 0 ? 1 : 0, r.count);
        if (status == 0) {
            EXPECT_EQ(ResourceText(122), r.children[0].second);
        }
    }
}

TEST_F(PaneReading, ADisconnectedDeviceHasNoChildrenAndSaysItIsNotConnected) {
    SetDevice("Player");
    AddProgram("Chapter 1", 0, 600, 0);
    AddProgram("Chapter 2", 0, 600, 0);
    ASSERT_EQ(S_OK, transfer->SetDeviceConnection(0, 0, nullptr));
    const Reading r = ReadEveryWay(2);
    EXPECT_EQ(0, r.count);
    EXPECT_EQ(ResourceText(120), r.name);
    EXPECT_EQ(Wide(Filled(123, "Player")), r.description);
    EXPECT_EQ(Wide(Filled(116, "Player")), r.children[1].second);  // the status message
}

TEST_F(PaneReading, AConnectedPlayerIsDescribedInThreeSentencesAndEachProgramByItsSegment) {
    SetDevice("Player", 209715200, 104857600);
    AddProgram("Chapter 1", 60, 600, 30);
    AddProgram("Chapter 2", 0, 1200, 0);
    ASSERT_EQ(S_OK, transfer->SetDeviceConnection(1, 0, nullptr));

    const Reading r = ReadEveryWay(2);
    EXPECT_EQ(Wide(Filled(121, "Player")), r.name);
    EXPECT_EQ(Wide(Filled(115, "Player", "Player") + ". " + Filled(129, 200.0) + ". " + Filled(128, 100.0)),
              r.description);
    EXPECT_EQ(2, r.count);
    EXPECT_EQ(L"Chapter 1", r.children[0].first);
    const std::string segment =
        Filled(103, "Player", FormatDuration(60).c_str(), FormatDuration(660).c_str(), FormatDuration(90).c_str());
    EXPECT_EQ(Wide(Filled(124, "Chapter 1", segment.c_str(), Cell(0, 1).c_str(), Cell(0, 3).c_str())),
              r.children[0].second);

    // Programs queued for transfer are described as they will be after it.
    ASSERT_EQ(S_OK, transfer->SetDisplayMode(TRANSFER_LIST_VIEW));  // empties the list
    AddProgram("Chapter 1", 60, 600, 30);
    AddProgram("Chapter 2", 0, 1200, 0);
    const std::string after =
        Filled(104, "Player", FormatDuration(0).c_str(), FormatDuration(1200).c_str(), FormatDuration(0).c_str());
    const Reading queued = ReadEveryWay(2);
    EXPECT_EQ(Wide(Filled(124, "Chapter 2", after.c_str(), Cell(1, 1).c_str(), Cell(1, 3).c_str())),
              queued.children[1].second);
}

std::vector<std::pair<DWORD, HWND>>* g_events = nullptr;

void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (g_events != nullptr && object == OBJID_CLIENT && child == CHILDID_SELF) g_events->emplace_back(event, window);
}

TEST_F(PaneReading, EveryStatusUpdateRaisesNameChangeThenValueChangeForThePane) {
    std::vector<std::pair<DWORD, HWND>> events;
    g_events = &events;
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, RecordEvent,
                                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(nullptr, hook);
    SetDevice("Player");
    ASSERT_EQ(S_OK, transfer->SetDeviceConnection(1, 0, nullptr));
    ASSERT_EQ(S_OK, transfer->SetDeviceConnection(1, 0, nullptr));  // unchanged, still announced
    ComPtr<IPluginText> plugin = pane.Container().Query<IPluginText>(IID_IPluginText);
    ASSERT_EQ(S_OK, plugin->SetPluginText(1, "Syncing"));
    TestContainer::ProcessMessages();
    UnhookWinEvent(hook);
    g_events = nullptr;

    std::vector<std::pair<DWORD, HWND>> fromPane;
    for (const auto& e : events)
        if (e.second == pane.Window()) fromPane.push_back(e);
    ASSERT_EQ(6u, fromPane.size());
    for (size_t i = 0; i < fromPane.size(); ++i)
        EXPECT_EQ(i % 2 == 0 ? EVENT_OBJECT_NAMECHANGE : EVENT_OBJECT_VALUECHANGE, fromPane[i].first) << i;
}

}  // namespace
