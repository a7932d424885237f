<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Game</name>
    <message>
        <location filename="../ui/snaketable.cpp" line="+275"/>
        <source>PAUSE</source>
        <extracomment>One command on the menu bar, named for what a click does now: stop the running game.</extracomment>
        <translation>PAUZA</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RESUME</source>
        <extracomment>One command on the menu bar, named for what a click does now: go on with the paused game.</extracomment>
        <translation>WZNÓW</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <location filename="../ui/input/keymap.cpp" line="+35"/>
        <source>pause or resume</source>
        <extracomment>Key list: what P and Pause do, a command: stop or restart the game.</extracomment>
        <translation>wstrzymanie lub wznowienie gry</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>new game</source>
        <extracomment>Key list: what F2 does, a command: start a new game.</extracomment>
        <translation>nowa gra</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>help</source>
        <extracomment>Key list: what F1 does, a command: open the Help window.</extracomment>
        <translation>pomoc</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>open the Options menu</source>
        <extracomment>Key list: what F10 does; Options is the menu of that name.</extracomment>
        <translation>otwarcie menu Opcje</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>exit</source>
        <extracomment>Key list: what Ctrl+Q does, a command: end the program.</extracomment>
        <translation>wyjście z gry</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>next speed step</source>
        <extracomment>Key list: what + does, a command: one bar faster on the speed indicator.</extracomment>
        <translation>następny stopień prędkości</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>previous speed step</source>
        <extracomment>Key list: what - does, a command: one bar slower on the speed indicator.</extracomment>
        <translation>poprzedni stopień prędkości</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>dismiss the picture at the end of a level or a game</source>
        <extracomment>Key list: what Enter, Space and Esc do, a command.</extracomment>
        <translation>zamknięcie obrazka na końcu poziomu lub gry</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>full screen on or off; Esc also leaves it</source>
        <extracomment>Key list: what F11 does, a command: the window fills the screen, or goes back; Esc also goes back.</extracomment>
        <translation>włączenie lub wyłączenie pełnego ekranu; Esc też z niego wychodzi</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Enter</source>
        <extracomment>The Enter key (Return and Enter alike), as keyboards in your language label it.</extracomment>
        <translation>Enter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Space</source>
        <extracomment>The space bar, as a key&apos;s name.</extracomment>
        <translation>Spacja</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Esc</source>
        <extracomment>The Escape key, as keyboards in your language label it.</extracomment>
        <translation>Esc</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pause</source>
        <comment>key</comment>
        <extracomment>The Pause key, as keyboards in your language label it.</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Player %1 steers with the arrow keys</source>
        <extracomment>Key list. %1: the player&apos;s number, 1.</extracomment>
        <translation>Gracz %1 steruje strzałkami</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player %1 steers with the keys %2</source>
        <extracomment>Key list. %1: the player&apos;s number, 2; %2: a list of letter keys, such as &quot;W, A, S and D&quot;.</extracomment>
        <translation>Gracz %1 steruje klawiszami %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Ctrl+%1</source>
        <extracomment>A key pressed with the Control key held, Control named as keyboards in your language label it (&quot;Strg+Q&quot;). %1: the other key.</extracomment>
        <translation>Ctrl+%1</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1: %2</source>
        <extracomment>Key list: one line. %1: a key or a list of keys; %2: what they do, such as &quot;new game&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Keys:</source>
        <extracomment>Key list: its heading.</extracomment>
        <translation>Klawisze:</translation>
    </message>
</context>
<context>
    <name>Pads</name>
    <message>
        <location filename="../ui/input/pads.cpp" line="+54"/>
        <source>no game controllers: %1</source>
        <extracomment>Printed at start-up when no pad can be used, after the name of the game&apos;s log. %1: the system&apos;s reason, in English.</extracomment>
        <translation>brak kontrolerów gier: %1</translation>
    </message>
