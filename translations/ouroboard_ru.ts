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
    <name>ouroboard::Board</name>
    <message>
        <source>Board</source>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>The playing field, %1 by %2 cells</source>
        <translation>Игровое поле, %1 × %2 клеток</translation>
    </message>
</context>
<context>
    <name>ouroboard::ChoiceRow</name>
    <message>
        <source>%1, picture %2 of %3</source>
        <extracomment>A picture in a row of Settings, for a screen reader: %1 the row&apos;s name (a snake or the obstacle), %2 the picture&apos;s place in the row, %3 how many pictures the row has</extracomment>
        <translation>%1, картинка %2 из %3</translation>
    </message>
</context>
<context>
    <name>ouroboard::EndScreen</name>
    <message>
        <source>Level completed</source>
        <translation>Уровень пройден</translation>
    </message>
    <message>
        <source>Proceed to the next level.</source>
        <translation>Переходите на следующий уровень.</translation>
    </message>
    <message>
        <source>Bravo! You have won the whole campaign</source>
        <translation>Браво! Вы прошли всю кампанию</translation>
    </message>
    <message>
        <source>You have conquered every level. Congratulations!</source>
        <translation>Все уровни покорены. Поздравляем!</translation>
    </message>
    <message>
        <source>Well done! You have completed the classic mode</source>
        <translation>Отлично! Вы прошли классический режим</translation>
    </message>
    <message>
        <source>Try the campaign mode.</source>
        <translation>Попробуйте режим кампании.</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Игра окончена</translation>
    </message>
    <message>
        <source>Try again: there is always a next chance.</source>
        <translation>Попробуйте ещё раз: всегда будет следующий шанс.</translation>
    </message>
    <message>
        <source>Press %1 or click to continue.</source>
        <translation>Нажмите %1 или щёлкните, чтобы продолжить.</translation>
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
    <message>
        <source>Help text</source>
        <translation>Текст справки</translation>
    </message>
    <message>
        <source>Ouroboard, by the Ouroboard team</source>
        <translation>Ouroboard от команды Ouroboard</translation>
    </message>
    <message>
        <source>Keys of player %1</source>
        <translation>Клавиши игрока %1</translation>
    </message>
    <message>
        <source>Scroll the help text</source>
        <extracomment>For a screen reader: the scroll bar of Help&apos;s text</extracomment>
        <translation>Прокрутка текста справки</translation>
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
    <message>
        <source>Choose the pictures of the snakes and of the obstacles</source>
        <translation>Выберите картинки змеек и препятствий</translation>
    </message>
    <message>
        <source>Player 1 snake</source>
        <translation>Змейка первого игрока</translation>
    </message>
    <message>
        <source>Player 2 snake</source>
        <translation>Змейка второго игрока</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Препятствие</translation>
    </message>
    <message>
        <source>%1: chosen picture</source>
        <translation>%1: выбранная картинка</translation>
    </message>
    <message>
        <source>Applies the chosen pictures and starts a new game</source>
        <translation>Применяет выбранные картинки и начинает новую игру</translation>
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
    <message>
        <source>A snake game. Press %1 for help.</source>
        <translation>Игра «Змейка». Нажмите %1, чтобы открыть справку.</translation>
    </message>
    <message>
        <source>Board, speed and scores</source>
        <translation>Поле, скорость и счёт</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>The speed: the bars below set it</source>
        <translation>Скорость: её задают столбики ниже</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Счёт</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Игрок %1</translation>
    </message>
    <message>
        <source>Game menu</source>
        <translation>Меню игры</translation>
    </message>
    <message>
        <source>Player %1 score: %2</source>
        <translation>Счёт игрока %1: %2</translation>
    </message>
</context>
<context>
    <name>ouroboard::SpeedBar</name>
    <message>
        <source>Speed %1 of %2</source>
        <translation>Скорость %1 из %2</translation>
    </message>
    <message>
        <source>Click to start a new game at this speed</source>
        <translation>Щёлкните, чтобы начать новую игру с этой скоростью</translation>
    </message>
</context>
</TS>
