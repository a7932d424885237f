<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Game</name>
    <message>
        <source>PAUSE</source>
        <translation>PAUSA</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>REANUDAR</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>pause or resume</source>
        <translation>pausar o reanudar</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>nueva partida</translation>
    </message>
    <message>
        <source>help</source>
        <translation>ayuda</translation>
    </message>
    <message>
        <source>open the Options menu</source>
        <translation>abrir el menú Opciones</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>salir</translation>
    </message>
    <message>
        <source>next speed step</source>
        <translation>subir la velocidad un paso</translation>
    </message>
    <message>
        <source>previous speed step</source>
        <translation>bajar la velocidad un paso</translation>
    </message>
    <message>
        <source>dismiss the picture at the end of a level or a game</source>
        <translation>cerrar la imagen del final de un nivel o de una partida</translation>
    </message>
    <message>
        <source>Player %1 steers with %2</source>
        <translation>El jugador %1 dirige su serpiente con %2</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Teclas:</translation>
    </message>
</context>
<context>
    <name>Pads</name>
    <message>
        <source>ouroboard: no game controllers: %1</source>
        <translation>ouroboard: no hay mandos disponibles: %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>ouroboard: no display could be opened: %1</source>
        <translation>ouroboard: no se pudo abrir ninguna pantalla: %1</translation>
    </message>
    <message>
        <source>ouroboard: no display found; run it from a graphical desktop session</source>
        <translation>ouroboard: no se encontró ninguna pantalla; ejecútalo desde una sesión de escritorio gráfica</translation>
    </message>
</context>
<context>
    <name>ouroboard::Board</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>The playing field, %1 by %2 cells</source>
        <translation>El campo de juego, de %1 × %2 casillas</translation>
    </message>
</context>
<context>
    <name>ouroboard::ChoiceRow</name>
    <message>
        <source>%1, picture %2 of %3</source>
        <extracomment>A picture in a row of Settings, for a screen reader: %1 the row&apos;s name (a snake or the obstacle), %2 the picture&apos;s place in the row, %3 how many pictures the row has</extracomment>
        <translation>%1, imagen %2 de %3</translation>
    </message>
</context>
<context>
    <name>ouroboard::EndScreen</name>
    <message>
        <source>Level completed</source>
        <translation>Nivel superado</translation>
    </message>
    <message>
        <source>Proceed to the next level.</source>
        <translation>Pasa al siguiente nivel.</translation>
    </message>
    <message>
        <source>Bravo! You have won the whole campaign</source>
        <translation>¡Bravo! Has ganado toda la campaña</translation>
    </message>
    <message>
        <source>You have conquered every level. Congratulations!</source>
        <translation>Has conquistado todos los niveles. ¡Enhorabuena!</translation>
    </message>
    <message>
        <source>Well done! You have completed the classic mode</source>
        <translation>¡Bien hecho! Has completado el modo clásico</translation>
    </message>
    <message>
        <source>Try the campaign mode.</source>
        <translation>Prueba el modo campaña.</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Try again: there is always a next chance.</source>
        <translation>Inténtalo de nuevo: siempre hay una próxima oportunidad.</translation>
    </message>
    <message>
        <source>Press %1 or click to continue.</source>
        <translation>Pulsa %1 o haz clic para continuar.</translation>
    </message>
