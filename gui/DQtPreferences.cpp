#include "gui/DQtPreferences.h"

#include "ui_DQtPreferences.h"

DQtPreferences::DQtPreferences(QWidget* parent) : QDialog(parent), ui(new Ui::DQtPreferences) {
  ui->setupUi(this);
}

DQtPreferences::~DQtPreferences() = default;
