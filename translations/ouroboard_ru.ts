<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Game</name>
    <message>
        <source>PAUSE</source>
        <translation>ПАУЗА</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>ПРОДОЛЖИТЬ</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>pause or resume</source>
        <translation>пауза или продолжение игры</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>новая игра</translation>
    </message>
    <message>
        <source>help</source>
        <translation>справка</translation>
    </message>
    <message>
        <source>open the Options menu</source>
        <translation>открыть меню «Параметры»</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>выход</translation>
    </message>
    <message>
        <source>next speed step</source>
        <translation>следующий уровень скорости</translation>
    </message>
    <message>
        <source>previous speed step</source>
        <translation>предыдущий уровень скорости</translation>
    </message>
    <message>
        <source>dismiss the picture at the end of a level or a game</source>
        <translation>закрыть картинку в конце уровня или игры</translation>
    </message>
    <message>
        <source>Player %1 steers with %2</source>
        <translation>Игрок %1 управляет змейкой клавишами %2</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Клавиши:</translation>
    </message>
</context>
<context>
    <name>Pads</name>
    <message>
        <source>ouroboard: no game controllers: %1</source>
        <translation>ouroboard: нет игровых контроллеров: %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>ouroboard: no display could be opened: %1</source>
        <translation>ouroboard: не удалось открыть дисплей: %1</translation>
    </message>
    <message>
        <source>ouroboard: no display found; run it from a graphical desktop session</source>
        <translation>ouroboard: дисплей не найден; запустите игру из графического сеанса рабочего стола</translation>
    </message>
</context>
<context>
    <name>ouroboard::HlpFrm</name>
    <message>
        <source>Game controllers: the first pad plugged in steers player 1 and the second player 2. The D-pad or the left stick turns the snake, Start pauses and resumes the game, and A or Start dismisses the picture at the end of a level or a game.</source>
        <translation>Геймпады: первый подключённый геймпад управляет игроком 1, второй — игроком 2. Крестовина или левый стик поворачивают змейку, кнопка Start ставит игру на паузу и снимает с паузы, а кнопка A или Start закрывает картинку в конце уровня или игры.</translation>
    </message>
    <message>
        <source>Ouroboard is inspired by SNAKE, the classic game of its kind. It is freeware, and anyone may distribute it freely. If you make changes to it, please make them known.</source>
        <translation>Ouroboard создан по мотивам SNAKE — классической игры этого жанра. Это бесплатная программа, и любой может свободно её распространять. Если вы внесёте в неё изменения, пожалуйста, сообщите о них.</translation>
    </message>
    <message>
        <source>The game has two modes : classical and campaign modes. </source>
        <translation>В игре два режима: классический и кампания. </translation>
    </message>
    <message>
        <source>In classical mode, you can go on playing the game. It can be played in different speeds by using the speed indicator. Higher the speed, higher will be the score. </source>
        <translation>В классическом режиме можно играть без остановки. Скорость игры выбирается индикатором скорости: чем выше скорость, тем больше очков. </translation>
    </message>
    <message>
        <source>In Campaign mode you can advance through various levels. The game goes on becoming difficult as the game advances. It too, can also be played in various speeds and scoring increases accordingly.</source>
        <translation>В режиме кампании вы проходите уровень за уровнем, и игра постепенно становится всё сложнее. В этом режиме тоже можно играть на разных скоростях, и очки начисляются соответственно.</translation>
    </message>
    <message>
        <source>The game supports two player game. Two player mode also contains both classical and campaign modes. But care should be taken that if one player is out, the game is over for both the players.</source>
        <translation>В игру можно играть вдвоём. В режиме для двух игроков также доступны классический режим и кампания. Но будьте внимательны: если один из игроков выбывает, игра заканчивается для обоих.</translation>
    </message>
    <message>
        <source>You can go on playing the classic mode until the player (in case of 2 players, either of the players) collects %1 food. In the Campaign mode, you can progress through the levels by taking %2 food.</source>
        <translation>В классическом режиме можно играть, пока игрок (при игре вдвоём — любой из игроков) не соберёт %1 единиц еды. В режиме кампании для перехода на следующий уровень нужно собрать %2 единиц еды.</translation>
    </message>
    <message>
        <source>	If the snakes of two players collides nothing happens.</source>
        <translation>	Если змейки двух игроков сталкиваются, ничего не происходит.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>СПРАВКА</translation>
    </message>
    <message>
        <source>CONTROLS</source>
        <translation>УПРАВЛЕНИЕ</translation>
    </message>
</context>
<context>
    <name>ouroboard::Settings</name>
    <message>
        <source>SETTINGS</source>
        <translation>НАСТРОЙКИ</translation>
    </message>
    <message>
        <source>Select The Snake For Player One</source>
        <translation>Выберите змейку для первого игрока</translation>
    </message>
    <message>
        <source>Select The Snake For Player Two</source>
        <translation>Выберите змейку для второго игрока</translation>
    </message>
    <message>
        <source>Select The Obstacle Image By Clicking On It</source>
        <translation>Выберите препятствие, щёлкнув по его картинке</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>ouroboard::SnakeTable</name>
    <message>
        <source>Distributed by Ouroboard</source>
        <translation>Распространитель: Ouroboard</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Игроки</translation>
    </message>
    <message>
        <source>1 Player</source>
        <translation>1 игрок</translation>
    </message>
    <message>
        <source>2 Player</source>
        <translation>2 игрока</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Классический</translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation>Кампания</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Ouroboard — Level %1</source>
        <translation>Ouroboard — уровень %1</translation>
    </message>
    <message>
        <source>Ouroboard</source>
        <translation>Ouroboard</translation>
    </message>
</context>
</TS>
