<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Game</name>
    <message>
        <source>PAUSE</source>
        <translation>PAUZA</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>WZNÓW</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>pause or resume</source>
        <translation>wstrzymanie lub wznowienie gry</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>nowa gra</translation>
    </message>
    <message>
        <source>help</source>
        <translation>pomoc</translation>
    </message>
    <message>
        <source>open the Options menu</source>
        <translation>otwarcie menu Opcje</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>wyjście z gry</translation>
    </message>
    <message>
        <source>next speed step</source>
        <translation>następny stopień prędkości</translation>
    </message>
    <message>
        <source>previous speed step</source>
        <translation>poprzedni stopień prędkości</translation>
    </message>
    <message>
        <source>dismiss the picture at the end of a level or a game</source>
        <translation>zamknięcie obrazka na końcu poziomu lub gry</translation>
    </message>
    <message>
        <source>Player %1 steers with %2</source>
        <translation>Gracz %1 steruje klawiszami %2</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Klawisze:</translation>
    </message>
</context>
<context>
    <name>Pads</name>
    <message>
        <source>ouroboard: no game controllers: %1</source>
        <translation>ouroboard: brak kontrolerów gier: %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>ouroboard: no display could be opened: %1</source>
        <translation>ouroboard: nie można otworzyć ekranu: %1</translation>
    </message>
    <message>
        <source>ouroboard: no display found; run it from a graphical desktop session</source>
        <translation>ouroboard: nie znaleziono ekranu; uruchom grę w graficznej sesji pulpitu</translation>
    </message>
</context>
<context>
    <name>ouroboard::Board</name>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>The playing field, %1 by %2 cells</source>
        <translation>Pole gry, %1 × %2 pól</translation>
    </message>
</context>
<context>
    <name>ouroboard::ChoiceRow</name>
    <message>
        <source>%1, picture %2 of %3</source>
        <extracomment>A picture in a row of Settings, for a screen reader: %1 the row&apos;s name (a snake or the obstacle), %2 the picture&apos;s place in the row, %3 how many pictures the row has</extracomment>
        <translation>%1, obrazek %2 z %3</translation>
    </message>
</context>
<context>
    <name>ouroboard::EndScreen</name>
    <message>
        <source>Level completed</source>
        <translation>Poziom ukończony</translation>
    </message>
    <message>
        <source>Proceed to the next level.</source>
        <translation>Przejdź do następnego poziomu.</translation>
    </message>
    <message>
        <source>Bravo! You have won the whole campaign</source>
        <translation>Brawo! Cała kampania wygrana</translation>
    </message>
    <message>
        <source>You have conquered every level. Congratulations!</source>
        <translation>Wszystkie poziomy zdobyte. Gratulacje!</translation>
    </message>
    <message>
        <source>Well done! You have completed the classic mode</source>
        <translation>Dobra robota! Tryb klasyczny ukończony</translation>
    </message>
    <message>
        <source>Try the campaign mode.</source>
        <translation>Spróbuj trybu kampanii.</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>Try again: there is always a next chance.</source>
        <translation>Spróbuj jeszcze raz: zawsze jest następna szansa.</translation>
    </message>
    <message>
        <source>Press %1 or click to continue.</source>
        <translation>Naciśnij %1 lub kliknij, aby kontynuować.</translation>
    </message>
