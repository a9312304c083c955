// Window layouts as data, and the builder that makes controls from them.
// Code finds a control by its name, never by a bare numeric id.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

enum class ControlKind {
    TabControl,
    StatusBar,
    WebBrowser,        // text holds the address it opens
    ListView,          // report view; columns come from the layout
    Label,
    Edit,              // one line
    MultiLineEdit,     // no scroll bars
    ReadOnlyEdit,      // multi-line, read-only, no scroll bars
    PushButton,
    RadioButton,       // the first of a group starts the group
    HyperlinkLabel,
    PictureBox,        // text names the bitmap resource id in decimal
    TransparentLabel,  // invisible, hand cursor, reports the left button press
    ProgressBar,
};

struct ControlSpec {
    const char* name;    // GBK
    ControlKind kind;
    const char* parent;  // "" for the window itself, else a control's name
    int page;            // tab page of a child of a tab control; -1 otherwise
    int x, y, width, height;
    const char* text;    // GBK caption (or address / resource, see the kind)
    bool disabled;
    bool hidden = false;
};

struct ColumnSpec {
    const char* title;
    int width;
};

struct MenuItemSpec {
    const char* menu;  // menu name
    const char* text;
    UINT command;
};

struct WindowLayout {
    const char* title;
    int width, height;  // outer size
    const ControlSpec* controls;
    std::size_t control_count;
    const char* list_name;  // the list view whose columns follow
    const ColumnSpec* columns;
    std::size_t column_count;
    const MenuItemSpec* menu_items;
    std::size_t menu_item_count;
    const int* status_part_widths;  // -1 ends at the right edge
    std::size_t status_part_count;
};

// Controls of one window, by name and by id.
class ControlSet {
public:
    void add(const std::string& name, HWND hwnd, int id, int page);
    HWND get(const std::string& name) const;
    // Name of the control with this id; empty when unknown.
    std::string name_of(int id) const;
    int id_of(const std::string& name) const;
    // Shows the controls of one tab page and hides the others'.
    void show_page(int page) const;
    HMENU menu(const std::string& name) const;
    void add_menu(const std::string& name, HMENU menu);
    void clear();

private:
    struct Entry {
        HWND hwnd;
        int id;
        int page;
    };
    std::unordered_map<std::string, Entry> by_name_;
    std::unordered_map<int, std::string> by_id_;
    std::unordered_map<std::string, HMENU> menus_;
};

// First id given to a control of a layout; the next ones count up.
constexpr int FIRST_CONTROL_ID = 1000;

// Creates the controls, list columns, status parts and menus of a layout in
// window. Fonts: every control gets default_font; special fonts are the
// caller's. A web browser that cannot be created is left out (its name maps
// to no window); the caller decides on a fallback.
void build_layout(HWND window, const WindowLayout& layout, HFONT default_font, ControlSet& controls);

// The system's interface font (the message font), made once per process.
HFONT interface_font();

// The text of a control (GBK), and setting it.
std::string control_text(HWND control);
void set_control_text(HWND control, const std::string& text);
// Appends at the end of an edit box's text.
void append_control_text(HWND edit, const std::string& text);
