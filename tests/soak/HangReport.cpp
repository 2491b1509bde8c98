#include "HangReport.h"

#include <tlhelp32.h>

#include <cstdio>
#include <deque>
#include <regex>
#include <sstream>
#include <vector>

namespace {

constexpr size_t kLogLines = 25;
// The debugger starts slowly in the emulated guest.
constexpr DWORD kDebuggerTimeoutMs = 180000;

std::string Narrow(const wchar_t* text) {
    char buffer[512] = "";
    WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
    return buffer;
}

std::string Hex(const void* value) {
    char text[32];
    return std::string(text, std::snprintf(text, sizeof text, "%p", value));
}

std::string DescribeWindow(HWND window) {
    wchar_t name[128] = L"", title[128] = L"";
    GetClassNameW(window, name, 128);
    // Read without a message: the window's thread does not answer.
    InternalGetWindowText(window, title, 128);
    std::string line = Hex(window) + " class \"" + Narrow(name) + "\" title \"" + Narrow(title) + "\"";
    if (IsWindowVisible(window)) line += " visible";
    if (!IsWindowEnabled(window)) line += " disabled";
    if (HWND owner = GetWindow(window, GW_OWNER)) line += " owner " + Hex(owner);
    return line;
}

BOOL CALLBACK AddWindow(HWND window, LPARAM lp) {
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(window);
    return TRUE;
}

// User and kernel time of a thread so far, in 100 ns units.
ULONGLONG CpuTime(DWORD threadId) {
    const ScopedHandle thread(OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, threadId));
    FILETIME created{}, ended{}, kernel{}, user{};
    if (!thread || !GetThreadTimes(thread.get(), &created, &ended, &kernel, &user)) return 0;
    const auto value = [](const FILETIME& t) { return (ULONGLONG{t.dwHighDateTime} << 32) | t.dwLowDateTime; };
    return value(kernel) + value(user);
}

// `busyMs`: the processor time it took in the last second, which tells a
// loop (near 1000) from a wait (0).
std::string DescribeThread(DWORD threadId, ULONGLONG busyMs) {
    std::string text = "thread " + std::to_string(threadId) + ": busy " + std::to_string(busyMs) + " ms of 1000,";
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (GetGUIThreadInfo(threadId, &info)) {
        const std::pair<DWORD, const char*> flags[] = {{GUI_INMENUMODE, " in-menu-mode"},
                                                       {GUI_POPUPMENUMODE, " popup-menu"},
                                                       {GUI_SYSTEMMENUMODE, " system-menu"},
                                                       {GUI_INMOVESIZE, " move-size-loop"},
                                                       {GUI_CARETBLINKING, " caret"}};
        for (const auto& [flag, name] : flags)
            if (info.flags & flag) text += name;
        text += " active " + Hex(info.hwndActive) + " focus " + Hex(info.hwndFocus) + " capture " +
                Hex(info.hwndCapture) + " menu-owner " + Hex(info.hwndMenuOwner);
    }
    text += "\n";
    std::vector<HWND> windows;
    EnumThreadWindows(threadId, AddWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
        text += "  " + DescribeWindow(window) + "\n";
        std::vector<HWND> children;
        EnumChildWindows(window, AddWindow, reinterpret_cast<LPARAM>(&children));
        for (HWND child : children) text += "    " + DescribeWindow(child) + "\n";
    }
    return text;
}

std::string DescribeThreads(DWORD processId) {
    std::vector<DWORD> threads;
    const ScopedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    if (snapshot.get() == INVALID_HANDLE_VALUE) return "no thread snapshot\n";
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot.get(), &entry); more; more = Thread32Next(snapshot.get(), &entry))
        if (entry.th32OwnerProcessID == processId) threads.push_back(entry.th32ThreadID);
    std::vector<ULONGLONG> before;
    for (DWORD thread : threads) before.push_back(CpuTime(thread));
    Sleep(1000);
    std::string text;
    for (size_t i = 0; i < threads.size(); ++i)
        text += DescribeThread(threads[i], (CpuTime(threads[i]) - before[i]) / 10000);
    return text;
}

std::string LastLines(const std::string& log) {
    std::istringstream all(log);
    std::deque<std::string> lines;
    for (std::string line; std::getline(all, line);) {
        lines.push_back(line);
        if (lines.size() > kLogLines) lines.pop_front();
    }
    std::string text;
    for (const std::string& line : lines) text += "  " + line + "\n";
    return text;
}

// "bt all" walks every process of the Wine session: only the host's
// threads are kept.
std::string HostStacks(const std::string& all, DWORD processId) {
    char process[32];
    std::snprintf(process, sizeof process, " in process %04lx ", static_cast<unsigned long>(processId));
    std::istringstream lines(all);
    std::string kept;
    bool keep = false;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("Backtracing for thread", 0) == 0) keep = line.find(process) != std::string::npos;
        if (keep) kept += line + "\n";
    }
    return kept;
}

CChildRun RunDebugger(const std::wstring& command, DWORD processId) {
    return RunChild(L"winedbg --command \"" + command + L"\" " + std::to_wstring(processId), {}, kDebuggerTimeoutMs);
}

// The frame address that ends the first thread's "=>0" line.
std::string InnermostFrame(const std::string& stacks) {
    std::smatch match;
    std::regex_search(stacks, match, std::regex("=>0 .*\\((0x[0-9a-f]+)\\)"));
    return match.empty() ? std::string() : match[1].str();
}

}  // namespace

std::string DescribeHang(const CHostProcess& host) {
    std::string text = "windows and input state of each thread:\n" + DescribeThreads(host.ProcessId());
    text += "the host's last log lines:\n" + LastLines(host.Log());
    // Three samples a second apart tell a busy loop from a wait.
    for (int sample = 1; sample <= 3; Sleep(1000), ++sample) {
        const CChildRun debugger = RunDebugger(L"bt all", host.ProcessId());
        const std::string stacks = HostStacks(debugger.output, host.ProcessId());
        text += "stacks, sample " + std::to_string(sample) + " (winedbg, exit code " +
                std::to_string(debugger.exitCode) + "):\n" + stacks;
        // The calls' arguments, messages among them, and past the kernel
        // callback where winedbg's walk stops, the callers' return addresses.
        const std::string frame = InnermostFrame(stacks);
        if (frame.empty()) continue;
        const CChildRun words = RunDebugger(L"x /2048x " + std::wstring(frame.begin(), frame.end()), host.ProcessId());
        text += "stack words from " + frame + ":\n" + words.output + "\n";
    }
    // Where each module lies, to name those return addresses.
    text += "modules:\n" + RunDebugger(L"info share", host.ProcessId()).output + "\n";
    return text;
}
