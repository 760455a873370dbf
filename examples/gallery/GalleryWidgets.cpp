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

QWidget* Section(const QString& Title, QLayout* Body) {
  auto* w = new QWidget;
  auto* v = new QVBoxLayout(w);
  v->setContentsMargins(0, 0, 0, 0);
  auto* title = new QLabel(Title);
  QFont f = title->font();
  f.setBold(true);
  title->setFont(f);
  v->addWidget(title);
  v->addLayout(Body);
  return w;
}
