// Game controllers: the first pad steers player 1, the second player 2.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <memory>

#include "types.h"

class QFileSystemWatcher;
union SDL_Event;

namespace ouroboard {

class Intents;
class Session;

// Whether the kernel lists an input device with joystick or gamepad buttons.
bool aPadIsPlugged(const QString& inputClass = QStringLiteral("/sys/class/input"));

// Reads the pads through SDL's game-controller API, loaded only once the
// game runs, so that a game without pads never pays for it. The D-pad and the
// left stick turn the snake, Start pauses and resumes, A and Start dismiss
// an end screen. Pulling out a playing player's pad pauses the game.
class Pads : public QObject {
 public:
  Pads(Session& session, Intents& intents);
  ~Pads() override;

  // Opens SDL's game controllers; where they cannot be opened the game stays
  // keyboard-only, and says so in one line on standard error.
  bool start();
  // Starts now if a pad is plugged in, else when the first one is.
  void startWhenPlugged();
  // Takes in whatever the pads did since the last look.
  void poll();
  bool polling() const { return timer_.isActive(); }

 private:
  struct Pad;
  struct Library;

  void handle(const SDL_Event& event);
  void plugged(int deviceIndex);
  void pulled(int instanceId);
  void pressed(int instanceId, int button);
  void stickMoved(int instanceId);
  Pad* find(int instanceId);
  void watchForNewDevices();
  bool giveUp(const QString& why);
  void keepPolling();

  Session& session_;
  Intents& intents_;
  std::unique_ptr<Library> sdl_;
  std::array<std::unique_ptr<Pad>, 2> players_;
  QTimer timer_;
  QTimer lookout_;
  QFileSystemWatcher* devices_ = nullptr;
};

}  // namespace ouroboard
