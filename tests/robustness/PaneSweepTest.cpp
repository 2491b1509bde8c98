// Bad input through the device pane's own interfaces: IDeviceTransfer,
// IPluginText, its IDispatch and its IAccessible. Each call answers with
// its status and the pane keeps working.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "BadInput.h"
#include "devicepane/DeviceTransfer.h"
#include "support/RegistryKeys.h"
#include "support/TestContainer.h"

namespace {

CDeviceProgram NormalProgram() {
    CDeviceProgram program{};
    std::strcpy(program.m_szTitle, "Morning News");
    program.m_TotalTime = 600;
    program.m_TimeOnDevice = 300;
    program.m_SizeOnDevice = 3 << 20;
    return program;
}

// Every character array full, none terminated.
CDeviceProgram UnterminatedProgram() {
    CDeviceProgram program{};
    std::memset(&program, 'z', offsetof(CDeviceProgram, m_TotalTime));
    program.m_TotalTime = INT_MIN;
    program.m_TimeOnDevice = -1;
    program.m_SizeOnDevice = INT_MAX;
    program.m_ProgramStart = INT_MAX;
    program.m_PlayBackPos = INT_MIN;
    program.m_CodecIconIndex = 99999;
    program.m_fCanProgramBeResized = -3;
    return program;
}

VARIANT Child(VARTYPE type, LONG value) {
    VARIANT child;
    VariantInit(&child);
    V_VT(&child) = type;
    V_I4(&child) = value;
    return child;
}

class PaneSweepTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_HRESULT_SUCCEEDED(container_.Create(CreateDeviceTransfer));
        ASSERT_HRESULT_SUCCEEDED(container_.Activate());
        pane_ = container_.Query<IDeviceTransfer>(IID_IDeviceTransfer);
        ASSERT_TRUE(pane_);
    }

    // A normal life after the bad calls: a program goes in and comes back.
    void ExpectWorking() {
        SCOPED_TRACE("normal calls afterwards");
        ASSERT_TRUE(IsWindow(container_.ControlWindow()));
        ASSERT_EQ(S_OK, pane_->SetDisplayMode(DEVICE_VIEW));
        CDeviceProgram program = NormalProgram();
        ASSERT_EQ(S_OK, pane_->AddProgram(&program));
        EXPECT_EQ(1, pane_->GetItemsCount());
        CDeviceProgram back{};
        ASSERT_EQ(S_OK, pane_->GetProgramProperties(0, &back));
        EXPECT_STREQ("Morning News", back.m_szTitle);
        EXPECT_EQ(S_OK, pane_->SetDeviceConnection(1, 0, "Connected"));
        TestContainer::ProcessMessages();
    }

    RegistryKeysGuard registry_;
    TestContainer container_{SIZE{700, 400}};
    ComPtr<IDeviceTransfer> pane_;
    CUnterminatedText unterminated_;
};

