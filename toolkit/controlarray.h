// SPDX-License-Identifier: MIT
#pragma once
// A control array: one name, elements addressed by a 16-bit index. An index the array does not hold is a
// run-time error, never undefined behaviour. Each element carries the array's name as its object name.
#include "toolkit/runtimeerror.h"
#include <cstdint>
#include <vector>

namespace toolkit {

template <class Control> class ControlArray {
public:
    explicit ControlArray(const char* name = "") : name_(name) {}

    Control* operator()(int index) const {
        if (index < 0 || index >= static_cast<int>(items_.size()) || !items_[index])
            throw subscriptOutOfRange(name_, index);
        return items_[static_cast<std::size_t>(index)];
    }
    // Arrays may have gaps only while they are being built.
    void set(std::int16_t index, Control* control) {
        if (index >= static_cast<int>(items_.size()))
            items_.resize(static_cast<std::size_t>(index) + 1, nullptr);
        items_[static_cast<std::size_t>(index)] = control;
        if (control) control->setObjectName(name_);
    }
    int count() const { return static_cast<int>(items_.size()); }
    bool holds(int index) const { return index >= 0 && index < count() && items_[index]; }

private:
    const char* name_;
    std::vector<Control*> items_;
};

} // namespace toolkit
