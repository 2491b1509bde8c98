#include "control/ControlObjects.h"

#include "devicepane/DeviceTransfer.h"
#include "menubar/MenuCtrl.h"
#include "module/Kestrel.h"
#include "module/Module.h"
#include "container/EventSink.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

CComPtr<IConnectionPoint> PointOf(IUnknown* control, REFIID iid) {
    CComPtr<IConnectionPoint> point;
    Ask<IConnectionPointContainer>(control, IID_IConnectionPointContainer)
        ->FindConnectionPoint(iid, point.ReleaseAndGetAddressOf());
    return point;
}

std::vector<IID> EnumeratedPoints(IUnknown* control) {
    CComPtr<IEnumConnectionPoints> points;
    Ask<IConnectionPointContainer>(control, IID_IConnectionPointContainer)
        ->EnumConnectionPoints(points.ReleaseAndGetAddressOf());
    std::vector<IID> iids;
    IConnectionPoint* point = nullptr;
    while (points && points->Next(1, &point, nullptr) == S_OK) {
        IID iid{};
        point->GetConnectionInterface(&iid);
        iids.push_back(iid);
        point->Release();
    }
    return iids;
}

std::vector<DWORD> LiveCookies(IConnectionPoint* point) {
    CComPtr<IEnumConnections> connections;
    point->EnumConnections(connections.ReleaseAndGetAddressOf());
    std::vector<DWORD> cookies;
    CONNECTDATA connection{};
    while (connections && connections->Next(1, &connection, nullptr) == S_OK) {
        cookies.push_back(connection.dwCookie);
        connection.pUnk->Release();
    }
    return cookies;
}

TEST(ConnectionPoints, PaneOffersPropertyNotifySinkThenItsEventsAndTheMenuItsEventsOnly) {
    const CComPtr<IUnknown> pane = NewControl(CreateDeviceTransfer);
    const std::vector<IID> paneExpected{IID_IPropertyNotifySink, DIID__IDeviceTransferEvents};
    EXPECT_EQ(paneExpected, EnumeratedPoints(pane.Get()));
    const CComPtr<IUnknown> bar = NewControl(CreateMenuCtrl);
    const std::vector<IID> barExpected{DIID__IMenuCtrlEvents};
    EXPECT_EQ(barExpected, EnumeratedPoints(bar.Get()));
    IConnectionPoint* point = reinterpret_cast<IConnectionPoint*>(1);
    EXPECT_EQ(CONNECT_E_NOCONNECTION, Ask<IConnectionPointContainer>(bar.Get(), IID_IConnectionPointContainer)
                                          ->FindConnectionPoint(IID_IPropertyNotifySink, &point));
    EXPECT_EQ(nullptr, point);
}

// Refused connections leave the cookie at zero.
TEST(ConnectionPoints, RefuseSinksWithoutTheEventInterfaceAndListAndUnadviseOnlyTheLiveConnections) {
    const CComPtr<IUnknown> pane = NewControl(CreateDeviceTransfer);
    const CComPtr<IConnectionPoint> point = PointOf(pane.Get(), DIID__IDeviceTransferEvents);
    CEventSink careless(IID_IDispatch);
    for (IUnknown* sink : {static_cast<IUnknown*>(careless.Dispatch()), static_cast<IUnknown*>(nullptr)}) {
        DWORD cookie = 99;
        EXPECT_EQ(sink ? CONNECT_E_CANNOTCONNECT : E_POINTER, point->Advise(sink, &cookie));
        EXPECT_EQ(0u, cookie);
    }
    CEventSink first(DIID__IDeviceTransferEvents), second(DIID__IDeviceTransferEvents),
        third(DIID__IDeviceTransferEvents);
    ASSERT_HRESULT_SUCCEEDED(first.Connect(pane.Get()));
    ASSERT_HRESULT_SUCCEEDED(second.Connect(pane.Get()));
    ASSERT_HRESULT_SUCCEEDED(third.Connect(pane.Get()));
    const DWORD removed = second.Cookie();
    EXPECT_NE(0u, removed);
    second.Disconnect();

    const std::vector<DWORD> expected{first.Cookie(), third.Cookie()};
    EXPECT_EQ(expected, LiveCookies(point.Get()));
    for (const DWORD cookie : {DWORD{0}, removed, third.Cookie() + 1})
        EXPECT_EQ(CONNECT_E_NOCONNECTION, point->Unadvise(cookie)) << "cookie " << cookie;
}

