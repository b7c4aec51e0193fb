// A list of names with check marks: the model behind every list control (maps, files, standard lists).
// Membership is a whole-name match that ignores letter case and takes the first match, in constant time.
#pragma once

#include "platform/HashSlots.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class NameList {
public:
    // A view of the list (a list control) follows it through these calls.
    class Listener {
    public:
        virtual ~Listener() = default;
        virtual void listReset() = 0;
        virtual void entryInserted(int index) = 0;
        virtual void entryRemoved(int index) = 0;
        virtual void entryChanged(int index) = 0;
    };

    int size() const { return static_cast<int>(entries_.size()); }
    bool empty() const { return entries_.empty(); }
    const std::string& name(int index) const { return entries_.at(static_cast<std::size_t>(index)).name; }
    bool checked(int index) const { return entries_.at(static_cast<std::size_t>(index)).checked; }
    std::vector<std::string> names() const;
    std::vector<std::string> checkedNames() const;
    int checkedCount() const;

    void append(std::string name, bool checked = true);
    // Appends the name unless the list holds it already, ignoring letter case; true when appended.
    bool appendIfAbsent(std::string name, bool checked = true);
    void setChecked(int index, bool checked);
    void checkAll();
    void removeAt(int index);
    void move(int from, int to);
    void clear();
    // Replaces the contents with the names, all with the same mark.
    void assign(const std::vector<std::string>& names, bool checked);

    int indexOf(std::string_view name) const; // first match ignoring letter case, or -1
    bool contains(std::string_view name) const { return indexOf(name) >= 0; }

    // Suspends the view's repainting: between the calls the listener hears nothing, then one reset.
    void beginUpdate();
    void endUpdate();
    bool updating() const { return updateDepth_ > 0; }

    void setListener(Listener* listener) { listener_ = listener; }

private:
    struct Entry {
        std::string name;
        bool checked = false;
    };

    void rebuildIndex() const;
    // The first entry whose folded name is the key, or -1.
    int findKey(const std::string& key, std::size_t hash) const;
    // Indexes the entry under its folded name unless an earlier entry has that name; false then.
    bool indexOnce(const std::string& key, int index) const;
    void notifyReset();
    void notifyInserted(int index);
    void notifyRemoved(int index);
    void notifyChanged(int index);

    std::vector<Entry> entries_;
    // Folded names by their hash only: the names themselves are folded again on a hit, so that a list of tens
    // of thousands holds no second copy of every name.
    mutable HashSlots firstIndex_;
    mutable bool indexStale_ = false;
    int updateDepth_ = 0;
    bool resetPending_ = false;
    Listener* listener_ = nullptr;
};

} // namespace korvane
