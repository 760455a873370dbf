// Gallery page "Folder tree": TFolderTree opened at the home folder, in the
// classic look and the file-manager look side by side, with the current
// folder, its subfolders, and the commands to make, remove and reload
// folders.

#include "GalleryPage.h"
#include "GalleryWidgets.h"

#include <orvpanels.h>

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace orv;

namespace {

QWidget* MakePage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(16, 16, 16, 16);
  layout->setSpacing(10);
  auto* intro = new QLabel(QStringLiteral(
      "TFolderTree lists the folders of the file system as they are expanded; whether each new folder has "
      "subfolders of its own is found out in the background, so even a folder of 10,000 subfolders opens at once. "
      "Left the classic look, right the file-manager look, both opened at the home folder."));
  intro->setWordWrap(true);
  layout->addWidget(intro);

  auto* row = new QHBoxLayout;
  row->setSpacing(16);
  auto* classic = new TFolderTree(nullptr);
  classic->setMinimumSize(300, 420);
  classic->SelectPath(QDir::homePath());
  auto* modern = new TFolderTree(nullptr);
  modern->setMinimumSize(300, 420);
  modern->SetOldTreeStyle(false);
  modern->SelectPath(QDir::homePath());
  row->addWidget(classic, 1);
  row->addWidget(modern, 1);

  auto* side = new QGridLayout;
  side->setVerticalSpacing(8);
  auto* current = new QLabel;
  current->setWordWrap(true);
  auto* subs = new QLabel;
  subs->setWordWrap(true);
  subs->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  subs->setStyleSheet(QStringLiteral("color: #444;"));
  auto* name = new QLineEdit;
  name->setPlaceholderText(QStringLiteral("New folder name (a/b for two levels)"));
  auto* make = new QPushButton(QStringLiteral("Make"));
  auto* remove = new QPushButton(QStringLiteral("Remove"));
  remove->setToolTip(QStringLiteral("Removes the selected folder when it is empty"));
  auto* refresh = new QPushButton(QStringLiteral("Refresh"));
  auto* links = new QCheckBox(QStringLiteral("List symbolic links to folders"));
  auto* status = Note(QString());
  side->addWidget(new QLabel(QStringLiteral("<b>Directory</b>")), 0, 0);
  side->addWidget(current, 1, 0);
  side->addWidget(new QLabel(QStringLiteral("<b>Subfolders</b>")), 2, 0);
  side->addWidget(subs, 3, 0);
  side->addWidget(name, 4, 0);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {make, remove, refresh}) buttons->addWidget(b);
  side->addLayout(buttons, 5, 0);
  side->addWidget(links, 6, 0);
  side->addWidget(status, 7, 0);
  side->setRowStretch(3, 1);
  auto* sideBox = new QWidget;
  sideBox->setLayout(side);
  sideBox->setFixedWidth(300);
  row->addWidget(sideBox);
  layout->addLayout(row, 1);

  auto show = [=] {
    current->setText(classic->Directory());
    QStringList names;
    classic->GetSubDirs(classic->Directory(), names);
    const qsizetype shown = std::min<qsizetype>(names.size(), 14);
    subs->setText(names.isEmpty() ? QStringLiteral("(none)")
                                  : names.mid(0, shown).join(QLatin1Char('\n')) +
                                        (names.size() > shown ? QStringLiteral("\n\u2026 %1 more").arg(names.size() - shown)
                                                              : QString()));
  };
  classic->OnDirChanged = [show](TObject*) { show(); };
  QObject::connect(make, &QPushButton::clicked, page, [=] {
    status->setText(classic->MakeSubFolder(name->text()) ? QStringLiteral("Made.")
                                                         : QStringLiteral("Not made: no folder selected or an unsafe name."));
  });
  QObject::connect(remove, &QPushButton::clicked, page, [=] {
    status->setText(classic->RemoveSelectedFolder() ? QStringLiteral("Removed.")
                                                    : QStringLiteral("Only an empty folder below the root can go."));
  });
  QObject::connect(refresh, &QPushButton::clicked, page, [=] {
    classic->RefreshTree();
    modern->RefreshTree();
    show();
  });
  QObject::connect(links, &QCheckBox::toggled, page, [=](bool On) {
    const TFolderOptions options = On ? TFolderOptions{fotSymLinks} : TFolderOptions{};
    classic->SetOptions(options);
    modern->SetOptions(options);
  });
  show();
  return page;
}

const GalleryPage Page(170, QStringLiteral("Folder tree"), QStringLiteral("folder_tree"), MakePage);

}  // namespace