class EventFiring : public testing::Test {
  protected:
    CComPtr<IUnknown> m_pControl = NewControl(CreateDeviceTransfer);
    CDeviceTransfer* m_pPane = CDeviceTransfer::From(Ask<IDeviceTransfer>(m_pControl.Get(), IID_IDeviceTransfer).Get());
    CEventSink m_sinkFirst{DIID__IDeviceTransferEvents};
    CEventSink m_sinkSecond{DIID__IDeviceTransferEvents};
};

// In the order of connection: a sink that fails, one that disconnects
// itself and one that disconnects the next; the sink disconnected is skipped
// and every other still receives every event.
TEST_F(EventFiring, SinksThatFailOrDisconnectDuringAnEventDoNotStopTheOthers) {
    CEventSink third(DIID__IDeviceTransferEvents), fourth(DIID__IDeviceTransferEvents),
        last(DIID__IDeviceTransferEvents);
    for (CEventSink* sink : {&m_sinkFirst, &m_sinkSecond, &third, &fourth, &last})
        ASSERT_HRESULT_SUCCEEDED(sink->Connect(m_pControl.Get()));
    m_sinkFirst.FailInvoke(E_FAIL);
    m_sinkSecond.SetHandler([this](const CRecordedEvent&, const DISPPARAMS&, VARIANT*) { m_sinkSecond.Disconnect(); });
    third.SetHandler([&fourth](const CRecordedEvent&, const DISPPARAMS&, VARIANT*) { fourth.Disconnect(); });

    m_pPane->FireOnRefreshRequest();
    m_pPane->FireOnDragLeave();

    const std::vector<DISPID> both{DISPID_OnRefreshRequest, DISPID_OnDragLeave};
    EXPECT_EQ(both, m_sinkFirst.Dispids());
    EXPECT_EQ(std::vector<DISPID>{DISPID_OnRefreshRequest}, m_sinkSecond.Dispids());
    EXPECT_EQ(both, third.Dispids());
    EXPECT_EQ(0u, fourth.Events().size());
    EXPECT_EQ(both, last.Dispids());
}

TEST_F(EventFiring, HostReleasingItsLastReferenceInAHandlerKeepsTheControlAliveUntilFiringReturns) {
    const LONG locksWithControl = Module::LockCount();
    // Connected by hand: the sinks keep no connection point, and with it the
    // control, alive.
    CComPtr<IConnectionPoint> point = PointOf(m_pControl.Get(), DIID__IDeviceTransferEvents);
    DWORD cookie = 0;
    ASSERT_EQ(S_OK, point->Advise(m_sinkFirst.Dispatch(), &cookie));
    ASSERT_EQ(S_OK, point->Advise(m_sinkSecond.Dispatch(), &cookie));
    point.Reset();
    m_sinkFirst.SetHandler([this](const CRecordedEvent&, const DISPPARAMS&, VARIANT*) { m_pControl.Reset(); });

    m_pPane->FireOnRefreshRequest();

    EXPECT_EQ(1u, m_sinkFirst.Events().size());
    EXPECT_EQ(1u, m_sinkSecond.Events().size());
    EXPECT_EQ(locksWithControl - 1, Module::LockCount());
}

