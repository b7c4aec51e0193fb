// A window busy with a run: disabled, with the loading window up, for as long as the scope lives. Every
// way out of a run, a thrown error included, gives the window back.
#pragma once

class QWidget;

namespace korvane {

class LoadingWindowControl;

class BusyScope {
public:
    enum class Placement { CentreOverWindow, WhereItStands };

    BusyScope(QWidget& window, LoadingWindowControl& loading, Placement placement);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    QWidget& window_;
    LoadingWindowControl& loading_;
};

// The look of the Options dialog's short list copies: busy over the dialog, both bars full with empty
// counters, painted at once.
class BriefCopyScope : public BusyScope {
public:
    BriefCopyScope(QWidget& window, LoadingWindowControl& loading);
};

} // namespace korvane
