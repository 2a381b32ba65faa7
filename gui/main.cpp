// Entry of doublet_synth: one window, one event loop.
#include <QApplication>

#include "gui/DQtSynthesis.h"
#include "gui/language.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  setLanguage(systemLanguage());
  int code = 0;
  {
    DQtSynthesis window;
    window.show();
    window.loadSampleCatalog();  // the first "Вычислить" works at once
    code = app.exec();
  }  // the window goes before the application object
  return code;
}
