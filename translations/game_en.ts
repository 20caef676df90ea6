<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>FileErrors</name>
    <message>
        <source>Im Ordner „%1“ kann keine Datei angelegt werden: </source>
        <translation>No file can be created in the folder “%1”: </translation>
    </message>
    <message>
        <source>„%1“ %2</source>
        <translation>“%1” %2</translation>
    </message>
    <message>
        <source>ist keine Zahl.</source>
        <translation>is not a number.</translation>
    </message>
    <message>
        <source>ist %1, erwartet wird eine ganze Zahl.</source>
        <translation>is %1, a whole number is expected.</translation>
    </message>
    <message>
        <source>ist %1, erlaubt ist %2 bis %3.</source>
        <translation>is %1, allowed is %2 to %3.</translation>
    </message>
    <message>
        <source>ist kein Wahrheitswert.</source>
        <translation>is not true or false.</translation>
    </message>
    <message>
        <source>ist kein Text.</source>
        <translation>is not a text.</translation>
    </message>
    <message>
        <source>ist kein gültiger Text.</source>
        <translation>is not a valid text.</translation>
    </message>
    <message>
        <source>enthält Zeichen, die kein Rasterfeld sein können.</source>
        <translation>contains characters that cannot be a grid cell.</translation>
    </message>
    <message>
        <source>hat %1 Felder, erlaubt sind höchstens %2.</source>
        <translation>has %1 cells, at most %2 are allowed.</translation>
    </message>
    <message>
        <source>ist keine Liste.</source>
        <translation>is not a list.</translation>
    </message>
    <message>
        <source>hat %1 Einträge, erlaubt sind höchstens %2.</source>
        <translation>has %1 entries, at most %2 are allowed.</translation>
    </message>
    <message>
        <source>ist kein Objekt.</source>
        <translation>is not an object.</translation>
    </message>
    <message>
        <source>fehlt.</source>
        <translation>is missing.</translation>
    </message>
    <message>
        <source>Im Ordner für vorläufige Dateien ist kein Platz.</source>
        <translation>There is no space in the folder for temporary files.</translation>
    </message>
    <message>
        <source>Die Einstellungen lassen sich nicht zusammenstellen.</source>
        <translation>The settings cannot be put together.</translation>
    </message>
    <message>
        <source>Deine Einstellungen können nicht in der Datei „%1“ gespeichert werden: %2
Was du wählst, gilt, bis du Stratagon beendest.</source>
        <translation>Your settings cannot be saved in the file “%1”: %2
What you choose applies until you quit Stratagon.</translation>
    </message>
    <message>
        <source>Der Spielstand ist beschädigt: %1</source>
        <translation>The saved game is damaged: %1</translation>
    </message>
    <message>
        <source>er enthält kein laufendes Spiel.</source>
        <translation>it holds no running game.</translation>
    </message>
    <message>
        <source>Land %1 gehört dem Land %2, die Karte hat %3 Länder.</source>
        <translation>country %1 belongs to country %2, the map has %3 countries.</translation>
    </message>
    <message>
        <source>das Land des Spielers (%1) gibt es nicht.</source>
        <translation>the player’s country (%1) does not exist.</translation>
    </message>
    <message>
        <source>das Raster ist zu groß.</source>
        <translation>the grid is too large.</translation>
    </message>
    <message>
        <source>der Startpunkt (%1, %2) von Land %3 liegt außerhalb des Kartenbilds (%4 × %5).</source>
        <translation>the starting point (%1, %2) of country %3 lies outside the map picture (%4 × %5).</translation>
    </message>
    <message>
        <source>Schlacht %1 nennt ein Land, das es nicht gibt.</source>
        <translation>battle %1 names a country that does not exist.</translation>
    </message>
    <message>
        <source>Schlacht %1 nennt einen General, den es nicht gibt.</source>
        <translation>battle %1 names a general who does not exist.</translation>
    </message>
    <message>
        <source>in Schlacht %1 ergeben die Punkte %2 und %3 nicht 100.</source>
        <translation>in battle %1 the points %2 and %3 do not add up to 100.</translation>
    </message>
    <message>
        <source>es sind %1 Meldungen, höchstens %2 werden aufbewahrt.</source>
        <translation>there are %1 messages, at most %2 are kept.</translation>
    </message>
    <message>
        <source>die Monate der Spielbilanz folgen nicht aufeinander (Eintrag %1).</source>
        <translation>the months of the game record do not follow one another (entry %1).</translation>
    </message>
    <message>
        <source>das angezeigte Land %1 gibt es nicht.</source>
        <translation>the country shown, %1, does not exist.</translation>
    </message>
    <message>
        <source>kein gültiges JSON (%1 bei Byte %2).</source>
        <translation>it is no valid JSON (%1 at byte %2).</translation>
    </message>
    <message>
        <source>die Datei ist kein Spielstand von Stratagon.</source>
        <translation>the file is not a saved game of Stratagon.</translation>
    </message>
    <message>
        <source>die Formatversion fehlt oder ist ungültig.</source>
        <translation>the format version is missing or invalid.</translation>
    </message>
    <message>
        <source>Dieser Spielstand stammt aus einer neueren Version von Stratagon (Format %1, diese Version kennt Format %2) und kann nicht geladen werden.</source>
        <translation>This saved game comes from a newer version of Stratagon (format %1, this version knows format %2) and cannot be loaded.</translation>
    </message>
    <message>
        <source>Name oder Zeitpunkt des Spielstands fehlen.</source>
        <translation>the name or the time of the saved game is missing.</translation>
    </message>
    <message>
        <source>die Angaben zur Karte fehlen oder sind ungültig.</source>
        <translation>the details of the map are missing or invalid.</translation>
    </message>
    <message>
        <source>Das Kartenbild „%1“ dieses Spielstands fehlt. Der Spielstand kann nicht geladen werden.</source>
        <translation>The map picture “%1” of this saved game is missing. The saved game cannot be loaded.</translation>
    </message>
    <message>
        <source>Das Kartenbild „%1“ hat sich geändert, seit das Spiel gespeichert wurde. Der Spielstand passt nicht mehr dazu und kann nicht geladen werden.</source>
        <translation>The map picture “%1” has changed since the game was saved. The saved game no longer fits it and cannot be loaded.</translation>
    </message>
    <message>
        <source>Die Karte „%1“ und das Kartenbild „%2“ dieses Spielstands gehören nicht zusammen.%3 Der Spielstand kann nicht geladen werden.</source>
        <translation>The map “%1” and the map picture “%2” of this saved game do not belong together.%3 The saved game cannot be loaded.</translation>
    </message>
    <message>
        <source>Der Spielstand konnte nicht in die Datei „%1“ geschrieben werden: %2
