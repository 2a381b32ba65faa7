// Main window: glass diagrams and nomograms of the loaded catalog.
#include "gui/DQtSynthesis.h"

void DQtSynthesis::fillPlotData() {}

void DQtSynthesis::OnDrawNomo() {}

void DQtSynthesis::OnDrawNomo_All(int /*temp*/, int /*Status*/, bool /*ch_all*/,
                                  bool /*ch_choosen*/, bool /*bAuto*/, double& /*XMin_p*/,
                                  double& /*XMax_p*/, double& /*YMin_p*/, double& /*YMax_p*/) {}
