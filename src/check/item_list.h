// The titles of the item list, shared by the window thread (import, add)
// and the check workers (which copy their title), under one lock.
#pragma once
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class ItemList {
public:
    struct Title {
        std::string text;
        unsigned generation;  // of the list the title was taken from
    };

    // Replaces every title; rows of the old list no longer mean anything.
    void replace(std::vector<std::string> titles);
    // Appends titles; returns the number of the first new one (1-based).
    int append(const std::vector<std::string>& titles);
    // Title number i (1-based); nothing when there is no such item.
    std::optional<Title> title(int i) const;
    int count() const;
    // Changes with every replace: a result for an older list is stale.
    unsigned generation() const;

private:
    mutable std::mutex lock_;
    std::vector<std::string> titles_;
    unsigned generation_ = 0;
};
