// Both controls created as the host creates them: by ProgID, from the real
// Kestrel.dll after its own DllRegisterServer.
#include "ControlKinds.h"

#include "support/KestrelRegistration.h"

namespace {

class ProgIdEmbedding : public testing::TestWithParam<ControlKind> {
  protected:
    KestrelRegistration registration_;
};

TEST_P(ProgIdEmbedding, RegisteredDllServesTheControlByProgId) {
    ASSERT_HRESULT_SUCCEEDED(registration_.Result());
    TestContainer container;
    ASSERT_HRESULT_SUCCEEDED(container.Create(GetParam().progId));
    ASSERT_HRESULT_SUCCEEDED(container.Activate());

    EXPECT_EQ(GetParam().windowClass, WindowClassName(container.ControlWindow()));
    EXPECT_NE(nullptr, container.Query<IUnknown>(GetParam().identity).Get());
}

INSTANTIATE_TEST_SUITE_P(BothControls, ProgIdEmbedding, testing::Values(kDeviceTransfer, kMenuCtrl), ControlKindName);

}  // namespace
