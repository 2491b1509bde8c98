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
        ASSERT_HRESULT_SUCCEEDED(m_container.Create(GetParam().creator));
        ASSERT_HRESULT_SUCCEEDED(m_container.Activate());
    }

    TestContainer m_container;
};

// What a host sees of the window; the window's class, style and placement
// by the object rectangles: control/EmbeddingTest.
TEST_P(ContainerEmbedding, WindowCoversTheSiteFollowsTheContainersSizeAndComesBackOnReactivation) {
    const HWND first = m_container.ControlWindow();
    ASSERT_NE(nullptr, first);
    EXPECT_TRUE(IsWindowVisible(first));
    RECT rect = ClientRect(first);
    EXPECT_EQ(480, rect.right);
    EXPECT_EQ(320, rect.bottom);
    m_container.Resize({300, 200});
    rect = ClientRect(first);
    EXPECT_EQ(300, rect.right);
    EXPECT_EQ(200, rect.bottom);

    ASSERT_HRESULT_SUCCEEDED(m_container.Deactivate());
    EXPECT_FALSE(IsWindow(first));
    EXPECT_FALSE(m_container.Site().InPlaceActive());
    ASSERT_HRESULT_SUCCEEDED(m_container.Activate());
    const HWND second = m_container.ControlWindow();
    EXPECT_TRUE(IsWindow(second));
    EXPECT_EQ(GetParam().windowClass, WindowClassName(second));

    const LONG locksWithControl = Module::LockCount();
    m_container.Close();
    EXPECT_FALSE(IsWindow(second));
    EXPECT_EQ(nullptr, m_container.Control());
    EXPECT_EQ(locksWithControl - 1, Module::LockCount());
}

// The site and the control hold each other until Close: afterwards the
// caller's reference must be the last one, or every embedding leaks both.
TEST_P(ContainerEmbedding, ClosingLeavesTheCallerTheLastReferenceToTheSite) {
    ComPtr<ControlSite> site = ControlSite::Create(m_container.Window(), RECT{0, 0, 200, 100});
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
