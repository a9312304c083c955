// The cell colour table: one record per cell in the order of recording, the
// list's own colours never kept, the index in step with the table, and many
// workers recording at once.
#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <set>
#include <thread>
#include <utility>
#include <vector>

#include "check/cell_colours.h"

namespace {

constexpr COLORREF GREEN = 65280, RED = 255, BLACK = 0, WHITE = 0xFFFFFF;
constexpr OwnColours LIST_OWN{BLACK, WHITE};

std::vector<std::pair<int, int>> cells_of(const std::vector<CellColour>& records) {
    std::vector<std::pair<int, int>> cells;
    for (const CellColour& r : records) cells.emplace_back(r.row, r.column);
    return cells;
}

// Every record is found through the index as itself, and only once.
void expect_index_consistent(const CellColourTable& table) {
    std::set<std::pair<int, int>> seen;
    for (const CellColour& r : table.records()) {
        EXPECT_TRUE(seen.insert({r.row, r.column}).second) << "two records for " << r.row << "," << r.column;
        EXPECT_EQ(table.find(r.row, r.column), &r) << r.row << "," << r.column;
    }
}

TEST(CellColourTable, RecordingACellAgainChangesItInPlace) {
    CellColourTable table;
    table.record(1, 2, BLACK, GREEN, LIST_OWN);
    table.record(3, 2, BLACK, GREEN, LIST_OWN);
    table.record(3, 2, BLACK, RED, LIST_OWN);
    ASSERT_EQ(table.records().size(), 2u);
    EXPECT_EQ(cells_of(table.records()), (std::vector<std::pair<int, int>>{{1, 2}, {3, 2}}));
    const CellColour* cell = table.find(3, 2);
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->text_colour, BLACK);
    EXPECT_EQ(cell->back_colour, RED);
    EXPECT_EQ(table.find(2, 3), nullptr);  // row and column are not interchangeable
}

TEST(CellColourTable, TheListsOwnColoursAreNeverKept) {
    struct Step { int row; COLORREF text, back; std::optional<OwnColours> own; std::vector<int> rows_after; };
    const Step steps[] = {
        {0, BLACK, GREEN, LIST_OWN, {0}},
        {1, BLACK, WHITE, LIST_OWN, {0}},          // unrecorded cell, own colours: nothing added
        {1, BLACK, RED, LIST_OWN, {0, 1}},
        {0, BLACK, WHITE, LIST_OWN, {1}},          // recorded cell, own colours: removed
        {1, WHITE, WHITE, LIST_OWN, {1}},          // only one colour the list's own: kept, changed
        {2, RED, WHITE, LIST_OWN, {1, 2}},
        {3, BLACK, WHITE, std::nullopt, {1, 2, 3}},  // no list to ask: kept as given
        {1, BLACK, WHITE, OwnColours{BLACK, WHITE}, {2, 3}},
    };
    CellColourTable table;
    for (const Step& s : steps) {
        table.record(s.row, 2, s.text, s.back, s.own);
        std::vector<int> rows;
        for (const CellColour& r : table.records()) rows.push_back(r.row);
        EXPECT_EQ(rows, s.rows_after) << "after row " << s.row;
        expect_index_consistent(table);
    }
}

TEST(CellColourTable, OrderAndIndexSurviveRemovalsFromTheMiddle) {
    CellColourTable table;
    for (int row = 0; row < 10; ++row) table.record(row, 2, BLACK, row % 2 ? RED : GREEN, LIST_OWN);
    for (int row : {4, 0, 9, 5}) table.record(row, 2, BLACK, WHITE, LIST_OWN);
    EXPECT_EQ(cells_of(table.records()),
              (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}, {3, 2}, {6, 2}, {7, 2}, {8, 2}}));
    expect_index_consistent(table);
    for (int row : {0, 4, 5, 9}) EXPECT_EQ(table.find(row, 2), nullptr) << row;

    table.record(7, 2, BLACK, GREEN, LIST_OWN);  // in place
    table.record(4, 2, BLACK, RED, LIST_OWN);    // back at the end
    table.record(4, 3, BLACK, RED, LIST_OWN);    // another column of that row is another cell
    EXPECT_EQ(cells_of(table.records()),
              (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}, {3, 2}, {6, 2}, {7, 2}, {8, 2}, {4, 2}, {4, 3}}));
    EXPECT_EQ(table.find(7, 2)->back_colour, GREEN);
    expect_index_consistent(table);

    table.clear();
    EXPECT_TRUE(table.records().empty());
    EXPECT_EQ(table.find(1, 2), nullptr);
}

TEST(CellColours, ManyWorkersRecordingAtOnceLeaveOneRecordPerCell) {
    // Without a main window only the table changes.
    constexpr int THREADS = 8, RECORDS = 2000, CELLS = 150;
    auto cell_of = [](int thread, int i) {
        return std::pair<int, int>{(i * 7 + thread * 13) % CELLS / 3, 2 + (i % 3)};
    };
    auto colour_of = [](int thread, int i) { return static_cast<COLORREF>(thread << 16 | i); };

    clear_cell_colours();
    std::atomic<bool> go{false};
    std::vector<std::thread> workers;
    for (int t = 0; t < THREADS; ++t)
        workers.emplace_back([&, t] {
            while (!go) std::this_thread::yield();
            for (int i = 0; i < RECORDS; ++i) {
                auto [row, column] = cell_of(t, i);
                set_cell_colour(row, column, static_cast<COLORREF>(t), colour_of(t, i));
            }
        });
    go = true;
    for (std::thread& w : workers) w.join();

    // Each cell ends with the last colour some worker gave it.
    std::map<std::pair<int, int>, std::set<COLORREF>> last_of_each_worker;
    for (int t = 0; t < THREADS; ++t) {
        std::map<std::pair<int, int>, COLORREF> last;
        for (int i = 0; i < RECORDS; ++i) last[cell_of(t, i)] = colour_of(t, i);
        for (auto& [cell, colour] : last) last_of_each_worker[cell].insert(colour);
    }
    const std::vector<CellColour> records = cell_colours();
    EXPECT_EQ(records.size(), last_of_each_worker.size());
    std::set<std::pair<int, int>> seen;
    for (const CellColour& r : records) {
        const std::pair<int, int> cell{r.row, r.column};
        EXPECT_TRUE(seen.insert(cell).second) << "two records for " << r.row << "," << r.column;
        EXPECT_TRUE(last_of_each_worker[cell].count(r.back_colour)) << r.row << "," << r.column;
        EXPECT_EQ(r.text_colour, r.back_colour >> 16) << "text and background from different records";
        const std::optional<CellColour> found = find_cell_colour(r.row, r.column);
        ASSERT_TRUE(found);
        EXPECT_EQ(found->back_colour, r.back_colour);
    }
    clear_cell_colours();
    EXPECT_TRUE(cell_colours().empty());
}

}  // namespace
