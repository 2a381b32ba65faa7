#pragma once
// The main window of doublet_synth: inputs, catalog choice, result tables, doublet sketch and
// the glass diagrams of the loaded catalog.

#include <QDialog>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "gui/plot/GlassPlotData.h"
#include "gui/sketch_geometry.h"
#include "synthesis/design_input_check.h"
#include "synthesis/doublet_aberrations.h"
#include "synthesis/doublet_calculation.h"
#include "synthesis/doublet_glass_data.h"

class QCheckBox;
class QDoubleValidator;
class QLineEdit;
class QPainter;

namespace plot {
class GlassPlotView;
struct PlotDescription;
}  // namespace plot

namespace Ui {
class DQtSynthesis;
}

/// The one window of the program; holds the synthesis core and shows its results.
class DQtSynthesis : public QDialog {
  Q_OBJECT

 public:
  /// Builds the window with its defaults; no catalog is loaded.
  explicit DQtSynthesis(QWidget* parent = nullptr);
  ~DQtSynthesis() override;

  /// Returns the synthesis core (read by tests and benchmarks).
  const synthesis::DoubletSynthesis& core() const { return m_synthesis; }
  /// Hides the result columns whose keys are listed and shows every other column.
  void setHiddenColumns(const QStringList& keys);
  /// Returns the keys of the hidden result columns.
  const QStringList& hiddenColumns() const { return m_hiddenColumns; }
  /// Loads the sample catalog that comes with the program; false when it is not found or fails.
  bool loadSampleCatalog();
  /// Loads an AGF file into the merged catalog; false (with the error shown) on failure.
  bool loadCatalog(const QString& path);

 public slots:
  bool eventFilter(QObject* obj, QEvent* evt) override;
  void OnCalc();
  void OnCalcThickness();
  void OnEdit();
  void OnChangeLanguage();
  void OnChangeLens();
  void OnZMX();
  void OnAbout();
  void OnChooseGlassCatalog();
  /// Removes the catalog chosen in the loaded-catalog list and merges the others anew.
  void OnRemoveCatalog();
  void OnDrawNomo();
  void OnDrawNomo_All(int temp, int Status, bool ch_all, bool ch_choosen, bool bAuto,
                      double& XMin_p, double& XMax_p, double& YMin_p, double& YMax_p);
  void OnChooseGlasses();
  /// Draws the diagrams anew when a catalog is loaded; a failure is shown.
  void redrawPlots();
  /// Offers the glass `name` clicked on a diagram as glass 1 or glass 2 of the search.
  void offerGlass(const QString& name, const QPoint& globalPos);
  /// Sets glass `name` in the box of lens 1 or 2 and the search mode that uses that box.
  void setChosenGlass(const QString& name, int lens);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void setupInputs();
  void setupResultTable();
  void applyColumnHeaders();
  void setupSplitters();
  void showCatalogs();
  /// Shows the merged catalog anew in the glass lists and the diagrams after a load or removal.
  void showMergedCatalog();
  void fitToScreen();
  void fillGlassBoxes();
  void setupPlots();
  void retranslate();
  void retranslatePlots();
  void fillPlotData();
  plot::GlassFilter plotFilter() const;
  void drawAllGlasses(plot::GlassPlotView& view, const plot::StatusSeries& series,
                      const plot::PlotRanges& ranges, bool byCost = false);
  void drawChosenGlasses(plot::GlassPlotView& view, const plot::PlotDescription& d,
                         const plot::GlassSeries& chosen, const plot::PlotRanges& ranges);
  void addNormalLine(plot::GlassPlotView& view, const plot::PlotDescription& d,
                     const plot::PlotRanges& ranges);
  void reportUnplottable(const synthesis::GlassCatalog& loaded);
  double readNumber(const QLineEdit* field) const;
  /// Returns λ0, λmin and λmax of the three line boxes [um].
  plot::SpectralLines selectedLines() const;
  /// Returns the filter's status switches, indexed by glass status.
  std::array<QCheckBox*, synthesis::kGlassStatusCount> statusSwitches() const;
  /// Returns the number in `field`; throws std::invalid_argument naming `which` when the field
  /// is empty or holds no number.
  double readInput(const QLineEdit* field, synthesis::InputField which) const;
  /// Returns the number in `field`, none when it is empty; throws as readInput when it is not.
  std::optional<double> readLimit(const QLineEdit* field, synthesis::InputField which) const;
  /// Returns the limits on the maker's data from the glass filter's fields.
  synthesis::GlassDataFilter readDataFilter() const;
  /// Returns the window's inputs; throws std::invalid_argument for a field without a number.
  synthesis::CalculationInputs readInputs() const;
  /// Returns the inputs when they can make a doublet; otherwise shows why and returns nothing.
  std::optional<synthesis::CalculationInputs> acceptedInputs();
  void fillResultTable();
  /// Colours the number cells of a row whose lens is too thin at the edge; the tooltip says why.
  void markThinEdge(int row, const QString& warning);
  /// Fills the cost, transmittance and mass cells of `row` from `firstColumn` on.
  void fillGlassDataCells(int row, int firstColumn, const synthesis::DoubletGlassData& glassData);
  /// Shows under the table how many doublets are too thin at the edge.
  void showEdgeCount();
  void clearResults();
  const synthesis::DoubletResult* selectedResult();
  void showSelected(const synthesis::DoubletResult& result);
  void hideSelected();
  /// Returns the name of λ0 as a subscript: its line's letter, or its wavelength in nm.
  QString mainLineName() const;
  void setupRayFan();
  void showRayFan(const synthesis::DoubletResult& result);
  void hideRayFan();
  plot::GlassPlotView* fanView(const char* name) const;
  /// Draws the spot diagram and the MTF of `result` beside its ray fans.
  void showQuality(const synthesis::DoubletResult& result);
  /// Traces `r` at the largest smaller field point that passes; false when even the axis fails.
  bool traceSmallerField(const synthesis::DoubletResult& r, synthesis::DoubletAberrations& tables,
                         double& traced) const;
  /// Returns the pupil zones whose rays are lost at full field, empty when none is.
  QString lostZones(const synthesis::DoubletAberrations& tables) const;
  /// Returns the header and the rows (only the selected ones, or all) joined by `separator`.
  QString rowsText(QChar separator, bool selectedOnly) const;
  void copySelectedRows() const;
  void saveTableCsv();
  void showError(const QString& message);
  void prepareSketch();
  void paintSketch(QPainter& painter);
  void drawPupilMarks(QPainter& painter, double x, double D);

  std::unique_ptr<Ui::DQtSynthesis> ui;
  std::vector<double> m_wavelengths;
  synthesis::GlassEnvironment m_environment;
  std::vector<SketchSurface> m_sketch;
  synthesis::DoubletSynthesis m_synthesis;
  plot::GlassPlotData m_plotData;
  QString m_plotDataKey;  ///< lines and catalogs m_plotData was computed for
  QStringList m_catalogPaths;
  std::vector<synthesis::GlassCatalog> m_catalogFiles;  ///< each file as read, by m_catalogPaths
  QString m_samplePath;                                 ///< the sample catalog when it was loaded
  QStringList m_hiddenColumns;  ///< keys of the result columns the user switched off
  QDoubleValidator* m_validator = nullptr;
  QWidget* m_rayFan = nullptr;  ///< the two ray fans of the selected doublet
  bool m_userSorted = false;
};
