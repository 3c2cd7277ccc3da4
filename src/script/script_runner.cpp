#include "script/script_runner.h"

#include <charconv>
#include <filesystem>
#include <sstream>

#include "registry/form_registry.h"
#include "script/describe.h"
#include "script/quoting.h"

namespace dorvan::script {

namespace {

std::optional<long long> parseInt(const Token& t) {
  if (t.quoted || t.text.empty()) return std::nullopt;
  long long v = 0;
  auto [ptr, ec] = std::from_chars(t.text.data(), t.text.data() + t.text.size(), v);
  if (ec != std::errc() || ptr != t.text.data() + t.text.size()) return std::nullopt;
  return v;
}

std::optional<double> parseNumber(const Token& t) {
  if (t.quoted || t.text.empty()) return std::nullopt;
  std::istringstream in(t.text);
  double v = 0;
  in >> v;
  if (in.fail() || !in.eof()) return std::nullopt;
  return v;
}

std::string tableText(const forms::TableView& table) {
  std::string out;
  for (size_t r = 0; r < table.rows.size(); ++r) {
    if (r) out += "\n";
    for (size_t i = 0; i < table.rows[r].size(); ++i) {
      if (i) out += " ";
      out += std::to_string(table.rows[r][i]);
    }
  }
  return out;
}

}  // namespace

ScriptRunner::ScriptRunner(std::ostream& transcript, std::string commandLine, Registrar registrar,
                           const std::string& startupForm)
    : out_(transcript), platform_(transcript) {
  app_ = std::make_unique<forms::Application>(platform_, std::move(commandLine));
  platform_.attach(*app_);
  platform_.setWorkingDirectory(std::filesystem::current_path().string());
  if (registrar)
    registrar(*app_);
  else
    registry::registerForms(*app_);
  app_->start(startupForm);
  platform_.syncTimers();
}

forms::Control& ScriptRunner::control(forms::Form& form, const std::string& name, int index,
                                      int line) {
  if (forms::Control* c = form.find(name, index)) return *c;
  std::string label = index == forms::kNoIndex ? name : name + "(" + std::to_string(index) + ")";
  throw ScriptError{line, "no control " + label + " on " + form.name()};
}

void ScriptRunner::execute(const std::string& text, int line) {
  size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos || text[first] == '#') return;
  auto tokens = tokenize(text);
  if (!tokens) throw ScriptError{line, "bad quoting"};
  std::vector<Token>& t = *tokens;
  if (t[0].quoted) throw ScriptError{line, "a command must come first"};
  const std::string& cmd = t[0].text;
  auto fail = [&](const std::string& what) { throw ScriptError{line, what}; };
  auto need = [&](size_t lo, size_t hi) {
    if (t.size() < lo || t.size() > hi) fail("wrong number of arguments to " + cmd);
  };
  auto word = [&](size_t i) -> const std::string& {
    if (t[i].quoted) fail("expected a name, not a text");
    return t[i].text;
  };
  auto active = [&]() -> forms::Form& {
    forms::Form* form = app_->activeForm();
    if (!form) fail("no window is open");
    return *form;
  };
  // NAME [INDEX] starting at token i; returns the index of the next token.
  auto nameAndIndex = [&](size_t i, std::string& name, int& index) {
    name = word(i);
    index = forms::kNoIndex;
    if (i + 1 < t.size() && !t[i + 1].quoted) {
      auto v = parseInt(t[i + 1]);
      if (!v || *v < 0 || *v > 100000) fail("bad index " + t[i + 1].text);
      index = static_cast<int>(*v);
      return i + 2;
    }
    return i + 1;
  };

  if (cmd == "click") {
    need(2, 3);
    std::string name;
    int index;
    if (nameAndIndex(1, name, index) != t.size()) fail("unexpected text after click");
    forms::Form& form = active();
    forms::Control& c = control(form, name, index, line);
    bool taken = false;
    app_->run([&] { taken = app_->click(form, c); });
    if (!taken && !platform_.ended()) out_ << "refused " << controlLabel(c) << "\n";
  } else if (cmd == "type") {
    need(3, 4);
    std::string name;
    int index;
    size_t next = nameAndIndex(1, name, index);
    if (next != t.size() - 1 || !t[next].quoted) fail("type needs a quoted text");
    forms::Form& form = active();
    forms::Control& c = control(form, name, index, line);
    if (c.kind != forms::ControlKind::TextBox) fail(controlLabel(c) + " is not a text box");
    if (!form.isShown(c) || !c.enabled) {
      out_ << "refused " << controlLabel(c) << "\n";
    } else {
      std::string typed = t[next].text;
      app_->run([&] { app_->typeText(form, c, typed); });
    }
  } else if (cmd == "clipboard") {
    need(2, 2);
    if (t[1].quoted)
      platform_.setClipboard(t[1].text);
    else if (t[1].text == "none")
      platform_.setClipboard(std::nullopt);
    else
      fail("clipboard takes a text or none");
  } else if (cmd == "answer") {
    need(2, 2);
    if (t[1].quoted) {
      platform_.queueAnswer(t[1].text, true);
    } else {
      const std::string& a = t[1].text;
      if (a != "ok" && a != "yes" && a != "no" && a != "cancel") fail("unknown answer " + a);
      platform_.queueAnswer(a, false);
    }
  } else if (cmd == "wait") {
    need(2, 2);
    auto ms = parseInt(t[1]);
    if (!ms || *ms < 0) fail("wait takes milliseconds");
    platform_.advance(*ms);
  } else if (cmd == "time") {
    need(2, 2);
    auto s = parseNumber(t[1]);
    if (!s || *s < 0 || *s >= platform::kSecondsPerDay) fail("time takes seconds since midnight");
    platform_.setTimeOfDay(*s);
  } else if (cmd == "screen") {
    need(3, 3);
    auto w = parseInt(t[1]);
    auto h = parseInt(t[2]);
    if (!w || !h || *w <= 0 || *h <= 0 || *w > 1000000 || *h > 1000000) fail("bad screen size");
    platform_.setScreen(static_cast<int>(*w), static_cast<int>(*h));
  } else if (cmd == "fail-process") {
    need(2, 2);
    if (word(1) != "on" && word(1) != "off") fail("fail-process takes on or off");
    platform_.setProcessFailure(word(1) == "on");
  } else if (cmd == "show") {
    need(2, 3);
    std::string name;
    int index;
    if (nameAndIndex(1, name, index) != t.size()) fail("unexpected text after show");
    forms::Form& form = active();
    if (index == forms::kNoIndex && !form.find(name)) {
      // Of several windows of one name, the one opened last.
      const auto& open = app_->openForms();
      for (auto it = open.rbegin(); it != open.rend(); ++it) {
        if (forms::foldName((*it)->name()) == forms::foldName(name)) {
          out_ << describe(**it) << "\n";
          return;
        }
      }
    }
    out_ << describe(control(form, name, index, line)) << "\n";
  } else if (cmd == "table") {
    need(2, 2);
    auto table = active().table(word(1));
    if (!table) fail("no table " + word(1) + " on " + active().name());
    out_ << tableText(*table) << "\n";
  } else {
    fail("unknown command " + cmd);
  }
  platform_.syncTimers();
}

int ScriptRunner::runAll(std::istream& script, std::ostream& errors) {
  std::string text;
  int line = 0;
  while (!platform_.ended() && std::getline(script, text)) {
    ++line;
    try {
      execute(text, line);
    } catch (const ScriptError& e) {
      out_.flush();
      errors << "error " << e.line << ": " << e.what << "\n";
      return 2;
    }
  }
  return 0;
}

}  // namespace dorvan::script
