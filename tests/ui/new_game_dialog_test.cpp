// SPDX-License-Identifier: GPL-3.0-or-later
// The new-game options dialog: its defaults and OK, Homsi and normal, the
// level taking effect at once, the empty name, the name box and the preset
// of the New command; and the dialog as the platform runs it.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <memory>

#include "game/bounds.h"
#include "game/game_state.h"
#include "tests/support/type_text.h"
#include "ui/fonts.h"
#include "ui/new_game_dialog.h"
#include "ui/qt_platform.h"
#include "ui/resources.h"

using namespace qorza;
using test::typeText;

namespace {

// Closes a modal that is still open after five seconds.
void closeModalLater() {
  QTimer::singleShot(5000, qApp, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      modal->close();
    }
  });
}

}  // namespace

class NewGameDialogTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QtPlatform> platform;
  std::unique_ptr<Game> game;
  std::unique_ptr<NewGameDialog> dialog;

  void openDialog() {
    dialog = std::make_unique<NewGameDialog>(*game);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
  }

 private slots:
  void init() {
    platform = std::make_unique<QtPlatform>();
    game = std::make_unique<Game>(*platform);
  }

  void cleanup() {
    dialog.reset();
    game.reset();
    platform.reset();
  }

  void defaultsGiveFiftyTwoCardsInHandsOfSix() {
    openDialog();
    QVERIFY(dialog->normalOption()->isChecked());
    QVERIFY(dialog->sixCardsOption()->isChecked());
    QVERIFY(dialog->levelOption(2)->isChecked());
    QCOMPARE(dialog->windowTitle(), QString(23, ' ') + QStringLiteral("لعبة Qorza"));
    // The given 267 x 271 pixels, grown by one factor when the font needs it.
    QVERIFY(dialog->width() >= 267 && dialog->height() >= 271);
    QVERIFY(std::abs(dialog->width() * 271.0 / dialog->height() - 267.0) < 2.0);
    QVERIFY(dialog->okButton()->isDefault());
    dialog->okButton()->click();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(game->DeckSize, 52);
    QCOMPARE(game->HandSize, 6);
    QCOMPARE(game->TXT_NAME.Text, std::string("36"));
    for (int k = 1; k <= 4; ++k) QCOMPARE(game->Label1(k).Caption, std::to_string(k + 1));
  }

  void homsiTakesFourCardsAndNormalLeavesThemChosen() {
    openDialog();
    QTest::mouseClick(dialog->homsiOption(), Qt::LeftButton);
    QVERIFY(dialog->homsiOption()->isChecked());
    QVERIFY(!dialog->sixCardsOption()->isEnabled());
    QVERIFY(dialog->fourCardsOption()->isChecked());
    QTest::mouseClick(dialog->normalOption(), Qt::LeftButton);
    QVERIFY(dialog->sixCardsOption()->isEnabled());
    QVERIFY(dialog->fourCardsOption()->isChecked());
    QTest::mouseClick(dialog->homsiOption(), Qt::LeftButton);
    dialog->okButton()->click();
    QCOMPARE(game->DeckSize, 44);
    QCOMPARE(game->HandSize, 4);
    QCOMPARE(game->TXT_NAME.Text, std::string("32"));
    for (int k = 1; k <= 4; ++k) QCOMPARE(game->Label1(k).Caption, std::to_string(k));
  }

  void emptyNameKeepsTheDialogButAppliesTheRest() {
    openDialog();
    QTest::mouseClick(dialog->fourCardsOption(), Qt::LeftButton);
    dialog->nameBox()->clear();
    dialog->okButton()->setFocus();
    dialog->okButton()->click();
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QTRY_VERIFY(dialog->nameBox()->hasFocus());
    QCOMPARE(game->PlayerName(1), std::string(kDefaultPlayer1Name));
    QCOMPARE(game->HandSize, 4);
    QCOMPARE(game->TXT_NAME.Text, std::string("40"));
    QVERIFY(dialog->nameBox()->marked());
    QVERIFY(dialog->nameBox()->palette().color(QPalette::Base) != QColor(Qt::white));
    // Spaces alone are no name either, of any kind.
    typeText(dialog->nameBox(), QStringLiteral(" \u00A0\u3000"));
    dialog->okButton()->click();
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QVERIFY(dialog->nameBox()->text().isEmpty());
    QVERIFY(dialog->nameBox()->marked());
    QCOMPARE(game->PlayerName(1), std::string(kDefaultPlayer1Name));
    // A name typed takes the mark away; the OK takes it, spaces and all.
    typeText(dialog->nameBox(), QStringLiteral(" سامي"));
    QVERIFY(!dialog->nameBox()->marked());
    QCOMPARE(dialog->nameBox()->palette().color(QPalette::Base), QColor(Qt::white));
    dialog->okButton()->click();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(game->PlayerName(1), std::string(" سامي"));
  }

  // The box takes no more than the settings and the saved match keep, and
  // says so.
  void nameStopsAtTheLengthTheFilesKeep() {
    openDialog();
    dialog->nameBox()->selectAll();
    typeText(dialog->nameBox(), QString(bounds::kMaxNameLength + 40, QChar(0x0628)));
    QCOMPARE(dialog->nameBox()->text().size(), bounds::kMaxNameLength);
    QVERIFY(dialog->nameBox()->toolTip().contains(QString::number(bounds::kMaxNameLength)));
    dialog->okButton()->click();
    QCOMPARE(QString::fromStdString(game->PlayerName(1)).size(), bounds::kMaxNameLength);
  }

  void levelTakesEffectOnTheClickAndLastsOnlyWithOk() {
    openDialog();
    QTest::mouseClick(dialog->levelOption(3), Qt::LeftButton);
    QCOMPARE(game->SkillLevel, 3);
    dialog->reject();
    QCOMPARE(game->SkillLevel, 2);
    openDialog();
    QTest::mouseClick(dialog->levelOption(1), Qt::LeftButton);
    QCOMPARE(game->SkillLevel, 1);
    dialog->okButton()->click();
    QCOMPARE(game->SkillLevel, 1);
  }

  void typedArabicNameReplacesTheDefault() {
    openDialog();
    dialog->nameBox()->setFocus();
    QTRY_COMPARE(dialog->nameBox()->selectedText(), dialog->nameBox()->text());
    typeText(dialog->nameBox(), QStringLiteral("سامي"));
    QCOMPARE(dialog->nameBox()->text(), QStringLiteral("سامي"));
    // A click selects the whole name again.
    QTest::mouseClick(dialog->nameBox(), Qt::LeftButton);
    QCOMPARE(dialog->nameBox()->selectedText(), QStringLiteral("سامي"));
    dialog->okButton()->click();
    QCOMPARE(game->PlayerName(1), std::string("سامي"));
    QCOMPARE(game->lbl_n_player(1).Caption, std::string("سامي"));
    QCOMPARE(game->lbl_n_player(2).Caption, game->PlayerName(2));
  }

  void newCommandPresetsFromTheGame() {
    game->HandSize = 4;
    game->SkillLevel = 3;
    game->PlayerName(1) = "Rami";
    openDialog();
    QCOMPARE(game->SkillLevel, 3);  // opening the dialog chose no level
    dialog->presetFromGame();
    QVERIFY(dialog->fourCardsOption()->isChecked());
    QVERIFY(dialog->levelOption(3)->isChecked());
    QVERIFY(dialog->normalOption()->isChecked());
    QCOMPARE(dialog->nameBox()->text(), QStringLiteral("Rami"));
  }

  void platformRunsTheDialogModally() {
    closeModalLater();
    QTimer::singleShot(50, qApp, [] {
      auto* modal = qobject_cast<NewGameDialog*>(QApplication::activeModalWidget());
      QVERIFY(modal != nullptr);
      modal->okButton()->click();
    });
    QVERIFY(platform->runNewGameDialog(*game));
    QCOMPARE(game->HandSize, 6);

    closeModalLater();
    QTimer::singleShot(50, qApp, [] {
      QWidget* modal = QApplication::activeModalWidget();
      QVERIFY(modal != nullptr);
      modal->close();
    });
    QVERIFY(!platform->runNewGameDialog(*game));
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setLayoutDirection(Qt::RightToLeft);
  installFontSubstitutions();
  loadResources();
  NewGameDialogTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "new_game_dialog_test.moc"
