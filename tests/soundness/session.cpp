#include "session.h"

#include "soundness.h"

namespace ouroboard::testing {
namespace {

constexpr int MaxTickRun = 256;

std::uint8_t Byte(int value) { return static_cast<std::uint8_t>(value); }

std::optional<std::uint8_t> Take(std::span<const std::uint8_t>& bytes) {
  if (bytes.empty()) return std::nullopt;
  const std::uint8_t first = bytes.front();
  bytes = bytes.subspan(1);
  return first;
}

// Reads count argument bytes, each reduced by its modulus (0: a 16-bit pair).
template <std::size_t Count>
std::optional<std::array<int, Count>> TakeArguments(std::span<const std::uint8_t>& bytes,
                                                    const std::array<int, Count>& moduli) {
  std::array<int, Count> values{};
  for (std::size_t i = 0; i < Count; ++i) {
    const auto low = Take(bytes);
    if (!low) return std::nullopt;
    if (moduli[i] != 0) {
      values[i] = *low % moduli[i];
      continue;
    }
    const auto high = Take(bytes);
    if (!high) return std::nullopt;
    values[i] = static_cast<Int16>(*low | *high << 8);
  }
  return values;
}

void PutInt16(Int16 value, std::vector<std::uint8_t>& bytes) {
  const auto bits = static_cast<std::uint16_t>(value);
  bytes.push_back(Byte(bits & 0xff));
  bytes.push_back(Byte(bits >> 8));
}

Int16 Narrow(int value) { return static_cast<Int16>(value); }

}  // namespace

Command MenuCommand(MenuItem item) { return {Op::Menu, static_cast<Int16>(item)}; }

Command KeyCommand(Int16 keyCode) { return {Op::Key, keyCode}; }

void Encode(const Command& command, std::vector<std::uint8_t>& bytes) {
  bytes.push_back(static_cast<std::uint8_t>(command.op));
  switch (command.op) {
    case Op::Ticks:
      bytes.push_back(Byte(command.a - 1));
      break;
    case Op::Key:
    case Op::Speed:
      PutInt16(command.a, bytes);
      break;
    case Op::Menu:
      bytes.push_back(Byte(command.a));
      break;
    case Op::SettingsOk:
      bytes.insert(bytes.end(), {Byte(command.a), Byte(command.b), Byte(command.c)});
      break;
    case Op::Time:
      bytes.insert(bytes.end(), {Byte(command.a), Byte(command.b)});
      break;
    default:
      break;
  }
}

std::optional<Command> Decode(std::span<const std::uint8_t>& bytes) {
  const auto first = Take(bytes);
  if (!first) return std::nullopt;
  Command command{static_cast<Op>(*first % static_cast<int>(Op::Count))};
  const auto put = [&command](const auto& values) {
    if (!values) return false;
    const std::array<Int16*, 3> targets = {&command.a, &command.b, &command.c};
    for (std::size_t i = 0; i < values->size(); ++i) *targets[i] = Narrow((*values)[i]);
    return true;
  };
  bool complete = true;
  switch (command.op) {
    case Op::Ticks:
      complete = put(TakeArguments<1>(bytes, {MaxTickRun}));
      command.a = Narrow(command.a + 1);
      break;
    case Op::Key:
    case Op::Speed:
      complete = put(TakeArguments<1>(bytes, {0}));
      break;
    case Op::Menu:
      complete = put(TakeArguments<1>(bytes, {static_cast<int>(MenuItem::Count)}));
      break;
    case Op::SettingsOk:
      complete = put(TakeArguments<3>(bytes, {SnakePictureCount, SnakePictureCount, ObstaclePictureCount}));
      break;
    case Op::Time:
      complete = put(TakeArguments<2>(bytes, {60, 60}));
      break;
    default:
      break;
  }
  if (!complete) return std::nullopt;
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
    default:
      return {};
  }
  return SoundnessFaults(game_, After::Command);
}

// The game's clock only fires while it runs.
std::vector<std::string> Session::Tick() {
  if (!game_.widgets.Timer1.Enabled) return {};
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
