#include "pads.h"

#include <SDL.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QLibrary>
#include <QLoggingCategory>
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "intents.h"
#include "session.h"

namespace ouroboard {
namespace {

Q_LOGGING_CATEGORY(padsLog, "ouroboard.pads")

// While the clock is stopped the pads are read about as often as a screen
// refreshes; while it runs, just before each tick.
constexpr int PollInterval = 16;
// A new device node takes a moment to be set up; it is looked for this often,
// for this long, after /dev/input changes.
constexpr int LookoutInterval = 100;
constexpr int LookoutLength = 3000;
// The stick turns past half-way and must come back under a third first.
constexpr int TurnReach = 16384;
constexpr int RestReach = 10923;

// The kernel's key codes of joystick and gamepad buttons (BTN_JOYSTICK up to
// the last BTN_GAMEPAD button).
constexpr int FirstPadButton = 0x120;
constexpr int LastPadButton = 0x13f;

// A device's key capabilities as sysfs lists them: hexadecimal words of an
// unsigned long each, the highest first.
bool hasPadButtons(const QByteArray& keyBits) {
  constexpr int WordBits = std::numeric_limits<unsigned long>::digits;
  const QList<QByteArray> words = keyBits.trimmed().split(' ');
  for (int button = FirstPadButton; button <= LastPadButton; ++button) {
    const qsizetype word = words.size() - 1 - button / WordBits;
    if (word >= 0 && (words[word].toULongLong(nullptr, 16) >> (button % WordBits) & 1U)) return true;
  }
  return false;
}

void complain(const QString& why) {
  //: Printed at start-up when no pad can be used, after the name of the game's log. %1: the system's reason, in English.
  const QString says = QCoreApplication::translate("Pads", "no game controllers: %1");
  qCWarning(padsLog).noquote() << says.arg(why);
}

}  // namespace

// SDL, with the few calls the game makes, opened by name once the game runs.
struct Pads::Library {
  QLibrary file{QStringLiteral("SDL2-2.0"), 0};
  decltype(&SDL_SetHint) SetHint = nullptr;
  decltype(&SDL_InitSubSystem) InitSubSystem = nullptr;
  decltype(&SDL_QuitSubSystem) QuitSubSystem = nullptr;
  decltype(&SDL_GetError) GetError = nullptr;
  decltype(&SDL_PollEvent) PollEvent = nullptr;
  decltype(&SDL_IsGameController) IsGameController = nullptr;
  decltype(&SDL_GameControllerOpen) Open = nullptr;
  decltype(&SDL_GameControllerClose) Close = nullptr;
  decltype(&SDL_GameControllerGetJoystick) Joystick = nullptr;
  decltype(&SDL_JoystickInstanceID) InstanceId = nullptr;
  decltype(&SDL_GameControllerGetAxis) Axis = nullptr;

  bool load() {
    return file.load() && bind(SetHint, "SDL_SetHint") && bind(InitSubSystem, "SDL_InitSubSystem") &&
           bind(QuitSubSystem, "SDL_QuitSubSystem") && bind(GetError, "SDL_GetError") &&
           bind(PollEvent, "SDL_PollEvent") && bind(IsGameController, "SDL_IsGameController") &&
           bind(Open, "SDL_GameControllerOpen") && bind(Close, "SDL_GameControllerClose") &&
           bind(Joystick, "SDL_GameControllerGetJoystick") && bind(InstanceId, "SDL_JoystickInstanceID") &&
           bind(Axis, "SDL_GameControllerGetAxis");
  }

