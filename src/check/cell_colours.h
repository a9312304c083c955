// Colours of single cells of the item list 超级列表框1. The list view knows
// one text colour and one background for all its cells, so the colours are
// kept here per (row, column) and handed to the list while it paints, through
// its custom-draw notifications to the main window.
#pragma once
#include <windows.h>

#include <cstddef>
#include <optional>
#include <unordered_map>
#include <vector>

struct CellColour {
    int row, column;
    COLORREF text_colour, back_colour;
};

// The text and background of a cell, as the batch check gives them.
struct StatusColours {
    COLORREF text_colour, back_colour;
};

constexpr int STATUS_COLUMN = 2;  // 收录状态
constexpr StatusColours INDEXED_COLOURS{0, 65280};      // black on green
constexpr StatusColours NOT_INDEXED_COLOURS{0, 255};    // black on red
constexpr StatusColours FAILED_COLOURS{0, 65535};       // black on yellow: the check itself failed

// The list's own text colour and text background colour.
struct OwnColours {
    COLORREF text_colour, back_colour;
};

// The table in the order of recording, at most one record per cell, with an
// index so that the lookup of each painted cell does not search the table.
// Not thread-safe; the module below guards its one table with one lock.
class CellColourTable {
public:
    // Records the cell's colours: changes its record in place, appends a new
    // one, or, when the colours are the list's own, removes the record (the
    // later ones move up) or adds none. Without own colours (no list to ask)
    // nothing counts as the list's own.
    void record(int row, int column, COLORREF text_colour, COLORREF back_colour, std::optional<OwnColours> own);
    // The cell's record; nullptr when it has none. Valid until the next change.
    const CellColour* find(int row, int column) const;
    const std::vector<CellColour>& records() const { return records_; }
    void clear();

private:
    static unsigned long long key(int row, int column) {
        return (static_cast<unsigned long long>(static_cast<unsigned>(row)) << 32) | static_cast<unsigned>(column);
    }
    std::vector<CellColour> records_;
    std::unordered_map<unsigned long long, std::size_t> position_;  // cell -> index into records_
};

// Records one cell's colours and repaints the list. Any thread may call it
// (the check workers, the window's own); the first call installs
// list_parent_proc on the main window. When the main window is gone only the
// table changes.
void set_cell_colour(int row, int column, COLORREF text_colour, COLORREF back_colour);
inline void set_cell_colour(int row, int column, StatusColours colours) {
    set_cell_colour(row, column, colours.text_colour, colours.back_colour);
}

// Forgets every record: the list's rows were replaced (an import).
void clear_cell_colours();

// A copy of the table, in the order of recording; the cell's record if any.
std::vector<CellColour> cell_colours();
std::optional<CellColour> find_cell_colour(int row, int column);

// The procedure put in front of the main window's: answers the list's
// custom-draw notifications from the table and passes everything else on.
LRESULT CALLBACK list_parent_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
