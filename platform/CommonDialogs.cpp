#include "OrvModalAnswers.h"
#include "OrvTColorDialog.h"
#include "OrvTOpenDialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>

namespace orv {

namespace {

// The window a dialog belongs to: the owner's, when the owner is a widget.
QWidget* DialogParent(TComponent* Owner) {
  auto* widget = Owner ? dynamic_cast<QWidget*>(Owner) : nullptr;
  return widget ? widget->window() : nullptr;
}

}  // namespace

bool TColorDialog::Execute() {
  TModalAnswer answer;
  if (TakeModalAnswer(answer)) {
    if (answer.Result != mrOk) return false;
    FColor = answer.Color;
    return true;
  }
  QColorDialog dialog(QColor(ColorToQRgb(FColor)), DialogParent(Owner()));
  if (dialog.exec() != QDialog::Accepted) return false;
  FColor = QRgbToColor(dialog.selectedColor().rgb());
  return true;
}

QStringList TOpenDialog::QtNameFilters(const QString& Filter) {
  QStringList filters;
  const QStringList parts = Filter.split(QLatin1Char('|'));
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    // "*.*" means every file, also one without an extension.
    for (QString& p : patterns) p = p.trimmed() == QLatin1String("*.*") ? QStringLiteral("*") : p.trimmed();
    filters.append(QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), patterns.join(QLatin1Char(' '))));
  }
  return filters;
}

bool TOpenDialog::Execute() {
  TModalAnswer answer;
  if (TakeModalAnswer(answer)) {
    if (answer.Result != mrOk) return false;
    FFileName = answer.FileName;
    return true;
  }
  const QFileInfo current(FFileName);
  const QString folder = FFileName.isEmpty() || current.path() == QLatin1String(".") ? FInitialDir : current.path();
  QFileDialog dialog(DialogParent(Owner()), FTitle, folder);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  const QStringList filters = QtNameFilters(FFilter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(FFilterIndex - 1, filters.first()));
  }
  if (!FFileName.isEmpty()) dialog.selectFile(current.fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  FFileName = dialog.selectedFiles().first();
  return true;
}

}  // namespace orv
