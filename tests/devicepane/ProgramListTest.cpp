#include "support/PaneHost.h"

#include <cstring>
#include <functional>
#include <utility>

#include "container/ResourceCounts.h"

#include "format/TextFormat.h"
#include "res/resource.h"

namespace {

using ProgramList = PaneTest;

TEST_F(ProgramList, CellsOfAddAndUpdateDifferAsHostsExpect) {
    struct Case {
        int time, size;
        const char* added[2];  // columns 1 and 3
    } const cases[] = {
        {0, 1048576, {"", "1024 KB"}},
        {61, 1023, {"1 min 1 s", "1023 Bytes"}},
        {3661, 1048577, {"1 h 1 min", "1.0 MB"}},
    };
    for (const Case& c : cases) {
        CDeviceProgram program = Program("p", 4000, c.time, c.size);
        Add(program);
        const int last = m_pPane->GetItemsCount() - 1;
        EXPECT_EQ(c.added[0], Cell(last, 1)) << c.time;
        EXPECT_EQ(c.added[1], Cell(last, 3)) << c.size;
        // An update writes "0 min" and always megabytes.
        ASSERT_EQ(S_OK, m_pPane->UpdateProgram(last, &program, 0));
        EXPECT_EQ(FormatDuration(c.time), Cell(last, 1));
        EXPECT_EQ(Printf(IDS_SIZE_MB, c.size / 1048576.0), Cell(last, 3));
    }
    EXPECT_EQ(3, m_pPane->GetItemsCount());
}

TEST_F(ProgramList, CdViewCountsTheCdsATitleNeeds) {
    ASSERT_EQ(S_OK, m_pPane->SetDisplayMode(CDBURN_VIEW));
    Add(Program("unknown capacity", 3600, 0, 0));
    EXPECT_EQ("", Cell(0, 3));
    struct Case {
        INT64 capacity;
        int totalTime;
        const char* cds;
    } const cases[] = {{734003200, 3600, "1"},
                       {734003200, 4161, "1"},
                       {734003200, 4162, "2"},
                       {705600000, 3999, "1"},
                       {705600000, 4000, "2"}};
    for (const Case& c : cases) {
        SetDevice("", 0, c.capacity, TOTAL_MEM);
        CDeviceProgram program = Program("t", c.totalTime, 0, 0);
        Add(program);
        const int last = m_pPane->GetItemsCount() - 1;
        EXPECT_EQ(c.cds, Cell(last, 3)) << c.capacity << " " << c.totalTime;
        // An update keeps the count where other views write the size.
        program.m_SizeOnDevice = 3 * 1048576;
        ASSERT_EQ(S_OK, m_pPane->UpdateProgram(last, &program, 1));
        EXPECT_EQ(c.cds, Cell(last, 3)) << "after an update";
    }
}

TEST_F(ProgramList, ProgramsPastTheHundredthGoInAtIndexHundred) {
    for (int i = 0; i < 102; ++i) Add(Program(std::to_string(i).c_str(), 10, 10, 10));
    EXPECT_EQ("99", Cell(99, 0));
    EXPECT_EQ("101", Cell(100, 0));
    EXPECT_EQ("100", Cell(101, 0));
    // The first addition selected and focused item 0.
    EXPECT_EQ(LVIS_SELECTED | LVIS_FOCUSED,
              static_cast<int>(SendMessageA(List(), LVM_GETITEMSTATE, 0, LVIS_SELECTED | LVIS_FOCUSED)));
    EXPECT_EQ(S_FALSE, m_pPane->RemoveProgram(102));
    EXPECT_EQ(S_OK, m_pPane->RemoveProgram(-1));
    EXPECT_EQ(S_OK, m_pPane->RemoveProgram(0));
    EXPECT_EQ(101, m_pPane->GetItemsCount());
    EXPECT_EQ(S_OK, m_pPane->SetDisplayMode(DEVICE_VIEW));  // the same mode still empties the list
    EXPECT_EQ(0, m_pPane->GetItemsCount());
}

// However the rows go, their records go with them, each once: a record
// kept would stay on the heap, one freed twice would be handed to two rows.
// Every way is run twice, and only the second counted, so that what the
// list keeps for the next rows is there already.
TEST_F(ProgramList, RecordsGoWithTheirRowsExactlyOnce) {
    constexpr int kRows = 150;
    const auto fill = [&] {
        for (int i = 0; i < kRows; ++i) Add(Program(("Row " + std::to_string(i)).c_str(), 60, 30, 10));
    };
    const auto heap = [] {
        const CResourceCounts now = CResourceCounts::Now();
        return std::make_pair(now.heapBytes, now.heapBlocks);
    };
    const struct {
        const char* name;
        std::function<void()> empty;
    } ways[] = {
        {"RemoveProgram, last row first",
         [&] {
             for (int i = kRows - 1; i >= 0; --i) ASSERT_EQ(S_OK, m_pPane->RemoveProgram(i));
         }},
        {"RemoveProgram, first row first",
         [&] {
             for (int i = 0; i < kRows; ++i) ASSERT_EQ(S_OK, m_pPane->RemoveProgram(0));
         }},
        {"RemoveAllPrograms", [&] { ASSERT_EQ(S_OK, m_pPane->RemoveAllPrograms()); }},
        {"the window destroyed",
         [&] {
             ClosePane();
             OpenPane();
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        std::pair<long long, long long> before;
        for (int round = 0; round < 2; ++round) {
            if (round == 1) before = heap();
            fill();
            for (int i = 0; i < kRows; i += 7) {
                CDeviceProgram back{};
                ASSERT_EQ(S_OK, m_pPane->GetProgramProperties(i, &back));
                EXPECT_EQ(Cell(i, 0), back.m_szTitle);
            }
            way.empty();
            ASSERT_EQ(0, m_pPane->GetItemsCount());
        }
        const std::pair<long long, long long> after = heap();
        EXPECT_EQ(before.first, after.first) << "bytes";
        EXPECT_EQ(before.second, after.second) << "blocks";
    }
}

TEST_F(ProgramList, RecordsComeBackByteForByteAndArraysAreNotReadPastTheirEnd) {
    CDeviceProgram program;
    for (size_t i = 0; i < sizeof program; ++i) reinterpret_cast<unsigned char*>(&program)[i] = 'a' + i % 26;
    Add(program);
    CDeviceProgram back{};
    ASSERT_EQ(S_OK, m_pPane->GetProgramProperties(0, &back));
    EXPECT_EQ(0, std::memcmp(&program, &back, sizeof program));
    EXPECT_EQ(std::string(program.m_szTitle, sizeof program.m_szTitle), Cell(0, 0));
    EXPECT_EQ(S_OK, m_pPane->SetTransferProgram(std::string(program.m_szTitle, 256).c_str()));

    // Without a repaint the stored record stays as it was; with one it is replaced.
    CDeviceProgram changed = Program("changed", 1, 1, 1);
    ASSERT_EQ(S_OK, m_pPane->UpdateProgram(0, &changed, 0));
    ASSERT_EQ(S_OK, m_pPane->GetProgramProperties(0, &back));
    EXPECT_EQ(0, std::memcmp(&program, &back, sizeof program));
    ASSERT_EQ(S_OK, m_pPane->UpdateProgram(0, &changed, 1));
    ASSERT_EQ(S_OK, m_pPane->GetProgramProperties(0, &back));
    EXPECT_EQ(0, std::memcmp(&changed, &back, sizeof changed));
    EXPECT_EQ(E_FAIL, m_pPane->GetProgramProperties(1, &back));
    EXPECT_EQ(S_OK, m_pPane->UpdateProgram(7, &changed, 1));
}

TEST_F(ProgramList, SelectionCountNeedsTheFocusAndItemsAreListedInOrder) {
    for (const char* title : {"a", "b", "c", "d", "e", "f"}) Add(Program(title, 10, 10, 10));
    for (int item : {1, 2, 3, 4, 5}) ListView_SetItemState(List(), item, LVIS_SELECTED, LVIS_SELECTED);
    ListView_SetItemState(List(), 0, 0, LVIS_SELECTED);

    SetFocus(m_pContainer->Window());
    EXPECT_EQ(0, m_pPane->GetSelCount());
    int items[3] = {-7, -7, -7};
    ASSERT_EQ(S_OK, m_pPane->GetSelItems(items, 2));
    EXPECT_EQ(1, items[0]);
    EXPECT_EQ(2, items[1]);
    EXPECT_EQ(-7, items[2]);

    ASSERT_EQ(S_OK, m_pPane->SetFocus());
    EXPECT_EQ(List(), GetFocus());
    EXPECT_EQ(5, m_pPane->GetSelCount());
}

}  // namespace