Ein früherer Spielstand unter diesem Namen bleibt unverändert.</source>
        <translation>The game could not be saved in the file “%1”: %2
An earlier saved game under this name stays unchanged.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>The folder “%1” cannot be created.</translation>
    </message>
    <message>
        <source>Der Spielstand „%1“ kann nicht gelesen werden: %2</source>
        <translation>The saved game “%1” cannot be read: %2</translation>
    </message>
    <message>
        <source>die Datei ist zu groß.</source>
        <translation>the file is too large.</translation>
    </message>
    <message>
        <source>Datei nicht gefunden.</source>
        <translation>File not found.</translation>
    </message>
    <message>
        <source>Zugriff verweigert.</source>
        <translation>Access denied.</translation>
    </message>
    <message>
        <source>Der Pfad ist ein Ordner, keine Datei.</source>
        <translation>The path is a folder, not a file.</translation>
    </message>
    <message>
        <source>Kein Platz mehr auf dem Datenträger.</source>
        <translation>No space left on the disk.</translation>
    </message>
    <message>
        <source>Dein Speicherkontingent auf dem Datenträger ist erschöpft.</source>
        <translation>Your disk quota is used up.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>The disk is write-protected.</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler.</source>
        <translation>Input/output error.</translation>
    </message>
    <message>
        <source>Die Datei enthält weniger als zwei Zahlen.</source>
        <translation>The file holds fewer than two numbers.</translation>
    </message>
    <message>
        <source>Ein Eintrag der Datei ist keine ganze Zahl.</source>
        <translation>An entry of the file is not a whole number.</translation>
    </message>
    <message>
        <source>Dateifehler (%1).</source>
        <translation>File error (%1).</translation>
    </message>
    <message>
        <source>Die Datei ist eine Pipe, keine gewöhnliche Datei.</source>
        <translation>The file is a pipe, not an ordinary file.</translation>
    </message>
    <message>
        <source>Die Datei ist ein Socket, keine gewöhnliche Datei.</source>
        <translation>The file is a socket, not an ordinary file.</translation>
    </message>
    <message>
        <source>Die Datei ist ein Gerät, keine gewöhnliche Datei.</source>
        <translation>The file is a device, not an ordinary file.</translation>
    </message>
    <message>
        <source>Die Datei ist keine gewöhnliche Datei.</source>
        <translation>The file is not an ordinary file.</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß: in ihren ersten %1 Bytes stehen keine zwei Zahlen.</source>
        <translation>The file is too large: its first %1 bytes do not hold two numbers.</translation>
    </message>
    <message>
        <source>Ein Spielmonat dauert laut game.dat %1 ms; möglich sind %2 bis %3 ms. Es gilt jetzt %4 ms.</source>
        <translation>According to game.dat a game month lasts %1 ms; it can last %2 to %3 ms. It is now %4 ms.</translation>
    </message>
    <message>
        <source>Die KI-Einstellung ist laut game.dat %1; möglich sind %2 bis %3. Es gilt jetzt %4.</source>
        <translation>According to game.dat the AI setting is %1; it can be %2 to %3. It is now %4.</translation>
    </message>
    <message>
        <source>Unter &quot;Optionen&quot; kannst du die Einstellungen neu wählen und speichern.</source>
        <translation>You can choose the settings again and save them under &quot;Options&quot;.</translation>
    </message>
    <message>
        <source>Listen und Objekte stecken mehr als %1 Ebenen tief ineinander (bei Byte %2).</source>
        <translation>lists and objects are nested more than %1 levels deep (at byte %2).</translation>
    </message>
    <message>
        <source>ein Text ist länger als %1 Bytes (bei Byte %2).</source>
        <translation>a text is longer than %1 bytes (at byte %2).</translation>
    </message>
    <message>
        <source>die Texte sind zusammen länger als %1 Bytes.</source>
        <translation>its texts together are longer than %1 bytes.</translation>
    </message>
    <message>
        <source>die Datei enthält mehr als %1 Werte, so viele schreibt das Spiel nie.</source>
        <translation>the file holds more than %1 values, more than the game ever writes.</translation>
    </message>
    <message>
        <source>die Datei enthält mehr als %1 Listen und Objekte, so viele schreibt das Spiel nie.</source>
        <translation>the file holds more than %1 lists and objects, more than the game ever writes.</translation>
    </message>
    <message>
        <source>Die Datei ist größer als %1 KB; so groß sind Einstellungen nie, darum bleibt sie, wie sie ist.</source>
        <translation>The file is larger than %1 KB; preferences are never that large, so it is left as it is.</translation>
    </message>
    <message>
        <source>die Angaben fehlen</source>
        <translation>its details are missing</translation>
    </message>
    <message>
        <source>er führt nicht zu diesem Spielstand</source>
        <translation>it does not lead to this saved game</translation>
    </message>
    <message>
        <source>Der Spielverlauf in diesem Spielstand ist beschädigt: %1. Das Spiel geht von seinem gespeicherten Stand aus weiter; was davor war, lässt sich nicht noch einmal spielen.</source>
        <translation>The course of the game in this saved game is damaged: %1. The game goes on from where it was saved; what came before cannot be played again.</translation>
    </message>
    <message>
        <source>der Startwert fehlt oder ist ungültig</source>
        <translation>the seed is missing or invalid</translation>
    </message>
    <message>
        <source>die Zahl der Ticks oder der Zufallszahlen ist ungültig</source>
        <translation>the number of ticks or of random numbers is invalid</translation>
    </message>
    <message>
        <source>der Monat der Abzweigung ist ungültig</source>
        <translation>the month it branched at is invalid</translation>
    </message>
    <message>
        <source>die Befehle fehlen</source>
        <translation>the orders are missing</translation>
    </message>
    <message>
        <source>Befehl %1 ist ungültig</source>
        <translation>order %1 is invalid</translation>
    </message>
    <message>
        <source>um Land %1 wird in zwei Schlachten gekämpft.</source>
        <translation>country %1 is fought over in two battles.</translation>
    </message>
