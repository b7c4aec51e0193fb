#include "platform/NameList.h"

#include "platform/Collation.h"

#include <stdexcept>

namespace korvane {
namespace {

void checkIndex(int index, int size) {
    if (index < 0 || index >= size) {
        throw std::out_of_range("NameList index out of range");
    }
}

} // namespace

std::vector<std::string> NameList::names() const {
    std::vector<std::string> result;
    result.reserve(entries_.size());
    for (const auto& entry : entries_) {
        result.push_back(entry.name);
    }
    return result;
}

std::vector<std::string> NameList::checkedNames() const {
    std::vector<std::string> result;
    for (const auto& entry : entries_) {
        if (entry.checked) {
            result.push_back(entry.name);
        }
    }
    return result;
}

int NameList::checkedCount() const {
    int count = 0;
    for (const auto& entry : entries_) {
        count += entry.checked ? 1 : 0;
    }
    return count;
}

void NameList::append(std::string name, bool checked) {
    if (!indexStale_) {
        indexOnce(caseFoldKey(name), size());
    }
    entries_.push_back({std::move(name), checked});
    notifyInserted(size() - 1);
}

bool NameList::appendIfAbsent(std::string name, bool checked) {
    if (indexStale_) {
        rebuildIndex();
    }
    // The key is folded once, for the look-up and the insertion both.
    if (!indexOnce(caseFoldKey(name), size())) {
        return false;
    }
    entries_.push_back({std::move(name), checked});
    notifyInserted(size() - 1);
    return true;
}

void NameList::setChecked(int index, bool checked) {
    auto& entry = entries_.at(static_cast<std::size_t>(index));
    if (entry.checked != checked) {
        entry.checked = checked;
        notifyChanged(index);
    }
}

void NameList::checkAll() {
    beginUpdate();
    for (int i = 0; i < size(); ++i) {
        setChecked(i, true);
    }
    endUpdate();
}

void NameList::removeAt(int index) {
    checkIndex(index, size());
    entries_.erase(entries_.begin() + index);
    indexStale_ = true;
    notifyRemoved(index);
}

void NameList::move(int from, int to) {
    checkIndex(from, size());
    checkIndex(to, size());
    if (from == to) {
        return;
    }
    Entry entry = std::move(entries_.at(static_cast<std::size_t>(from)));
    entries_.erase(entries_.begin() + from);
    entries_.insert(entries_.begin() + to, std::move(entry));
    indexStale_ = true;
    notifyReset();
}

void NameList::clear() {
    entries_.clear();
    firstIndex_.clear();
    indexStale_ = false;
    notifyReset();
}

void NameList::assign(const std::vector<std::string>& names, bool checked) {
    beginUpdate();
    clear();
    entries_.reserve(names.size());
    firstIndex_.reserve(names.size());
    for (const auto& name : names) {
        append(name, checked);
    }
    endUpdate();
}

int NameList::indexOf(std::string_view name) const {
    if (indexStale_) {
        rebuildIndex();
    }
    const std::string key = caseFoldKey(name);
    return findKey(key, std::hash<std::string>{}(key));
}

int NameList::findKey(const std::string& key, std::size_t hash) const {
    return firstIndex_.find(
        hash, [&](int index) { return caseFoldKey(entries_[static_cast<std::size_t>(index)].name) == key; });
}

bool NameList::indexOnce(const std::string& key, int index) const {
    const std::size_t hash = std::hash<std::string>{}(key);
    if (findKey(key, hash) >= 0) {
        return false;
    }
    firstIndex_.insert(hash, index);
    return true;
}

void NameList::rebuildIndex() const {
    firstIndex_.clear();
    firstIndex_.reserve(entries_.size());
    for (int i = 0; i < size(); ++i) {
        indexOnce(caseFoldKey(entries_[static_cast<std::size_t>(i)].name), i);
    }
    indexStale_ = false;
}

void NameList::beginUpdate() {
    ++updateDepth_;
}

void NameList::endUpdate() {
    if (updateDepth_ == 0) {
        throw std::logic_error("NameList::endUpdate without beginUpdate");
    }
    if (--updateDepth_ == 0 && resetPending_) {
        resetPending_ = false;
        notifyReset();
    }
}

void NameList::notifyReset() {
    if (updateDepth_ > 0) {
        resetPending_ = true;
    } else if (listener_ != nullptr) {
        listener_->listReset();
    }
}

void NameList::notifyInserted(int index) {
    if (updateDepth_ > 0) {
        resetPending_ = true;
    } else if (listener_ != nullptr) {
        listener_->entryInserted(index);
    }
}

void NameList::notifyRemoved(int index) {
    if (updateDepth_ > 0) {
        resetPending_ = true;
    } else if (listener_ != nullptr) {
        listener_->entryRemoved(index);
    }
}

void NameList::notifyChanged(int index) {
    if (updateDepth_ > 0) {
        resetPending_ = true;
    } else if (listener_ != nullptr) {
        listener_->entryChanged(index);
    }
}

} // namespace korvane
