// SPDX-License-Identifier: GPL-3.0-or-later
// The two languages of the windows: what the player reads and types maps to
// the same game in either.
#include <QApplication>
#include <QtTest>

#include "game/game_state.h"
#include "game/new_game_options.h"
#include "ui/fonts.h"
#include "ui/language.h"
#include "ui/resources.h"

using namespace qorza;

class LanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    configureApplication(*static_cast<QApplication*>(qApp));
    loadResources();
  }
  void cleanup() { useLanguage(Language::Arabic); }

  // Whatever the language and the hand, the digit shown over a card is the
  // key that plays it, on the main row and on the keypad.
  void theHintShownIsTheKeyThatPlaysTheCard() {
    for (const Language language : {Language::Arabic, Language::English}) {
      useLanguage(language);
      for (const int hintOffset : {0, 1}) {  // six cards: 1..6; four: 2..5
        for (int k = 1; k <= 6 - 2 * hintOffset; ++k) {
          const std::string caption = std::to_string(k + hintOffset);
          const int shown = shownHint(caption).toInt();
          QVERIFY(shown >= 1 && shown <= 6);
          for (const int zero : {48, 96}) {
            QCOMPARE(gameKeyCode(zero + shown), zero + k + hintOffset);
          }
        }
      }
      QCOMPARE(gameKeyCode(55), 55);  // a 7 is no card
    }
    // English counts from the left: the rightmost card's 1 reads 6.
    QCOMPARE(shownHint("1"), QStringLiteral("6"));
  }

  // The default names are shown in the language of the moment, and kept as
  // the game's own default whichever language they were confirmed in.
  void defaultNamesAreShownInEachLanguageAndKeptAsTheDefault() {
    const QString english[] = {QStringLiteral("Player"), QStringLiteral("Computer")};
    const char* defaults[] = {kDefaultPlayer1Name, kDefaultPlayer2Name};
    for (int p = 0; p < 2; ++p) {
      useLanguage(Language::English);
      QCOMPARE(shownName(defaults[p]), english[p]);
      QCOMPARE(typedName(english[p]), std::string(defaults[p]));
      useLanguage(Language::Arabic);
      QCOMPARE(shownName(defaults[p]), QString::fromUtf8(defaults[p]));
      QCOMPARE(typedName(QString::fromUtf8(defaults[p])), std::string(defaults[p]));
      QCOMPARE(typedName(english[p]), english[p].toStdString());  // a name like any other
    }
    useLanguage(Language::English);
    QCOMPARE(shownName(std::string("(PC)  ") + kDefaultPlayer2Name),
             QStringLiteral("(PC)  Computer"));
  }

  void theVerdictAndTheCaptionsSpeakTheLanguage() {
    useLanguage(Language::English);
    QCOMPARE(verdictText(Verdict::Player1Won), QStringLiteral("Congratulations, you won!"));
    QCOMPARE(counterCaption(6), QStringLiteral("Cards left"));
    QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
    useLanguage(Language::Arabic);
    QCOMPARE(verdictText(Verdict::Player1Won),
             QString::fromUtf8(verdictWords(Verdict::Player1Won)));
    QCOMPARE(verdictText(Verdict::None), QString());
    QCOMPARE(QApplication::layoutDirection(), Qt::RightToLeft);
  }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
