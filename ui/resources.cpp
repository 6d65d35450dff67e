// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/resources.h"

#include <QtGlobal>

// Outside any namespace, as Qt's resource registration must be. Calling it
// also keeps the linker from dropping the pictures of the static library.
static void registerResources() { Q_INIT_RESOURCE(resources); }

namespace qorza {

void loadResources() {
  static const bool loaded = (registerResources(), true);
  Q_UNUSED(loaded);
}

}  // namespace qorza
