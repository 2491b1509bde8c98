// The soak: the sample host under seeded random real input for a given
// time. After each burst the host must still answer; a host that ends is
// started again. It reports the events sent, the clean exits, the crashes
// with their exit codes, and what the host was doing whenever it did not
// answer: a stall if it answers again after that report, else a hang.
//
//   soak_tests [--seed N] [--seconds N] [--hasty 0|1] [--answer-ms N] [--host SampleHost.exe]
//
// Hasty input comes without pauses and goes to whatever window is in the
// foreground, the host's or not, instead of bringing the host forward first.
// A host that takes longer than answer-ms (30000) to answer is reported; a
// small limit, a second or two on x64, finds the stalls that an emulated
// guest under load stretches to half a minute and more. KESTREL_SOAK_SEED,
// KESTREL_SOAK_SECONDS, KESTREL_SOAK_HASTY and KESTREL_SOAK_ANSWER_MS give
// the same where no argument does; KESTREL_DLL names the DLL registered for
// the run (the registry is put back afterwards), and the host is the sample
// built beside it unless --host names another. Exit status 0 when there was
// neither crash nor hang.
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <map>
#include <sstream>
#include <string>

#include "HangReport.h"
#include "RandomInput.h"
#include "support/BuildPaths.h"
#include "support/KestrelRegistration.h"

namespace {

constexpr int kEventsPerBurst = 25;
constexpr DWORD kPauseMs = 25;  // between two events: about as fast as a hasty user
constexpr DWORD kStartMs = 120000;
// How long a host may take to end once its window is gone, to answer by
// default, and to answer again after a report, before it counts as hung
// (generous: the i686 guest is emulated).
constexpr DWORD kAnswerMs = 30000;
constexpr ULONGLONG kProgressMs = 60000;

struct CSoakOptions {
    unsigned long seed = 1;
    unsigned long seconds = 60;
    bool bHasty = false;
    DWORD dwAnswerMs = kAnswerMs;
    std::wstring host;
};

bool ParseOptions(int argc, wchar_t** argv, CSoakOptions& options) {
    std::wstring seed = Environment(L"KESTREL_SOAK_SEED"), seconds = Environment(L"KESTREL_SOAK_SECONDS");
    std::wstring hasty = Environment(L"KESTREL_SOAK_HASTY"), answer = Environment(L"KESTREL_SOAK_ANSWER_MS");
    options.host = SampleHostPath();
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::wstring name = argv[i];
        std::wstring* value = name == L"--seed"        ? &seed
                              : name == L"--seconds"   ? &seconds
                              : name == L"--hasty"     ? &hasty
                              : name == L"--answer-ms" ? &answer
                                                       : &options.host;
        if (value == &options.host && name != L"--host") return false;
        *value = argv[i + 1];
    }
    if (argc % 2 == 0) return false;
    if (!seed.empty()) options.seed = std::wcstoul(seed.c_str(), nullptr, 10);
    if (!seconds.empty()) options.seconds = std::wcstoul(seconds.c_str(), nullptr, 10);
    options.bHasty = hasty == L"1";
    if (!answer.empty()) options.dwAnswerMs = std::wcstoul(answer.c_str(), nullptr, 10);
    return !options.host.empty();
}

// What the controls fired, by event name, read from the sample host's log
// ("DeviceTransfer event 7 DeleteSelectedProgramsRequest (...)"): evidence
// that the input reached popups, details, deletes and refreshes.
class CEventTally {
  public:
    void AddLog(const std::string& log) {
        std::istringstream lines(log);
        for (std::string line; std::getline(lines, line);) {
            std::istringstream words(line);
            std::string control, event, number, name;
            if (words >> control >> event >> number >> name && event == "event")
                ++m_mapCounts[name.substr(0, name.find('('))];
        }
    }
    std::string Text() const {
        std::string text;
        for (const auto& [name, count] : m_mapCounts)
            text += (text.empty() ? "" : ", ") + name + " " + std::to_string(count);
        return text.empty() ? "none" : text;
    }

  private:
    std::map<std::string, unsigned long> m_mapCounts;
};

class CSoak {
  public:
    explicit CSoak(const CSoakOptions& options) : m_options(options), m_input(options.seed), m_host(options.host) {}

    int Run();

  private:
    bool StartHost();
    void SendBurst();
    // Whether the host is still up and answering; counts its end, stall or hang.
    bool CheckHost();
    void CountEnd(DWORD code);
    // Counts the host's end if it ends within `timeoutMs`.
    bool CountEndWithin(DWORD timeoutMs);
    void CountHang(const char* how);
    // A host that answers again after the report was only stalled.
    void CountStallOrHang();
    // What the host is doing, while it does not answer.
    void Report() const;
    void EndHungHost();
    // The window the next event aims at: the host's foreground window
    // (a dialog, the details window), or its main window, brought forward.
    RECT Target() const;
    void Say(const char* what) const;

    CSoakOptions m_options;
    CRandomInput m_input;
    CHostProcess m_host;
    CEventTally m_tally;
    bool m_bHostUp = false;
    unsigned long m_nEvents = 0, m_nStarts = 0, m_nCleanExits = 0, m_nCrashes = 0, m_nStalls = 0, m_nHangs = 0;
    ULONGLONG m_tStart = GetTickCount64();
};

void CSoak::Say(const char* what) const {
    std::printf("[%6.1fs] %lu events, start %lu: %s\n", (GetTickCount64() - m_tStart) / 1000.0, m_nEvents, m_nStarts,
                what);
    std::fflush(stdout);
}

