#pragma once
// Small building blocks the gallery pages share: a grey note, a control with
// its caption below it, and a titled section.

#include <QLabel>
#include <QLayout>
#include <QString>
#include <QWidget>

// A grey explanatory text.
QLabel* Note(const QString& Text);

// Control above its caption in grey; the control keeps its own width unless
// ControlAlignment is empty.
QWidget* Captioned(QWidget* Control, const QString& Caption, Qt::Alignment ControlAlignment = Qt::AlignLeft);

// A bold title over Body (no group box: its fill would differ from the page's).
QWidget* Section(const QString& Title, QLayout* Body);
QWidget* Section(const QString& Title, QWidget* Body);
