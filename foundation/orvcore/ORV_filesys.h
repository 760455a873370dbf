#pragma once
// File-system helpers of the base library (DirExists comes from the
// framework layer). Paths use "/".

#include "ORV_orvbase.h"

namespace orv {

// The folder that holds Path ("/home/me/" and "/home/me" give "/home");
// "/" for a folder just below the root; empty for the root itself and for a
// path without a folder part.
QString ParentDir(const QString& Path);
// A random text of Len letters and digits from the system's random source
// (empty for Len < 1).
QString InventPassword(int Len);

}  // namespace orv