</context>
<context>
    <name>PictureBook</name>
    <message>
        <location filename="../ui/picturebook.cpp" line="+72"/>
        <source>LEVEL</source>
        <extracomment>Painted in capitals above the speed indicator, on a picture of vines; keep it short.</extracomment>
        <translation>PRĘDKOŚĆ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SCORE</source>
        <extracomment>Painted in capitals above the scores, on a picture of vines; keep it short.</extracomment>
        <translation>WYNIK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player 1</source>
        <extracomment>Painted above player 1&apos;s score and keys, in large italic letters.</extracomment>
        <translation>Gracz 1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player 2</source>
        <extracomment>Painted above player 2&apos;s score and keys, in large italic letters.</extracomment>
        <translation>Gracz 2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the</source>
        <extracomment>Painted in red script before the game&apos;s name on Help&apos;s banner (&quot;the OUROBOARD&quot;).</extracomment>
        <translation>gra</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>by the Ouroboard team</source>
        <extracomment>Painted in small italics under the game&apos;s name on Help&apos;s banner.</extracomment>
        <translation>od zespołu Ouroboard</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>LEVEL COMPLETED</source>
        <extracomment>Painted in capitals at the top of the picture shown when a campaign level is passed.</extracomment>
        <translation>POZIOM UKOŃCZONY</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Proceed To The Next Level</source>
        <extracomment>Painted in gold blackletter at the bottom of the picture shown when a campaign level is passed.</extracomment>
        <translation>Przejdź do następnego poziomu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>BRAVO!</source>
        <extracomment>Painted large and tilted at the top of the picture shown when the whole campaign is won.</extracomment>
        <translation>BRAWO!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You have conquered every level</source>
        <extracomment>First of two lines in the middle of the picture shown when the whole campaign is won.</extracomment>
        <translation>Wszystkie poziomy zdobyte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>and won the whole campaign!</source>
        <extracomment>Second of two lines in the middle of the picture shown when the whole campaign is won.</extracomment>
        <translation>i cała kampania wygrana!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CONGRATS</source>
        <extracomment>Painted in rainbow capitals at the bottom of the picture shown when the whole campaign is won.</extracomment>
        <translation>GRATULACJE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Well Done</source>
        <extracomment>Painted large at the top of the picture shown when the classic mode is won.</extracomment>
        <translation>Dobra robota</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You Have Completed</source>
        <extracomment>First of two lines in the middle of the picture shown when the classic mode is won.</extracomment>
        <translation>Tryb klasyczny</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Classic Mode.</source>
        <extracomment>Second of two lines in the middle of the picture shown when the classic mode is won.</extracomment>
        <translation>ukończony.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Try the Campaign Mode</source>
        <extracomment>Painted at the bottom of the picture shown when the classic mode is won.</extracomment>
        <translation>Spróbuj trybu kampanii</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Oh! I feel pity</source>
        <extracomment>Painted in red script at the top of the game-over picture.</extracomment>
        <translation>Och! Szkoda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GAME OVER</source>
        <extracomment>Painted in large capitals, in perspective, in the middle of the game-over picture.</extracomment>
        <translation>KONIEC GRY</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Try Again</source>
        <extracomment>Painted in green under &quot;GAME OVER&quot; on the game-over picture.</extracomment>
        <translation>Spróbuj jeszcze raz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>there&apos;s always a next chance.</source>
        <extracomment>Painted at the bottom of the game-over picture, after &quot;Try Again&quot;.</extracomment>
        <translation>zawsze jest kolejna szansa.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../ui/main.cpp" line="+79"/>
        <source>ouroboard: no display could be opened: %1</source>
        <extracomment>Printed when the game cannot start. %1: the windowing system&apos;s reasons, in English.</extracomment>
        <translation>ouroboard: nie można otworzyć ekranu: %1</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>ouroboard: no display found; run it from a graphical desktop session</source>
        <translation>ouroboard: nie znaleziono ekranu; uruchom grę w graficznej sesji pulpitu</translation>
    </message>
</context>
<context>
    <name>ouroboard::Board</name>
    <message>
        <location filename="../ui/board.cpp" line="+18"/>
        <source>Board</source>
        <extracomment>Spoken name of the board the snakes move on.</extracomment>
        <translation>Plansza</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>The playing field, %n by %n cells</source>
        <extracomment>Spoken description of the board. %n: the cells along each side (30), so the same number twice.</extracomment>
        <translation>
            <numerusform>Obszar gry: %n na %n pole</numerusform>
            <numerusform>Obszar gry: %n na %n pola</numerusform>
            <numerusform>Obszar gry: %n na %n pól</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ouroboard::ChoiceRow</name>
    <message>
        <location filename="../ui/choicerow.cpp" line="+52"/>
        <source>%1, picture %2 of %3</source>
        <extracomment>A picture in a row of Settings, for a screen reader: %1 the row&apos;s name (a snake or the obstacle), %2 the picture&apos;s place in the row, %3 how many pictures the row has</extracomment>
        <translation>%1, obrazek %2 z %3</translation>
    </message>
