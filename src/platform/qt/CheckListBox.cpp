#include "platform/qt/CheckListBox.h"

#include <QAbstractListModel>

namespace korvane {

// Shows the list to the view. The model keeps its own row count, changed only inside the begin/end calls,
// so the view never sees a count that disagrees with what it was told; the list itself has changed already
// when the listener hears of it.
class CheckListBox::Model : public QAbstractListModel, public NameList::Listener {
public:
    Model(CheckListBox& owner, NameList& list, bool checkable)
        : QAbstractListModel(&owner), owner_(owner), list_(list), checkable_(checkable), rows_(list.size()) {}

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows_; }

    QVariant data(const QModelIndex& index, int role) const override {
        // During a suspended update the list may be shorter than the rows the view knows.
        if (!index.isValid() || index.row() >= list_.size()) {
            return {};
        }
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
            const std::string& name = list_.name(index.row());
            const Note note = annotator_ ? annotator_(name) : Note{};
            if (role == Qt::ToolTipRole) {
                return note.explanation.empty() ? QVariant() : QString::fromStdString(note.explanation);
            }
            return QString::fromStdString(note.mark.empty() ? name : name + "  [" + note.mark + "]");
        }
        if (role == Qt::CheckStateRole && checkable_) {
            return list_.checked(index.row()) ? Qt::Checked : Qt::Unchecked;
        }
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        if (!index.isValid()) {
            return Qt::NoItemFlags;
        }
        const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
        return checkable_ ? base | Qt::ItemIsUserCheckable : base;
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (!checkable_ || role != Qt::CheckStateRole || !index.isValid() || index.row() >= list_.size()) {
            return false;
        }
        list_.setChecked(index.row(), value.toInt() == Qt::Checked);
        emit owner_.clickCheck(index.row());
        return true;
    }

    bool checkable() const { return checkable_; }
    void setAnnotator(Annotator annotator) {
        beginResetModel();
        annotator_ = std::move(annotator);
        endResetModel();
    }

    void listReset() override {
        beginResetModel();
        rows_ = list_.size();
        endResetModel();
    }

    void entryInserted(int index) override {
        beginInsertRows({}, index, index);
        ++rows_;
        endInsertRows();
    }

    void entryRemoved(int index) override {
        beginRemoveRows({}, index, index);
        --rows_;
        endRemoveRows();
    }

    void entryChanged(int index) override {
        const QModelIndex changed = this->index(index);
        emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::CheckStateRole});
    }

private:
    CheckListBox& owner_;
    NameList& list_;
    bool checkable_;
    int rows_;
    Annotator annotator_;
};

CheckListBox::CheckListBox(NameList& list, bool checkable, QWidget* parent)
    : QListView(parent), list_(list), model_(new Model(*this, list, checkable)) {
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true); // tens of thousands of rows lay out without measuring each
    list_.setListener(model_);
}

CheckListBox::~CheckListBox() {
    list_.setListener(nullptr);
}

void CheckListBox::setAnnotator(Annotator annotator) {
    model_->setAnnotator(std::move(annotator));
}

void CheckListBox::toggleCheck(int index) {
    if (!model_->checkable() || index < 0 || index >= list_.size()) {
        return;
    }
    model_->setData(model_->index(index), list_.checked(index) ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

} // namespace korvane