// Invoked as methods with the user's locale; parameters in order
// (DISPPARAMS index 0 is the last one); texts from the ANSI code page, a
// null text as an empty one.
TEST_F(EventFiring, DetailsAndSegmentEventsCarryTheirParametersInOrder) {
    ASSERT_HRESULT_SUCCEEDED(m_sinkFirst.Connect(m_pControl.Get()));
    CDeviceProgram program{};
    m_pPane->FireOnProgramDetailes("<html>\xE9t\xE9 \x80</html>", true);
    m_pPane->FireOnProgramDetailes(nullptr, false);
    m_pPane->FireOnAdjustProgramSegment(4, &program, true);

    ASSERT_EQ(3u, m_sinkFirst.Events().size());
    const CRecordedEvent& byUser = m_sinkFirst.Events()[0];
    EXPECT_EQ(DISPID_OnProgramDetailes, byUser.dispid);
    EXPECT_EQ(DISPATCH_METHOD, byUser.flags);
    EXPECT_EQ(static_cast<LCID>(LOCALE_USER_DEFAULT), byUser.locale);
    EXPECT_TRUE(byUser.iidWasNull);
    EXPECT_TRUE(byUser.resultWanted);
    ASSERT_EQ(2u, byUser.args.size());
    EXPECT_EQ(VT_BSTR, byUser.Param(0).type());
    if (GetACP() == 1252) {
        EXPECT_EQ(L"<html>\u00E9t\u00E9 \u20AC</html>", byUser.Param(0).AsString());
    }
    EXPECT_EQ(VT_BOOL, byUser.Param(1).type());
    EXPECT_EQ(VARIANT_TRUE, V_BOOL(&byUser.Param(1).get()));
    EXPECT_EQ(VARIANT_FALSE, V_BOOL(&m_sinkFirst.Events()[1].Param(1).get()));
    EXPECT_EQ(0u, SysStringLen(V_BSTR(&m_sinkFirst.Events()[1].Param(0).get())));

    const CRecordedEvent& segment = m_sinkFirst.Events()[2];
    EXPECT_EQ(DISPID_OnAdjustProgramSegment, segment.dispid);
    ASSERT_EQ(3u, segment.args.size());
    EXPECT_EQ(VT_I4, segment.Param(0).type());
    EXPECT_EQ(4, segment.Param(0).AsInteger());
    EXPECT_EQ(reinterpret_cast<LONGLONG>(&program), segment.Param(1).AsInteger());
    EXPECT_EQ(VT_I4, segment.Param(2).type());
    EXPECT_EQ(1, segment.Param(2).AsInteger());
}

TEST_F(EventFiring, DragEventsPassAddressesAndReturnTheLastSinksResult) {
    ASSERT_HRESULT_SUCCEEDED(m_sinkFirst.Connect(m_pControl.Get()));
    ASSERT_HRESULT_SUCCEEDED(m_sinkSecond.Connect(m_pControl.Get()));
    // The host answers through the address it was given and in the result.
    m_sinkSecond.SetHandler([](const CRecordedEvent&, const DISPPARAMS& params, VARIANT* result) {
        // An address travels as an integer of the pointer's size.
        const VARIANT& address = params.rgvarg[0];
        const LONG_PTR value = V_VT(&address) == VT_I8 ? static_cast<LONG_PTR>(V_I8(&address)) : V_I4(&address);
        *reinterpret_cast<DWORD*>(value) = DROPEFFECT_COPY;
        V_VT(result) = VT_I4;
        V_I4(result) = 5;
    });
    DWORD effect = DROPEFFECT_NONE;

    const LONG result = m_pPane->FireOnDragEnter(m_pControl.Get(), &effect);

    EXPECT_EQ(5, result);
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_COPY), effect);
    const CRecordedEvent& event = m_sinkFirst.Events().at(0);
    ASSERT_EQ(2u, event.args.size());
    EXPECT_EQ(sizeof(void*) == 8 ? VT_I8 : VT_I4, event.args[1].type());
    EXPECT_EQ(reinterpret_cast<LONGLONG>(m_pControl.Get()), event.args[1].AsInteger());
    EXPECT_EQ(reinterpret_cast<LONGLONG>(&effect), event.args[0].AsInteger());
}

// The item travels as a short; the sinks go with the control.
TEST(MenuEvents, PopupEventsCarryTheItemAsShortAndDestroyingTheControlReleasesItsSinks) {
    CComPtr<IUnknown> control = NewControl(CreateMenuCtrl);
    CEventSink sink(DIID__IMenuCtrlEvents);
    CComPtr<IConnectionPoint> point = PointOf(control.Get(), DIID__IMenuCtrlEvents);
    DWORD cookie = 0;
    ASSERT_EQ(S_OK, point->Advise(sink.Dispatch(), &cookie));
    point.Reset();
    CMenuCtrl* bar = CMenuCtrl::From(Ask<IMenuCtrl>(control.Get(), IID_IMenuCtrl).Get());
    bar->FireBeforePopup(3);
    bar->FireAfterPopup(3);
    const std::vector<DISPID> expected{DISPID_BeforePopup, DISPID_AfterPopup};
    EXPECT_EQ(expected, sink.Dispids());
    EXPECT_EQ(VT_I2, sink.Events().at(0).Param(0).type());
    EXPECT_EQ(3, sink.Events().at(0).Param(0).AsInteger());
    const ULONG before = sink.Dispatch()->AddRef() - 1;
    sink.Dispatch()->Release();

    control.Reset();

    const ULONG after = sink.Dispatch()->AddRef() - 1;
    sink.Dispatch()->Release();
    EXPECT_EQ(before - 1, after);
}

}  // namespace