</context>
<context>
    <name>ouroboard::EndScreen</name>
    <message>
        <location filename="../ui/endscreen.cpp" line="+42"/>
        <source>Level completed</source>
        <extracomment>A campaign level (of seven) has been passed.</extracomment>
        <translation>Poziom ukończony</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Proceed to the next level.</source>
        <translation>Przejdź do następnego poziomu.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bravo! You have won the whole campaign</source>
        <translation>Brawo! Cała kampania wygrana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You have conquered every level. Congratulations!</source>
        <translation>Wszystkie poziomy pokonane. Gratulacje!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Well done! You have completed the classic mode</source>
        <translation>Dobra robota! Tryb klasyczny ukończony</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Try the campaign mode.</source>
        <translation>Spróbuj trybu kampanii.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Game over</source>
        <extracomment>Heading spoken on the picture shown when a snake has crashed.</extracomment>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Try again: there is always a next chance.</source>
        <translation>Spróbuj jeszcze raz: zawsze jest kolejna szansa.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Press %1 or click to continue.</source>
        <extracomment>Spoken on the picture at the end of a level or a game. %1: a key&apos;s name, such as &quot;Enter&quot;.</extracomment>
        <translation>Naciśnij %1 lub kliknij, aby kontynuować.</translation>
    </message>
</context>
<context>
    <name>ouroboard::HlpFrm</name>
    <message>
        <location filename="../ui/hlpfrm.cpp" line="+25"/>
        <source>Game controllers: the first pad plugged in steers player 1 and the second player 2. The D-pad or the left stick turns the snake, Start pauses and resumes the game, and A or Start dismisses the picture at the end of a level or a game.</source>
        <translation>Kontrolery: pierwszy podłączony pad steruje graczem 1, a drugi graczem 2. Krzyżak lub lewa gałka steruje wężem, Start wstrzymuje i wznawia grę, a A lub Start zamyka obrazek na końcu poziomu lub gry.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Ouroboard is inspired by SNAKE, the classic game of its kind. It is freeware, and anyone may distribute it freely. If you make changes to it, please make them known.</source>
        <translation>Ouroboard jest inspirowany grą SNAKE, klasykiem gatunku. Jest darmowy (freeware) i każdy może go swobodnie rozpowszechniać. Jeśli wprowadzisz w nim zmiany, prosimy o ich upublicznienie.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>In Campaign mode you can advance through various levels. The game goes on becoming difficult as the game advances. It too, can also be played in various speeds and scoring increases accordingly.</source>
        <translation>W trybie kampanii przechodzisz kolejne poziomy, a gra z każdym z nich staje się coraz trudniejsza. W tym trybie również można wybrać prędkość – im wyższa, tym więcej punktów.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The game supports two player game. Two player mode also contains both classical and campaign modes. But care should be taken that if one player is out, the game is over for both the players.</source>
        <translation>W grę mogą grać również dwie osoby. W trybie dla dwóch graczy także dostępne są tryb klasyczny i kampania. Uwaga: jeśli jeden z graczy odpadnie, gra kończy się dla obu.</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>The game has two modes : classical and campaign modes.</source>
        <translation>Gra ma dwa tryby: klasyczny i kampanię.</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>Against the Computer, in the Players menu, starts a two-player game whose player 2 the computer steers: it sees the board as you do and turns by the same rules. Meanwhile %1 and the second pad do nothing. Computer Skill, in the Options menu, sets how well it plays, from the next move on.</source>
        <extracomment>Help, after the key list. &quot;Against the Computer&quot;, &quot;Players&quot;, &quot;Computer Skill&quot; and &quot;Options&quot; are the menu items of those names; %1: player 2&apos;s keys, such as &quot;W, A, S and D&quot;.</extracomment>
        <translation>„Przeciw komputerowi” w menu Gracze zaczyna grę we dwoje, w której graczem 2 steruje komputer: widzi planszę tak jak ty i skręca według tych samych zasad. W tym czasie %1 i drugi pad nic nie robią. „Poziom komputera” w menu Opcje ustala, jak dobrze gra, od następnego ruchu.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>In classical mode, you can go on playing the game. It can be played in different speeds by using the speed indicator. Higher the speed, higher will be the score.</source>
        <translation>W trybie klasycznym grasz bez przerwy, bez podziału na poziomy. Prędkość gry ustawia się wskaźnikiem prędkości: im wyższa prędkość, tym więcej punktów.</translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>You can go on playing the classic mode until the player (in case of 2 players, either of the players) collects %n food.</source>
        <extracomment>%n: the food a player eats to end a classic game (100).</extracomment>
        <translation>
            <numerusform>W trybie klasycznym możesz grać, aż gracz (przy dwóch graczach – którykolwiek z nich) zje %n kąsek.</numerusform>
            <numerusform>W trybie klasycznym możesz grać, aż gracz (przy dwóch graczach – którykolwiek z nich) zje %n kąski.</numerusform>
            <numerusform>W trybie klasycznym możesz grać, aż gracz (przy dwóch graczach – którykolwiek z nich) zje %n kąsków.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>In the Campaign mode, you can progress through the levels by taking %n food.</source>
        <extracomment>%n: the food a player eats to pass a campaign level (25).</extracomment>
        <translation>
            <numerusform>W trybie kampanii przechodzisz na kolejny poziom, gdy zjesz %n kąsek.</numerusform>
            <numerusform>W trybie kampanii przechodzisz na kolejny poziom, gdy zjesz %n kąski.</numerusform>
            <numerusform>W trybie kampanii przechodzisz na kolejny poziom, gdy zjesz %n kąsków.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>If the snakes of two players collides nothing happens.</source>
        <translation>Jeśli węże obu graczy się zderzą, nic się nie stanie.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Help</source>
        <extracomment>Title of the Help window.</extracomment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>HELP</source>
        <extracomment>Heading above the help text, in capitals.</extracomment>
        <translation>POMOC</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CONTROLS</source>
        <extracomment>Heading above the pictures of the players&apos; keys, in capitals.</extracomment>
        <translation>STEROWANIE</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Help text</source>
        <translation>Tekst pomocy</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Scroll the help text</source>
        <extracomment>For a screen reader: the scroll bar of Help&apos;s text</extracomment>
        <translation>Przewijanie tekstu pomocy</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Ouroboard, by the Ouroboard team</source>
        <translation>Ouroboard, autorstwa zespołu Ouroboard</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Keys of player %1</source>
        <extracomment>Spoken name of a picture of a player&apos;s keys. %1: the player&apos;s number, 1 or 2.</extracomment>
        <translation>Klawisze gracza %1</translation>
    </message>
