#pragma once
// A control array of a window (`LN`, `Label2`, `pow`, ...) resolved once: elements by index,
// checked against the array's bounds, without looking names up again.

#include <stdexcept>
#include <string>
#include <vector>

#include "forms/form.h"

namespace dorvan::forms {

class ControlArray {
 public:
  ControlArray() = default;
  // Elements first..last of the array `name`; every one of them must exist.
  ControlArray(Form& form, std::string_view name, int first, int last)
      : name_(name), first_(first) {
    for (int index = first; index <= last; ++index) elements_.push_back(&form.at(name, index));
  }

  Control& operator[](int index) const {
    if (!contains(index))
      throw std::out_of_range(name_ + "(" + std::to_string(index) + ") is outside the array");
    return *elements_[static_cast<std::size_t>(index - first_)];
  }
  bool contains(int index) const {
    return index >= first_ && index < first_ + static_cast<int>(elements_.size());
  }
  int first() const { return first_; }
  int last() const { return first_ + static_cast<int>(elements_.size()) - 1; }

  auto begin() const { return elements_.begin(); }
  auto end() const { return elements_.end(); }

 private:
  std::string name_;
  int first_ = 0;
  std::vector<Control*> elements_;
};

}  // namespace dorvan::forms
