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
#include <vector>

#include "accessibility/AccessibilityTestSupport.h"
#include "format/TextFormat.h"
#include "module/ResourceString.h"

namespace {

// String `id` filled by the C rules, as the string table defines its templates.
template <class... Args>
std::wstring Filled(UINT id, Args... args) {
    char text[2048];
    std::snprintf(text, sizeof text, LoadResourceString(id).c_str(), args...);
    return Wide(text);
}

// One property of the pane (child 0) or of a program, as text.
std::wstring Read(IAccessible* acc, bool byName, DISPID id, LONG child) {
    VARIANT argument = ChildId(child), result;
    VariantInit(&result);
    if (byName) {
        DISPPARAMS params{&argument, nullptr, id == DISPID_ACC_CHILDCOUNT ? 0u : 1u, 0};
        EXPECT_EQ(S_OK, acc->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &params, &result, nullptr, nullptr));
    } else if (id == DISPID_ACC_CHILDCOUNT) {
        V_VT(&result) = VT_I4;
        EXPECT_EQ(S_OK, acc->get_accChildCount(&V_I4(&result)));
    } else {
        V_VT(&result) = VT_BSTR;
        EXPECT_EQ(S_OK, id == DISPID_ACC_NAME ? acc->get_accName(argument, &V_BSTR(&result))
                                              : acc->get_accDescription(argument, &V_BSTR(&result)));
    }
    std::wstring text = V_VT(&result) == VT_I4     ? std::to_wstring(V_I4(&result))
                        : V_VT(&result) == VT_BSTR ? std::wstring(V_BSTR(&result), SysStringLen(V_BSTR(&result)))
                                                   : L"(no text)";
    VariantClear(&result);
    return text;
}

// Name, description, child count, then each program's name and description.
enum { NAME, DESCRIPTION, COUNT, FIRST_CHILD };

class PaneReading : public testing::Test {
  protected:
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
    std::vector<std::wstring> ReadEveryWay(LONG children) {
        std::vector<std::vector<std::wstring>> readings;
        for (HWND window : {pane.Window(), List()}) {
            ComPtr<IAccessible> acc = AccessibleOf(window);
            EXPECT_TRUE(acc);
            for (bool byName : {false, true}) {
                DISPID ids[] = {DISPID_ACC_NAME, DISPID_ACC_DESCRIPTION, DISPID_ACC_CHILDCOUNT};
                LPOLESTR names[] = {const_cast<LPOLESTR>(L"accName"), const_cast<LPOLESTR>(L"accDescription"),
                                    const_cast<LPOLESTR>(L"accChildCount")};
                if (byName) {
                    EXPECT_EQ(S_OK, acc->GetIDsOfNames(IID_NULL, names, 3, 0, ids));
                }
                std::vector<std::wstring> r;
                for (DISPID id : ids) r.push_back(Read(acc.Get(), byName, id, CHILDID_SELF));
                for (LONG i = 1; i <= children; ++i)
                    for (DISPID id : {ids[0], ids[1]}) r.push_back(Read(acc.Get(), byName, id, i));
                readings.push_back(r);
            }
        }
        for (const auto& r : readings) EXPECT_EQ(readings[0], r);
        return readings[0];
    }

    ActivePane pane;
    ComPtr<IDeviceTransfer> transfer = pane.Transfer();
};

TEST_F(PaneReading, NoDeviceChosenGivesAnEmptyNameAndNoMobileDeviceSelectedWhateverTheConnection) {
    SetDevice(LoadResourceString(114));
    AddProgram("Chapter 1", 0, 600, 0);
    for (int status : {0, 1}) {
        ASSERT_EQ(S_OK, transfer->SetDeviceConnection(status, 0, nullptr));
        const auto r = ReadEveryWay(1);
        EXPECT_EQ(L"", r[NAME]);
        EXPECT_EQ(ResourceText(122), r[DESCRIPTION]);
        EXPECT_EQ(status != 0 ? L"1" : L"0", r[COUNT]);
        if (status == 0) {
            EXPECT_EQ(ResourceText(122), r[FIRST_CHILD + 1]);
        }
    }
}

