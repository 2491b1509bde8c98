// The shared event sink, driven as a control's connection point drives it.
#include "container/EventSink.h"

#include "module/Kestrel.h"

#include <gmock/gmock.h>
#include "module/ComPtr.h"

using testing::ElementsAre;

namespace {

class EventSinkRecording : public testing::Test {
  protected:
    // Fires as a control does: arguments in reverse order, no names.
    HRESULT Fire(DISPID dispid, std::vector<VARIANT> reversedArgs, VARIANT* result = nullptr) {
        DISPPARAMS params{reversedArgs.data(), nullptr, static_cast<UINT>(reversedArgs.size()), 0};
        return sink_.Dispatch()->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result,
                                        nullptr, nullptr);
    }

    EventSink sink_{DIID__IDeviceTransferEvents};
};

TEST_F(EventSinkRecording, AnswersItsEventInterfaceAndIDispatchOnly) {
    ComPtr<IUnknown> answer;
    const auto out = [&answer] { return reinterpret_cast<void**>(answer.ReleaseAndGetAddressOf()); };
    EXPECT_EQ(S_OK, sink_.Dispatch()->QueryInterface(DIID__IDeviceTransferEvents, out()));
    EXPECT_EQ(S_OK, sink_.Dispatch()->QueryInterface(IID_IDispatch, out()));
    EXPECT_EQ(E_NOINTERFACE, sink_.Dispatch()->QueryInterface(DIID__IMenuCtrlEvents, out()));

    EventSink dispatchOnly(IID_IDispatch);
    EXPECT_EQ(E_NOINTERFACE, dispatchOnly.Dispatch()->QueryInterface(DIID__IDeviceTransferEvents, out()));
}

TEST_F(EventSinkRecording, KeepsItsOwnCopiesOfTheArguments) {
    VARIANT document;
    V_VT(&document) = VT_BSTR;
    V_BSTR(&document) = SysAllocString(L"<html>details</html>");
    VARIANT byUser;
    V_VT(&byUser) = VT_BOOL;
    V_BOOL(&byUser) = VARIANT_TRUE;
    ASSERT_EQ(S_OK, Fire(DISPID_OnProgramDetailes, {byUser, document}));
    VariantClear(&document);

    ASSERT_EQ(1u, sink_.Events().size());
    const RecordedEvent& event = sink_.Events()[0];
    EXPECT_EQ(DISPID_OnProgramDetailes, event.dispid);
    EXPECT_EQ(DISPATCH_METHOD, event.flags);
    EXPECT_TRUE(event.iidWasNull);
    ASSERT_EQ(2u, event.args.size());
    EXPECT_EQ(VT_BOOL, event.args[0].type());  // DISPPARAMS order: the last parameter first
    EXPECT_EQ(L"<html>details</html>", event.Param(0).AsString());
    EXPECT_EQ(VARIANT_TRUE, event.Param(1).AsInteger());
}

TEST_F(EventSinkRecording, FailingInvokeStillRecordsTheEvent) {
    sink_.FailInvoke(E_FAIL);
    EXPECT_EQ(E_FAIL, Fire(DISPID_OnRefreshRequest, {}));
    EXPECT_EQ(E_FAIL, Fire(DISPID_DeleteSelectedProgramsRequest, {}));
    EXPECT_THAT(sink_.Dispids(), ElementsAre(DISPID_OnRefreshRequest, DISPID_DeleteSelectedProgramsRequest));
}

TEST_F(EventSinkRecording, HandlerCanAnswerThroughTheResult) {
    sink_.SetHandler([](const RecordedEvent&, const DISPPARAMS&, VARIANT* result) {
        V_VT(result) = VT_I4;
        V_I4(result) = DROPEFFECT_COPY;
    });
    VARIANT result;
    VariantInit(&result);
    ASSERT_EQ(S_OK, Fire(DISPID_OnDragLeave, {}, &result));
    EXPECT_EQ(DROPEFFECT_COPY, V_I4(&result));
    EXPECT_TRUE(sink_.Events().at(0).resultWanted);
}

TEST_F(EventSinkRecording, ConnectingToAnObjectWithoutConnectionPointsFails) {
    EventSink other(IID_IDispatch);
    EXPECT_EQ(E_NOINTERFACE, sink_.Connect(other.Dispatch()));
    EXPECT_FALSE(sink_.Connected());
    EXPECT_EQ(S_FALSE, sink_.Disconnect());
}

}  // namespace
