// The soundness rules that the soak and the fuzzer rely on must see each kind
// of broken game, or a green soak proves nothing; and the games they play must
// survive being stored as bytes.
#include "soundness.h"

#include <functional>

#include "fixture.h"
#include "session.h"

namespace ouroboard::testing {
namespace {

class SoundnessTest : public GameTest {
 protected:
  void SetUp() override {
    LoadTwoPlayers();
    game.cpn_Click();
    game.Timer1_Timer();
  }
};

TEST_F(SoundnessTest, EachBrokenRuleIsReported) {
  ASSERT_TRUE(SoundnessFaults(game, After::Tick).empty());
  const std::pair<const char*, std::function<void(Game&)>> breaks[] = {
      {"cell off the board", [](Game& g) { g.Body2[0] = 900; }},
      {"heading outside 1..4", [](Game& g) { g.Dir1[2] = 5; }},
      {"slot above the head in use", [](Game& g) { g.Body1[g.Len1 + 1] = 3; }},
      {"length without the items", [](Game& g) { g.Eaten1 = 1; }},
      {"broken body", [](Game& g) { g.Body1[2] = 500; }},
      {"snake on a wall", [](Game& g) { g.Obstacle[g.Body2[3]] = True; }},
      {"food outside rows 3..26", [](Game& g) { g.FoodCell = 99; }},
      {"food under a snake", [](Game& g) { g.FoodCell = g.Body2[1]; }},
      {"food not shown", [](Game& g) { g.widgets.TableBlock[g.FoodCell] = Picture::Empty; }},
      {"a second food item", [](Game& g) { g.widgets.TableBlock[850] = Picture::Food2; }},
      {"lit steps not a run", [](Game& g) { g.widgets.SpeedPic[5] = g.widgets.SpeedUp[5]; }},
      {"interval not of the lit steps", [](Game& g) { g.widgets.Timer1.Interval = 100; }},
      {"level 8", [](Game& g) { g.Level = 8; }},
      {"classic on level 2", [](Game& g) { g.Campaign = False, g.Level = 2; }},
      {"walls of another level", [](Game& g) { g.Obstacle[0] = True; }},
      {"label behind the score", [](Game& g) { g.Score2 = 500; }},
      {"main window hidden", [](Game& g) { g.widgets.MainWindowVisible = false; }},
  };
  for (const auto& [name, breakRule] : breaks) {
    Game broken = game;
    breakRule(broken);
    EXPECT_FALSE(SoundnessFaults(broken, After::Tick).empty()) << name;
  }
}

// Behind a game-over screen the lost level's walls may still stand, and
// the labels show the lost game's scores.
TEST_F(SoundnessTest, AGameLostOnAWalledLevelIsSound) {
  game.Level = 3;
  game.SetObstacles();
  game.Score1 = 500;
  game.Reset();
  for (const Int16 key : {Key::UpArrow, Key::LeftArrow, Key::DownArrow}) {  // onto its own neck
    game.Form_KeyDown(key);
    game.Timer1_Timer();
  }
  ASSERT_EQ(game.widgets.EndScreen.Background, Picture::GameOver);
  EXPECT_EQ(game.widgets.Label1, "500");
  EXPECT_TRUE(SoundnessFaults(game, After::Tick).empty());
}

// The seed games are stored as bytes: every command must come back as it went.
TEST(CommandBytes, EveryCommandComesBackAsItWent) {
  const Command commands[] = {{Op::Tick},
                              {Op::Ticks, 1},
                              {Op::Ticks, 256},
                              KeyCommand(-32768),
                              KeyCommand(Key::W),
                              {Op::Speed, 32767},
                              {Op::Speed, -1},
                              MenuCommand(MenuItem::Exit),
                              {Op::SettingsOk, 4, 0, 6},
                              {Op::SettingsClose},
                              {Op::HelpClose},
                              {Op::EndScreenClick},
                              {Op::Time, 59, 0},
                              {Op::OutOfSight}};
  std::vector<std::uint8_t> bytes;
  for (const Command& command : commands) Encode(command, bytes);
  std::span<const std::uint8_t> input(bytes);
  for (const Command& command : commands) EXPECT_EQ(Decode(input), command) << static_cast<int>(command.op);
  EXPECT_EQ(Decode(input), std::nullopt);
}

}  // namespace
}  // namespace ouroboard::testing
