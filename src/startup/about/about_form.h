#pragma once
// The about window: title, version, the maker's lines with two links, a field of twinkling
// stars on the left, and buttons for the help and for closing it.

#include <array>
#include <string>

#include "forms/form.h"

namespace dorvan::startup {

class AboutForm : public forms::Form {
 public:
  static constexpr int kStars = 30;
  static constexpr int kFieldWidth = 2600;   // twips; stars lie in 1..kFieldWidth
  static constexpr int kFieldHeight = 5900;  // twips; stars lie in 1..kFieldHeight
  static constexpr int kPeak = 1251;         // ticks until a star is at its brightest
  static constexpr int kLifetime = 2600;     // ticks until a star goes out and appears elsewhere

  // The links' text colours (0x00BBGGRR).
  static constexpr Colour kHomeLink = 0xFF8080;        // (128, 128, 255)
  static constexpr Colour kHomeLinkHover = 0xFFC0C0;   // (192, 192, 255)
  static constexpr Colour kMakerLink = 0xC0C000;       // (0, 192, 192)
  static constexpr Colour kMakerLinkHover = 0xFFFF00;  // (0, 255, 255)

  static constexpr const char* kHomePage = "https://dorvan.example.org/";
  static constexpr const char* kMakerPage = "https://dorvan.example.org/contact";

  explicit AboutForm(forms::Application& app);

  void Form_Load() override;
  void Form_Paint() override;
  std::optional<forms::TableView> table(std::string_view name) const override;

  void Timer1_Timer();
  void Command1_Click();
  void Cmd_OK_Click();
  void able_MouseMove();
  void able_MouseDown();
  void label7_MouseMove(int index);
  void label7_MouseDown(int index);

 private:
  void placeStar(int i);
  void drawStar(int i);

  // Entries 1..kStars are the stars; 0 and 31 are spare.
  std::array<int, kStars + 2> starx_{};
  std::array<int, kStars + 2> stary_{};
  std::array<int, kStars + 2> starage_{};  // ticks since the star appeared
};

// Opens the about window with the caller's caption, or brings the open one up with it.
void openAbout(forms::Application& app, const std::string& caption);

}  // namespace dorvan::startup
