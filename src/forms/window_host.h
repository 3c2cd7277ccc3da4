#pragma once
// What a front end does with the program's windows: put them on screen, take them off, and
// stop when the program ends. The forms call it; the Qt shell and the driver implement it.

namespace dorvan::forms {

class Form;

class WindowHost {
 public:
  virtual ~WindowHost() = default;

  // A window has been loaded and shown / unloaded.
  virtual void windowShown(Form& form) = 0;
  virtual void windowUnloaded(Form& form) = 0;
  // The program ends now; nothing of it runs after this returns.
  virtual void programEnding() = 0;
};

}  // namespace dorvan::forms
