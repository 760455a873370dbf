#include "GalleryWidgets.h"

#include <QFont>
#include <QVBoxLayout>

QLabel* Note(const QString& Text) {
  auto* label = new QLabel(Text);
  label->setStyleSheet(QStringLiteral("color: #555;"));
  return label;
}

QWidget* Captioned(QWidget* Control, const QString& Caption, Qt::Alignment ControlAlignment) {
  auto* box = new QWidget;
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  layout->addWidget(Control, 0, ControlAlignment);
  layout->addWidget(Note(Caption));
  return box;
}

namespace {

// The section's column with its bold title.
QVBoxLayout* TitledColumn(QWidget* Section, const QString& Title) {
  auto* v = new QVBoxLayout(Section);
  v->setContentsMargins(0, 0, 0, 0);
  auto* title = new QLabel(Title);
  QFont f = title->font();
  f.setBold(true);
  title->setFont(f);
  v->addWidget(title);
  return v;
}

}  // namespace

QWidget* Section(const QString& Title, QLayout* Body) {
  auto* w = new QWidget;
  TitledColumn(w, Title)->addLayout(Body);
  return w;
}

QWidget* Section(const QString& Title, QWidget* Body) {
  auto* w = new QWidget;
  TitledColumn(w, Title)->addWidget(Body);
  return w;
}
