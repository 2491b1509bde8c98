#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <vector>

#include "format/TextFormat.h"
#include "support/PaneHost.h"
#include "support/PixelCanvas.h"

namespace {

// ANSI text as the accessible object returns it.
std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                           static_cast<int>(wide.size()));
    wide.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return wide;
}

// String `id` filled by the C rules, as the string table defines its templates.
template <class... Args>
std::wstring Filled(UINT id, Args... args) {
    return Wide(Printf(id, args...));
}

// One property of the pane (child 0) or of a program, as text.
std::wstring Read(IAccessible* acc, bool byName, DISPID id, LONG child) {
    VARIANT argument = CVariant::Int32(child).get(), result{};
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

class PaneReading : public PaneTest {
  protected:
    // The same reading through both windows, by IAccessible and by name.
    std::vector<std::wstring> ReadEveryWay(LONG children) {
        std::vector<std::vector<std::wstring>> readings;
        for (HWND window : {Window(), List()}) {
            CComPtr<IAccessible> acc = AccessibleOf(window);
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
};

// Without a chosen device the name is empty and the text says so, whatever
// the connection; a disconnected device has no children, and its one
// program reads as the status message; a connected player is described in
// three sentences.
TEST_F(PaneReading, ThePaneSaysWhatIsConnectedOrWhyThereIsNothingToRead) {
    const struct {
        std::string device;
        int status;
        std::wstring name, description, count, firstChild;
    } cases[] = {
        {Text(114), 0, L"", Wide(Text(122)), L"0", Wide(Text(122))},
        {Text(114), 1, L"", Wide(Text(122)), L"1", L"Chapter 1"},
        {"Player", 0, Wide(Text(120)), Filled(123, "Player"), L"0", Filled(116, "Player")},
        {"Player", 1, Filled(121, "Player"),
         Filled(115, "Player", "Player") + L". " + Filled(129, 200.0) + L". " + Filled(128, 100.0), L"1", L"Chapter 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.device << " " << c.status);
        SetDevice(c.device.c_str(), 104857600, 209715200);
        m_pPane->RemoveAllPrograms();
        Add(Program("Chapter 1", 3600, 600, 600 * 4000, 60, 30));
        ASSERT_EQ(S_OK, m_pPane->SetDeviceConnection(c.status, 0, nullptr));
        const auto r = ReadEveryWay(1);
        EXPECT_EQ(c.name, r[NAME]);
        EXPECT_EQ(c.description, r[DESCRIPTION]);
        EXPECT_EQ(c.count, r[COUNT]);
        EXPECT_EQ(c.firstChild, r[c.status == 0 ? FIRST_CHILD + 1 : FIRST_CHILD]);
    }
    // Each program by its segment; one queued for transfer as it will be after it.
    std::string segment =
        Printf(103, "Player", FormatDuration(60).c_str(), FormatDuration(660).c_str(), FormatDuration(90).c_str());
    EXPECT_EQ(Filled(124, "Chapter 1", segment.c_str(), Cell(0, 1).c_str(), Cell(0, 3).c_str()),
              ReadEveryWay(1)[FIRST_CHILD + 1]);
    ASSERT_EQ(S_OK, m_pPane->SetDisplayMode(TRANSFER_LIST_VIEW));  // empties the list
    Add(Program("Chapter 2", 3600, 1200, 1200 * 4000));
    segment = Printf(104, "Player", FormatDuration(0).c_str(), FormatDuration(1200).c_str(), FormatDuration(0).c_str());
    EXPECT_EQ(Filled(124, "Chapter 2", segment.c_str(), Cell(0, 1).c_str(), Cell(0, 3).c_str()),
              ReadEveryWay(1)[FIRST_CHILD + 1]);
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
    g_pane = Window();
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, RecordEvent,
                                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(nullptr, hook);
    SetDevice("Player");
    ASSERT_EQ(S_OK, m_pPane->SetDeviceConnection(1, 0, nullptr));
    ASSERT_EQ(S_OK, m_pPane->SetDeviceConnection(1, 0, nullptr));  // unchanged, still announced
    ASSERT_EQ(S_OK, m_pContainer->Query<IPluginText>(IID_IPluginText)->SetPluginText(1, "Syncing"));
    CTestContainer::ProcessMessages();
    UnhookWinEvent(hook);
    g_events = nullptr;
    const DWORD pair[] = {EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE};
    EXPECT_EQ(std::vector<DWORD>({pair[0], pair[1], pair[0], pair[1], pair[0], pair[1]}), events);
}

// The outputs of a location asked for by name go where the caller's
// references point, plain or in a VARIANT (which argument goes where:
// ArgumentArrangementTest).
TEST_F(PaneReading, LocationByNameWritesThroughTheCallersReferences) {
    LONG left = -1, top = -1;
    VARIANT width{}, height{};
    V_VT(&height) = VT_BSTR;
    V_BSTR(&height) = SysAllocString(L"replaced");
    const auto ref = [](VARTYPE type, void* target) {
        VARIANT v{};
        V_VT(&v) = static_cast<VARTYPE>(VT_BYREF | type);
        V_BYREF(&v) = target;
        return v;
    };
    VARIANT arguments[] = {CVariant::Int32(CHILDID_SELF).get(), ref(VT_VARIANT, &height), ref(VT_VARIANT, &width),
                           ref(VT_I4, &top), ref(VT_I4, &left)};
    DISPPARAMS params{arguments, nullptr, 5, 0};
    EXPECT_EQ(S_OK, AccessibleOf(Window())->Invoke(DISPID_ACC_LOCATION, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr,
                                                   nullptr, nullptr));
    RECT client{};
    GetClientRect(Window(), &client);
    MapWindowPoints(Window(), nullptr, reinterpret_cast<POINT*>(&client), 1);
    EXPECT_EQ(VT_I4, V_VT(&width));
    EXPECT_EQ(VT_I4, V_VT(&height));
    EXPECT_EQ(RectText(client), RectText({left, top, V_I4(&width), V_I4(&height)}));
    VariantClear(&height);
}

}  // namespace