TEST_F(PaneReading, ADisconnectedDeviceHasNoChildrenAndSaysItIsNotConnected) {
    SetDevice("Player");
    AddProgram("Chapter 1", 0, 600, 0);
    ASSERT_EQ(S_OK, transfer->SetDeviceConnection(0, 0, nullptr));
    const auto r = ReadEveryWay(1);
    EXPECT_EQ(L"0", r[COUNT]);
    EXPECT_EQ(ResourceText(120), r[NAME]);
    EXPECT_EQ(Filled(123, "Player"), r[DESCRIPTION]);
    EXPECT_EQ(Filled(116, "Player"), r[FIRST_CHILD + 1]);  // the status message
}

TEST_F(PaneReading, AConnectedPlayerIsDescribedInThreeSentencesAndEachProgramByItsSegment) {
    SetDevice("Player", 209715200, 104857600);
    AddProgram("Chapter 1", 60, 600, 30);
    ASSERT_EQ(S_OK, transfer->SetDeviceConnection(1, 0, nullptr));
    auto r = ReadEveryWay(1);
    EXPECT_EQ(Filled(121, "Player"), r[NAME]);
    EXPECT_EQ(Filled(115, "Player", "Player") + L". " + Filled(129, 200.0) + L". " + Filled(128, 100.0),
              r[DESCRIPTION]);
    EXPECT_EQ(L"1", r[COUNT]);
    EXPECT_EQ(L"Chapter 1", r[FIRST_CHILD]);
    std::string segment = LoadResourceString(103);
    char text[2048];
    std::snprintf(text, sizeof text, segment.c_str(), "Player", FormatDuration(60).c_str(), FormatDuration(660).c_str(),
                  FormatDuration(90).c_str());
    EXPECT_EQ(Filled(124, "Chapter 1", text, Cell(0, 1).c_str(), Cell(0, 3).c_str()), r[FIRST_CHILD + 1]);

    // Programs queued for transfer are described as they will be after it.
    ASSERT_EQ(S_OK, transfer->SetDisplayMode(TRANSFER_LIST_VIEW));  // empties the list
    AddProgram("Chapter 2", 0, 1200, 0);
    r = ReadEveryWay(1);
    segment = LoadResourceString(104);
    std::snprintf(text, sizeof text, segment.c_str(), "Player", FormatDuration(0).c_str(), FormatDuration(1200).c_str(),
                  FormatDuration(0).c_str());
    EXPECT_EQ(Filled(124, "Chapter 2", text, Cell(0, 1).c_str(), Cell(0, 3).c_str()), r[FIRST_CHILD + 1]);
}

std::vector<DWORD>* g_events = nullptr;
HWND g_pane = nullptr;

void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (g_events != nullptr && window == g_pane && object == OBJID_CLIENT && child == CHILDID_SELF)
        g_events->push_back(event);
}

TEST_F(PaneReading, EveryStatusUpdateRaisesNameChangeThenValueChangeForThePane) {
    std::vector<DWORD> events;
    g_events = &events;
    g_pane = pane.Window();
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, RecordEvent,
                                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(nullptr, hook);
    SetDevice("Player");
    ASSERT_EQ(S_OK, transfer->SetDeviceConnection(1, 0, nullptr));
    ASSERT_EQ(S_OK, transfer->SetDeviceConnection(1, 0, nullptr));  // unchanged, still announced
    ASSERT_EQ(S_OK, pane.Container().Query<IPluginText>(IID_IPluginText)->SetPluginText(1, "Syncing"));
    TestContainer::ProcessMessages();
    UnhookWinEvent(hook);
    g_events = nullptr;
    const DWORD pair[] = {EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE};
    EXPECT_EQ(std::vector<DWORD>({pair[0], pair[1], pair[0], pair[1], pair[0], pair[1]}), events);
}

}  // namespace
