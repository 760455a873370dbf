#pragma once
// Gallery pages register themselves: each page file defines a factory and a
// static GalleryPage object, so adding a page touches no other file.

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

struct GalleryPage {
  using Factory = std::function<QWidget*()>;
  // Order sorts the pages (the tab order); FileName names the screenshot.
  GalleryPage(int Order, const QString& Title, const QString& FileName, Factory Make);
  int Order;
  QString Title;
  QString FileName;
  Factory Make;
  static std::vector<GalleryPage*>& All();
};
