#pragma once
// Small modal dialog of the main window.

#include <QDialog>
#include <memory>

namespace Ui {
class DQtAbout;
}

/// Shows the about text of the program.
class DQtAbout : public QDialog {
  Q_OBJECT

 public:
  explicit DQtAbout(QWidget* parent = nullptr);
  ~DQtAbout() override;

 private:
  std::unique_ptr<Ui::DQtAbout> ui;
};
