// Entry of doublet_synth: one window, one event loop.
#include <QApplication>

#include "gui/DQtSynthesis.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  int code = 0;
  {
    DQtSynthesis window;
    window.show();
    code = app.exec();
  }  // the window goes before the application object
  return code;
}
