#include "session.h"

#include "soundness.h"

namespace ouroboard::testing {
namespace {

constexpr int MaxTickRun = 256;

// What each command carries after its operation byte: one byte per
// argument, reduced by the argument's modulus, or for a modulus of 0 a 16-bit
// number in two bytes, low byte first. A run of ticks keeps its count less one.
std::vector<int> ArgumentModuli(Op op) {
  switch (op) {
    case Op::Ticks:
      return {MaxTickRun};
    case Op::Key:
    case Op::Speed:
      return {0};
    case Op::Menu:
      return {static_cast<int>(MenuItem::Count)};
    case Op::SettingsOk:
      return {SnakePictureCount, SnakePictureCount, ObstaclePictureCount};
    case Op::Time:
      return {60, 60};
    case Op::Turn:
      return {4, 6};
    case Op::Computer:
      return {4, 4};
    default:
      return {};
  }
}

std::optional<int> Take(std::span<const std::uint8_t>& bytes) {
  if (bytes.empty()) return std::nullopt;
  const std::uint8_t first = bytes.front();
  bytes = bytes.subspan(1);
  return first;
}

}  // namespace

Command MenuCommand(MenuItem item) { return {Op::Menu, static_cast<Int16>(item)}; }

Command KeyCommand(Int16 keyCode) { return {Op::Key, keyCode}; }

Command TurnCommand(Int16 player, Int16 heading) { return {Op::Turn, player, heading}; }

void Encode(const Command& command, std::vector<std::uint8_t>& bytes) {
  bytes.push_back(static_cast<std::uint8_t>(command.op));
  const std::vector<int> moduli = ArgumentModuli(command.op);
  const int first = command.op == Op::Ticks ? command.a - 1 : command.a;
  const std::array<int, 3> values = {first, command.b, command.c};
  for (std::size_t i = 0; i < moduli.size(); ++i) {
    const auto bits = static_cast<std::uint16_t>(values[i]);
    bytes.push_back(static_cast<std::uint8_t>(bits & 0xff));
    if (moduli[i] == 0) bytes.push_back(static_cast<std::uint8_t>(bits >> 8));
  }
}

std::optional<Command> Decode(std::span<const std::uint8_t>& bytes) {
  const auto first = Take(bytes);
  if (!first) return std::nullopt;
  Command command{static_cast<Op>(*first % static_cast<int>(Op::Count))};
  const std::array<Int16*, 3> arguments = {&command.a, &command.b, &command.c};
  const std::vector<int> moduli = ArgumentModuli(command.op);
  for (std::size_t i = 0; i < moduli.size(); ++i) {
    const auto low = Take(bytes);
    const auto high = moduli[i] == 0 ? Take(bytes) : std::optional<int>(0);
    if (!low || !high) return std::nullopt;
    *arguments[i] = static_cast<Int16>(moduli[i] == 0 ? *low | *high << 8 : *low % moduli[i]);
  }
  if (command.op == Op::Ticks) ++command.a;
  return command;
}

void Recorder::Record(const Command& command) {
  const bool tick = command.op == Op::Tick;
  if (tick && !commands_.empty() && commands_.back().op == Op::Ticks && commands_.back().a < MaxTickRun) {
    ++commands_.back().a;
    return;
  }
  commands_.push_back(tick ? Command{Op::Ticks, 1} : command);
}

std::vector<std::uint8_t> Recorder::Bytes() const {
  std::vector<std::uint8_t> bytes;
  for (const Command& command : commands_) Encode(command, bytes);
  return bytes;
}

Session::Session() { game_.Form_Load(); }

std::vector<std::string> Session::Apply(const Command& command) {
  switch (command.op) {
    case Op::Tick:
      return Tick();
    case Op::Ticks:
      for (int i = 0; i < command.a; ++i)
        if (auto faults = Tick(); !faults.empty()) return faults;
      return {};
    case Op::Key:
      game_.Form_KeyDown(command.a);
      break;
    case Op::Speed:
      game_.SpeedPic_Click(command.a);
      break;
    case Op::Menu:
      Choose(static_cast<MenuItem>(command.a));
      break;
    case Op::SettingsOk:
      if (!settingsOpen_) return {};
      settingsOpen_ = false;
      game_.SettingsApplied(SnakePicture(command.a), SnakePicture(command.b), ObstaclePicture(command.c));
      break;
    case Op::SettingsClose:
      settingsOpen_ = false;
      return {};
    case Op::HelpClose:
      if (!helpOpen_) return {};
      helpOpen_ = false;
      game_.HelpClosed();
      break;
    case Op::EndScreenClick:
      if (!game_.widgets.EndScreen.Shown) return {};
      game_.EndScreenClicked();
      break;
    case Op::Time:
      clock_.minute = command.a;
      clock_.second = command.b;
      return {};
    case Op::OutOfSight:
      game_.OutOfSight();
      break;
    case Op::Turn:
      game_.TurnPlayer(command.a, command.b);
      break;
    case Op::Computer:
      if (command.a < 1 || command.a > 2) return {};
      if (command.b > static_cast<int>(Skill::Hard))
        computers_[command.a - 1].reset();
      else
        computers_[command.a - 1].emplace(static_cast<Skill>(command.b), command.a);
      return {};
    default:
      return {};
  }
  return SoundnessFaults(game_, After::Command);
}

// The game's clock only fires while it runs; the computer decides just
// before each tick, through the same turn rule as the keys.
std::vector<std::string> Session::Tick() {
  if (!game_.widgets.Timer1.Enabled) return {};
  for (Int16 player = 1; player <= 2; ++player)
    if (computerSteers(player)) game_.TurnPlayer(player, computers_[player - 1]->decide(game_, player));
  game_.Timer1_Timer();
  ++ticks_;
  return SoundnessFaults(game_, After::Tick);
}

void Session::Choose(MenuItem item) {
  switch (item) {
    case MenuItem::NewGame:
      return game_.NG_Click();
    case MenuItem::OnePlayer:
      return game_.p1_Click();
    case MenuItem::TwoPlayers:
      return game_.p2_Click();
    case MenuItem::Classic:
      return game_.classic_Click();
    case MenuItem::Campaign:
      return game_.cpn_Click();
    case MenuItem::Settings:
      settingsOpen_ = true;
      return game_.set_Click();
    case MenuItem::Help:
      helpOpen_ = true;
      return game_.hlp_Click();
    case MenuItem::Pause:
      return game_.PR_Click();
    default:
      exited_ = true;
      return;
  }
}

}  // namespace ouroboard::testing
