#include "gui/DQtAbout.h"

#include "ui_DQtAbout.h"

DQtAbout::DQtAbout(QWidget* parent) : QDialog(parent), ui(new Ui::DQtAbout) {
  ui->setupUi(this);
  ui->textEdit->setHtml(
      ui->textEdit->toHtml().replace(QLatin1String("%1"), QLatin1String(ZELT_PROGRAM_VERSION)));
}

DQtAbout::~DQtAbout() = default;
