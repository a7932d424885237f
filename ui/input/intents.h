// What a player asks of the game, whichever key, pad, menu or window it came
// from: each request is turned into engine calls here and nowhere else.
#pragma once

#include <QObject>

#include "picture.h"
#include "types.h"

namespace ouroboard {

class Session;

class Intents : public QObject {
  Q_OBJECT

 public:
  explicit Intents(Session& session) : session_(session) {}

  // A steering key, by the game's virtual key code.
  void steerByKey(Int16 keyCode);
  // Player 1 or 2 asks to head right, left, up or down (the heading codes).
  void turn(int player, Int16 heading);
  void pauseOrResume();
  // A speed step, 0..6, as a click on its bar.
  void chooseSpeed(int step);
  // The next (+1) or previous (-1) speed step.
  void changeSpeed(int by);
  void newGame();
  // One or two people; either gives player 2 back to the keys and pads.
  void choosePlayers(int players);
  // A two-player game whose player 2 the computer steers.
  void playAgainstComputer();
  // The player the computer steers, 0 for none.
  int computerPlayer() const { return computerPlayer_; }
  // The computer's turn for the player it steers.
  void computerTurn(Int16 heading);
  void chooseCampaign(bool campaign);
  void openSettings();
  void applySettings(Picture snake1, Picture snake2, Picture obstacle);
  void openHelp();
  void closeHelp();
  void dismissEndScreen();
  // Nobody is watching any more, or a player lost their controller: a
  // running game pauses.
  void pauseIfRunning();
  bool endScreenUp() const;
  // Whether a player's snake is on the board in the game in force.
  bool plays(int player) const;
  // Whether a person steers that snake: the keys and the pad of a player the
  // computer steers do nothing.
  bool steersByHand(int player) const { return plays(player) && player != computerPlayer_; }

 signals:
  // Every request, as it goes to the game.
  void asked();

 private:
  template <typename Command>
  void ask(Command&& command);

  Session& session_;
  int computerPlayer_ = 0;
};

}  // namespace ouroboard