</context>
<context>
    <name>ouroboard::Settings</name>
    <message>
        <location filename="../ui/settings.cpp" line="+43"/>
        <source>SETTINGS</source>
        <extracomment>Title of the window that chooses the pictures, in capitals.</extracomment>
        <translation>USTAWIENIA</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Select The Snake For Player One</source>
        <translation>Wybierz węża dla gracza 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select The Snake For Player Two</source>
        <translation>Wybierz węża dla gracza 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select The Obstacle Image By Clicking On It</source>
        <translation>Kliknij obrazek przeszkody, aby go wybrać</translation>
    </message>
    <message>
        <location line="+35"/>
        <location line="+2"/>
        <source>OK</source>
        <extracomment>The button that applies the chosen pictures.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-64"/>
        <source>Choose the pictures of the snakes and of the obstacles</source>
        <translation>Wybierz obrazki węży i przeszkód</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Player 1 snake</source>
        <translation>Wąż gracza 1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player 2 snake</source>
        <translation>Wąż gracza 2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Obstacle</source>
        <extracomment>Spoken name of the row of obstacle pictures.</extracomment>
        <translation>Przeszkoda</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>%1: chosen picture</source>
        <extracomment>Spoken name of a row&apos;s preview. %1: the row&apos;s name, such as &quot;Player 1 snake&quot;.</extracomment>
        <translation>%1: wybrany obrazek</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Applies the chosen pictures and starts a new game</source>
        <translation>Zatwierdza wybrane obrazki i rozpoczyna nową grę</translation>
    </message>
