#include "platform/NameList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane {
namespace {

class RecordingListener : public NameList::Listener {
public:
    std::vector<std::string> calls;
    void listReset() override { calls.push_back("reset"); }
    void entryInserted(int index) override { calls.push_back("insert " + std::to_string(index)); }
    void entryRemoved(int index) override { calls.push_back("remove " + std::to_string(index)); }
    void entryChanged(int index) override { calls.push_back("change " + std::to_string(index)); }
};

TEST(NameList, MembershipIsAWholeNameFirstMatchIgnoringCase) {
    NameList list;
    list.append("Textures\\Wall.tex");
    list.append("Models\\Tree.mdl", false);
    list.append("TEXTURES\\WALL.TEX");
    EXPECT_EQ(list.indexOf("textures\\wall.tex"), 0);
    EXPECT_EQ(list.indexOf("models\\tree.MDL"), 1);
    EXPECT_EQ(list.indexOf("Textures\\Wall"), -1);
    EXPECT_EQ(list.indexOf("Textures\\Wall.tex "), -1);
    EXPECT_EQ(list.indexOf("Wall.tex"), -1);
    list.append("Текстуры\\Стена.tex");
    EXPECT_EQ(list.indexOf("ТЕКСТУРЫ\\СТЕНА.TEX"), 3);
    EXPECT_EQ(list.checkedCount(), 3);
    // The index grows past its first size and still knows every earlier name.
    for (int i = 0; i < 1000; ++i) {
        EXPECT_TRUE(list.appendIfAbsent("Sounds\\" + std::to_string(i) + ".wav"));
    }
    EXPECT_FALSE(list.appendIfAbsent("textures\\wall.TEX"));
    EXPECT_EQ(list.indexOf("sounds\\999.WAV"), 1003);
}

TEST(NameList, RemovalAndMovesKeepTheFirstMatch) {
    NameList list;
    list.assign({"a.tex", "b.tex", "A.TEX", "c.tex"}, true);
    list.removeAt(0);
    EXPECT_EQ(list.indexOf("a.tex"), 1);
    EXPECT_EQ(list.indexOf("c.tex"), 2);
    list.move(2, 0);
    EXPECT_EQ(list.names(), (std::vector<std::string>{"c.tex", "b.tex", "A.TEX"}));
    EXPECT_EQ(list.indexOf("b.TEX"), 1);
    list.append("B.tex");
    EXPECT_EQ(list.indexOf("b.tex"), 1);
    list.removeAt(1);
    EXPECT_EQ(list.indexOf("b.tex"), 2);
    list.clear();
    EXPECT_EQ(list.indexOf("b.tex"), -1);
    list.append("b.tex");
    EXPECT_EQ(list.indexOf("B.TEX"), 0);
}

TEST(NameList, MarksAndAssignment) {
    NameList list;
    list.assign({"x", "y", "z"}, false);
    EXPECT_EQ(list.checkedCount(), 0);
    list.setChecked(1, true);
    EXPECT_TRUE(list.checked(1));
    list.checkAll();
    EXPECT_EQ(list.checkedCount(), 3);
    list.assign({"only"}, false);
    EXPECT_EQ(list.size(), 1);
    EXPECT_FALSE(list.checked(0));
    EXPECT_EQ(list.indexOf("x"), -1);
    EXPECT_THROW(list.name(5), std::out_of_range);
    EXPECT_THROW(list.removeAt(1), std::out_of_range);
    EXPECT_THROW(list.move(0, 1), std::out_of_range);
    EXPECT_EQ(list.size(), 1);
}

TEST(NameList, ListenerHearsSingleChangesAndOneResetAfterASuspendedUpdate) {
    NameList list;
    RecordingListener listener;
    list.setListener(&listener);
    list.append("a");
    list.append("b");
    list.setChecked(0, false);
    list.setChecked(0, false); // no change, no call
    list.removeAt(1);
    EXPECT_EQ(listener.calls, (std::vector<std::string>{"insert 0", "insert 1", "change 0", "remove 1"}));

    listener.calls.clear();
    list.beginUpdate();
    list.beginUpdate();
    for (int i = 0; i < 1000; ++i) {
        list.append("n" + std::to_string(i));
    }
    list.endUpdate();
    EXPECT_TRUE(list.updating());
    EXPECT_TRUE(listener.calls.empty());
    list.endUpdate();
    EXPECT_EQ(listener.calls, (std::vector<std::string>{"reset"}));
    EXPECT_THROW(list.endUpdate(), std::logic_error);

    listener.calls.clear();
    list.beginUpdate();
    list.endUpdate(); // nothing changed: nothing to repaint
    list.checkAll();
    list.assign({"p", "q"}, true);
    list.move(0, 1);
    EXPECT_EQ(listener.calls, (std::vector<std::string>{"reset", "reset", "reset"}));
    EXPECT_EQ(list.indexOf("n999"), -1);
}

} // namespace
} // namespace korvane
