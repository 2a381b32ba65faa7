#pragma once
// Small modal dialog of the main window.

#include <QDialog>
#include <memory>

namespace Ui {
class DQtPreferences;
}

/// Shows the additional settings (nothing in them is read yet).
class DQtPreferences : public QDialog {
  Q_OBJECT

 public:
  explicit DQtPreferences(QWidget* parent = nullptr);
  ~DQtPreferences() override;

 private:
  std::unique_ptr<Ui::DQtPreferences> ui;
};
