// A script host sets and reads the bar's properties by name through its dual
// interface: JScript under the system's cscript, the bar created by ProgID.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/ChildProcess.h"
#include "support/KestrelRegistration.h"
#include "support/OwnerWindow.h"

namespace {

const char kScript[] = R"(var bar = new ActiveXObject("Menu.id");
var owner = parseInt(WScript.Arguments(0));
bar.BackColor = 0x123456;
bar.ForeColor = 0x010203;
bar.MenuColor = 0xABCDEF;
bar.MenuTextColor = 0x102030;
bar.Orientation = 1;
bar.Owner = owner;
var refused = "accepted";
try { bar.Menu = 0x7FFF4; } catch (e) { refused = (e.number >>> 0).toString(16); }
WScript.Echo([bar.BackColor, bar.ForeColor, bar.MenuColor, bar.MenuTextColor, bar.Orientation,
              bar.Owner == owner, bar.Menu, refused].join(","));
)";

TEST(ScriptHost, SetsAndReadsThePropertiesByNameThroughTheDualInterface) {
    KestrelRegistration registration;
    ASSERT_HRESULT_SUCCEEDED(registration.Result());
    OwnerWindow owner;
    wchar_t temp[MAX_PATH];
    ASSERT_NE(0u, GetTempPathW(MAX_PATH, temp));
    const std::wstring directory = temp;
    const std::wstring script = directory + L"KestrelMenuBar.js";
    const HANDLE file = CreateFileW(script.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    WriteFile(file, kScript, sizeof kScript - 1, &written, nullptr);
    CloseHandle(file);
    // cscript takes a path that begins with '/' for a switch: a relative one.
    const std::wstring command =
        L"cscript.exe //nologo KestrelMenuBar.js " + std::to_wstring(reinterpret_cast<UINT_PTR>(owner.hwnd()));
    const std::string output = RunChild(command, directory).output;
    DeleteFileW(script.c_str());
    EXPECT_EQ("1193046,66051,11259375,1056816,1,true,0,80070057", output);
}

}  // namespace
