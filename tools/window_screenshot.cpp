// Grabs the main window after a calculation on real catalogs, for the README and to look at
// the layout on a given screen (offscreen, or a virtual X server for the whole screen):
//   window_screenshot [--diagrams] CATALOG.agf [CATALOG.agf ...] OUT.png
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <cstdio>
#include <cstring>

#include "gui/DQtSynthesis.h"
#include "gui/language.h"

int main(int argc, char** argv) {
  const bool diagrams = argc > 1 && std::strcmp(argv[1], "--diagrams") == 0;
  const int first = diagrams ? 2 : 1;
  if (argc - first < 2) {
    std::fprintf(stderr, "usage: window_screenshot [--diagrams] CATALOG.agf [...] OUT.png\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  setLanguage(systemLanguage());  // as the program starts: English under an English LANG
  DQtSynthesis window;  // sized to the screen's available area
  window.show();
  for (int i = first; i < argc - 1; ++i) {
    if (!window.loadCatalog(QString::fromLocal8Bit(argv[i]))) return 1;
  }
  window.findChild<QLineEdit*>(QStringLiteral("m_LE_W"))->setText(QStringLiteral("0.1"));
  window.findChild<QComboBox*>(QStringLiteral("m_CB_GlassCount"))
      ->setCurrentText(QStringLiteral("12"));
  window.findChild<QPushButton*>(QStringLiteral("m_PB_Calc"))->click();
  auto* table = window.findChild<QTableWidget*>(QStringLiteral("m_TW_ResTable"));
  if (table->rowCount() == 0) return 1;
  // Select the way a user does, so the panel and the sketch follow the row.
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                    table->visualItemRect(table->item(0, 3)).center());
  if (diagrams) window.findChild<QTabWidget*>(QStringLiteral("tabWidget"))->setCurrentIndex(1);
  QTest::qWait(300);
  if (!window.grab().save(QString::fromLocal8Bit(argv[argc - 1]))) return 1;
  return 0;
}