TEST_F(PaneSweepTest, DeviceTransferAndPluginTextAnswerBadInput) {
    IDeviceTransfer* pane = pane_.Get();
    ComPtr<IPluginText> text = container_.Query<IPluginText>(IID_IPluginText);
    ASSERT_TRUE(text);
    const char* open = unterminated_.Get();
    const char* huge = OversizedText().c_str();
    CDeviceProgram program = NormalProgram(), broken = UnterminatedProgram(), out{};
    int items[4] = {};

    CDeviceInfo badInfo{};
    badInfo.fieldUsed = -1;  // every bit, the undocumented ones too
    std::memset(badInfo.szDeviceName, 'n', sizeof badInfo.szDeviceName);
    badInfo.totalMemory = -1;
    badInfo.usedMemory = LLONG_MAX;
    badInfo.hDeviceImage = reinterpret_cast<HICON>(static_cast<UINT_PTR>(0xBAD0));

    ExpectAnswers({
        {"AddProgram(null)", [&] { return pane->AddProgram(nullptr); }, E_POINTER},
        {"AddProgram(unterminated fields)", [&] { return pane->AddProgram(&broken); }, S_OK},
        {"AddProgram(normal)", [&] { return pane->AddProgram(&program); }, S_OK},
        {"RemoveProgram(-1)", [&] { return pane->RemoveProgram(-1); }, S_OK},
        {"RemoveProgram(INT_MIN)", [&] { return pane->RemoveProgram(INT_MIN); }, S_OK},
        {"RemoveProgram(past the end)", [&] { return pane->RemoveProgram(2); }, S_FALSE},
        {"RemoveProgram(INT_MAX)", [&] { return pane->RemoveProgram(INT_MAX); }, S_FALSE},
        {"GetProgramProperties(0, null)", [&] { return pane->GetProgramProperties(0, nullptr); }, E_POINTER},
        {"GetProgramProperties(-1)", [&] { return pane->GetProgramProperties(-1, &out); }, E_FAIL},
        {"GetProgramProperties(INT_MAX)", [&] { return pane->GetProgramProperties(INT_MAX, &out); }, E_FAIL},
        {"UpdateProgram(0, null)", [&] { return pane->UpdateProgram(0, nullptr, 1); }, E_POINTER},
        {"UpdateProgram(-1)", [&] { return pane->UpdateProgram(-1, &program, 1); }, S_OK},
        {"UpdateProgram(INT_MAX)", [&] { return pane->UpdateProgram(INT_MAX, &program, 1); }, S_OK},
        {"UpdateProgram(0, unterminated)", [&] { return pane->UpdateProgram(0, &broken, 1); }, S_OK},
        {"SetDeviceConnection(null)", [&] { return pane->SetDeviceConnection(1, 0, nullptr); }, S_OK},
        {"SetDeviceConnection(unterminated)", [&] { return pane->SetDeviceConnection(1, 1, open); }, S_OK},
        {"SetDeviceConnection(oversized)", [&] { return pane->SetDeviceConnection(-7, 99, huge); }, S_OK},
        {"SetDeviceInfo(every bit, bad icon)", [&] { return pane->SetDeviceInfo(badInfo); }, S_OK},
        {"GetDeviceInfo(null)", [&] { return pane->GetDeviceInfo(nullptr); }, E_POINTER},
        {"GetSelItems(null)", [&] { return pane->GetSelItems(nullptr, 4); }, E_POINTER},
        {"GetSelItems(size -1)", [&] { return pane->GetSelItems(items, -1); }, S_OK},
        {"GetSelItems(size 0)", [&] { return pane->GetSelItems(items, 0); }, S_OK},
        {"SetImageList(invalid handle)",
         [&] { return pane->SetImageList(reinterpret_cast<void*>(static_cast<UINT_PTR>(0xBAD0))); }, S_OK},
        {"SetImageList(null)", [&] { return pane->SetImageList(nullptr); }, S_OK},
        {"SetDisplayMode(7)", [&] { return pane->SetDisplayMode(static_cast<DISPLAY_MODE>(7)); }, E_INVALIDARG},
        {"SetDisplayMode(-1)", [&] { return pane->SetDisplayMode(static_cast<DISPLAY_MODE>(-1)); }, E_INVALIDARG},
        {"ShowSelectedProgramDetails", [&] { return pane->ShowSelectedProgramDetails(); }, S_OK},
        {"CreateProgramAdjustDialog(null, -1)", [&] { return pane->CreateProgramAdjustDialog(nullptr, -1); },
         E_POINTER},
        {"SetTransferProgram(null)", [&] { return pane->SetTransferProgram(nullptr); }, S_OK},
        {"SetTransferProgram(unterminated)", [&] { return pane->SetTransferProgram(open); }, S_OK},
        {"SetTransferProgram(oversized)", [&] { return pane->SetTransferProgram(huge); }, S_OK},
        {"SetAboutDeviceText(null)", [&] { return pane->SetAboutDeviceText(nullptr); }, E_POINTER},
        {"SetAboutDeviceText(unterminated)", [&] { return pane->SetAboutDeviceText(open); }, E_POINTER},
        {"SetAboutDeviceText(oversized)", [&] { return pane->SetAboutDeviceText(huge); }, S_OK},
        {"SetRedraw(-5)", [&] { return pane->SetRedraw(-5); }, S_OK},
        {"SetRedraw(0)", [&] { return pane->SetRedraw(0); }, S_OK},
        {"SetRedraw(1)", [&] { return pane->SetRedraw(1); }, S_OK},
        {"SetFocus", [&] { return pane->SetFocus(); }, S_OK},
        {"SetPluginText(null)", [&] { return text->SetPluginText(1, nullptr); }, E_POINTER},
        {"SetPluginText(unterminated)", [&] { return text->SetPluginText(1, open); }, E_POINTER},
        {"SetPluginText(oversized)", [&] { return text->SetPluginText(INT_MIN, huge); }, S_OK},
        {"LockPluginText(-9)", [&] { return text->LockPluginText(-9); }, S_OK},
        {"SetDeviceConnection(locked, unterminated)", [&] { return pane->SetDeviceConnection(0, 1, open); }, S_OK},
        {"LockPluginText(0)", [&] { return text->LockPluginText(0); }, S_OK},
    });
    EXPECT_EQ(S_OK, pane->RemoveAllPrograms());
    ExpectWorking();
}

