<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>ouroboard::Board</name>
    <message numerus="yes">
        <location filename="../ui/board.cpp" line="+20"/>
        <source>The playing field, %n by %n cells</source>
        <extracomment>Spoken description of the board. %n: the cells along each side (30), so the same number twice.</extracomment>
        <translation>
            <numerusform>The playing field, %n by %n cell</numerusform>
            <numerusform>The playing field, %n by %n cells</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ouroboard::HlpFrm</name>
    <message numerus="yes">
        <location filename="../ui/hlpfrm.cpp" line="+70"/>
        <source>You can go on playing the classic mode until the player (in case of 2 players, either of the players) collects %n food.</source>
        <extracomment>%n: the food a player eats to end a classic game (100).</extracomment>
        <translation>
            <numerusform>You can go on playing the classic mode until the player (in case of 2 players, either of the players) collects %n food.</numerusform>
            <numerusform>You can go on playing the classic mode until the player (in case of 2 players, either of the players) collects %n food.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>In the Campaign mode, you can progress through the levels by taking %n food.</source>
        <extracomment>%n: the food a player eats to pass a campaign level (25).</extracomment>
        <translation>
            <numerusform>In the Campaign mode, you can progress through the levels by taking %n food.</numerusform>
            <numerusform>In the Campaign mode, you can progress through the levels by taking %n food.</numerusform>
        </translation>
    </message>
</context>
</TS>