</context>
<context>
    <name>GameCharacters</name>
    <message>
        <source>Greift jeden Nachbarn an, dessen Verteidiger weniger EP hat als sein bester General.</source>
        <translation>Attacks every neighbour whose defender has fewer XP than his best general.</translation>
    </message>
    <message>
        <source>Greift immer den schwächsten Nachbarn an und breitet sich schnell aus.</source>
        <translation>Always attacks the weakest neighbour and spreads fast.</translation>
    </message>
    <message>
        <source>Hält seine Grenzen, schlägt zurück und holt sich verlorene Länder wieder.</source>
        <translation>Holds his borders, strikes back and takes lost countries back.</translation>
    </message>
    <message>
        <source>Bildet aus, bevor er zuschlägt, und greift den Führenden dort an, wo er schwach ist.</source>
        <translation>Trains before he strikes, and hits the leader where he is weak.</translation>
    </message>
    <message>
        <source>Jeder Gegner bekommt zufällig einen anderen Charakter.</source>
        <translation>Every opponent gets another character, by chance.</translation>
    </message>
</context>
<context>
    <name>GameEnd</name>
    <message>
        <source>Es ist vollbracht! Deine Generäle haben %1 unter deiner Kontrolle gebracht.<byte value="xd"/>
<byte value="xd"/>
Du hast gewonnen!</source>
        <translation>It is done! Your generals have brought %1 under your control.<byte value="xd"/>
