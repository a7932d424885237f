// Game controllers, as SDL's virtual pads: who steers, the stick's reach, the
// buttons on the board and on the end screens, and pads coming and going.
#include "input/pads.h"

#include <SDL.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "table_fixture.h"

namespace ouroboard::testing {
namespace {

// A pad as SDL sees a plugged-in controller, with every button and axis.
class VirtualPad {
 public:
  VirtualPad() {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    joystick_ = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
  }
  ~VirtualPad() { pull(); }

  int id() const { return SDL_JoystickInstanceID(joystick_); }
  void hold(SDL_GameControllerButton button, bool down) {
    SDL_JoystickSetVirtualButton(joystick_, button, down);
  }
  void stick(int x, int y) {
    SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, static_cast<Sint16>(x));
    SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTY, static_cast<Sint16>(y));
  }
  void pull() {
    if (joystick_ == nullptr) return;
    const int id = this->id();
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    for (int index = 0; index < SDL_NumJoysticks(); ++index)
      if (SDL_JoystickGetDeviceInstanceID(index) == id) SDL_JoystickDetachVirtual(index);
  }

 private:
  SDL_Joystick* joystick_ = nullptr;
};

class PadsTest : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    ASSERT_TRUE(pads->start());
    choose("p2");
    pause();
  }

  // A press and a release, each read as the pads are read.
  void tap(VirtualPad& pad, SDL_GameControllerButton button) {
    pad.hold(button, true);
    pads->poll();
    pad.hold(button, false);
    pads->poll();
  }
  void plug(std::unique_ptr<VirtualPad>& pad) {
    pad = std::make_unique<VirtualPad>();
    pads->poll();
  }
  Int16 heading(int player) { return player == 1 ? game().Dir1[game().Len1] : game().Dir2[game().Len2]; }

  std::unique_ptr<Pads> pads = std::make_unique<Pads>(table.session(), table.intents());
};