</context>
<context>
    <name>ouroboard::HlpFrm</name>
    <message>
        <source>Game controllers: the first pad plugged in steers player 1 and the second player 2. The D-pad or the left stick turns the snake, Start pauses and resumes the game, and A or Start dismisses the picture at the end of a level or a game.</source>
        <translation>Mandos: el primer mando conectado controla al jugador 1 y el segundo, al jugador 2. La cruceta o el stick izquierdo dirigen la serpiente, Start pausa y reanuda la partida, y A o Start cierran la imagen del final de un nivel o de una partida.</translation>
    </message>
    <message>
        <source>Ouroboard is inspired by SNAKE, the classic game of its kind. It is freeware, and anyone may distribute it freely. If you make changes to it, please make them known.</source>
        <translation>Ouroboard está inspirado en SNAKE, el clásico de su género. Es freeware y cualquiera puede distribuirlo libremente. Si le haces cambios, por favor, dalos a conocer.</translation>
    </message>
    <message>
        <source>The game has two modes : classical and campaign modes. </source>
        <translation>El juego tiene dos modos: el clásico y el de campaña.</translation>
    </message>
    <message>
        <source>In classical mode, you can go on playing the game. It can be played in different speeds by using the speed indicator. Higher the speed, higher will be the score. </source>
        <translation>En el modo clásico juegas de forma continua, sin cambiar de nivel. Con el indicador de velocidad puedes jugar a distintas velocidades. Cuanto mayor sea la velocidad, mayor será la puntuación.</translation>
    </message>
    <message>
        <source>In Campaign mode you can advance through various levels. The game goes on becoming difficult as the game advances. It too, can also be played in various speeds and scoring increases accordingly.</source>
        <translation>En el modo campaña avanzas por varios niveles. El juego se vuelve cada vez más difícil a medida que avanzas. También se puede jugar a distintas velocidades, y la puntuación aumenta en consecuencia.</translation>
    </message>
    <message>
        <source>The game supports two player game. Two player mode also contains both classical and campaign modes. But care should be taken that if one player is out, the game is over for both the players.</source>
        <translation>El juego admite partidas de dos jugadores. El modo de dos jugadores también incluye los modos clásico y campaña. Pero cuidado: si uno de los jugadores queda eliminado, la partida termina para ambos.</translation>
    </message>
    <message>
        <source>You can go on playing the classic mode until the player (in case of 2 players, either of the players) collects %1 food. In the Campaign mode, you can progress through the levels by taking %2 food.</source>
        <translation>En el modo clásico puedes seguir jugando hasta que el jugador (con dos jugadores, cualquiera de ellos) haya comido %1 piezas de comida. En el modo campaña pasas al siguiente nivel al comer %2 piezas de comida.</translation>
    </message>
    <message>
        <source>	If the snakes of two players collides nothing happens.</source>
        <translation>	Si las serpientes de los dos jugadores chocan entre sí, no pasa nada.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>AYUDA</translation>
    </message>
    <message>
        <source>CONTROLS</source>
        <translation>CONTROLES</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <source>Ouroboard, by the Ouroboard team</source>
        <translation>Ouroboard, del equipo de Ouroboard</translation>
    </message>
    <message>
        <source>Keys of player %1</source>
        <translation>Teclas del jugador %1</translation>
    </message>
    <message>
        <source>Scroll the help text</source>
        <extracomment>For a screen reader: the scroll bar of Help&apos;s text</extracomment>
        <translation>Desplazar el texto de ayuda</translation>
    </message>
</context>
<context>
    <name>ouroboard::Settings</name>
    <message>
        <source>SETTINGS</source>
        <translation>AJUSTES</translation>
    </message>
    <message>
        <source>Select The Snake For Player One</source>
        <translation>Elige la serpiente del jugador 1</translation>
    </message>
    <message>
        <source>Select The Snake For Player Two</source>
        <translation>Elige la serpiente del jugador 2</translation>
    </message>
    <message>
        <source>Select The Obstacle Image By Clicking On It</source>
        <translation>Haz clic en una imagen para elegir el obstáculo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Choose the pictures of the snakes and of the obstacles</source>
        <translation>Elige las imágenes de las serpientes y de los obstáculos</translation>
    </message>
    <message>
        <source>Player 1 snake</source>
        <translation>Serpiente del jugador 1</translation>
    </message>
    <message>
        <source>Player 2 snake</source>
        <translation>Serpiente del jugador 2</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Obstáculo</translation>
    </message>
    <message>
        <source>%1: chosen picture</source>
        <translation>%1: imagen elegida</translation>
    </message>
    <message>
        <source>Applies the chosen pictures and starts a new game</source>
        <translation>Aplica las imágenes elegidas y empieza una nueva partida</translation>
    </message>
</context>
<context>
    <name>ouroboard::SnakeTable</name>
    <message>
        <source>Distributed by Ouroboard</source>
        <translation>Distribuido por Ouroboard</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>1 Player</source>
        <translation>1 jugador</translation>
    </message>
    <message>
        <source>2 Player</source>
        <translation>2 jugadores</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation>Campaña</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Ouroboard — Level %1</source>
        <translation>Ouroboard — Nivel %1</translation>
    </message>
    <message>
        <source>Ouroboard</source>
        <translation>Ouroboard</translation>
    </message>
    <message>
        <source>A snake game. Press %1 for help.</source>
        <translation>Un juego de la serpiente. Pulsa %1 para ver la ayuda.</translation>
    </message>
    <message>
        <source>Board, speed and scores</source>
        <translation>Tablero, velocidad y puntuaciones</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>The speed: the bars below set it</source>
        <translation>La velocidad: la ajustan las barras de debajo</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>Game menu</source>
        <translation>Menú del juego</translation>
    </message>
    <message>
        <source>Player %1 score: %2</source>
        <translation>Puntuación del jugador %1: %2</translation>
    </message>
</context>
<context>
    <name>ouroboard::SpeedBar</name>
    <message>
        <source>Speed %1 of %2</source>
        <translation>Velocidad %1 de %2</translation>
    </message>
    <message>
        <source>Click to start a new game at this speed</source>
        <translation>Haz clic para empezar una nueva partida a esta velocidad</translation>
    </message>
</context>
</TS>
