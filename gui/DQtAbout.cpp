#include "gui/DQtAbout.h"

#include "ui_DQtAbout.h"

DQtAbout::DQtAbout(QWidget* parent) : QDialog(parent), ui(new Ui::DQtAbout) {
  ui->setupUi(this);
}

DQtAbout::~DQtAbout() = default;
