// The yardstick of the start-up benchmark: the barest Qt Widgets window that still has what
// every window of the game has, a menu bar and a line of text, built with the same compiler,
// flags and Qt as the game. It takes the size of the game window it is set against, since
// painting and the window's backing store grow with its area.
//
//   dorvan_bare_window [WIDTH HEIGHT]     (default 565 x 468, the 3D window's size)

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QString>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QStringList args = QApplication::arguments();
  int width = args.size() > 2 ? args[1].toInt() : 565;
  int height = args.size() > 2 ? args[2].toInt() : 468;

  QMainWindow window;
  window.setWindowTitle("Bare window");
  window.menuBar()->addMenu("&Game")->addAction("E&xit", &app, &QApplication::quit);
  window.setCentralWidget(new QLabel("A bare window"));
  window.resize(width, height);
  window.show();
  return QApplication::exec();
}