TEST_F(PaneSweepTest, DispatchAndAccessibleAnswerBadInput) {
    ComPtr<IDispatch> dispatch;
    ASSERT_HRESULT_SUCCEEDED(pane_.As(IID_IDispatch, &dispatch));
    ComPtr<IAccessible> accessible;
    ASSERT_HRESULT_SUCCEEDED(pane_.As(IID_IAccessible, &accessible));
    IAccessible* acc = accessible.Get();
    CDeviceProgram program = NormalProgram();
    ASSERT_EQ(S_OK, pane_->AddProgram(&program));

    ITypeInfo* info = nullptr;
    DISPID dispid = 0;
    LPOLESTR badName = const_cast<LPOLESTR>(unterminated_.Wide());
    DISPPARAMS none{};
    VARIANT result;
    VariantInit(&result);
    const VARIANT self = Child(VT_I4, CHILDID_SELF), distant = Child(VT_I4, 100000), negative = Child(VT_I4, -5);
    const VARIANT wrongType = Child(VT_R8, 0), empty = Child(VT_EMPTY, 0);
    BSTR text = nullptr;
    LONG left = 0, top = 0, width = 0, height = 0, count = 0;
    IDispatch* child = nullptr;

    ExpectAnswers({
        {"GetTypeInfoCount(null)", [&] { return dispatch->GetTypeInfoCount(nullptr); }, E_POINTER},
        {"GetTypeInfo(5)", [&] { return dispatch->GetTypeInfo(5, 0, &info); }, E_NOTIMPL},
        {"GetTypeInfo(0, null)", [&] { return dispatch->GetTypeInfo(0, 0, nullptr); }, E_NOTIMPL},
        {"GetIDsOfNames(null names)", [&] { return dispatch->GetIDsOfNames(IID_NULL, nullptr, 1, 0, &dispid); },
         E_POINTER},
        {"GetIDsOfNames(unterminated name)", [&] { return dispatch->GetIDsOfNames(IID_NULL, &badName, 1, 0, &dispid); },
         DISP_E_UNKNOWNNAME},
        {"Invoke(unknown dispid)",
         [&] { return dispatch->Invoke(12345, IID_NULL, 0, DISPATCH_METHOD, &none, &result, nullptr, nullptr); },
         DISP_E_MEMBERNOTFOUND},
        {"Invoke(null params)",
         [&] { return dispatch->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, nullptr, &result, nullptr, nullptr); },
         DISP_E_BADVARTYPE},
        {"Invoke(iid not null)",
         [&] { return dispatch->Invoke(1, IID_IDispatch, 0, DISPATCH_METHOD, &none, &result, nullptr, nullptr); },
         DISP_E_MEMBERNOTFOUND},
        {"get_accChildCount(null)", [&] { return acc->get_accChildCount(nullptr); }, E_POINTER},
        {"get_accChild(distant)", [&] { return acc->get_accChild(distant, &child); }, E_INVALIDARG},
        {"get_accChild(null)", [&] { return acc->get_accChild(self, nullptr); }, E_POINTER},
        {"get_accName(distant)", [&] { return acc->get_accName(distant, &text); }, S_OK},
        {"get_accName(negative)", [&] { return acc->get_accName(negative, &text); }, S_OK},
        {"get_accName(VT_R8)", [&] { return acc->get_accName(wrongType, &text); }, E_INVALIDARG},
        {"get_accName(VT_EMPTY)", [&] { return acc->get_accName(empty, &text); }, E_INVALIDARG},
        {"get_accName(null)", [&] { return acc->get_accName(self, nullptr); }, E_POINTER},
        {"get_accValue(distant)", [&] { return acc->get_accValue(distant, &text); }, E_INVALIDARG},
        {"get_accDescription(null)", [&] { return acc->get_accDescription(self, nullptr); }, E_POINTER},
        {"get_accRole(distant)", [&] { return acc->get_accRole(distant, &result); }, E_INVALIDARG},
        {"get_accRole(null)", [&] { return acc->get_accRole(self, nullptr); }, E_POINTER},
        {"get_accState(distant)", [&] { return acc->get_accState(distant, &result); }, E_INVALIDARG},
        {"get_accState(null)", [&] { return acc->get_accState(self, nullptr); }, E_POINTER},
        {"get_accHelp(null)", [&] { return acc->get_accHelp(self, nullptr); }, E_POINTER},
        {"get_accHelpTopic(null)", [&] { return acc->get_accHelpTopic(nullptr, self, &count); }, E_NOTIMPL},
        {"get_accKeyboardShortcut(distant)", [&] { return acc->get_accKeyboardShortcut(distant, &text); },
         E_INVALIDARG},
        {"get_accFocus(null)", [&] { return acc->get_accFocus(nullptr); }, E_POINTER},
        {"get_accSelection(null)", [&] { return acc->get_accSelection(nullptr); }, E_POINTER},
        {"get_accDefaultAction(distant)", [&] { return acc->get_accDefaultAction(distant, &text); }, E_INVALIDARG},
        {"accSelect(bad flags)", [&] { return acc->accSelect(0x7FFF, self); }, E_NOTIMPL},
        {"accSelect(distant)", [&] { return acc->accSelect(SELFLAG_TAKEFOCUS, distant); }, E_NOTIMPL},
        {"accLocation(nulls)", [&] { return acc->accLocation(nullptr, nullptr, nullptr, nullptr, self); }, E_POINTER},
        {"accLocation(distant)", [&] { return acc->accLocation(&left, &top, &width, &height, distant); }, E_INVALIDARG},
        {"accNavigate(99)", [&] { return acc->accNavigate(99, self, &result); }, E_NOTIMPL},
        {"accNavigate(null)", [&] { return acc->accNavigate(NAVDIR_FIRSTCHILD, self, nullptr); }, E_POINTER},
        {"accHitTest(null)", [&] { return acc->accHitTest(0, 0, nullptr); }, E_POINTER},
        {"accDoDefaultAction(distant)", [&] { return acc->accDoDefaultAction(distant); }, E_NOTIMPL},
        {"put_accName", [&] { return acc->put_accName(self, nullptr); }, E_NOTIMPL},
        {"put_accValue", [&] { return acc->put_accValue(distant, nullptr); }, E_INVALIDARG},
    });
    VariantClear(&result);
    ASSERT_HRESULT_SUCCEEDED(acc->get_accChildCount(&count));
    ASSERT_EQ(S_OK, acc->get_accName(self, &text));
    SysFreeString(text);
    ExpectWorking();
}

}  // namespace