</context>
<context>
    <name>ouroboard::HlpFrm</name>
    <message>
        <source>Game controllers: the first pad plugged in steers player 1 and the second player 2. The D-pad or the left stick turns the snake, Start pauses and resumes the game, and A or Start dismisses the picture at the end of a level or a game.</source>
        <translation>Kontrolery: pierwszy podłączony pad steruje graczem 1, a drugi graczem 2. Krzyżak lub lewa gałka skręcają węża, Start wstrzymuje i wznawia grę, a A lub Start zamyka obrazek na końcu poziomu lub gry.</translation>
    </message>
    <message>
        <source>Ouroboard is inspired by SNAKE, the classic game of its kind. It is freeware, and anyone may distribute it freely. If you make changes to it, please make them known.</source>
        <translation>Ouroboard jest inspirowany grą SNAKE, klasykiem gatunku. Jest darmowy (freeware) i każdy może go swobodnie rozpowszechniać. Jeśli wprowadzisz w nim zmiany, prosimy o ich upublicznienie.</translation>
    </message>
    <message>
        <source>The game has two modes : classical and campaign modes. </source>
        <translation>Gra ma dwa tryby: klasyczny i kampanię. </translation>
    </message>
    <message>
        <source>In classical mode, you can go on playing the game. It can be played in different speeds by using the speed indicator. Higher the speed, higher will be the score. </source>
        <translation>W trybie klasycznym możesz grać bez końca. Prędkość gry ustawia się wskaźnikiem prędkości: im wyższa prędkość, tym więcej punktów. </translation>
    </message>
    <message>
        <source>In Campaign mode you can advance through various levels. The game goes on becoming difficult as the game advances. It too, can also be played in various speeds and scoring increases accordingly.</source>
        <translation>W trybie kampanii przechodzisz kolejne poziomy, a gra z każdym z nich staje się coraz trudniejsza. W tym trybie również można grać z różnymi prędkościami, a punktacja rośnie odpowiednio.</translation>
    </message>
    <message>
        <source>The game supports two player game. Two player mode also contains both classical and campaign modes. But care should be taken that if one player is out, the game is over for both the players.</source>
        <translation>W grę mogą grać również dwie osoby. W trybie dla dwóch graczy także dostępne są tryb klasyczny i kampania. Uwaga: jeśli jeden z graczy odpadnie, gra kończy się dla obu.</translation>
    </message>
    <message>
        <source>You can go on playing the classic mode until the player (in case of 2 players, either of the players) collects %1 food. In the Campaign mode, you can progress through the levels by taking %2 food.</source>
        <translation>W trybie klasycznym możesz grać, dopóki gracz (przy dwóch graczach – którykolwiek z nich) nie zbierze %1 porcji jedzenia. W trybie kampanii przechodzisz na kolejny poziom, zbierając %2 porcji jedzenia.</translation>
    </message>
    <message>
        <source>	If the snakes of two players collides nothing happens.</source>
        <translation>	Jeśli węże obu graczy się zderzą, nic się nie dzieje.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>POMOC</translation>
    </message>
    <message>
        <source>CONTROLS</source>
        <translation>STEROWANIE</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Tekst pomocy</translation>
    </message>
    <message>
        <source>Ouroboard, by the Ouroboard team</source>
        <translation>Ouroboard, autorstwa zespołu Ouroboard</translation>
    </message>
    <message>
        <source>Keys of player %1</source>
        <translation>Klawisze gracza %1</translation>
    </message>
    <message>
        <source>Scroll the help text</source>
        <extracomment>For a screen reader: the scroll bar of Help&apos;s text</extracomment>
        <translation>Przewijanie tekstu pomocy</translation>
    </message>
</context>
<context>
    <name>ouroboard::Settings</name>
    <message>
        <source>SETTINGS</source>
        <translation>USTAWIENIA</translation>
    </message>
    <message>
        <source>Select The Snake For Player One</source>
        <translation>Wybierz węża dla gracza 1</translation>
    </message>
    <message>
        <source>Select The Snake For Player Two</source>
        <translation>Wybierz węża dla gracza 2</translation>
    </message>
    <message>
        <source>Select The Obstacle Image By Clicking On It</source>
        <translation>Kliknij obrazek przeszkody, aby go wybrać</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Choose the pictures of the snakes and of the obstacles</source>
        <translation>Wybierz obrazki węży i przeszkód</translation>
    </message>
    <message>
        <source>Player 1 snake</source>
        <translation>Wąż gracza 1</translation>
    </message>
    <message>
        <source>Player 2 snake</source>
        <translation>Wąż gracza 2</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Przeszkoda</translation>
    </message>
    <message>
        <source>%1: chosen picture</source>
        <translation>%1: wybrany obrazek</translation>
    </message>
    <message>
        <source>Applies the chosen pictures and starts a new game</source>
        <translation>Zatwierdza wybrane obrazki i rozpoczyna nową grę</translation>
    </message>
</context>
<context>
    <name>ouroboard::SnakeTable</name>
    <message>
        <source>Distributed by Ouroboard</source>
        <translation>Dystrybucja: Ouroboard</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>1 Player</source>
        <translation>1 gracz</translation>
    </message>
    <message>
        <source>2 Player</source>
        <translation>2 graczy</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Tryb</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klasyczny</translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation>Kampania</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Ouroboard — Level %1</source>
        <translation>Ouroboard — poziom %1</translation>
    </message>
    <message>
        <source>Ouroboard</source>
        <translation>Ouroboard</translation>
    </message>
    <message>
        <source>A snake game. Press %1 for help.</source>
        <translation>Gra w węża. Naciśnij %1, aby wyświetlić pomoc.</translation>
    </message>
    <message>
        <source>Board, speed and scores</source>
        <translation>Plansza, prędkość i wyniki</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>The speed: the bars below set it</source>
        <translation>Prędkość: ustawiają ją paski poniżej</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Gracz %1</translation>
    </message>
    <message>
        <source>Game menu</source>
        <translation>Menu gry</translation>
    </message>
    <message>
        <source>Player %1 score: %2</source>
        <translation>Wynik gracza %1: %2</translation>
    </message>
</context>
<context>
    <name>ouroboard::SpeedBar</name>
    <message>
        <source>Speed %1 of %2</source>
        <translation>Prędkość %1 z %2</translation>
    </message>
    <message>
        <source>Click to start a new game at this speed</source>
        <translation>Kliknij, aby rozpocząć nową grę z tą prędkością</translation>
    </message>
</context>
</TS>
