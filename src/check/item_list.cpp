#include "check/item_list.h"

void ItemList::replace(std::vector<std::string> titles) {
    std::lock_guard<std::mutex> guard(lock_);
    titles_ = std::move(titles);
    ++generation_;
}

int ItemList::append(const std::vector<std::string>& titles) {
    std::lock_guard<std::mutex> guard(lock_);
    const int first = static_cast<int>(titles_.size()) + 1;
    titles_.insert(titles_.end(), titles.begin(), titles.end());
    return first;
}

std::optional<ItemList::Title> ItemList::title(int i) const {
    std::lock_guard<std::mutex> guard(lock_);
    if (i < 1 || i > static_cast<int>(titles_.size())) return std::nullopt;
    return Title{titles_[static_cast<std::size_t>(i - 1)], generation_};
}

int ItemList::count() const {
    std::lock_guard<std::mutex> guard(lock_);
    return static_cast<int>(titles_.size());
}

unsigned ItemList::generation() const {
    std::lock_guard<std::mutex> guard(lock_);
    return generation_;
}
