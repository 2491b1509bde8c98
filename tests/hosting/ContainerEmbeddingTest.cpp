// Both controls embedded by the test container as a host embeds them, from
// the instance creators linked into this program.
#include "ControlKinds.h"

#include <gtest/gtest.h>

namespace {

class ContainerEmbedding : public testing::TestWithParam<ControlKind> {};

// The site and the control hold each other until Close: afterwards the
// caller's reference must be the last one, or every embedding leaks both.
TEST_P(ContainerEmbedding, ClosingLeavesTheCallerTheLastReferenceToTheSite) {
    TestContainer parent;
    ComPtr<ControlSite> site = ControlSite::Create(parent.Window(), RECT{0, 0, 200, 100});
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
