// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures compiled into the windows' library (card faces and backs, the
// splash backdrop): they are registered here, once, before any window needs
// them.
#pragma once

namespace qorza {

// Registers the compiled-in pictures; the game calls it at start, and so do
// the window tests. Further calls do nothing.
void loadResources();

}  // namespace qorza
