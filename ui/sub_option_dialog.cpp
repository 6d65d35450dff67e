#include "ui/sub_option_dialog.h"

#include "game/game_state.h"

namespace qorza {

SubOptionDialog::SubOptionDialog(Game& /*game*/, QWidget* parent) : QDialog(parent) {}

void SubOptionDialog::openModal() {}

QString SubOptionDialog::targetText() const { return QStringLiteral("101"); }

Picture SubOptionDialog::chosenBack() const { return kDeckBack; }

}  // namespace qorza
