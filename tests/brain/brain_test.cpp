#include "brain.h"

#include <atomic>
#include <cstdlib>
#include <new>
#include <string_view>

#include "fixture.h"

// Counts the allocations of the whole program, so that a test can tell
// whether a decision allocated.
namespace {
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace ouroboard::testing {
namespace {

constexpr std::array<Skill, 3> AllSkills = {Skill::Easy, Skill::Normal, Skill::Hard};

Cell Toward(int cell, int heading) {
  const int row = cell / BoardSide, column = cell % BoardSide;
  switch (heading) {
    case Heading::Right: return static_cast<Cell>(row * BoardSide + (column + 1) % BoardSide);
    case Heading::Left: return static_cast<Cell>(row * BoardSide + (column + BoardSide - 1) % BoardSide);
    case Heading::Up: return static_cast<Cell>((row + BoardSide - 1) % BoardSide * BoardSide + column);
    default: return static_cast<Cell>((row + 1) % BoardSide * BoardSide + column);
  }
}

Int16 Reverse(Int16 heading) { return heading % 2 == 1 ? heading + 1 : heading - 1; }

class BrainTest : public GameTest {
 protected:
  void SetUp() override { Load(); }

  // Lays out a board written as text, one string per row from the top: '#' a
  // wall, '*' the food, and player 1's snake in letters from its tail 'a' to
  // its head. Whatever the text leaves out is free.
  void Draw(std::initializer_list<std::string_view> rows) {
    game.Obstacle.fill(False);
    game.Body1.fill(-1);
    game.Dir1.fill(Heading::Unused);
    int row = 0, len = -1;
    for (const std::string_view text : rows) {
      for (int column = 0; column < static_cast<int>(text.size()); ++column) {
        const auto cell = static_cast<Cell>(row * BoardSide + column);
        const char mark = text[column];
        if (mark == '#') game.Obstacle[cell] = True;
        if (mark == '*') game.FoodCell = cell;
        if (mark >= 'a' && mark <= 'z') {
          game.Body1[mark - 'a'] = cell;
          len = std::max(len, mark - 'a');
        }
      }
      ++row;
    }
    game.Len1 = static_cast<Int16>(len);
    for (int k = 0; k < len; ++k)
      for (Int16 heading = Heading::Right; heading <= Heading::Down; ++heading)
        if (Toward(game.Body1[k], heading) == game.Body1[k + 1]) game.Dir1[k] = game.Dir1[k + 1] = heading;
    game.Moved1 = game.Dir1[len];
  }

  // Lets the brain steer player 1 through the game's own turn rule.
  void Play(Brain& brain, int ticks) {
    for (int tick = 0; tick < ticks && !game.widgets.EndScreen.Shown; ++tick) {
      game.TurnPlayer(1, brain.decide(game, 1));
      game.Timer1_Timer();
    }
  }

  // Chases the food by the shortest way across the edges, dodging only what
  // would kill it on this very move.
  void PlayGreedy(int ticks) {
    for (int tick = 0; tick < ticks && !game.widgets.EndScreen.Shown; ++tick) {
      const Cell head = game.Body1[game.Len1];
      const auto distance = [this](Cell cell) {
        const int rows = std::abs(cell / BoardSide - game.FoodCell / BoardSide);
        const int columns = std::abs(cell % BoardSide - game.FoodCell % BoardSide);
        return std::min(rows, BoardSide - rows) + std::min(columns, BoardSide - columns);
      };
      Int16 best = game.Moved1;
      int bestDistance = CellCount;
      for (Int16 heading = Heading::Right; heading <= Heading::Down; ++heading) {
        const Cell next = Toward(head, heading);
        const auto end = game.Body1.begin() + game.Len1 + 1;
        const bool deadly = game.Obstacle[next] != False || std::find(game.Body1.begin() + 1, end, next) != end;
        if (heading == Reverse(game.Moved1) || deadly || distance(next) >= bestDistance) continue;
        best = heading;
        bestDistance = distance(next);
      }
      game.TurnPlayer(1, best);
      game.Timer1_Timer();
    }
  }

  bool Lost() const { return game.widgets.EndScreen.Shown && game.widgets.EndScreen.Background == Picture::GameOver; }
};

// The way the snake moves is read off its neck, also where the neck lies
// across the board's edge or the snake has just eaten; the answer is never
// the way back.
TEST_F(BrainTest, NeverAnswersTheWayBackOntoTheNeck) {
  const std::initializer_list<std::initializer_list<std::string_view>> boards = {
      {"", "", "", "", "", "f                        abcde", "", "", "", "*"},  // right, across the edge
      {"", "", "", "", "", "edcba                        f", "", "", "", "*"},  // left, across the edge
      {"     f", "", "", "", "", "", "", "", "", "", "*", "", "", "", "", "", "", "", "", "", "", "", "", "",
       "", "     a", "     b", "     c", "     d", "     e"},  // down, across the edge
      {"", "", "", "", "*      abcdef"},                         // right, the food behind the tail
  };
  for (const Skill skill : AllSkills)
    for (const auto& board : boards) {
      Draw(board);
      Brain brain(skill, 7);
      const Int16 moving = game.Moved1;
      EXPECT_NE(brain.decide(game, 1), Reverse(moving)) << "skill " << static_cast<int>(skill);
      game.Body1[0] = game.Body1[game.Len1];  // as the snake lies right after a bite
      EXPECT_NE(brain.decide(game, 1), Reverse(moving)) << "skill " << static_cast<int>(skill);
    }
}

// Food at the end of a dead end one cell wide: a snake that goes in to eat
// cannot turn round and dies. Greedy chasing does; no skill does.
TEST_F(BrainTest, LeavesFoodThatWouldShutItIn) {
  const std::initializer_list<std::string_view> deadEnd = {"", "", "", "  ###", "  #*#", "  #.#", "  #.#", "   j", "   i", "   h", "   g", "   f",
                        "   e", "   d", "   c", "   b", "   a"};
  Draw(deadEnd);
  PlayGreedy(20);
  EXPECT_TRUE(Lost()) << "greedy chasing survives the dead end: the board tests nothing";
  for (const Skill skill : AllSkills) {
    game.NG_Click();
    Draw(deadEnd);
    Brain brain(skill, 3);
    Play(brain, 400);
    EXPECT_FALSE(Lost()) << "skill " << static_cast<int>(skill);
    EXPECT_EQ(game.Eaten1, 0) << "skill " << static_cast<int>(skill);
  }
}

// Food just across an edge: the hard player takes the short way over it and
// eats as many moves later as the wrapped distance.
TEST_F(BrainTest, HardTakesTheWayAcrossTheEdges) {
  struct Case {
    int head, heading, food, moves;
  };
  const Case cases[] = {
      {10 * 30 + 2, Heading::Up, 10 * 30 + 27, 5},   // left over the left edge
      {5 * 30 + 27, Heading::Down, 5 * 30 + 3, 6},   // right over the right edge
      {27 * 30 + 5, Heading::Right, 4 * 30 + 5, 7},  // down over the bottom edge
      {8 * 30 + 20, Heading::Left, 26 * 30 + 20, 12},  // up over the top edge
  };
  for (const Case& c : cases) {
    game.NG_Click();
    Lay(game.Body1, game.Dir1, game.Len1, c.head, static_cast<Int16>(c.heading));
    game.Moved1 = static_cast<Int16>(c.heading);
    game.FoodCell = static_cast<Cell>(c.food);
    Brain brain(Skill::Hard, 1);
    Play(brain, c.moves);
    EXPECT_EQ(game.Eaten1, 1) << "from " << c.head << " to " << c.food;
  }
}

// Whole seeded classic games: chasing the food greedily dies long before the
// hundredth item; the hard player eats all hundred.
TEST_F(BrainTest, HardFinishesClassicGamesThatGreedyChasingLoses) {
  for (const int seed : {11, 12, 13}) {
    game.NG_Click();
    random.Reseed(seed);
    PlayGreedy(20'000);
    EXPECT_TRUE(Lost()) << "seed " << seed;
    game.NG_Click();
    random.Reseed(seed);
    Brain brain(Skill::Hard, seed);
    Play(brain, 20'000);
    EXPECT_EQ(game.widgets.EndScreen.Background, Picture::ClassicOver) << "seed " << seed;
  }
}

// The same seed plays the same game, and a decision allocates nothing.
TEST(BrainPlay, SeededRepeatableAndWithoutAllocation) {
  for (const Skill skill : AllSkills) {
    SlotArray bodies[2];
    for (SlotArray& body : bodies) {
      FakeClock clock;
      MixingRandom random(5);
      Game game(clock, random);
      game.Form_Load();
      game.p2_Click();
      Brain one(skill, 99), two(skill, 100);
      long allocated = 0;
      for (int tick = 0; tick < 600; ++tick) {
        const long before = allocations;
        const Int16 first = one.decide(game, 1), second = two.decide(game, 2);
        allocated += allocations - before;
        game.TurnPlayer(1, first);
        game.TurnPlayer(2, second);
        game.Timer1_Timer();
      }
      EXPECT_EQ(allocated, 0) << "skill " << static_cast<int>(skill);
      body = game.Body1;
    }
    EXPECT_EQ(bodies[0], bodies[1]) << "skill " << static_cast<int>(skill);
  }
}

}  // namespace
}  // namespace ouroboard::testing
