// A list control showing a NameList, with or without check boxes; it follows the list's changes (and
// repaints once after a suspended bulk change).
#pragma once

#include "platform/NameList.h"

#include <QListView>

#include <functional>
#include <string>

namespace korvane {

class CheckListBox : public QListView {
    Q_OBJECT
public:
    CheckListBox(NameList& list, bool checkable, QWidget* parent);
    ~CheckListBox() override;

    NameList& list() { return list_; }
    // A note shown after an entry's name, with its explanation as the entry's tooltip; empty for none.
    struct Note {
        std::string mark;
        std::string explanation;
    };
    using Annotator = std::function<Note(const std::string& name)>;
    void setAnnotator(Annotator annotator);

    // Toggles the mark of an entry as a click on its check box would (tests use it too).
    void toggleCheck(int index);

signals:
    // Emitted after the user changed an entry's mark.
    void clickCheck(int index);

private:
    class Model;
    NameList& list_;
    Model* model_;
};

} // namespace korvane