<byte value="xd"/>
You have won!</translation>
    </message>
    <message>
        <source>Deine Generäle konnten dich nicht zum Sieg führen! Sie sind kläglich gescheitert! %1 kannst du vergessen :-(<byte value="xd"/>
<byte value="xd"/>
Du hast verloren!</source>
        <translation>Your generals could not lead you to victory! They have failed miserably! You can forget about %1 :-(<byte value="xd"/>
<byte value="xd"/>
You have lost!</translation>
    </message>
    <message>
        <source>Gewonnen!</source>
        <translation>Won!</translation>
    </message>
    <message>
        <source>Verloren!</source>
        <translation>Lost!</translation>
    </message>
</context>
<context>
    <name>GameErrors</name>
    <message>
        <source>Fehler !</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Das Kartenbild konnte nicht geladen werden. Das Spiel kann nicht beginnen.</source>
        <translation>The map picture could not be loaded. The game cannot start.</translation>
    </message>
    <message>
        <source>%1 Das Spiel kann nicht beginnen.</source>
        <translation>%1 The game cannot start.</translation>
    </message>
</context>
<context>
    <name>GameMessages</name>
    <message>
        <source>Angriff auf %1: %2 gegen %3.</source>
        <translation>Attack on %1: %2 against %3.</translation>
    </message>
    <message>
        <source>Angriff auf %1: %2 gegen %3 (%4).</source>
        <translation>Attack on %1: %2 against %3 (%4).</translation>
    </message>
    <message>
        <source>%1 greift %2 an!</source>
        <translation>%1 attacks %2!</translation>
    </message>
    <message>
        <source>Niederlage: der Angriff auf %1 ist gescheitert.</source>
        <translation>Defeat: the attack on %1 has failed.</translation>
    </message>
    <message>
        <source>Sieg: %1 erobert %2.</source>
        <translation>Victory: %1 conquers %2.</translation>
    </message>
    <message>
        <source>Sieg: %1 erobert %2 von %3.</source>
        <translation>Victory: %1 conquers %2 from %3.</translation>
    </message>
    <message>
        <source>Abgewehrt: %1 bleibt dein, %2 ist geschlagen.</source>
        <translation>Repelled: %1 stays yours, %2 is beaten.</translation>
    </message>
    <message>
        <source>Verloren: %1 hat dir %2 abgenommen.</source>
        <translation>Lost: %1 has taken %2 from you.</translation>
    </message>
    <message>
        <source>%1 erobert %2.</source>
        <translation>%1 conquers %2.</translation>
    </message>
    <message>
        <source>%1 erobert %2 von %3.</source>
        <translation>%1 conquers %2 from %3.</translation>
    </message>
    <message>
        <source>%1 ist jetzt %2.</source>
        <translation>%1 is now %2.</translation>
    </message>
    <message>
        <source>%1 (%2) greift %3 an: dort steht nur ein General mit %4 EP.</source>
        <translation>%1 (%2) attacks %3: only a general with %4 XP stands there.</translation>
    </message>
    <message>
        <source>%1 (%2) greift %3 an: dort steht kein General zur Verteidigung.</source>
        <translation>%1 (%2) attacks %3: no general is there to defend it.</translation>
    </message>
    <message>
        <source>%1 (%2) will %3 zurückhaben und greift an.</source>
        <translation>%1 (%2) wants %3 back and attacks.</translation>
    </message>
    <message>
        <source>%1 (%2) schlägt zurück und greift %3 an.</source>
        <translation>%1 (%2) strikes back and attacks %3.</translation>
    </message>
    <message>
        <source>%1 (%2) greift %3 an: %5 führt, und dort steht nur ein General mit %4 EP.</source>
        <translation>%1 (%2) attacks %3: %5 is in the lead, and only a general with %4 XP stands there.</translation>
    </message>
    <message>
        <source>%1 (%2) greift %3 an: sein General hat mehr EP als der Verteidiger.</source>
        <translation>%1 (%2) attacks %3: his general has more XP than the defender.</translation>
    </message>
    <message>
        <source>Du hast %1 geschlagen: all sein Land gehört jetzt dir.</source>
        <translation>You have beaten %1: all his land is yours now.</translation>
    </message>
    <message>
        <source>%1 ist geschlagen: all sein Land fällt an %2.</source>
        <translation>%1 is beaten: all his land goes to %2.</translation>
    </message>
    <message>
        <source>Erobert: %1.</source>
        <translation>Taken: %1.</translation>
    </message>
    <message>
        <source>Angriff auf %1 gescheitert.</source>
        <translation>Attack on %1 failed.</translation>
    </message>
    <message>
        <source>%1 gehalten.</source>
        <translation>%1 held.</translation>
    </message>
    <message>
        <source>%1 an %2 verloren.</source>
        <translation>%1 lost to %2.</translation>
    </message>
    <message>
        <source>Du hast %1 geschlagen.</source>
        <translation>You have beaten %1.</translation>
    </message>
    <message>
        <source>%1 ist geschlagen.</source>
        <translation>%1 is beaten.</translation>
    </message>
    <message>
        <source>Beförderungen: %1.</source>
        <translation>Promotions: %1.</translation>
    </message>
    <message>
        <source>%1 und %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>Weitere Meldungen: %1.</source>
        <translation>More messages: %1.</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>Deine Länder: %1 von %2.</source>
        <translation>Your countries: %1 of %2.</translation>
    </message>
    <message>
        <source>Schlachten: %1, deine: %2.</source>
        <translation>Battles: %1, yours: %2.</translation>
    </message>
    <message>
        <source>Kein Angriff auf dich.</source>
        <translation>No attack on you.</translation>
    </message>
    <message>
        <source>%1 greift %2 an.</source>
        <translation>%1 attacks %2.</translation>
    </message>
    <message>
        <source>Freie Generäle: %1.</source>
        <translation>Free generals: %1.</translation>
    </message>
    <message>
        <source>Das Spiel ist vorbei.</source>
        <translation>The game is over.</translation>
    </message>
    <message>
        <source>Tempo %1, Spiel läuft.</source>
        <translation>Pace %1, game running.</translation>
    </message>
    <message>
        <source>Tempo %1, Spiel pausiert.</source>
        <translation>Pace %1, game paused.</translation>
    </message>
    <message>
        <source>Dein größtes Reich: %1 Länder, %2 %3.</source>
        <translation>Your largest empire: %1 countries, %2 %3.</translation>
    </message>
    <message>
        <source>%1 hat dich zuletzt %2 %3 überholt.</source>
        <translation>%1 last overtook you in %2 %3.</translation>
    </message>
    <message>
        <source>Kein Gegner hat dich überholt.</source>
        <translation>No opponent overtook you.</translation>
    </message>
    <message>
        <source>Spiel angehalten.</source>
        <translation>Game paused.</translation>
    </message>
</context>
<context>
    <name>GameMonths</name>
    <message>
        <source>Januar</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Februar</source>
        <translation>February</translation>
    </message>
    <message>
        <source>März</source>
        <translation>March</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Juni</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Juli</source>
        <translation>July</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation>October</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Dezember</source>
        <translation>December</translation>
    </message>
</context>
<context>
    <name>GameNames</name>
    <message>
        <source>Afrika</source>
        <translation>Africa</translation>
    </message>
    <message>
        <source>Algerien</source>
        <translation>Algeria</translation>
    </message>
    <message>
        <source>Angola</source>
        <translation>Angola</translation>
    </message>
    <message>
        <source>Äquatorialguinea</source>
        <translation>Equatorial Guinea</translation>
    </message>
    <message>
        <source>Äthiopien</source>
        <translation>Ethiopia</translation>
    </message>
    <message>
        <source>Benin</source>
        <translation>Benin</translation>
    </message>
    <message>
        <source>Botsuana</source>
        <translation>Botswana</translation>
    </message>
    <message>
        <source>Burkina Faso</source>
        <translation>Burkina Faso</translation>
    </message>
    <message>
        <source>Burundi</source>
        <translation>Burundi</translation>
    </message>
    <message>
        <source>Ägypten</source>
        <translation>Egypt</translation>
    </message>
    <message>
        <source>DR Kongo</source>
        <translation>DR Congo</translation>
    </message>
    <message>
        <source>Dschibuti</source>
        <translation>Djibouti</translation>
    </message>
    <message>
        <source>Elfenbeinküste</source>
        <translation>Côte d&apos;Ivoire</translation>
    </message>
    <message>
        <source>Eritrea</source>
        <translation>Eritrea</translation>
    </message>
    <message>
        <source>Eswatini</source>
        <translation>Eswatini</translation>
    </message>
    <message>
        <source>Gabun</source>
        <translation>Gabon</translation>
    </message>
    <message>
        <source>Gambia</source>
        <translation>Gambia</translation>
    </message>
    <message>
        <source>Ghana</source>
        <translation>Ghana</translation>
    </message>
    <message>
        <source>Guinea</source>
        <translation>Guinea</translation>
    </message>
    <message>
        <source>Guinea-Bissau</source>
        <translation>Guinea-Bissau</translation>
    </message>
    <message>
        <source>Kamerun</source>
        <translation>Cameroon</translation>
    </message>
    <message>
        <source>Kap Verde</source>
        <translation>Cape Verde</translation>
    </message>
    <message>
        <source>Kenia</source>
        <translation>Kenya</translation>
    </message>
    <message>
        <source>Komoren</source>
        <translation>Comoros</translation>
    </message>
    <message>
        <source>Lesotho</source>
        <translation>Lesotho</translation>
    </message>
    <message>
        <source>Liberia</source>
        <translation>Liberia</translation>
    </message>
    <message>
        <source>Libyen</source>
        <translation>Libya</translation>
    </message>
    <message>
        <source>Madagaskar</source>
        <translation>Madagascar</translation>
    </message>
    <message>
        <source>Malawi</source>
        <translation>Malawi</translation>
    </message>
    <message>
        <source>Mali</source>
        <translation>Mali</translation>
    </message>
    <message>
        <source>Marokko</source>
        <translation>Morocco</translation>
    </message>
    <message>
        <source>Mauretanien</source>
        <translation>Mauritania</translation>
    </message>
    <message>
        <source>Mauritius</source>
        <translation>Mauritius</translation>
    </message>
    <message>
        <source>Mosambik</source>
        <translation>Mozambique</translation>
    </message>
    <message>
        <source>Namibia</source>
        <translation>Namibia</translation>
    </message>
    <message>
        <source>Niger</source>
        <translation>Niger</translation>
    </message>
    <message>
        <source>Nigeria</source>
        <translation>Nigeria</translation>
    </message>
    <message>
        <source>Republik Kongo</source>
        <translation>Republic of the Congo</translation>
    </message>
    <message>
        <source>Ruanda</source>
        <translation>Rwanda</translation>
    </message>
    <message>
        <source>Sambia</source>
        <translation>Zambia</translation>
    </message>
    <message>
        <source>São Tomé und Príncipe</source>
        <translation>São Tomé and Príncipe</translation>
    </message>
    <message>
        <source>Senegal</source>
        <translation>Senegal</translation>
    </message>
    <message>
        <source>Seychellen</source>
        <translation>Seychelles</translation>
    </message>
    <message>
        <source>Sierra Leone</source>
        <translation>Sierra Leone</translation>
    </message>
    <message>
        <source>Simbabwe</source>
        <translation>Zimbabwe</translation>
    </message>
    <message>
        <source>Somalia</source>
        <translation>Somalia</translation>
    </message>
    <message>
        <source>Südafrika</source>
        <translation>South Africa</translation>
    </message>
    <message>
        <source>Sudan</source>
        <translation>Sudan</translation>
    </message>
    <message>
        <source>Südsudan</source>
        <translation>South Sudan</translation>
    </message>
    <message>
        <source>Tansania</source>
        <translation>Tanzania</translation>
    </message>
    <message>
        <source>Togo</source>
        <translation>Togo</translation>
    </message>
    <message>
        <source>Tschad</source>
        <translation>Chad</translation>
    </message>
    <message>
        <source>Tunesien</source>
        <translation>Tunisia</translation>
    </message>
    <message>
        <source>Uganda</source>
        <translation>Uganda</translation>
    </message>
    <message>
        <source>Westsahara</source>
        <translation>Western Sahara</translation>
    </message>
    <message>
        <source>Zentralafrikanische Republik</source>
        <translation>Central African Republic</translation>
    </message>
    <message>
        <source>Europa</source>
        <translation>Europe</translation>
    </message>
    <message>
        <source>Albanien</source>
        <translation>Albania</translation>
    </message>
    <message>
        <source>Belarus</source>
        <translation>Belarus</translation>
    </message>
    <message>
        <source>Belgien</source>
        <translation>Belgium</translation>
    </message>
    <message>
        <source>Bosnien und Herzegowina</source>
        <translation>Bosnia and Herzegovina</translation>
    </message>
    <message>
        <source>Bulgarien</source>
        <translation>Bulgaria</translation>
    </message>
    <message>
        <source>Dänemark</source>
        <translation>Denmark</translation>
    </message>
    <message>
        <source>Deutschland</source>
        <translation>Germany</translation>
    </message>
    <message>
        <source>Estland</source>
        <translation>Estonia</translation>
    </message>
    <message>
        <source>Russland</source>
        <translation>Russia</translation>
    </message>
    <message>
        <source>Finnland</source>
        <translation>Finland</translation>
    </message>
    <message>
        <source>Frankreich</source>
        <translation>France</translation>
    </message>
    <message>
        <source>Griechenland</source>
        <translation>Greece</translation>
    </message>
    <message>
        <source>Irland</source>
        <translation>Ireland</translation>
    </message>
    <message>
        <source>Island</source>
        <translation>Iceland</translation>
    </message>
    <message>
        <source>Italien</source>
        <translation>Italy</translation>
    </message>
    <message>
        <source>Kosovo</source>
        <translation>Kosovo</translation>
    </message>
    <message>
        <source>Kroatien</source>
        <translation>Croatia</translation>
    </message>
    <message>
        <source>Lettland</source>
        <translation>Latvia</translation>
    </message>
    <message>
        <source>Litauen</source>
        <translation>Lithuania</translation>
    </message>
    <message>
        <source>Luxemburg</source>
        <translation>Luxembourg</translation>
    </message>
    <message>
        <source>Malta</source>
        <translation>Malta</translation>
    </message>
    <message>
        <source>Moldau</source>
        <translation>Moldova</translation>
    </message>
    <message>
        <source>Montenegro</source>
        <translation>Montenegro</translation>
    </message>
    <message>
        <source>Niederlande</source>
        <translation>Netherlands</translation>
    </message>
    <message>
        <source>Nordmazedonien</source>
        <translation>North Macedonia</translation>
    </message>
    <message>
        <source>Norwegen</source>
        <translation>Norway</translation>
    </message>
    <message>
        <source>Österreich</source>
        <translation>Austria</translation>
    </message>
    <message>
        <source>Polen</source>
        <translation>Poland</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Rumänien</source>
        <translation>Romania</translation>
    </message>
    <message>
        <source>Schweden</source>
        <translation>Sweden</translation>
    </message>
    <message>
        <source>Schweiz</source>
        <translation>Switzerland</translation>
    </message>
    <message>
        <source>Serbien</source>
        <translation>Serbia</translation>
    </message>
    <message>
        <source>Slowakei</source>
        <translation>Slovakia</translation>
    </message>
    <message>
        <source>Slowenien</source>
        <translation>Slovenia</translation>
    </message>
    <message>
        <source>Spanien</source>
        <translation>Spain</translation>
    </message>
    <message>
        <source>Tschechien</source>
        <translation>Czechia</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>Ukraine</translation>
    </message>
    <message>
        <source>Ungarn</source>
        <translation>Hungary</translation>
    </message>
    <message>
        <source>Vereinigtes Königreich</source>
        <translation>United Kingdom</translation>
    </message>
    <message>
        <source>Zypern</source>
        <translation>Cyprus</translation>
    </message>
    <message>
        <source>Asien</source>
        <translation>Asia</translation>
    </message>
    <message>
        <source>Afghanistan</source>
        <translation>Afghanistan</translation>
    </message>
    <message>
        <source>Armenien</source>
        <translation>Armenia</translation>
    </message>
    <message>
        <source>Aserbaidschan</source>
        <translation>Azerbaijan</translation>
    </message>
    <message>
        <source>Bahrain</source>
        <translation>Bahrain</translation>
    </message>
    <message>
        <source>Bangladesch</source>
        <translation>Bangladesh</translation>
    </message>
    <message>
        <source>Bhutan</source>
        <translation>Bhutan</translation>
    </message>
    <message>
        <source>Brunei</source>
        <translation>Brunei</translation>
    </message>
    <message>
        <source>Georgien</source>
        <translation>Georgia</translation>
    </message>
    <message>
        <source>China</source>
        <translation>China</translation>
    </message>
    <message>
        <source>Indien</source>
        <translation>India</translation>
    </message>
    <message>
        <source>Indonesien</source>
        <translation>Indonesia</translation>
    </message>
    <message>
        <source>Irak</source>
        <translation>Iraq</translation>
    </message>
    <message>
        <source>Iran</source>
        <translation>Iran</translation>
    </message>
    <message>
        <source>Israel</source>
        <translation>Israel</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message>
        <source>Jemen</source>
        <translation>Yemen</translation>
    </message>
    <message>
        <source>Jordanien</source>
        <translation>Jordan</translation>
    </message>
    <message>
        <source>Kambodscha</source>
        <translation>Cambodia</translation>
    </message>
    <message>
        <source>Kasachstan</source>
        <translation>Kazakhstan</translation>
    </message>
    <message>
        <source>Katar</source>
        <translation>Qatar</translation>
    </message>
    <message>
        <source>Kirgisistan</source>
        <translation>Kyrgyzstan</translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translation>Kuwait</translation>
    </message>
    <message>
        <source>Laos</source>
        <translation>Laos</translation>
    </message>
    <message>
        <source>Libanon</source>
        <translation>Lebanon</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malaysia</translation>
    </message>
    <message>
        <source>Malediven</source>
        <translation>Maldives</translation>
    </message>
    <message>
        <source>Mongolei</source>
        <translation>Mongolia</translation>
    </message>
    <message>
        <source>Myanmar</source>
        <translation>Myanmar</translation>
    </message>
    <message>
        <source>Nepal</source>
        <translation>Nepal</translation>
    </message>
    <message>
        <source>Nordkorea</source>
        <translation>North Korea</translation>
    </message>
    <message>
        <source>Oman</source>
        <translation>Oman</translation>
    </message>
    <message>
        <source>Osttimor</source>
        <translation>East Timor</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation>Pakistan</translation>
    </message>
    <message>
        <source>Palästina</source>
        <translation>Palestine</translation>
    </message>
    <message>
        <source>Philippinen</source>
        <translation>Philippines</translation>
    </message>
    <message>
        <source>Saudi-Arabien</source>
        <translation>Saudi Arabia</translation>
    </message>
    <message>
        <source>Singapur</source>
        <translation>Singapore</translation>
    </message>
    <message>
        <source>Sri Lanka</source>
        <translation>Sri Lanka</translation>
    </message>
    <message>
        <source>Südkorea</source>
        <translation>South Korea</translation>
    </message>
    <message>
        <source>Syrien</source>
        <translation>Syria</translation>
    </message>
    <message>
        <source>Tadschikistan</source>
        <translation>Tajikistan</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation>Taiwan</translation>
    </message>
    <message>
        <source>Thailand</source>
        <translation>Thailand</translation>
    </message>
    <message>
        <source>Türkei</source>
        <translation>Turkey</translation>
    </message>
    <message>
        <source>Turkmenistan</source>
        <translation>Turkmenistan</translation>
    </message>
    <message>
        <source>Usbekistan</source>
        <translation>Uzbekistan</translation>
    </message>
    <message>
        <source>Vereinigte Arabische Emirate</source>
        <translation>United Arab Emirates</translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation>Vietnam</translation>
    </message>
    <message>
        <source>Amerika</source>
        <translation>America</translation>
    </message>
    <message>
        <source>Argentinien</source>
        <translation>Argentina</translation>
    </message>
    <message>
        <source>Bahamas</source>
        <translation>Bahamas</translation>
    </message>
    <message>
        <source>Barbados</source>
        <translation>Barbados</translation>
    </message>
    <message>
        <source>Belize</source>
        <translation>Belize</translation>
    </message>
    <message>
        <source>Bolivien</source>
        <translation>Bolivia</translation>
    </message>
    <message>
        <source>Chile</source>
        <translation>Chile</translation>
    </message>
    <message>
        <source>Costa Rica</source>
        <translation>Costa Rica</translation>
    </message>
    <message>
        <source>Dominikanische Republik</source>
        <translation>Dominican Republic</translation>
    </message>
    <message>
        <source>Brasilien</source>
        <translation>Brazil</translation>
    </message>
    <message>
        <source>Ecuador</source>
        <translation>Ecuador</translation>
    </message>
    <message>
        <source>El Salvador</source>
        <translation>El Salvador</translation>
    </message>
    <message>
        <source>Guatemala</source>
        <translation>Guatemala</translation>
    </message>
    <message>
        <source>Guyana</source>
        <translation>Guyana</translation>
    </message>
    <message>
        <source>Haiti</source>
        <translation>Haiti</translation>
    </message>
    <message>
        <source>Honduras</source>
        <translation>Honduras</translation>
    </message>
    <message>
        <source>Jamaika</source>
        <translation>Jamaica</translation>
    </message>
    <message>
        <source>Kanada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>Kolumbien</source>
        <translation>Colombia</translation>
    </message>
    <message>
        <source>Kuba</source>
        <translation>Cuba</translation>
    </message>
    <message>
        <source>Mexiko</source>
        <translation>Mexico</translation>
    </message>
    <message>
        <source>Nicaragua</source>
        <translation>Nicaragua</translation>
    </message>
    <message>
        <source>Panama</source>
        <translation>Panama</translation>
    </message>
    <message>
        <source>Paraguay</source>
        <translation>Paraguay</translation>
    </message>
    <message>
        <source>Peru</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Suriname</source>
        <translation>Suriname</translation>
    </message>
    <message>
        <source>Trinidad und Tobago</source>
        <translation>Trinidad and Tobago</translation>
    </message>
    <message>
        <source>Uruguay</source>
        <translation>Uruguay</translation>
    </message>
    <message>
        <source>Venezuela</source>
        <translation>Venezuela</translation>
    </message>
    <message>
        <source>Vereinigte Staaten</source>
        <translation>United States</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Eroberer</source>
        <translation>Conqueror</translation>
    </message>
    <message>
        <source>Wächter</source>
        <translation>Guardian</translation>
    </message>
    <message>
        <source>Stratege</source>
        <translation>Strategist</translation>
    </message>
    <message>
        <source>Gemischt</source>
        <translation>Mixed</translation>
    </message>
    <message>
        <source>Zufällig</source>
        <translation>Random</translation>
    </message>
</context>
<context>
    <name>GameRanks</name>
    <message>
        <source>Panzergrenadier</source>
        <translation>Private</translation>
    </message>
    <message>
        <source>Gefreiter</source>
        <translation>Private First Class</translation>
    </message>
    <message>
        <source>Obergefreiter</source>
        <translation>Lance Corporal</translation>
    </message>
    <message>
        <source>Stabsgefreiter</source>
        <translation>Corporal</translation>
    </message>
    <message>
        <source>Unteroffizier</source>
        <translation>Sergeant</translation>
    </message>
    <message>
        <source>Stabsunteroffizier</source>
        <translation>Staff Sergeant</translation>
    </message>
    <message>
        <source>Feldwebel</source>
        <translation>Sergeant First Class</translation>
    </message>
    <message>
        <source>Oberfeldwebel</source>
        <translation>Master Sergeant</translation>
    </message>
    <message>
        <source>Stabsfeldwebel</source>
        <translation>First Sergeant</translation>
    </message>
    <message>
        <source>Oberstabsfeldwebel</source>
        <translation>Sergeant Major</translation>
    </message>
    <message>
        <source>Leutnamt</source>
        <translation>Lieutenant</translation>
    </message>
    <message>
        <source>Oberleutnamt</source>
        <translation>First Lieutenant</translation>
    </message>
    <message>
        <source>Hauptmann</source>
        <translation>Captain</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Major</translation>
    </message>
    <message>
        <source>Oberstleutnamt</source>
        <translation>Lieutenant Colonel</translation>
    </message>
    <message>
        <source>Oberst</source>
        <translation>Colonel</translation>
    </message>
    <message>
        <source>Brigadegeneral</source>
        <translation>Brigadier General</translation>
    </message>
    <message>
        <source>Generalmajor</source>
        <translation>Major General</translation>
    </message>
    <message>
        <source>Generalleutnamt</source>
        <translation>Lieutenant General</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
</context>
<context>
    <name>GameStatus</name>
    <message>
        <source>Bereit für den Einsatz</source>
        <translation>Ready for action</translation>
    </message>
    <message>
        <source>Wird Ausgebildet</source>
        <translation>In training</translation>
    </message>
    <message>
        <source>Wird im Kampf eingesetzt</source>
        <translation>Fighting in battle</translation>
    </message>
</context>
<context>
    <name>MapErrors</name>
    <message>
        <source>Entweder handelt es sich um keine Stratagonkarte oder die Version der Karte ist nicht kompatibel mit dieser Version</source>
        <translation>Either this is not a Stratagon map or the map&apos;s version does not work with this version of the game</translation>
    </message>
    <message>
        <source>Land %1, %2</source>
        <translation>country %1, %2</translation>
    </message>
    <message>
        <source>Formatversion</source>
        <translation>format version</translation>
    </message>
    <message>
        <source>Kopfzeile, Feld 2</source>
        <translation>header, field 2</translation>
    </message>
    <message>
        <source>Kopfzeile, Feld 3</source>
        <translation>header, field 3</translation>
    </message>
    <message>
        <source>Anzahl der Länder</source>
        <translation>number of countries</translation>
    </message>
    <message>
        <source>Spalten des Rasters</source>
        <translation>columns of the grid</translation>
    </message>
    <message>
        <source>Zeilen des Rasters</source>
        <translation>rows of the grid</translation>
    </message>
    <message>
        <source>Name des Kontinents</source>
        <translation>name of the continent</translation>
    </message>
    <message>
        <source>Kürzel des Startlandes</source>
        <translation>code of the starting country</translation>
    </message>
    <message>
        <source>Kopfzeile, Feld 9</source>
        <translation>header, field 9</translation>
    </message>
    <message>
        <source>Kopfzeile, Feld 10</source>
        <translation>header, field 10</translation>
    </message>
    <message>
        <source>Kennung des Rasters</source>
        <translation>grid marker</translation>
    </message>
    <message>
        <source>Rasterzeile %1</source>
        <translation>grid row %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>name</translation>
    </message>
    <message>
        <source>Kürzel</source>
        <translation>code</translation>
    </message>
    <message>
        <source>Die Karte ist fehlerhaft: %1 ist &quot;%2&quot;, erwartet wird ein einzelnes Zeichen (ohne Umlaute).</source>
        <translation>The map is faulty: %1 is &quot;%2&quot;, a single character (no accented letters) is expected.</translation>
    </message>
    <message>
        <source>Anzahl der Generäle</source>
        <translation>number of generals</translation>
    </message>
    <message>
        <source>Feld 4</source>
        <translation>field 4</translation>
    </message>
    <message>
        <source>Wert A</source>
        <translation>value A</translation>
    </message>
    <message>
        <source>Wert B</source>
        <translation>value B</translation>
    </message>
    <message>
        <source>Feld 7</source>
        <translation>field 7</translation>
    </message>
    <message>
        <source>Startpunkt x</source>
        <translation>seed point x</translation>
    </message>
    <message>
        <source>Startpunkt y</source>
        <translation>seed point y</translation>
    </message>
    <message>
        <source>Anzahl der Nachbarn</source>
        <translation>number of neighbours</translation>
    </message>
    <message>
        <source>Feld 11</source>
        <translation>field 11</translation>
    </message>
    <message>
        <source>Nachbar %1</source>
        <translation>neighbour %1</translation>
    </message>
    <message>
        <source>Feld 13</source>
        <translation>field 13</translation>
    </message>
    <message>
        <source>Name des Generals %1</source>
        <translation>name of general %1</translation>
    </message>
    <message>
        <source>EP des Generals %1</source>
        <translation>EP of general %1</translation>
    </message>
    <message>
        <source>Feld nach den EP des Generals %1</source>
        <translation>field after the EP of general %1</translation>
    </message>
    <message>
        <source>Die Kartendatei endet zu früh: es fehlt %1.</source>
        <translation>The map file ends too early: %1 is missing.</translation>
    </message>
    <message>
        <source>Die Karte ist fehlerhaft: bei %1 fehlt das schließende Anführungszeichen.</source>
        <translation>The map is faulty: the closing quotation mark of %1 is missing.</translation>
    </message>
    <message>
        <source>Die Karte ist fehlerhaft: %1 ist %2 Zeichen lang, erlaubt sind höchstens %3.</source>
        <translation>The map is faulty: %1 is %2 characters long, at most %3 are allowed.</translation>
    </message>
    <message>
        <source>Die Karte ist fehlerhaft: %1 ist &quot;%2&quot;, erwartet wird eine ganze Zahl.</source>
        <translation>The map is faulty: %1 is &quot;%2&quot;, a whole number is expected.</translation>
    </message>
    <message>
        <source>Die Karte ist fehlerhaft: %1 ist %2, erlaubt ist %3 bis %4.</source>
        <translation>The map is faulty: %1 is %2, allowed is %3 to %4.</translation>
    </message>
    <message>
        <source>Fehler !</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Die Kartendatei &quot;%1&quot; kann nicht gelesen werden: %2</source>
        <translation>The map file &quot;%1&quot; cannot be read: %2</translation>
    </message>
    <message>
        <source>Die Kartendatei &quot;%1&quot; ist größer als %2 MB; so groß ist keine Karte.</source>
        <translation>The map file &quot;%1&quot; is larger than %2 MB; no map is that large.</translation>
    </message>
    <message>
        <source>Der Startpunkt (%1, %2) von „%3“ liegt außerhalb des Kartenbilds (%4 × %5).</source>
        <translation>The seed point (%1, %2) of “%3” lies outside the map picture (%4 × %5).</translation>
    </message>
    <message>
        <source>Der Startpunkt (%1, %2) von „%3“ liegt auf einer Fläche (Farbe %4), die kein Feld des Landes im Raster berührt.</source>
        <translation>The seed point (%1, %2) of “%3” lies on an area (colour %4) that touches none of the country&apos;s cells in the grid.</translation>
    </message>
    <message>
        <source>Der Startpunkt (%1, %2) von „%3“ liegt auf einer Fläche (Farbe %4), die weit über das Land hinausreicht: eine Grenzlinie oder das Meer?</source>
        <translation>The seed point (%1, %2) of “%3” lies on an area (colour %4) that reaches far beyond the country: a border line or the sea?</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Die Startpunkte von %1 und „%2“ liegen auf derselben Fläche; diese Länder würden immer zusammen eingefärbt.</source>
        <translation>The seed points of %1 and “%2” lie on the same area; these countries would always be coloured together.</translation>
    </message>
    <message>
        <source>Die Karte enthält kein Land.</source>
        <translation>The map has no country.</translation>
    </message>
    <message>
        <source>Das Kürzel des Startlandes „%1“ gehört zu keinem Land der Karte.</source>
        <translation>The code of the starting country, “%1”, belongs to no country of the map.</translation>
    </message>
    <message>
        <source>„%1“ und „%2“ haben dasselbe Kürzel „%3“.</source>
        <translation>“%1” and “%2” have the same code, “%3”.</translation>
    </message>
    <message>
        <source>Der Nachbar „%1“ von „%2“ ist kein Land der Karte.</source>
        <translation>The neighbour “%1” of “%2” is no country of the map.</translation>
    </message>
    <message>
        <source>„%1“ hat kein Feld im Raster: du könntest es nie anklicken und nie erobern.</source>
        <translation>“%1” has no cell in the grid: you could never click it and never conquer it.</translation>
    </message>
    <message>
        <source>Das Kartenbild ist %1 × %2 Bildpunkte groß; zum Raster von %3 × %4 Feldern zu 17 Bildpunkten passen %5 bis %6 × %7 bis %8.</source>
        <translation>The map picture is %1 × %2 pixels; a grid of %3 × %4 cells of 17 pixels needs %5 to %6 × %7 to %8.</translation>
    </message>
    <message>
        <source>Auf dieser Karte kann nicht gespielt werden:</source>
        <translation>This map cannot be played:</translation>
    </message>
    <message>
        <source>Auf dieser Karte kann nicht gespielt werden:
- %1</source>
        <translation>This map cannot be played:
- %1</translation>
    </message>
    <message>
        <source>Auf dieser Karte kann nicht gespielt werden:
- %1
... und %2 weitere Fehler.</source>
        <translation>This map cannot be played:
- %1
... and %2 more.</translation>
    </message>
    <message>
        <source>Das Kartenbild ist unvollständig: die Datei hat %1 Bytes, zu wenige für ihren Kopf.</source>
        <translation>The map picture is incomplete: the file has %1 bytes, too few for its header.</translation>
    </message>
    <message>
        <source>Das Kartenbild ist unvollständig: die Datei hat %1 Bytes, für ihre %2 × %3 Bildpunkte braucht sie mehr.</source>
        <translation>The map picture is incomplete: the file has %1 bytes, its %2 × %3 pixels need more.</translation>
    </message>
    <message>
        <source>Das Kartenbild ist unvollständig: die Datei hat %1 Bytes, für ihre %2 × %3 Bildpunkte braucht sie %4.</source>
        <translation>The map picture is incomplete: the file has %1 bytes, its %2 × %3 pixels need %4.</translation>
    </message>
</context>
</TS>