</context>
<context>
    <name>ouroboard::SnakeTable</name>
    <message>
        <location filename="../ui/snaketable.cpp" line="-159"/>
        <source>Level</source>
        <comment>speed</comment>
        <extracomment>The heading above the speed bars: the speed level, not a campaign level.</extracomment>
        <translation>Stopień prędkości</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Distributed by Ouroboard</source>
        <translation>Dystrybucja: Ouroboard</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Options</source>
        <extracomment>The game&apos;s only menu: new game, players, mode, settings, exit.</extracomment>
        <translation>Opcje</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Players</source>
        <extracomment>Submenu: one player or two, or one against the computer.</extracomment>
        <translation>Gracze</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 Player</source>
        <translation>1 gracz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2 Player</source>
        <translation>2 graczy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Against the Computer</source>
        <extracomment>Players menu: a two-player game whose player 2 the computer steers</extracomment>
        <translation>Przeciw komputerowi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mode</source>
        <extracomment>Submenu: classic or campaign mode.</extracomment>
        <translation>Tryb</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Classic</source>
        <extracomment>Mode menu: the classic mode, one open board until 100 food.</extracomment>
        <translation>Klasyczny</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Campaign</source>
        <extracomment>Mode menu: the campaign mode, seven levels with walls.</extracomment>
        <translation>Kampania</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Settings</source>
        <extracomment>Menu command: opens the window that chooses the snakes&apos; and obstacles&apos; pictures.</extracomment>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <extracomment>Menu command: ends the program.</extracomment>
        <translation>Zakończ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <extracomment>Menu command on the menu bar: opens the Help window.</extracomment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Computer Skill</source>
        <extracomment>Submenu: how well the computer plays when it steers player 2.</extracomment>
        <translation>Poziom komputera</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Easy</source>
        <extracomment>Computer Skill menu: the computer plays weakest</extracomment>
        <translation>Łatwy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Normal</source>
        <extracomment>Computer Skill menu: the computer plays fairly well; the skill at start</extracomment>
        <translation>Normalny</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hard</source>
        <extracomment>Computer Skill menu: the computer plays its best</extracomment>
        <translation>Trudny</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>Ouroboard — Level %1</source>
        <comment>campaign</comment>
        <extracomment>Window title in campaign mode. %1: the campaign level, 1 to 7.</extracomment>
        <translation>Ouroboard — poziom %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ouroboard</source>
        <extracomment>Window title: the game&apos;s name.</extracomment>
        <translation>Ouroboard</translation>
    </message>
    <message>
        <location line="-39"/>
        <source>Computer score: %1</source>
        <extracomment>Spoken for player 2&apos;s score while the computer steers player 2. %1: the points, such as 00001200.</extracomment>
        <translation>Wynik komputera: %1</translation>
    </message>
    <message>
        <location line="-235"/>
        <source>A snake game. Press %1 for help.</source>
        <extracomment>Spoken for the main window. %1: a key&apos;s name, such as &quot;F1&quot;.</extracomment>
        <translation>Gra w węża. Naciśnij %1, aby wyświetlić pomoc.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Board, speed and scores</source>
        <translation>Plansza, prędkość i wyniki</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>The speed: the bars below set it</source>
        <translation>Prędkość: ustawiają ją paski poniżej</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Score</source>
        <extracomment>The heading above the players&apos; scores (points).</extracomment>
        <translation>Wynik</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Player %1</source>
        <extracomment>The heading above a player&apos;s score. %1: the player&apos;s number, 1 or 2.</extracomment>
        <translation>Gracz %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Game menu</source>
        <translation>Menu gry</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>Player %1 score: %2</source>
        <extracomment>Spoken for a score. %1: the player&apos;s number, 1 or 2; %2: the points, such as 00001200.</extracomment>
        <translation>Wynik gracza %1: %2</translation>
    </message>
</context>
<context>
    <name>ouroboard::SpeedBar</name>
    <message>
        <location filename="../ui/speedbar.cpp" line="+11"/>
        <source>Speed %1 of %2</source>
        <extracomment>Spoken name of a bar of the speed indicator. %1: its place from the slowest, 1 to 7; %2: the number of bars, 7.</extracomment>
        <translation>Prędkość %1 z %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click to start a new game at this speed</source>
        <translation>Kliknij, aby rozpocząć nową grę z tą prędkością</translation>
    </message>
</context>
</TS>