TEST_F(PadsTest, TwoPadsSteerTwoPlayersAndAThirdDoesNothing) {
  std::unique_ptr<VirtualPad> first, second, third;
  for (auto* pad : {&first, &second, &third}) plug(*pad);
  tap(*first, SDL_CONTROLLER_BUTTON_DPAD_UP);
  second->stick(0, 32767);
  pads->poll();
  tap(*third, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
  EXPECT_EQ(heading(1), Heading::Up);
  EXPECT_EQ(heading(2), Heading::Down);
  table.tick();
  QTest::keyClick(&table, Qt::Key_Left);  // the keyboard steers beside the pads
  EXPECT_EQ(heading(1), Heading::Left);
}

// The stick at x, y; or, where key is set, that key pressed instead.
struct Push {
  int x = 0, y = 0;
  Qt::Key key = Qt::Key(0);
};

struct StickCase {
  const char* what;
  std::vector<Push> pushes;
  std::vector<Int16> headings;  // player 1's heading after each
};

void PrintTo(const StickCase& stick, std::ostream* out) { *out << stick.what; }

class StickTest : public PadsTest, public ::testing::WithParamInterface<StickCase> {};

// Player 1 moves right; each turn is followed by a move so the next can count.
TEST_P(StickTest, TurnsOncePerPushPastHalfWay) {
  std::unique_ptr<VirtualPad> pad;
  plug(pad);
  const StickCase& stick = GetParam();
  for (std::size_t i = 0; i < stick.pushes.size(); ++i) {
    const Int16 before = heading(1);
    const Push& push = stick.pushes[i];
    if (push.key != 0) {
      QTest::keyClick(&table, push.key);
    } else {
      pad->stick(push.x, push.y);
      pads->poll();
    }
    EXPECT_EQ(heading(1), stick.headings[i]) << "push " << i;
    if (heading(1) != before) table.tick();
  }
}

constexpr Qt::Key Right = Qt::Key_Right;

INSTANTIATE_TEST_SUITE_P(
    Pads, StickTest,
    ::testing::Values(
        StickCase{"a_resting_stick", {{9000, -9000}, {3000, -15000}}, {Heading::Right, Heading::Right}},
        StickCase{"larger_axis_wins", {{12000, -20000}}, {Heading::Up}},
        StickCase{"held_push_turns_once",
                  {{0, -20000}, {.key = Right}, {0, -32767}, {14000, -12000}},
                  {Heading::Up, Heading::Right, Heading::Right, Heading::Right}},
        StickCase{"rest_then_push_again",
                  {{0, -20000}, {.key = Right}, {0, -5000}, {0, -20000}},
                  {Heading::Up, Heading::Right, Heading::Right, Heading::Up}}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(PadsTest, StartPausesAndResumesAndATurnCountsAtTheNextMove) {
  std::unique_ptr<VirtualPad> pad;
  plug(pad);
  tap(*pad, SDL_CONTROLLER_BUTTON_START);
  EXPECT_TRUE(table.gameClock().isActive());
  EXPECT_FALSE(pads->polling()) << "the ticks read the pads while the clock runs";
  const Cell head = game().Body1[game().Len1];
  pad->hold(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);  // not read until the tick
  table.tick();
  EXPECT_EQ(game().Body1[game().Len1], head + BoardSide);
  tap(*pad, SDL_CONTROLLER_BUTTON_START);
  EXPECT_FALSE(table.gameClock().isActive());
  EXPECT_TRUE(pads->polling());
}

// Start pressed, or a playing pad pulled, since the last look: the pause is
// read just before the tick and holds that tick's move back too.
TEST_F(PadsTest, APauseReadJustBeforeATickStopsItsMove) {
  std::unique_ptr<VirtualPad> pad, other;
  plug(pad);
  plug(other);
  const std::function<void()> pauses[] = {[&] { pad->hold(SDL_CONTROLLER_BUTTON_START, true); },
                                          [&] { other->pull(); }};
  for (const auto& pause : pauses) {
    choose("PR");
    ASSERT_TRUE(table.gameClock().isActive());
    pause();
    const Cell head = game().Body1[game().Len1];
    table.tick();
    EXPECT_FALSE(table.gameClock().isActive());
    EXPECT_EQ(game().Body1[game().Len1], head) << "a paused snake never moves";
    pad->hold(SDL_CONTROLLER_BUTTON_START, false);
    pads->poll();
  }
}

// A and Start dismiss each of the end screens, as Return does.
TEST_F(PadsTest, AAndStartDismissEveryEndScreen) {
  std::unique_ptr<VirtualPad> pad;
  plug(pad);
  for (const SDL_GameControllerButton button : {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_START}) {
    for (const Picture card :
         {Picture::GameOver, Picture::LevelProceed, Picture::ClassicOver, Picture::CampaignOver}) {
      game().widgets.EndScreen = {true, card, 1};
      game().widgets.Timer1.Enabled = false;
      table.sync();
      tap(*pad, button);
      EXPECT_FALSE(shown().EndScreen.Shown) << int(button) << " " << int(card);
      EXPECT_TRUE(table.gameClock().isActive());
      settle();
    }
  }
}

TEST_F(PadsTest, PullingAPlayingPadPausesAndPluggingTakesTheFirstFreePlace) {
  EXPECT_FALSE(pads->polling()) << "no pad, no timer";
  std::unique_ptr<VirtualPad> first, second;
  plug(first);
  plug(second);
  EXPECT_TRUE(pads->polling());
  choose("PR");
  first->pull();
  pads->poll();
  EXPECT_FALSE(table.gameClock().isActive()) << "RESUME";
  tap(*second, SDL_CONTROLLER_BUTTON_DPAD_UP);
  EXPECT_EQ(heading(2), Heading::Up) << "the pad behind keeps its player";
  EXPECT_EQ(heading(1), Heading::Right);
  second->pull();
  pads->poll();
  EXPECT_FALSE(table.gameClock().isActive());
  EXPECT_FALSE(pads->polling());
  std::unique_ptr<VirtualPad> again;
  plug(again);
  tap(*again, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
  EXPECT_EQ(heading(1), Heading::Down);
}

// SDL is loaded only once the kernel lists a device with joystick or gamepad
// buttons: keys and mouse buttons alone are no pad.
TEST(PadsPluggedTest, OnlyJoystickOrGamepadButtonsMakeAPad) {
  const std::pair<QByteArrayList, bool> machines[] = {
      {{}, false},
      {{"fffffffffffffffe"}, false},                             // a keyboard
      {{"1f0000 0 0 0 0"}, false},                               // a mouse's buttons
      {{"fffffffffffffffe", "7fff000000000000 0 0 0 0"}, true},  // and a gamepad
      {{"ffff00000000 0 0 0 0"}, true},                          // a joystick
      {{"3 0 0 0 0 0 0"}, false},                                // keys far above them
  };
  for (const auto& [devices, pad] : machines) {
    QTemporaryDir sysfs;
    for (qsizetype i = 0; i < devices.size(); ++i) {
      const QString capabilities = sysfs.filePath(QStringLiteral("event%1/device/capabilities").arg(i));
      QFile key(capabilities + QStringLiteral("/key"));
      ASSERT_TRUE(QDir().mkpath(capabilities) && key.open(QIODevice::WriteOnly) && key.write(devices[i]) > 0);
    }
    EXPECT_EQ(aPadIsPlugged(sysfs.path()), pad) << devices.join('|').toStdString();
  }
}

}  // namespace
}  // namespace ouroboard::testing
