#pragma once
// Small modal dialog of the main window: which result columns are shown.

#include <QDialog>
#include <QStringList>
#include <memory>

namespace Ui {
class DQtPreferences;
}

/// Lists the result table's columns with check boxes; the caller applies them on OK.
class DQtPreferences : public QDialog {
  Q_OBJECT

 public:
  explicit DQtPreferences(QWidget* parent = nullptr);
  ~DQtPreferences() override;

  /// Lists the columns `keys` with their `headers`, checked unless listed in `hidden`.
  void setColumns(const QStringList& keys, const QStringList& headers, const QStringList& hidden);
  /// Returns the keys of the unchecked columns.
  QStringList hiddenColumns() const;

 private:
  std::unique_ptr<Ui::DQtPreferences> ui;
};
