// A game played through everything a player can do to it, as the windows
// pass it on, with the soundness rules checked after every call. The soak and
// the fuzzer drive it; commands travel as bytes so that games can be stored.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "brain.h"
#include "game.h"

namespace ouroboard::testing {

class FakeClock final : public Clock {
 public:
  int minute = 17;
  int second = 42;
  int Minute() override { return minute; }
  int Second() override { return second; }
};

enum class Op : std::uint8_t {
  Tick,            // one tick of the clock, if it runs
  Ticks,           // a = 1..256 ticks in a row
  Key,             // a = any key code
  Speed,           // a = any step index, also outside 0..6
  Menu,            // a = a MenuItem
  SettingsOk,      // a, b = snake pictures 0..4, c = obstacle picture 0..6
  SettingsClose,   // the close box, or Escape
  HelpClose,       // the close box, or Escape
  EndScreenClick,  // a click, Return or Escape
  Time,            // a = minute, b = second of the local clock
  OutOfSight,      // the main window minimised, or another program chosen
  Turn,            // a = player 0..3, b = heading 0..5: a game controller's turn
  Computer,        // a = player 0..3, b = skill 0..2, or 3: the player's own hands again
  Count
};

enum class MenuItem : std::uint8_t {
  NewGame,
  OnePlayer,
  TwoPlayers,
  Classic,
  Campaign,
  Settings,
  Help,
  Pause,
  Exit,
  Count
};

struct Command {
  Op op = Op::Tick;
  Int16 a = 0;
  Int16 b = 0;
  Int16 c = 0;
  bool operator==(const Command&) const = default;
};

Command MenuCommand(MenuItem item);
Command KeyCommand(Int16 keyCode);
Command TurnCommand(Int16 player, Int16 heading);

// Commands as bytes: one for the operation, then its arguments. Any bytes
// read as some sequence of commands, so a fuzzer can mutate them freely.
void Encode(const Command& command, std::vector<std::uint8_t>& bytes);
// Takes one command off the front of bytes; nothing once they run out.
std::optional<Command> Decode(std::span<const std::uint8_t>& bytes);

// Writes a game as bytes, folding runs of ticks into one command.
class Recorder {
 public:
  void Record(const Command& command);
  std::vector<std::uint8_t> Bytes() const;

 private:
  std::vector<Command> commands_;
};

class Session {
 public:
  Session();

  const Game& game() const { return game_; }
  bool settingsOpen() const { return settingsOpen_; }
  bool helpOpen() const { return helpOpen_; }
  bool exited() const { return exited_; }
  long ticks() const { return ticks_; }
  // Whether the computer steers the player, just before each tick.
  bool computerSteers(int player) const { return (player == 1 || player == 2) && computers_[player - 1].has_value(); }

  // Runs the command as the windows would: ticks only while the clock runs,
  // Settings and Help answer only while open, the end screen only while
  // shown. Returns the rules the game broke on the way; empty when sound.
  std::vector<std::string> Apply(const Command& command);

 private:
  std::vector<std::string> Tick();
  void Choose(MenuItem item);

  std::array<std::optional<Brain>, 2> computers_;
  FakeClock clock_;
  MixingRandom random_;
  Game game_{clock_, random_};
  bool settingsOpen_ = false;
  bool helpOpen_ = false;
  bool exited_ = false;
  long ticks_ = 0;
};

}  // namespace ouroboard::testing