bool CSoak::StartHost() {
    ++m_nStarts;
    m_bHostUp = m_host.Start(kStartMs);
    if (m_bHostUp) return true;
    DWORD code = 0;
    if (m_host.WaitForEnd(0, &code)) {
        CountEnd(code);
    } else {
        CountHang("the host's main window did not show");
        m_host.Kill();
    }
    return false;
}

RECT CSoak::Target() const {
    const HWND main = m_host.MainWindow();
    HWND target = GetForegroundWindow();
    DWORD process = 0;
    GetWindowThreadProcessId(target, &process);
    if (process != m_host.ProcessId()) {
        // Hasty input lands wherever the system sends it.
        if (!m_options.bHasty) {
            if (IsIconic(main)) ShowWindowAsync(main, SW_RESTORE);
            SetForegroundWindow(main);
        }
        target = main;
    }
    RECT rect{};
    GetWindowRect(target, &rect);
    return rect;
}

void CSoak::SendBurst() {
    for (int i = 0; i < kEventsPerBurst && !m_host.WaitForEnd(); ++i) {
        m_input.SendOne(Target());
        ++m_nEvents;
        if (!m_options.bHasty) Sleep(kPauseMs);
    }
}

bool CSoak::CheckHost() {
    if (!m_host.WaitForEnd() && IsWindow(m_host.MainWindow()) && m_host.Answers(m_options.dwAnswerMs)) return true;
    // A host whose main window is gone (also while we asked) is on its way
    // out, and must now end.
    const bool windowGone = !IsWindow(m_host.MainWindow());
    if (CountEndWithin(windowGone ? kAnswerMs : 0)) return false;
    if (windowGone)
        CountHang("the process did not end after its main window closed");
    else
        CountStallOrHang();
    return m_bHostUp;
}

void CSoak::CountEnd(DWORD code) {
    m_bHostUp = false;
    m_tally.AddLog(m_host.Log());
    if (code == 0) {
        ++m_nCleanExits;
        Say("clean exit");
        return;
    }
    ++m_nCrashes;
    char text[64];
    std::snprintf(text, sizeof text, "CRASH, exit code 0x%08lX", static_cast<unsigned long>(code));
    Say(text);
}

bool CSoak::CountEndWithin(DWORD timeoutMs) {
    DWORD code = 0;
    if (!m_host.WaitForEnd(timeoutMs, &code)) return false;
    CountEnd(code);
    return true;
}

void CSoak::CountHang(const char* how) {
    Say((std::string("HANG: ") + how).c_str());
    Report();
    EndHungHost();
}

void CSoak::CountStallOrHang() {
    Say("NO ANSWER: the main window answers no sent message in time");
    Report();
    // Under Wine every message a thread sends while it has a call-window
    // hook costs server round trips, and Wine's own About box sends
    // thousands: a loaded emulated guest can take minutes over it, then
    // goes on, and its queued input may have reached a way out meanwhile.
    if (CountEndWithin(0)) return;
    if (IsWindow(m_host.MainWindow()) && m_host.Answers(kAnswerMs)) {
        ++m_nStalls;
        Say("STALL: the host answers again after the report");
        return;
    }
    Say("HANG: still no answer after the report");
    EndHungHost();
}

void CSoak::Report() const {
    std::fputs(DescribeHang(m_host).c_str(), stdout);
    std::fflush(stdout);
}

void CSoak::EndHungHost() {
    m_bHostUp = false;
    ++m_nHangs;
    m_host.Kill();
    m_tally.AddLog(m_host.Log());
}

int CSoak::Run() {
    std::printf("soak: seed %lu, %lu s, host %ls\n", m_options.seed, m_options.seconds, m_options.host.c_str());
    const ULONGLONG end = m_tStart + m_options.seconds * 1000ULL;
    ULONGLONG nextProgress = m_tStart + kProgressMs;
    while (GetTickCount64() < end) {
        if (!m_bHostUp && !StartHost()) continue;
        SendBurst();
        CheckHost();
        if (GetTickCount64() >= nextProgress) {
            nextProgress += kProgressMs;
            Say("running");
        }
    }
    // The last teardown is checked too: the host closes as a user closes
    // it, which is not counted among the exits the input made.
    if (m_bHostUp) {
        PostMessageW(m_host.MainWindow(), WM_CLOSE, 0, 0);
        DWORD code = 0;
        if (!m_host.WaitForEnd(kAnswerMs, &code)) {
            CountHang("the host did not end after WM_CLOSE");
        } else if (code != 0) {
            CountEnd(code);
        } else {
            m_tally.AddLog(m_host.Log());
            Say("closed at the end");
        }
    }
    std::printf("soak: events fired: %s\n", m_tally.Text().c_str());
    std::printf("soak: seed %lu, %lu s: %lu events, %lu clean exits, %lu crashes, %lu stalls, %lu hangs\n",
                m_options.seed, m_options.seconds, m_nEvents, m_nCleanExits, m_nCrashes, m_nStalls, m_nHangs);
    return m_nCrashes == 0 && m_nHangs == 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    CSoakOptions options;
    if (!ParseOptions(argc, argv, options)) {
        std::fputs("usage: soak_tests [--seed N] [--seconds N] [--host SampleHost.exe]\n", stderr);
        return 2;
    }
    if (FAILED(OleInitialize(nullptr))) return 2;
    int result = 2;
    {
        const CKestrelRegistration registration;
        if (FAILED(registration.Result()))
            std::printf("soak: Kestrel.dll (KESTREL_DLL) could not be registered: 0x%08lX\n",
                        static_cast<unsigned long>(registration.Result()));
        else
            result = CSoak(options).Run();
    }
    OleUninitialize();
    return result;
}
