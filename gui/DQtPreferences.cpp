#include "gui/DQtPreferences.h"

#include "ui_DQtPreferences.h"

DQtPreferences::DQtPreferences(QWidget* parent) : QDialog(parent), ui(new Ui::DQtPreferences) {
  ui->setupUi(this);
}

DQtPreferences::~DQtPreferences() = default;

void DQtPreferences::setColumns(const QStringList& keys, const QStringList& headers,
                                const QStringList& hidden) {
  ui->m_LW_Columns->clear();
  for (int i = 0; i < keys.size() && i < headers.size(); ++i) {
    // Headers break over lines in the table; one line each here.
    auto* item = new QListWidgetItem(
        QString(headers[i]).replace(QLatin1Char('\n'), QLatin1Char(' ')), ui->m_LW_Columns);
    item->setData(Qt::UserRole, keys[i]);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(hidden.contains(keys[i]) ? Qt::Unchecked : Qt::Checked);
  }
}

QStringList DQtPreferences::hiddenColumns() const {
  QStringList hidden;
  for (int i = 0; i < ui->m_LW_Columns->count(); ++i) {
    const QListWidgetItem* item = ui->m_LW_Columns->item(i);
    if (item->checkState() != Qt::Checked) hidden << item->data(Qt::UserRole).toString();
  }
  return hidden;
}
