// Creates a control with its control name as objectName; the layout it is added to becomes its parent.
#pragma once

#include <utility>

namespace korvane {

template <typename Widget, typename... Args> Widget* named(const char* name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

} // namespace korvane
