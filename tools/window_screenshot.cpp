// Grabs the main window offscreen after a calculation on a real catalog, for the README:
//   window_screenshot CATALOG.agf OUT.png
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <cstdio>

#include "gui/DQtSynthesis.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: window_screenshot CATALOG.agf OUT.png\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  DQtSynthesis window;
  window.resize(1600, 1000);
  window.show();
  if (!window.loadCatalog(QString::fromLocal8Bit(argv[1]))) return 1;
  window.findChild<QLineEdit*>(QStringLiteral("m_LE_W"))->setText(QStringLiteral("0.1"));
  window.findChild<QPushButton*>(QStringLiteral("m_PB_Calc"))->click();
  auto* table = window.findChild<QTableWidget*>(QStringLiteral("m_TW_ResTable"));
  if (table->rowCount() == 0) return 1;
  // Select the way a user does, so the panel and the sketch follow the row.
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                    table->visualItemRect(table->item(0, 2)).center());
  app.processEvents();
  if (!window.grab().save(QString::fromLocal8Bit(argv[2]))) return 1;
  return 0;
}
