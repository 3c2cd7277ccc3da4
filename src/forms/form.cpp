#include "forms/form.h"

#include <stdexcept>

namespace dorvan::forms {

Form::Form(Application& app, std::string name) : app_(app), name_(std::move(name)) {}

std::optional<TableView> Form::table(std::string_view) const {
  return std::nullopt;
}

std::optional<TargetLine> Form::targetLine(const Control&) const {
  return std::nullopt;
}

Control& Form::add(ControlKind kind, std::string name, int index) {
  auto key = std::make_pair(foldName(name), index);
  if (byName_.count(key)) throw std::logic_error("control added twice: " + name);
  Control& c = controls_.emplace_back();
  c.kind = kind;
  c.name = std::move(name);
  c.index = index;
  if (kind == ControlKind::Line) c.forecolor = 0;
  byName_[key] = &c;
  return c;
}

Control& Form::addMenu(std::string name, std::string caption, std::string parent, int index) {
  Control& c = add(ControlKind::MenuItem, std::move(name), index);
  c.caption = std::move(caption);
  c.parentMenu = std::move(parent);
  return c;
}

Control* Form::find(std::string_view name, int index) {
  auto it = byName_.find({foldName(name), index});
  return it == byName_.end() ? nullptr : it->second;
}

const Control* Form::find(std::string_view name, int index) const {
  auto it = byName_.find({foldName(name), index});
  return it == byName_.end() ? nullptr : it->second;
}

Control& Form::at(std::string_view name, int index) {
  if (Control* c = find(name, index)) return *c;
  throw std::logic_error("no control " + std::string(name) + "(" + std::to_string(index) + ")");
}

const Control& Form::at(std::string_view name, int index) const {
  return const_cast<Form*>(this)->at(name, index);
}

bool Form::isShown(const Control& c) const {
  const Control* current = &c;
  for (int depth = 0; current && depth < 16; ++depth) {
    if (!current->visible) return false;
    if (current->container.empty()) return true;
    current = find(current->container);
  }
  return current == nullptr;
}

bool Form::menuReachable(const Control& c) const {
  const Control* current = &c;
  for (int depth = 0; current && depth < 16; ++depth) {
    if (!current->visible || !current->enabled) return false;
    if (current->parentMenu.empty()) return true;
    current = find(current->parentMenu);
  }
  return current == nullptr;
}

}  // namespace dorvan::forms
