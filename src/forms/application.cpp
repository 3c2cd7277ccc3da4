#include "forms/application.h"

#include <algorithm>

namespace dorvan::forms {

Application::Application(platform::Platform& platform, WindowHost& host, std::string commandLine)
    : platform_(platform), host_(host), commandLine_(std::move(commandLine)) {}

Application::~Application() = default;

void Application::registerForm(const std::string& name, FormFactory factory) {
  factories_[name] = std::move(factory);
}

std::unique_ptr<Form> Application::make(const std::string& name) {
  auto it = factories_.find(name);
  if (it == factories_.end()) return nullptr;
  return it->second(*this);
}

Form* Application::loadHidden(const std::string& name) {
  std::unique_ptr<Form> form = make(name);
  if (!form) return nullptr;
  Form* raw = form.get();
  alive_.push_back(std::move(form));
  open_.push_back(raw);
  raw->Form_Load();
  return isOpen(raw) ? raw : nullptr;
}

Form* Application::load(const std::string& name) {
  Form* form = loadHidden(name);
  if (form) show(*form);
  return form;
}

void Application::show(Form& form) {
  if (!isOpen(&form) || form.visible) return;
  form.visible = true;
  host_.windowShown(form);
}

void Application::unload(Form& form) {
  auto it = std::find(open_.begin(), open_.end(), &form);
  if (it == open_.end()) return;
  open_.erase(it);
  form.visible = false;
  host_.windowUnloaded(form);
  auto owned = std::find_if(alive_.begin(), alive_.end(),
                            [&](const std::unique_ptr<Form>& f) { return f.get() == &form; });
  unloaded_.push_back(std::move(*owned));
  alive_.erase(owned);
}

void Application::end() {
  if (!ended_) {
    ended_ = true;
    host_.programEnding();
  }
  throw ProgramEnded();
}

bool Application::isOpen(const Form* form) const {
  return std::find(open_.begin(), open_.end(), form) != open_.end();
}

bool Application::click(Form& form, Control& c) {
  if (ended_ || !isOpen(&form)) return false;
  if (c.isMenuItem() ? !form.menuReachable(c) : (!form.isShown(c) || !c.enabled)) return false;
  if (c.kind == ControlKind::Timer || c.kind == ControlKind::Line) return false;
  if (c.kind == ControlKind::CheckBox) c.value = c.value ? 0 : 1;
  if (c.kind == ControlKind::OptionButton) {
    // Selecting one option clears the others of its group (same container, same array name).
    for (Control& other : form.controls()) {
      if (other.kind == ControlKind::OptionButton && other.container == c.container)
        other.value = 0;
    }
    c.value = 1;
  }
  if (c.onClick) c.onClick(c.index);
  return true;
}

void Application::tick(Form& form, Control& timer) {
  if (ended_ || !isOpen(&form) || !timer.enabled || timer.interval <= 0) return;
  if (timer.onTimer) timer.onTimer(timer.index);
}

void Application::mouseMove(Form& form, Control& c, int x, int y) {
  if (ended_ || !isOpen(&form) || !form.isShown(c) || !c.enabled) return;
  if (c.onMouseMove) c.onMouseMove(c.index, x, y);
}

void Application::mouseDown(Form& form, Control& c, int x, int y) {
  if (ended_ || !isOpen(&form) || !form.isShown(c) || !c.enabled) return;
  if (c.onMouseDown) c.onMouseDown(c.index, x, y);
}

void Application::typeText(Form& form, Control& textBox, std::string text) {
  if (ended_ || !isOpen(&form)) return;
  if (textBox.caption == text) return;
  textBox.caption = std::move(text);
  if (textBox.onChange) textBox.onChange(textBox.index);
}

void Application::closeBox(Form& form) {
  if (ended_ || !isOpen(&form)) return;
  form.Form_Unload();
  unload(form);
}

bool Application::run(const std::function<void()>& event) {
  if (ended_) return false;
  if (depth_ > 0) {  // an event inside a pause: an ending program unwinds to the outer event
    event();
    return !ended_;
  }
  ++depth_;
  try {
    event();
  } catch (const ProgramEnded&) {
  } catch (...) {
    --depth_;
    throw;
  }
  --depth_;
  unloaded_.clear();
  if (!ended_ && open_.empty()) {
    ended_ = true;
    host_.programEnding();
  }
  return !ended_;
}

bool Application::start(const std::string& startupForm) {
  return run([&] { loadHidden(startupForm); });
}

}  // namespace dorvan::forms
