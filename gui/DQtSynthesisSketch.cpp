// Main window: the to-scale sketch of the selected doublet.
#include <QKeyEvent>
#include <QPainter>

#include "gui/DQtSynthesis.h"
#include "ui_DQtSynthesis.h"

bool DQtSynthesis::eventFilter(QObject* obj, QEvent* evt) {
  if (obj == ui->m_qDrawArea && evt->type() == QEvent::Paint) {
    try {
      prepareSketch();
      QPainter painter(ui->m_qDrawArea);
      painter.setRenderHint(QPainter::Antialiasing);
      paintSketch(painter);
    } catch (...) {
      // A sketch that cannot be drawn leaves the area empty; painting must go on.
    }
  }
  if (obj == ui->m_TW_ResTable && evt->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(evt)->matches(QKeySequence::Copy)) {
    copySelectedRows();
    return true;
  }
  return QDialog::eventFilter(obj, evt);
}

void DQtSynthesis::prepareSketch() {
  const synthesis::DoubletResult* r = selectedResult();
  if (!r) {
    m_sketch.clear();  // no selected doublet, nothing to draw
    return;
  }
  const double h = readNumber(ui->m_LE_Pupil) / 2.0;
  m_sketch = {{r->r1, r->thickness1, h, 1.5}, {r->r2, r->thickness2, h, 1.6}, {r->r3, 0.0, h, 0.0}};
}

void DQtSynthesis::paintSketch(QPainter& painter) {
  const QSize size = ui->m_qDrawArea->size();
  const QRectF window = sketchWindow(m_sketch, size);
  if (window.isEmpty()) return;
  painter.setTransform(sketchTransform(window, size));
  const QPen ownPen = painter.pen();
  const QBrush ownBrush = painter.brush();
  QPen lensPen(QColor(102, 102, 153));
  lensPen.setCosmetic(true);
  painter.setPen(lensPen);
  painter.setBrush(QBrush(QColor(102, 209, 230)));
  double x = 0.0;
  for (std::size_t i = 0; i < m_sketch.size(); ++i) {
    if (m_sketch[i].index > 1.0) painter.drawPath(lensOutline(m_sketch, x, i));
    x += m_sketch[i].thickness;
  }
  QPen axisPen(Qt::black, 0, Qt::DashDotLine);
  axisPen.setCosmetic(true);
  painter.setPen(axisPen);
  const double margin = -window.left();
  painter.drawLine(QPointF(-margin, 0.0), QPointF(sketchLength(m_sketch) + margin, 0.0));
  QPen pen = ownPen;
  pen.setCosmetic(true);
  painter.setPen(pen);
  painter.setBrush(ownBrush);
  drawPupilMarks(painter, 0.0, readNumber(ui->m_LE_Pupil));
}

void DQtSynthesis::drawPupilMarks(QPainter& painter, double x, double D) {
  // Two bars outward from the pupil rim, each with a cross-tick at the rim.
  const double h = D / 2.0, c = D / 40.0;
  painter.drawLine(QPointF(x, h), QPointF(x, 1.5 * h));
  painter.drawLine(QPointF(x - c, h), QPointF(x + c, h));
  painter.drawLine(QPointF(x, -h), QPointF(x, -1.5 * h));
  painter.drawLine(QPointF(x - c, -h), QPointF(x + c, -h));
}
