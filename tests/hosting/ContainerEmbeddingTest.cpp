// Both controls embedded by the test container as a host embeds them, from
// the instance creators linked into this program.
#include "ControlKinds.h"

#include "module/Module.h"

#include <gtest/gtest.h>

namespace {

RECT ClientRect(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return rect;
}

class ContainerEmbedding : public testing::TestWithParam<ControlKind> {
  protected:
    void SetUp() override {
        ASSERT_HRESULT_SUCCEEDED(container_.Create(GetParam().creator));
        ASSERT_HRESULT_SUCCEEDED(container_.Activate());
    }

    TestContainer container_;
};

TEST_P(ContainerEmbedding, InPlaceActivationCreatesAChildWindowOfTheControlsClass) {
    const HWND window = container_.ControlWindow();
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(container_.Window(), GetParent(window));
    EXPECT_EQ(GetParam().windowClass, WindowClassName(window));
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST_P(ContainerEmbedding, ActivatesWindowedAndNeverWindowless) {
    EXPECT_TRUE(container_.Site().InPlaceActive());
    EXPECT_EQ(0u, container_.Site().ActivationFlags() & ACTIVATE_WINDOWLESS);
}

TEST_P(ContainerEmbedding, ControlWindowCoversTheSiteAndFollowsTheContainersSize) {
    const HWND window = container_.ControlWindow();
    ASSERT_NE(nullptr, window);
    RECT rect = ClientRect(window);
    EXPECT_EQ(480, rect.right);
    EXPECT_EQ(320, rect.bottom);

    container_.Resize({300, 200});
    rect = ClientRect(window);
    EXPECT_EQ(300, rect.right);
    EXPECT_EQ(200, rect.bottom);
}

TEST_P(ContainerEmbedding, UIActivationHandsTheFrameAnActiveObject) {
    ASSERT_HRESULT_SUCCEEDED(container_.Activate(OLEIVERB_UIACTIVATE));
    EXPECT_TRUE(container_.Site().UIActive());
    EXPECT_NE(nullptr, container_.Site().ActiveObject());
}

TEST_P(ContainerEmbedding, DeactivationDestroysTheWindowAndReactivationMakesANewOne) {
    const HWND first = container_.ControlWindow();
    ASSERT_NE(nullptr, first);
    ASSERT_HRESULT_SUCCEEDED(container_.Deactivate());
    EXPECT_FALSE(IsWindow(first));
    EXPECT_FALSE(container_.Site().InPlaceActive());

    ASSERT_HRESULT_SUCCEEDED(container_.Activate());
    const HWND second = container_.ControlWindow();
    EXPECT_TRUE(IsWindow(second));
    EXPECT_EQ(GetParam().windowClass, WindowClassName(second));
}

TEST_P(ContainerEmbedding, ConnectsAnEventSinkForItsEventInterface) {
    EventSink sink(GetParam().events);
    EXPECT_HRESULT_SUCCEEDED(sink.Connect(container_.Control()));
    EXPECT_NE(0u, sink.Cookie());
    EXPECT_HRESULT_SUCCEEDED(sink.Disconnect());
}

TEST_P(ContainerEmbedding, ClosingReleasesTheControlAndItsWindow) {
    const LONG locksWithControl = Module::LockCount();
    const HWND window = container_.ControlWindow();
    container_.Close();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(nullptr, container_.Control());
    EXPECT_EQ(locksWithControl - 1, Module::LockCount());
}

// The site and the control hold each other until Close: afterwards the
// caller's reference must be the last one, or every embedding leaks both.
TEST_P(ContainerEmbedding, ClosingLeavesTheCallerTheLastReferenceToTheSite) {
    ComPtr<ControlSite> site = ControlSite::Create(container_.Window(), RECT{0, 0, 200, 100});
    ComPtr<IUnknown> control;
    ASSERT_HRESULT_SUCCEEDED(
        GetParam().creator(nullptr, IID_IUnknown, reinterpret_cast<void**>(control.ReleaseAndGetAddressOf())));
    ASSERT_HRESULT_SUCCEEDED(site->Embed(control.Get()));
    ASSERT_HRESULT_SUCCEEDED(site->Activate(OLEIVERB_UIACTIVATE));
    control.Reset();
    site->Close();

    ControlSite* last = site.Detach();
    EXPECT_EQ(0u, last->Release());
}

INSTANTIATE_TEST_SUITE_P(BothControls, ContainerEmbedding, testing::Values(kDeviceTransfer, kMenuCtrl),
                         ControlKindName);

}  // namespace
