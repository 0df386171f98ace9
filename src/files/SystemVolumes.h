#pragma once

#include "files/CardFolder.h"

namespace rx20 {

// The volumes the system has mounted, each marked removable or not. Each
// platform's code is in a file of its own, chosen by the build.
QList<CardFolder::Volume> systemVolumes();

} // namespace rx20