  template <typename Function>
  bool bind(Function& function, const char* name) {
    function = reinterpret_cast<Function>(file.resolve(name));
    return function != nullptr;
  }
};

struct Pads::Pad {
  SDL_GameController* controller;
  int id;
  int player;
  Int16 stickHeading = Game::NoTurn;  // where the stick last turned, until it rests
};

Pads::Pads(Session& session, Intents& intents) : session_(session), intents_(intents) {
  timer_.setInterval(PollInterval);
  connect(&timer_, &QTimer::timeout, this, &Pads::poll);
  lookout_.setInterval(LookoutInterval);
  connect(&session, &Session::aboutToTick, this, [this] {
    if (players_[0] || players_[1]) poll();
  });
  connect(&session, &Session::clockChanged, this, &Pads::keepPolling);
}

Pads::~Pads() {
  if (sdl_ == nullptr) return;
  for (auto& pad : players_)
    if (pad) sdl_->Close(pad->controller);
  sdl_->QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool aPadIsPlugged(const QString& inputClass) {
  const QDir devices(inputClass);
  for (const QString& device :
       devices.entryList({QStringLiteral("event*")}, QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile keys(devices.filePath(device + QStringLiteral("/device/capabilities/key")));
    if (keys.open(QIODevice::ReadOnly) && hasPadButtons(keys.readAll())) return true;
  }
  return false;
}

void Pads::startWhenPlugged() {
  watchForNewDevices();
  if (aPadIsPlugged()) start();
}

bool Pads::start() {
  auto sdl = std::make_unique<Library>();
  if (!sdl->load()) return giveUp(sdl->file.errorString());
  // Ctrl+C and the desktop's requests to quit stay the game's business.
  sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  sdl->SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  if (sdl->InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return giveUp(QString::fromUtf8(sdl->GetError()));
  sdl_ = std::move(sdl);
  if (devices_ == nullptr) watchForNewDevices();
  poll();  // the pads already plugged in
  return true;
}

// Said once: the game stops looking for pads.
bool Pads::giveUp(const QString& why) {
  complain(why);
  if (devices_ != nullptr) devices_->deleteLater();
  devices_ = nullptr;
  return false;
}

// SDL notices a new device when it next looks; the directory of input
// devices says when to look, so that nothing wakes the game without pads.
// SDL itself is loaded at the first pad.
void Pads::watchForNewDevices() {
  const QString devices = QStringLiteral("/dev/input");
  if (!QDir(devices).exists()) return;
  devices_ = new QFileSystemWatcher({devices}, this);
  auto lookoutEnds = std::make_shared<QDeadlineTimer>();
  connect(devices_, &QFileSystemWatcher::directoryChanged, this, [this, lookoutEnds] {
    if (sdl_ == nullptr && !(aPadIsPlugged() && start())) return;
    *lookoutEnds = QDeadlineTimer(LookoutLength);
    lookout_.start();
  });
  connect(&lookout_, &QTimer::timeout, this, [this, lookoutEnds] {
    poll();
    if (lookoutEnds->hasExpired()) lookout_.stop();
  });
}

void Pads::poll() {
  if (sdl_ == nullptr) return;
  SDL_Event event;
  while (sdl_->PollEvent(&event)) handle(event);
}

void Pads::handle(const SDL_Event& event) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      plugged(event.cdevice.which);
      break;
    case SDL_CONTROLLERDEVICEREMOVED:
      pulled(event.cdevice.which);
      break;
    case SDL_CONTROLLERBUTTONDOWN:
      pressed(event.cbutton.which, event.cbutton.button);
      break;
    case SDL_CONTROLLERAXISMOTION:
      if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX || event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
        stickMoved(event.caxis.which);
      break;
    default:
      break;
  }
}

// A pad takes the first free player; with both taken it does nothing.
void Pads::plugged(int deviceIndex) {
  const auto free = std::find(players_.begin(), players_.end(), nullptr);
  if (free == players_.end() || !sdl_->IsGameController(deviceIndex)) return;
  SDL_GameController* controller = sdl_->Open(deviceIndex);
  if (controller == nullptr) return;
  const int id = sdl_->InstanceId(sdl_->Joystick(controller));
  if (find(id) != nullptr) {
    sdl_->Close(controller);  // already ours: SDL counts each opening
    return;
  }
  *free = std::make_unique<Pad>(Pad{controller, id, static_cast<int>(free - players_.begin()) + 1});
  keepPolling();
}

// The pads behind it keep their players. A playing player's pad that goes
// pauses the game, as consoles do.
void Pads::pulled(int instanceId) {
  for (auto& pad : players_) {
    if (!pad || pad->id != instanceId) continue;
    const int player = pad->player;
    sdl_->Close(pad->controller);
    pad.reset();
    if (intents_.steersByHand(player)) intents_.pauseIfRunning();
  }
  keepPolling();
}

// The pad of the player the computer steers does nothing.
void Pads::pressed(int instanceId, int button) {
  const Pad* pad = find(instanceId);
  if (pad == nullptr || pad->player == intents_.computerPlayer()) return;
  switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
      return intents_.turn(pad->player, Heading::Left);
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
      return intents_.turn(pad->player, Heading::Up);
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
      return intents_.turn(pad->player, Heading::Right);
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
      return intents_.turn(pad->player, Heading::Down);
    case SDL_CONTROLLER_BUTTON_START:
      if (intents_.endScreenUp()) return intents_.dismissEndScreen();
      return intents_.pauseOrResume();
    case SDL_CONTROLLER_BUTTON_A:
      return intents_.dismissEndScreen();
    default:
      return;
  }
}

// The larger axis decides, once per push: a stick that rests slightly off
// centre, or stays pushed, turns nothing.
void Pads::stickMoved(int instanceId) {
  Pad* pad = find(instanceId);
  if (pad == nullptr) return;
  const int x = sdl_->Axis(pad->controller, SDL_CONTROLLER_AXIS_LEFTX);
  const int y = sdl_->Axis(pad->controller, SDL_CONTROLLER_AXIS_LEFTY);
  const int reach = std::max(std::abs(x), std::abs(y));
  if (reach < RestReach) pad->stickHeading = Game::NoTurn;
  if (reach < TurnReach) return;
  const Int16 heading = std::abs(x) >= std::abs(y) ? (x > 0 ? Heading::Right : Heading::Left)
                                                   : (y > 0 ? Heading::Down : Heading::Up);
  if (heading == pad->stickHeading) return;
  pad->stickHeading = heading;
  intents_.turn(pad->player, heading);
}

Pads::Pad* Pads::find(int instanceId) {
  for (auto& pad : players_)
    if (pad && pad->id == instanceId) return pad.get();
  return nullptr;
}

// The timer runs only while a pad is plugged in and the clock is stopped.
void Pads::keepPolling() {
  const bool any = players_[0] || players_[1];
  if (any && !session_.clock().isActive())
    timer_.start();
  else
    timer_.stop();
}

}  // namespace ouroboard
