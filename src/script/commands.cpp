#include "script/commands.h"

#include <array>
#include <string_view>
#include <utility>

#include "script/describe.h"
#include "script/limits.h"

namespace dorvan::script {

namespace {

forms::Form& activeForm(const Driver& d, int line) {
  forms::Form* form = d.app.activeForm();
  if (!form) throw ScriptError{line, "no window is open"};
  return *form;
}

forms::Control& findControl(forms::Form& form, const ControlName& c, int line) {
  if (forms::Control* found = form.find(c.name, c.index)) return *found;
  std::string label =
      c.index == forms::kNoIndex ? c.name : c.name + "(" + std::to_string(c.index) + ")";
  throw ScriptError{line, "no control " + label + " on " + form.name()};
}

// NAME [INDEX] and nothing after it.
ControlName onlyControl(const Arguments& a) {
  std::size_t next = 0;
  ControlName c = a.control(1, next);
  if (next != a.size()) a.fail("unexpected text after " + a.command());
  return c;
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

Action readClick(const Driver& d, const Arguments& a) {
  a.expectCount(2, 3);
  ControlName name = onlyControl(a);
  return [d, name, line = a.line()] {
    forms::Form& form = activeForm(d, line);
    forms::Control& c = findControl(form, name, line);
    bool taken = false;
    d.app.run([&] { taken = d.app.click(form, c); });
    if (!taken && !d.platform.ended()) d.out << "refused " << controlLabel(c) << "\n";
  };
}

Action readType(const Driver& d, const Arguments& a) {
  a.expectCount(3, 4);
  std::size_t next = 0;
  ControlName name = a.control(1, next);
  if (next != a.size() - 1 || !a[next].quoted) a.fail("type needs a quoted text");
  return [d, name, text = a[next].text, line = a.line()] {
    forms::Form& form = activeForm(d, line);
    forms::Control& c = findControl(form, name, line);
    if (c.kind != forms::ControlKind::TextBox)
      throw ScriptError{line, controlLabel(c) + " is not a text box"};
    if (!form.isShown(c) || !c.enabled)
      d.out << "refused " << controlLabel(c) << "\n";
    else
      d.app.run([&] { d.app.typeText(form, c, text); });
  };
}

Action readClipboard(const Driver& d, const Arguments& a) {
  a.expectCount(2, 2);
  std::optional<std::string> text;
  if (a[1].quoted)
    text = a[1].text;
  else if (a[1].text != "none")
    a.fail("clipboard takes a text or none");
  return [d, text] { d.platform.setClipboard(text); };
}

Action readAnswer(const Driver& d, const Arguments& a) {
  a.expectCount(2, 2);
  const Token& t = a[1];
  if (!t.quoted && t.text != "ok" && t.text != "yes" && t.text != "no" && t.text != "cancel")
    a.fail("unknown answer " + t.text);
  return [d, t] { d.platform.queueAnswer(t.text, t.quoted); };
}

Action readWait(const Driver& d, const Arguments& a) {
  a.expectCount(2, 2);
  long long ms = a.integer(1, 0, kMaxWaitMs,
                           "wait takes 0 to " + std::to_string(kMaxWaitMs) + " milliseconds");
  return [d, ms] { d.platform.advance(ms); };
}

Action readTime(const Driver& d, const Arguments& a) {
  a.expectCount(2, 2);
  double s = a.decimal(1, 0, platform::kSecondsPerDay,
                       "time takes seconds since midnight, from 0 to below 86400");
  return [d, s] { d.platform.setTimeOfDay(s); };
}

Action readScreen(const Driver& d, const Arguments& a) {
  a.expectCount(3, 3);
  const std::string what =
      "screen takes a width and a height of 1 to " + std::to_string(kMaxScreenTwips) + " twips";
  auto w = static_cast<int>(a.integer(1, 1, kMaxScreenTwips, what));
  auto h = static_cast<int>(a.integer(2, 1, kMaxScreenTwips, what));
  return [d, w, h] { d.platform.setScreen(w, h); };
}

Action readFailProcess(const Driver& d, const Arguments& a) {
  a.expectCount(2, 2);
  if (a.word(1) != "on" && a.word(1) != "off") a.fail("fail-process takes on or off");
  return [d, on = a.word(1) == "on"] { d.platform.setProcessFailure(on); };
}

Action readShow(const Driver& d, const Arguments& a) {
  a.expectCount(2, 3);
  ControlName name = onlyControl(a);
  return [d, name, line = a.line()] {
    forms::Form& form = activeForm(d, line);
    if (name.index == forms::kNoIndex && !form.find(name.name)) {
      // Of several windows of one name, the one opened last.
      const auto& open = d.app.openForms();
      for (auto it = open.rbegin(); it != open.rend(); ++it) {
        if (forms::foldName((*it)->name()) == forms::foldName(name.name)) {
          d.out << describe(**it) << "\n";
          return;
        }
      }
    }
    d.out << describe(findControl(form, name, line)) << "\n";
  };
}

Action readTable(const Driver& d, const Arguments& a) {
  a.expectCount(2, 2);
  return [d, name = a.word(1), line = a.line()] {
    forms::Form& form = activeForm(d, line);
    auto table = form.table(name);
    if (!table) throw ScriptError{line, "no table " + name + " on " + form.name()};
    d.out << tableText(*table) << "\n";
  };
}

using Reader = Action (*)(const Driver&, const Arguments&);

constexpr std::array<std::pair<std::string_view, Reader>, 10> kCommands{{
    {"click", readClick},
    {"type", readType},
    {"clipboard", readClipboard},
    {"answer", readAnswer},
    {"wait", readWait},
    {"time", readTime},
    {"screen", readScreen},
    {"fail-process", readFailProcess},
    {"show", readShow},
    {"table", readTable},
}};

}  // namespace

Action readCommand(const Driver& driver, const Arguments& args) {
  for (const auto& [name, reader] : kCommands) {
    if (name == args.command()) return reader(driver, args);
  }
  args.fail("unknown command " + args.command());
}

}  // namespace dorvan::script
