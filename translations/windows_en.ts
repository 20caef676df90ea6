<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>AppPaths</name>
    <message>
        <source>Es gibt keinen Benutzerordner (HOME ist nicht gesetzt). Das Spiel startet mit den mitgelieferten Einstellungen; Einstellungen und Spielstände können nicht gespeichert werden.</source>
        <translation>There is no user folder (HOME is not set). The game starts with the settings it came with; settings and saved games cannot be kept.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ lässt sich nicht anlegen. %2</source>
        <translation>The folder “%1” cannot be created. %2</translation>
    </message>
    <message>
        <source>In den Ordner „%1“ kann nicht geschrieben werden. %2</source>
        <translation>The folder “%1” cannot be written to. %2</translation>
    </message>
    <message>
        <source>Das Spiel startet mit den mitgelieferten Einstellungen, deine Änderungen werden aber nicht gespeichert.</source>
        <translation>The game starts with the settings it came with, but your changes will not be kept.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ lässt sich nicht anlegen. %2</source>
        <translation>The file “%1” cannot be created. %2</translation>
    </message>
    <message>
        <source>Spielstände können nicht gespeichert werden.</source>
        <translation>Games cannot be saved.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ordner :</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Dateiname :</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Dateityp :</source>
        <translation>File type:</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>&lt;h3&gt;Die Computergegner&lt;/h3&gt;&lt;p&gt;Jeder Computergegner hat einen Charakter. Im Fenster &lt;b&gt;Neues Spiel&lt;/b&gt; wählst du ihn bei &lt;b&gt;Gegner&lt;/b&gt; für alle oder für jeden einzeln; &lt;b&gt;Gemischt&lt;/b&gt; gibt jedem zufällig einen anderen, &lt;b&gt;Zufällig&lt;/b&gt; einem einzelnen irgendeinen. Neue Spiele nach den Regeln „Klassisch“ beginnen mit „Standard“, nach „Zügig“ mit „Gemischt“; was du wählst, gilt für die Regeln, die gerade eingestellt sind.&lt;/p&gt;&lt;ul&gt;%1&lt;/ul&gt;&lt;p&gt;Die Stärke in den Einstellungen bestimmt, wie oft und wie gut ein Gegner mit Charakter entscheidet. Ab „Leicht“ rechnet er mit den genauen Siegchancen, bildet untätige Generäle aus und lässt ab „Mittel“ Verteidiger zu Hause; ab „Schwer“ greift er nie mit weniger als der halben Chance an und schickt seinen besten General nicht in unsichere Schlachten. Auf „Sehr Leicht“ spielt er wie ein Anfänger: Er greift an, sobald sein bester General mehr EP hat als der Verteidiger, und lässt niemanden zu Hause. „Standard“ spielt auf jeder Stärke gleich, nur öfter oder seltener.&lt;/p&gt;&lt;p&gt;Die Info-Leiste zeigt den Charakter eines Gegners hinter seinem Namen, etwa „Ägypten (Eroberer), Kolonie : Libyen“, ihr Tooltip beschreibt ihn. Greift ein Gegner dich oder ein Land neben deinen an, sagen die Meldungen, warum; die Bilanz zählt die Gründe aller Angriffe der Gegner.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;The computer opponents&lt;/h3&gt;&lt;p&gt;Every computer opponent has a character. In the &lt;b&gt;New game&lt;/b&gt; window you choose it under &lt;b&gt;Opponents&lt;/b&gt;, for all of them or for each one; &lt;b&gt;Mixed&lt;/b&gt; gives each another one by chance, &lt;b&gt;Random&lt;/b&gt; gives a single one any. New games under the “Classic” rules start with “Standard”, under “Brisk” with “Mixed”; what you choose holds for the rules set at the time.&lt;/p&gt;&lt;ul&gt;%1&lt;/ul&gt;&lt;p&gt;The strength in the settings decides how often and how well an opponent with a character decides. From “Easy” on he reckons with the exact chances to win and trains idle generals, and from “Medium” on he keeps defenders at home; from “Hard” on he never attacks with less than an even chance and does not send his best general into uncertain battles. On “Very easy” he plays like a beginner: he attacks as soon as his best general has more XP than the defender, and keeps nobody at home. “Standard” plays the same at every strength, only more or less often.&lt;/p&gt;&lt;p&gt;The information panel shows an opponent&apos;s character after his name, say “Egypt (Conqueror), colony: Libya”; its tooltip describes it. When an opponent attacks you or a country next to yours, the messages say why; the summary counts the reasons of all the opponents&apos; attacks.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Mit der Tastatur spielen&lt;/h3&gt;&lt;p&gt;Zu Beginn eines Spiels hat die Karte den Fokus; ein schwarz-weißer Rand zeigt das Land, auf dem du stehst, zuerst dein Heimatland. Die &lt;b&gt;Pfeiltasten&lt;/b&gt; gehen zum Nachbarland, das am ehesten in dieser Richtung liegt, auch über das Meer. &lt;b&gt;Buchstaben&lt;/b&gt; springen zum Land, dessen Name so beginnt; derselbe Buchstabe noch einmal geht zum nächsten. Die &lt;b&gt;Eingabetaste&lt;/b&gt; greift im Modus Schlacht das Land an, im Modus Info zeigt sie es.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Tab&lt;/b&gt; und &lt;b&gt;Umschalt+Tab&lt;/b&gt; gehen durch alle Knöpfe und Listen eines Fensters; die &lt;b&gt;Eingabetaste&lt;/b&gt; drückt den gewählten Knopf (in den anderen Fenstern auch die &lt;b&gt;Leertaste&lt;/b&gt;), &lt;b&gt;Escape&lt;/b&gt; schließt ein Fenster mit „Abbrechen“ oder „Schließen“.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Escape&lt;/b&gt;: Optionsmenü&lt;/li&gt;&lt;li&gt;&lt;b&gt;F1&lt;/b&gt;: diese Anleitung&lt;/li&gt;&lt;li&gt;&lt;b&gt;F2&lt;/b&gt;: Generäle&lt;/li&gt;&lt;li&gt;&lt;b&gt;F3&lt;/b&gt;: Bilanz&lt;/li&gt;&lt;li&gt;&lt;b&gt;F4&lt;/b&gt;: Seitenmenü ein- und ausblenden&lt;/li&gt;&lt;li&gt;&lt;b&gt;F5&lt;/b&gt;: Modus wechseln&lt;/li&gt;&lt;li&gt;&lt;b&gt;F6&lt;/b&gt;: die Lage in einem Satz: Datum, deine Länder, Schlachten, Angriffe auf dich, freie Generäle, Tempo und ob die Uhr läuft&lt;/li&gt;&lt;li&gt;&lt;b&gt;F7&lt;/b&gt;: zurück zur Karte, wo immer du gerade bist&lt;/li&gt;&lt;li&gt;&lt;b&gt;F8&lt;/b&gt;: Einführung überspringen, nach ihrem letzten Wort weiterspielen&lt;/li&gt;&lt;li&gt;&lt;b&gt;F9&lt;/b&gt;: zum nächsten deiner Länder, das angegriffen wird&lt;/li&gt;&lt;li&gt;&lt;b&gt;F10&lt;/b&gt;: zum nächsten Land, das du angreifen kannst, die beste Siegchance zuerst&lt;/li&gt;&lt;li&gt;&lt;b&gt;F12&lt;/b&gt;: den Satz der Einführung noch einmal hören&lt;/li&gt;&lt;li&gt;&lt;b&gt;Leertaste&lt;/b&gt; (überall im Hauptfenster): Pause und weiter&lt;/li&gt;&lt;li&gt;&lt;b&gt;-&lt;/b&gt; und &lt;b&gt;+&lt;/b&gt;: langsamer und schneller&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Unter &lt;b&gt;Optionen&lt;/b&gt; stellst du die &lt;b&gt;Schriftgröße&lt;/b&gt; aller Fenster ein, und was dir ein Bildschirmleser vom laufenden Spiel von selbst sagt (&lt;b&gt;Ansagen&lt;/b&gt;: Alle, Wichtige oder Aus): Angriffe auf dich, verlorene Länder und das Ende des Spiels immer, deine Eroberungen und Schlachten bei „Wichtige“, Beförderungen und die Eroberungen der anderen nur bei „Alle“; höchstens eine Ansage in der Sekunde. Dort lässt du das Spiel auch anhalten, wenn du angegriffen wirst.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Playing with the keyboard&lt;/h3&gt;&lt;p&gt;When a game begins the map has the focus; a black and white border shows the country you are on, your home country first. The &lt;b&gt;arrow keys&lt;/b&gt; go to the neighbouring country that lies most nearly in that direction, across the sea too. &lt;b&gt;Letters&lt;/b&gt; jump to the country whose name begins so; the same letter again goes to the next one. The &lt;b&gt;Enter key&lt;/b&gt; attacks the country in battle mode and shows it in info mode.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Tab&lt;/b&gt; and &lt;b&gt;Shift+Tab&lt;/b&gt; go through all buttons and lists of a window; the &lt;b&gt;Enter key&lt;/b&gt; presses the chosen button (in the other windows the &lt;b&gt;space bar&lt;/b&gt; too), &lt;b&gt;Escape&lt;/b&gt; closes a window with “Cancel” or “Close”.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Escape&lt;/b&gt;: options menu&lt;/li&gt;&lt;li&gt;&lt;b&gt;F1&lt;/b&gt;: this guide&lt;/li&gt;&lt;li&gt;&lt;b&gt;F2&lt;/b&gt;: generals&lt;/li&gt;&lt;li&gt;&lt;b&gt;F3&lt;/b&gt;: summary&lt;/li&gt;&lt;li&gt;&lt;b&gt;F4&lt;/b&gt;: show or hide the side menu&lt;/li&gt;&lt;li&gt;&lt;b&gt;F5&lt;/b&gt;: switch mode&lt;/li&gt;&lt;li&gt;&lt;b&gt;F6&lt;/b&gt;: the situation in one sentence: date, your countries, battles, attacks on you, free generals, pace and whether the clock runs&lt;/li&gt;&lt;li&gt;&lt;b&gt;F7&lt;/b&gt;: back to the map, wherever you are&lt;/li&gt;&lt;li&gt;&lt;b&gt;F8&lt;/b&gt;: skip the introduction, play on after its last word&lt;/li&gt;&lt;li&gt;&lt;b&gt;F9&lt;/b&gt;: to the next of your countries under attack&lt;/li&gt;&lt;li&gt;&lt;b&gt;F10&lt;/b&gt;: to the next country you can attack, the best chance of victory first&lt;/li&gt;&lt;li&gt;&lt;b&gt;F12&lt;/b&gt;: hear the introduction&apos;s sentence again&lt;/li&gt;&lt;li&gt;&lt;b&gt;Space bar&lt;/b&gt; (anywhere in the main window): pause and go on&lt;/li&gt;&lt;li&gt;&lt;b&gt;-&lt;/b&gt; and &lt;b&gt;+&lt;/b&gt;: slower and faster&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Under &lt;b&gt;Options&lt;/b&gt; you set the &lt;b&gt;text size&lt;/b&gt; of all windows, and what a screen reader tells you of the running game by itself (&lt;b&gt;Speech&lt;/b&gt;: All, Important or Off): attacks on you, countries lost and the end of the game always, your conquests and battles with “Important”, promotions and the others&apos; conquests only with “All”; at most one announcement a second. There you can also have the game pause when you are attacked.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>KeyboardAccess</name>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Aufruf: stratagon [--help] [--version]
Ein Echtzeit-Strategiespiel für einen Spieler: Du wirbst Generäle an und eroberst die Länder einer Karte.

  --help     zeigt diese Hilfe
  --version  zeigt die Version
</source>
        <translation>Usage: stratagon [--help] [--version]
A single-player real-time strategy game: you recruit generals and conquer the countries of a map.

  --help     shows this help
  --version  shows the version
</translation>
    </message>
</context>
<context>
    <name>MapCatalog</name>
    <message>
        <source>Das Kartenbild lässt sich nicht lesen.</source>
        <translation>The map picture cannot be read.</translation>
    </message>
    <message>
        <source>Es gibt schon eine Karte „%1“. Benenne diese um, dann kannst du sie wählen.</source>
        <translation>There is already a map “%1”. Rename this one, then you can choose it.</translation>
    </message>
    <message>
        <source>Die Kartendatei ist keine gewöhnliche Datei.</source>
        <translation>The map file is not a regular file.</translation>
    </message>
    <message>
        <source>Das Kartenbild „%1“ fehlt.</source>
        <translation>The map picture “%1” is missing.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (und %n weitere Mängel)</source>
        <translation>
            <numerusform>%1 (and %n more fault)</numerusform>
            <numerusform>%1 (and %n more faults)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MapPainter</name>
    <message>
        <source>%1
Besitzer : %2</source>
        <translation>%1
Held by: %2</translation>
    </message>
</context>
<context>
    <name>MapSurface</name>
    <message>
        <source>Das Kartenbild kann nicht gelesen werden: %1</source>
        <translation>The map picture cannot be read: %1</translation>
    </message>
    <message>
        <source>Das Kartenbild ist größer als %1 MB; so groß ist kein Kartenbild.</source>
        <translation>The map picture is larger than %1 MB; no map picture is that large.</translation>
    </message>
</context>
<context>
    <name>SaveGames</name>
    <message>
        <source>Das Kartenbild lässt sich nicht lesen.</source>
        <translation>The map picture cannot be read.</translation>
    </message>
    <message>
        <source>Spiel speichern</source>
        <translation>Save game</translation>
    </message>
    <message>
        <source>Unter welchem Namen willst du das Spiel speichern?</source>
        <translation>Under which name do you want to save the game?</translation>
    </message>
    <message>
        <source>Es gibt schon einen Spielstand „%1“. Willst du ihn ersetzen?</source>
        <translation>There is already a saved game “%1”. Do you want to replace it?</translation>
    </message>
    <message>
        <source>Ohne Benutzerordner kann das Spiel nicht gespeichert werden.</source>
        <translation>Without a user folder the game cannot be saved.</translation>
    </message>
    <message>
        <source>Fehler !</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Spiel laden</source>
        <translation>Load game</translation>
    </message>
</context>
<context>
    <name>stratagon::BattleListPanel</name>
    <message>
        <source>Kampf um</source>
        <translation>Battle for</translation>
    </message>
    <message>
        <source>Angreifer</source>
        <translation>Attacker</translation>
    </message>
    <message>
        <source>Verteidiger</source>
        <translation>Defender</translation>
    </message>
    <message>
        <source>Keine Kämpfe</source>
        <translation>No battles</translation>
    </message>
    <message>
        <source>Kämpfe : %1</source>
        <translation>Battles: %1</translation>
    </message>
    <message>
        <source>%1  %2
%3, %4 EP</source>
        <translation>%1  %2
%3, %4 XP</translation>
    </message>
    <message>
        <source>Alle Schlachten</source>
        <translation>All battles</translation>
    </message>
    <message>
        <source>%1  %2
ohne General</source>
        <translation>%1  %2
no general</translation>
    </message>
    <message>
        <source>%1: %2 %3 gegen %4 %5</source>
        <translation>%1: %2 %3 against %4 %5</translation>
    </message>
</context>
<context>
    <name>stratagon::BattlePanel</name>
    <message>
        <source>Keine Kämpfe</source>
        <translation>No battles</translation>
    </message>
    <message>
        <source>Kampf um</source>
        <translation>Battle for</translation>
    </message>
    <message>
        <source>Deine Schlachten blättern</source>
        <translation>Leaf through your battles</translation>
    </message>
    <message>
        <source>ohne General</source>
        <translation>no general</translation>
    </message>
</context>
<context>
    <name>stratagon::ControlStrip</name>
    <message>
        <source>Generäle</source>
        <translation>Generals</translation>
    </message>
    <message>
        <source>Die Generalliste: Generäle einstellen, entlassen und ihnen Aufgaben geben</source>
        <translation>The list of generals: recruit and dismiss generals and give them tasks</translation>
    </message>
    <message>
        <source>Bilanz</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Die Bilanz des Spiels bis jetzt</source>
        <translation>The summary of the game so far</translation>
    </message>
    <message>
        <source>Modus wechseln: in der Schlacht greift ein Klick auf ein Nachbarland an, im Info-Modus zeigt er nur das Land</source>
        <translation>Switch mode: in battle mode a click attacks a neighbouring country, in info mode it only shows the country</translation>
    </message>
    <message>
        <source>Modus : Schlacht</source>
        <translation>Mode: Battle</translation>
    </message>
    <message>
        <source>Modus : Info</source>
        <translation>Mode: Info</translation>
    </message>
    <message>
        <source>Weiterspielen (Leertaste)</source>
        <translation>Play on (space bar)</translation>
    </message>
    <message>
        <source>Pause (Leertaste)</source>
        <translation>Pause (space bar)</translation>
    </message>
    <message>
        <source>Weiterspielen</source>
        <translation>Play on</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>stratagon::CountryPickWindow</name>
    <message>
        <source>Welches Land ?</source>
        <translation>Which country?</translation>
    </message>
    <message>
        <source>Aktuell gewählt :</source>
        <translation>Chosen now:</translation>
    </message>
</context>
<context>
    <name>stratagon::CreditsWindow</name>
    <message>
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>präsentiert</source>
        <translation>presents</translation>
    </message>
    <message>
        <source>Programmierung</source>
        <translation>Programming</translation>
    </message>
    <message>
        <source>Das Stratagon-Team</source>
        <translation>The Stratagon team</translation>
    </message>
    <message>
        <source>Die nicht vorhandene Grafik</source>
        <translation>The graphics that aren’t there</translation>
    </message>
    <message>
        <source>Sound&amp;Musik</source>
        <translation>Sound &amp; music</translation>
    </message>
    <message>
        <source>gibbet net :D</source>
        <translation>none of that :D</translation>
    </message>
    <message>
        <source>Tester</source>
        <translation>Testers</translation>
    </message>
    <message>
        <source>Die Testreihe des Teams</source>
        <translation>The team’s test series</translation>
    </message>
    <message>
        <source>Die Spieler der ersten Stunde</source>
        <translation>The players of the first hour</translation>
    </message>
    <message>
        <source>Besten Dank an euch beiden :)</source>
        <translation>Many thanks to you both :)</translation>
    </message>
    <message>
        <source>Besucht uns im Internet</source>
        <translation>Visit us on the web</translation>
    </message>
    <message>
        <source>Made with Natural Earth</source>
        <translation>Made with Natural Earth</translation>
    </message>
    <message>
        <source>Fenster und Grafik: Qt 6</source>
        <translation>Windows and graphics: Qt 6</translation>
    </message>
    <message>
        <source>Danke fürs Spielen!</source>
        <translation>Thanks for playing!</translation>
    </message>
</context>
<context>
    <name>stratagon::DeployWindow</name>
    <message>
        <source>Ziel : -</source>
        <translation>Target: -</translation>
    </message>
    <message>
        <source>Ziel : %1, gehalten von %2</source>
        <translation>Target: %1, held by %2</translation>
    </message>
    <message>
        <source>Ziel : %1</source>
        <translation>Target: %1</translation>
    </message>
    <message>
        <source>Verteidiger : kein General bereit</source>
        <translation>Defender: no general ready</translation>
    </message>
    <message>
        <source>Verteidiger : %1, %2, %3 EP</source>
        <translation>Defender: %1, %2, %3 XP</translation>
    </message>
    <message>
        <source>%1 – %2, %3 EP – %4</source>
        <translation>%1 – %2, %3 XP – %4</translation>
    </message>
    <message>
        <source>General für den Kampf einsetzen</source>
        <translation>Send a general into battle</translation>
    </message>
    <message>
        <source>Wählen sie aus welcher General für das Ziel eingesetzt werden soll :</source>
        <translation>Choose the general to send against the target:</translation>
    </message>
    <message>
        <source>Erfahrungspunkte : </source>
        <translation>Experience points: </translation>
    </message>
    <message>
        <source>Rang :</source>
        <translation>Rank:</translation>
    </message>
    <message>
        <source>Bereitschaft :</source>
        <translation>Readiness:</translation>
    </message>
    <message>
        <source>Aufgabe :</source>
        <translation>Task:</translation>
    </message>
    <message>
        <source>Siegchance :</source>
        <translation>Chance of victory:</translation>
    </message>
    <message>
        <source>Land angreifen</source>
        <translation>Attack country</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>N.A.</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>Bereit</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>N. Bereit</source>
        <translation>Not ready</translation>
    </message>
    <message>
        <source>Wähle zuerst einen General aus der Liste.</source>
        <translation>Choose a general from the list first.</translation>
    </message>
    <message>
        <source>Kein General</source>
        <translation>No general</translation>
    </message>
    <message>
        <source>Der angewählte General ist nicht bereit !!!</source>
        <translation>The chosen general is not ready!</translation>
    </message>
    <message>
        <source>Nicht bereit</source>
        <translation>Not ready</translation>
    </message>
    <message>
        <source>Es tobt eine Schlacht in dem Land! Deine Truppen wollen die Schlacht erst führen, wenn die jetzige Schlacht beendet ist.</source>
        <translation>A battle is raging in that country! Your troops will only fight there once the current battle is over.</translation>
    </message>
    <message>
        <source>Schlacht!</source>
        <translation>Battle!</translation>
    </message>
    <message>
        <source>Sie können in dieser Version nur bis zu 25 Kämpfe gleichzeitig durchführen !</source>
        <translation>You can fight at most 25 battles at the same time!</translation>
    </message>
    <message>
        <source>Zuviele Kämpfe !</source>
        <translation>Too many battles!</translation>
    </message>
    <message>
        <source>Generäle</source>
        <translation>Generals</translation>
    </message>
    <message>
        <source>Kein General bereit.</source>
        <translation>No general ready.</translation>
    </message>
    <message>
        <source>Vorgewählt: %1, Siegchance %2 %. Eingabetaste greift an.</source>
        <translation>Chosen: %1, chance of victory %2 %. Enter attacks.</translation>
    </message>
</context>
<context>
    <name>stratagon::GamePanels</name>
    <message>
        <source>Langsamer</source>
        <translation>Slower</translation>
    </message>
    <message>
        <source>Das Spiel langsamer laufen lassen (Taste -)</source>
        <translation>Run the game slower (key -)</translation>
    </message>
    <message>
        <source>Schneller</source>
        <translation>Faster</translation>
    </message>
    <message>
        <source>Das Spiel schneller laufen lassen (Taste +)</source>
        <translation>Run the game faster (key +)</translation>
    </message>
    <message>
        <source>Das Tempo im Verhältnis zur Einstellung in den Optionen</source>
        <translation>The pace relative to the setting in the options</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Die Spielanleitung öffnen (F1)</source>
        <translation>Open the game guide (F1)</translation>
    </message>
    <message>
        <source>Tempo : %1</source>
        <translation>Pace: %1</translation>
    </message>
</context>
<context>
    <name>stratagon::GeneralListWindow</name>
    <message>
        <source>%1 führt gerade die Schlacht um %2. Entlässt du ihn, geht diese Schlacht verloren.

Willst du %1 trotzdem entlassen?</source>
        <translation>%1 is leading the battle for %2 right now. If you dismiss him, that battle is lost.

Do you want to dismiss %1 all the same?</translation>
    </message>
    <message>
        <source>Willst du %1 wirklich entlassen?</source>
        <translation>Do you really want to dismiss %1?</translation>
    </message>
    <message>
        <source>Generalliste</source>
        <translation>List of generals</translation>
    </message>
    <message>
        <source>Genräle</source>
        <translation>Generals</translation>
    </message>
    <message>
        <source>Rang</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>Erfahrungspunkte</source>
        <translation>Experience points</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Neuer Unteroffizier</source>
        <translation>New NCO</translation>
    </message>
    <message>
        <source>General  löschen</source>
        <translation>Dismiss general</translation>
    </message>
    <message>
        <source>Dienstgrade</source>
        <translation>Ranks</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Ne mehr Generäle gibt es nicht :)</source>
        <translation>That’s all the generals there are :)</translation>
    </message>
    <message>
        <source>Generäle</source>
        <translation>Generals</translation>
    </message>
    <message>
        <source>Geben sie den Namen des Unteroffiziers ein :</source>
        <translation>Enter the name of the NCO:</translation>
    </message>
    <message>
        <source>Deine Generäle: %1, davon in einer Schlacht: %2.</source>
        <translation>Your generals: %1, in battle: %2.</translation>
    </message>
</context>
<context>
    <name>stratagon::GuidePanel</name>
    <message>
        <source>Einführung</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Überspringen</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Weiterspielen</source>
        <translation>Play on</translation>
    </message>
    <message>
        <source>Zum Menü</source>
        <translation>To the menu</translation>
    </message>
    <message>
        <source>Willkommen! Du führst %1. Noch steht die Zeit still: Starte die Uhr mit dem markierten Knopf oder der Leertaste.</source>
        <translation>Welcome! You lead %1. Time is still standing still: start the clock with the marked button or the space bar.</translation>
    </message>
    <message>
        <source>Die Schlacht läuft! In der Liste der Schlachten siehst du, wie sie steht. Lass die Uhr einen Augenblick laufen.</source>
        <translation>The battle is on! The list of battles shows you how it stands. Let the clock run for a moment.</translation>
    </message>
    <message>
        <source>Mit dem markierten Knopf oder der Leertaste hältst du das Spiel jederzeit an. Probier es aus.</source>
        <translation>With the marked button or the space bar you can pause the game at any time. Try it.</translation>
    </message>
    <message>
        <source>Mit „Schneller“ und „Langsamer“ (Tasten + und -) stellst du das Tempo ein. Ändere es einmal.</source>
        <translation>With “Faster” and “Slower” (keys + and -) you set the pace. Change it once.</translation>
    </message>
    <message>
        <source>Die Uhr steht. Starte sie wieder, damit deine Schlacht entschieden wird.</source>
        <translation>The clock has stopped. Start it again so that your battle is decided.</translation>
    </message>
    <message>
        <source>Jetzt gilt es abzuwarten, bis deine Schlacht entschieden ist. Schneller geht es mit „Schneller“.</source>
        <translation>Now wait until your battle is decided. It goes quicker with “Faster”.</translation>
    </message>
    <message>
        <source>Diese Schlacht ist verloren, doch der Krieg geht weiter. Greif %1 erneut an (Siegchance %2 %).</source>
        <translation>This battle is lost, but the war goes on. Attack %1 again (chance of victory %2 %).</translation>
    </message>
    <message>
        <source>Geschafft: Dein erstes Land ist erobert! Trainiere deine Generäle, greif früh an und erobere den ganzen Kontinent. Viel Erfolg!</source>
        <translation>Done: your first country is conquered! Train your generals, attack early and conquer the whole continent. Good luck!</translation>
    </message>
    <message>
        <source>Die Einführung beenden und einfach weiterspielen (F8)</source>
        <translation>End the introduction and simply play on (F8)</translation>
    </message>
    <message>
        <source>Die Einführung beenden und weiterspielen (F8)</source>
        <translation>End the introduction and play on (F8)</translation>
    </message>
    <message>
        <source>Schau dir einen Nachbarn an: Stelle den Modus mit dem markierten Knopf auf „Info“ (F5) und klicke dann ein Land neben %1 an.</source>
        <translation>Take a look at a neighbour: set the mode to “Info” with the marked button (F5), then click a country next to %1.</translation>
    </message>
    <message>
        <source>Die markierten Länder grenzen an %1. Klicke eines an oder geh mit den Pfeiltasten hin: Die Tafel zeigt dir, wer es hält und wie stark sein General ist.</source>
        <translation>The marked countries border %1. Click one or go there with the arrow keys: the panel shows you who holds it and how strong its general is.</translation>
    </message>
    <message>
        <source>Ein Heer braucht Führer: Öffne „Generäle“ (F2) und stelle mit „Neuer Unteroffizier“ einen General ein. Er wird gleich ausgebildet.</source>
        <translation>An army needs leaders: open “Generals” (F2) and recruit a general with “New NCO”. He starts training at once.</translation>
    </message>
    <message>
        <source>Ein Heer braucht Führer: Öffne das Seitenmenü, dann „Generäle“ (oder drücke F2), und stelle mit „Neuer Unteroffizier“ einen General ein. Er wird gleich ausgebildet.</source>
        <translation>An army needs leaders: open the side menu, then “Generals” (or press F2), and recruit a general with “New NCO”. He starts training at once.</translation>
    </message>
    <message>
        <source>%1 hält sich nur bereit und lernt nichts dazu. Wähle ihn in „Generäle“ (F2), dann „Aufgabe“ und „General ausbilden“.</source>
        <translation>%1 only stands ready and learns nothing. Choose him in “Generals” (F2), then “Task” and “Train general”.</translation>
    </message>
    <message>
        <source>Greif früh an! %1 ist dein schwächster Nachbar (Siegchance %2 %). Modus „Schlacht“ (F5), %1 anklicken oder mit Pfeiltasten und Eingabetaste wählen, dann „Land angreifen“.</source>
        <translation>Attack early! %1 is your weakest neighbour (chance of victory %2 %). Mode “Battle” (F5), click %1 or choose it with the arrow keys and Enter, then “Attack country”.</translation>
    </message>
    <message>
        <source>Unter „Meldungen“ steht das Neueste oben. Klicke eine Meldung an oder wähle sie mit Tab, Pfeiltasten und Eingabetaste: Die Karte zeigt dir das Land, um das es geht.</source>
        <translation>“Messages” has the latest news on top. Click a message or choose it with Tab, the arrow keys and Enter: the map shows you the country it is about.</translation>
    </message>
    <message>
        <source>Die „Bilanz“ (F3) zeigt die Spielbilanz: Länder, Generäle und Schlachten. Öffne sie einmal.</source>
        <translation>The “Summary” (F3) shows the game summary: countries, generals and battles. Open it once.</translation>
    </message>
    <message>
        <source>Die „Bilanz“ im Seitenmenü (F3) zeigt die Spielbilanz: Länder, Generäle und Schlachten. Öffne sie einmal.</source>
        <translation>The “Summary” in the side menu (F3) shows the game summary: countries, generals and battles. Open it once.</translation>
    </message>
</context>
<context>
    <name>stratagon::HelpWindow</name>
    <message>
        <source>&lt;h2&gt;Stratagon – Spielanleitung&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Stratagon – How to play&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Das Ziel&lt;/h3&gt;&lt;p&gt;Du führst ein Land des Kontinents. Erobere mit deinen Generälen alle Länder, dann hast du gewonnen. Hältst du kein einziges Land mehr, hast du verloren.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;The goal&lt;/h3&gt;&lt;p&gt;You lead one country of the continent. Conquer every country with your generals and you have won. If you no longer hold a single country, you have lost.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Die Karte&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Rot&lt;/b&gt; sind deine Länder, &lt;b&gt;grün&lt;/b&gt; die deines Gegners. Spielst du gegen mehrere Gegner, hat jeder seine eigene Farbe: grün, blau, violett, türkis und orange. Alle anderen Länder behalten die Farben der Karte: Sie greifen niemanden an und verteidigen sich nur. Um ein Land, das einen weißen Kreis mit schwarzem Kreuz trägt, wird gerade gekämpft.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;The map&lt;/h3&gt;&lt;p&gt;Your countries are &lt;b&gt;red&lt;/b&gt;, your opponent’s are &lt;b&gt;green&lt;/b&gt;. If you play against several opponents, each has his own colour: green, blue, violet, turquoise and orange. All other countries keep the colours of the map: they attack nobody and only defend themselves. A country marked with a white circle and a black cross is being fought over right now.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Die zwei Modi&lt;/h3&gt;&lt;p&gt;Der Knopf &lt;b&gt;Modus&lt;/b&gt; wechselt zwischen &lt;b&gt;Schlacht&lt;/b&gt; und &lt;b&gt;Info&lt;/b&gt;. Im Modus Schlacht greift ein Klick auf ein Nachbarland an; im Modus Info zeigt ein Klick nur, wem das Land gehört und welche Generäle es hat.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;The two modes&lt;/h3&gt;&lt;p&gt;The &lt;b&gt;Mode&lt;/b&gt; button switches between &lt;b&gt;Battle&lt;/b&gt; and &lt;b&gt;Info&lt;/b&gt;. In battle mode a click on a neighbouring country attacks it; in info mode a click only shows who holds the country and which generals it has.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Angreifen&lt;/h3&gt;&lt;p&gt;Klicke im Modus Schlacht auf ein Land, das an eines deiner Länder grenzt. Im Fenster siehst du das Ziel, seinen Besitzer, den General, der es verteidigen wird, und für den General, den du wählst, deine Siegchance. Jede Zeile der Liste nennt Rang, EP, Aufgabe und Siegchance eines Generals; wer gerade kämpft, ist ausgegraut. Dein bester bereiter General ist schon gewählt. &lt;b&gt;Enter&lt;/b&gt; oder ein Doppelklick schickt ihn los, &lt;b&gt;Escape&lt;/b&gt; bricht ab. Jede Schlacht beginnt 20 : 80 gegen dich; wer über 100 Punkte kommt, gewinnt das Land. Je mehr Erfahrungspunkte (EP) dein General gegenüber dem Verteidiger hat, desto besser stehen deine Chancen. Du kannst bis zu 25 Schlachten zugleich führen.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Attacking&lt;/h3&gt;&lt;p&gt;In battle mode, click a country that borders one of yours. The window shows the target, its holder, the general who will defend it and, for the general you choose, your chance of victory. Each row of the list gives a general’s rank, XP, task and chance of victory; whoever is fighting right now is greyed out. Your best ready general is already chosen. &lt;b&gt;Enter&lt;/b&gt; or a double click sends him off, &lt;b&gt;Escape&lt;/b&gt; cancels. Every battle starts 20 : 80 against you; whoever gets past 100 points wins the country. The more experience points (XP) your general has compared with the defender, the better your chances. You can fight up to 25 battles at once.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Bereitschaft&lt;/h3&gt;&lt;p&gt;Ein General, der gerade kämpft, ist &lt;b&gt;nicht bereit&lt;/b&gt;. Jeder andere – ob er sich bereithält oder ausgebildet wird – kann sofort in eine Schlacht ziehen.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Readiness&lt;/h3&gt;&lt;p&gt;A general who is fighting right now is &lt;b&gt;not ready&lt;/b&gt;. Every other one – whether he is standing by or in training – can go into battle at once.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Aufgaben und Ausbildung&lt;/h3&gt;&lt;p&gt;Unter &lt;b&gt;Generäle&lt;/b&gt; findest du deine Generalliste. Dort stellst du neue Unteroffiziere ein, entlässt Generäle und gibst ihnen eine &lt;b&gt;Aufgabe&lt;/b&gt;: sich bereithalten oder ausgebildet werden. Wer ausgebildet wird, gewinnt von Zeit zu Zeit einen EP dazu; ein Sieg bringt 5 EP.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tasks and training&lt;/h3&gt;&lt;p&gt;Under &lt;b&gt;Generals&lt;/b&gt; you find your list of generals. There you recruit new NCOs, dismiss generals and give them a &lt;b&gt;task&lt;/b&gt;: standing by or training. A general in training gains one XP from time to time; a victory brings 5 XP.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Ränge&lt;/h3&gt;&lt;p&gt;Der Rang folgt den EP: vom Unteroffizier (0 bis 4 EP) bis zum General (ab 95 EP). &lt;b&gt;Dienstgrade&lt;/b&gt; in der Generalliste zeigt die ganze Leiter. Steigt einer deiner Generäle auf, steht es in den Meldungen.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Ranks&lt;/h3&gt;&lt;p&gt;The rank follows the XP: from NCO (0 to 4 XP) up to General (95 XP and more). &lt;b&gt;Ranks&lt;/b&gt; in the list of generals shows the whole ladder. When one of your generals is promoted, the messages say so.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Pause und Tempo&lt;/h3&gt;&lt;p&gt;Die &lt;b&gt;Leertaste&lt;/b&gt; oder der Pause-Knopf hält das Spiel an und lässt es weiterlaufen. Solange du pausiert hast, bleibt die Zeit stehen, auch wenn du andere Fenster öffnest und schließt; Angriffe kannst du trotzdem befehlen, sie beginnen, sobald es weitergeht. Mit &lt;b&gt;-&lt;/b&gt; und &lt;b&gt;+&lt;/b&gt; (oder den Tempo-Knöpfen) spielst du mit halbem, einfachem, doppeltem oder vierfachem Tempo.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Pause and pace&lt;/h3&gt;&lt;p&gt;The &lt;b&gt;space bar&lt;/b&gt; or the pause button stops the game and lets it run on. While you have paused, time stands still, even when you open and close other windows; you can still order attacks, and they begin as soon as the game goes on. With &lt;b&gt;-&lt;/b&gt; and &lt;b&gt;+&lt;/b&gt; (or the pace buttons) you play at half, normal, double or four times the pace.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Meldungen und Kämpfe&lt;/h3&gt;&lt;p&gt;Die Meldungen nennen die neuesten Ereignisse zuerst, jede mit ihrem Datum. Was dich betrifft, ist fett gedruckt; ein Angriff auf dich ist zusätzlich mit ⚠ markiert. Die Kampfliste zeigt alle laufenden Schlachten, deine zuerst.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Messages and battles&lt;/h3&gt;&lt;p&gt;The messages list the latest events first, each with its date. What concerns you is in bold; an attack on you is also marked with ⚠. The battle list shows every battle under way, yours first.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;F1&lt;/b&gt; öffnet diese Anleitung jederzeit; solange sie offen ist, wartet das Spiel.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;F1&lt;/b&gt; opens this guide at any time; while it is open, the game waits.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Spielanleitung</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Regeln: Klassisch und Zügig&lt;/h3&gt;&lt;p&gt;Unter &lt;b&gt;Einstellungen&lt;/b&gt; wählst du bei &lt;b&gt;Regeln&lt;/b&gt;, wie dein nächstes neues Spiel gespielt wird; ein laufendes oder geladenes Spiel behält seine Regeln. &lt;b&gt;Klassisch&lt;/b&gt; sind die Regeln, wie sie hier beschrieben sind. &lt;b&gt;Zügig&lt;/b&gt; ändert Zahlen und hat Regeln gegen Riesen und endlose Spiele:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Jede Schlacht beginnt 30 : 70. Der Punktestand bewegt sich nach dem Verhältnis der EP beider Generäle, nicht nach ihrem Unterschied, in großen Schritten: auch Schlachten zwischen Unteroffizieren kommen voran, und ein etwas schwächerer Angreifer hat eine Chance.&lt;/li&gt;&lt;li&gt;Eine Schlacht dauert höchstens 4 Jahre; ist sie dann nicht entschieden, behält der Verteidiger sein Land.&lt;/li&gt;&lt;li&gt;Die Generäle der Länder ohne Spieler beginnen mit der Hälfte ihrer EP und werden halb so schnell ausgebildet. Die Computergegner beginnen mit so starken Generälen wie du.&lt;/li&gt;&lt;li&gt;Deine neuen Generäle beginnen mit 3 EP, die des Gegners mit 4, auf „Schwer“ mit 5 und auf „Irrsinnig“ mit 8 (sonst 1). In der Ausbildung gewinnen deine etwa 5 EP im Jahr, die des Gegners je nach Stärke 4 bis 5 (sonst 3).&lt;/li&gt;&lt;li&gt;Land macht stark: Wer mehr Länder hält, bildet schneller aus, mit der halben Karte anderthalbmal, mit der ganzen doppelt so schnell wie mit einem Land.&lt;/li&gt;&lt;li&gt;Ein Sieg bringt 5 EP nur gegen einen mindestens gleich starken General. Gegen einen schwächeren bringt er den Teil, den dessen EP von deinen ausmachen (gegen halb so viele 2 EP), gegen einen mit weniger als einem Fünftel deiner EP nichts: Kein General wird zum Riesen, nur weil er Schwächere schlägt. Über 500 EP kommt keiner hinaus, weder durch Ausbildung noch durch Siege.&lt;/li&gt;&lt;li&gt;Der Gegner führt bis zu zehn Generäle statt fünf, bildet auch seine neuen aus und lässt seinen besten freien General zu Hause.&lt;/li&gt;&lt;li&gt;Fällt das Heimatland eines Computergegners, ist er geschlagen: Er scheidet aus, und alle seine Länder fallen an den, der es erobert hat. Deine eigenen Länder zählen wie immer einzeln.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Rules: Classic and Brisk&lt;/h3&gt;&lt;p&gt;Under &lt;b&gt;Settings&lt;/b&gt;, &lt;b&gt;Rules&lt;/b&gt; decides how your next new game is played; a running or loaded game keeps its rules. &lt;b&gt;Classic&lt;/b&gt; are the rules as described here. &lt;b&gt;Brisk&lt;/b&gt; changes numbers and has rules against giants and endless games:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Every battle starts at 30 : 70. The score moves by the ratio of both generals’ XP, not by their difference, in large steps: battles between NCOs make progress too, and a slightly weaker attacker has a chance.&lt;/li&gt;&lt;li&gt;A battle lasts at most 4 years; if it is not decided by then, the defender keeps his country.&lt;/li&gt;&lt;li&gt;The generals of countries without a player start with half their XP and train half as fast. The computer opponents start with generals as strong as yours.&lt;/li&gt;&lt;li&gt;Your new generals start with 3 XP, the opponent’s with 4, on “Hard” with 5 and on “Insane” with 8 (otherwise 1). In training yours gain about 5 XP a year, the opponent’s 4 to 5 by strength (otherwise 3).&lt;/li&gt;&lt;li&gt;Land makes strong: whoever holds more countries trains faster, with half the map one and a half times, with the whole map twice as fast as with one country.&lt;/li&gt;&lt;li&gt;A victory brings 5 XP only against a general at least as strong. Against a weaker one it brings the share his XP are of yours (against half as many, 2 XP), against one with less than a fifth of your XP nothing: no general becomes a giant just by beating weaker ones. Nobody gets beyond 500 XP, neither by training nor by victories.&lt;/li&gt;&lt;li&gt;The opponent leads up to ten generals instead of five, trains his new ones too and keeps his best free general at home.&lt;/li&gt;&lt;li&gt;When a computer opponent&apos;s home country falls, he is beaten: he leaves the game, and all his countries go to whoever took it. Your own countries count one by one as always.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Die Regeln des Spiels und alle Tasten.</source>
        <translation>The rules of the game and all its keys.</translation>
    </message>
</context>
<context>
    <name>stratagon::InfoPanel</name>
    <message>
        <source>Land :</source>
        <translation>Country:</translation>
    </message>
    <message>
        <source>Kontienent :</source>
        <translation>Continent:</translation>
    </message>
    <message>
        <source>Generäle :</source>
        <translation>Generals:</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>EP :</source>
        <translation>XP:</translation>
    </message>
    <message>
        <source>Rang :</source>
        <translation>Rank:</translation>
    </message>
    <message>
        <source>Generäle des Landes blättern</source>
        <translation>Leaf through the country’s generals</translation>
    </message>
    <message>
        <source>%1, Kolonie : %2</source>
        <translation>%2, held by %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>stratagon::LanguageChoice</name>
    <message>
        <source>Sprache :</source>
        <translation>Language:</translation>
    </message>
</context>
<context>
    <name>stratagon::LoadGameWindow</name>
    <message>
        <source>Spiel laden</source>
        <translation>Load game</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Land</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Spieldatum</source>
        <translation>Game date</translation>
    </message>
    <message>
        <source>Karte</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Gespeichert am</source>
        <translation>Saved on</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Die Spielstände werden gelesen …</source>
        <translation>Reading the saved games …</translation>
    </message>
    <message>
        <source>(beschädigt)</source>
        <translation>(damaged)</translation>
    </message>
    <message>
        <source>Willst du das laufende Spiel aufgeben und den Spielstand „%1“ laden?</source>
        <translation>Do you want to give up the running game and load the saved game “%1”?</translation>
    </message>
    <message>
        <source>Willst du den Spielstand „%1“ wirklich löschen?</source>
        <translation>Do you really want to delete the saved game “%1”?</translation>
    </message>
    <message>
        <source>Der Spielstand „%1“ konnte nicht gelöscht werden.</source>
        <translation>The saved game “%1” could not be deleted.</translation>
    </message>
    <message>
        <source>Fehler !</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>dd.MM.yyyy HH:mm</source>
        <translation>yyyy-MM-dd HH:mm</translation>
    </message>
    <message>
        <source>Spielstände</source>
        <translation>Saved games</translation>
    </message>
    <message>
        <source>Automatisch gespeichert</source>
        <translation>Saved automatically</translation>
    </message>
    <message>
        <source>Keine gespeicherten Spiele.</source>
        <translation>No saved games.</translation>
    </message>
    <message>
        <source>Gespeicherte Spiele: %1.</source>
        <translation>Saved games: %1.</translation>
    </message>
</context>
<context>
    <name>stratagon::LoadingWindow</name>
    <message>
        <source>Lade ...</source>
        <translation>Loading ...</translation>
    </message>
</context>
<context>
    <name>stratagon::MainWindow</name>
    <message>
        <source>Optionsmenü</source>
        <translation>Options menu</translation>
    </message>
    <message>
        <source>Das Spiel anhalten und das Optionsmenü öffnen: weiterspielen, neu starten oder aufhören</source>
        <translation>Pause the game and open the options menu: play on, start again or stop</translation>
    </message>
    <message>
        <source>Seitenmenü &gt;</source>
        <translation>Side menu &gt;</translation>
    </message>
    <message>
        <source>Das Seitenmenü mit den Generälen und der Bilanz ein- und ausblenden</source>
        <translation>Show or hide the side menu with the generals and the summary</translation>
    </message>
    <message>
        <source>Willst du das laufende Spiel wirklich beenden?</source>
        <translation>Do you really want to end the running game?</translation>
    </message>
    <message>
        <source>Meldungen und Schlachten</source>
        <translation>Messages and battles</translation>
    </message>
    <message>
        <source>Keines deiner Länder wird angegriffen.</source>
        <translation>None of your countries is under attack.</translation>
    </message>
    <message>
        <source>Kein Land, das du angreifen kannst.</source>
        <translation>No country you can attack.</translation>
    </message>
</context>
<context>
    <name>stratagon::MapFocus</name>
    <message>
        <source>Landkarte</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Pfeiltasten: zum Nachbarland; Buchstaben: Land nach Namen; Eingabetaste: angreifen oder zeigen</source>
        <translation>Arrow keys: to the neighbouring country; letters: country by name; Enter: attack or show</translation>
    </message>
    <message>
        <source>dein Land</source>
        <translation>your country</translation>
    </message>
    <message>
        <source>gehalten von %1</source>
        <translation>held by %1</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>neutral</translation>
    </message>
    <message>
        <source>umkämpft</source>
        <translation>contested</translation>
    </message>
    <message>
        <source>angreifbar, beste Siegchance %1 %</source>
        <translation>open to attack, best chance of victory %1 %</translation>
    </message>
    <message>
        <source>angreifbar, aber kein General bereit</source>
        <translation>open to attack, but no general ready</translation>
    </message>
    <message>
        <source>Land eines Gegners</source>
        <translation>an opponent&apos;s country</translation>
    </message>
</context>
<context>
    <name>stratagon::MapPickWindow</name>
    <message>
        <source>Welche Karte ?</source>
        <translation>Which map?</translation>
    </message>
    <message>
        <source>%1 – wird geprüft …</source>
        <translation>%1 – being checked …</translation>
    </message>
    <message numerus="yes">
        <source>%1 – %2, %n Länder</source>
        <translation>
            <numerusform>%1 – %2, %n country</numerusform>
            <numerusform>%1 – %2, %n countries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n Länder</source>
        <translation>
            <numerusform>%1, %n country</numerusform>
            <numerusform>%1, %n countries</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>stratagon::MessagesPanel</name>
    <message>
        <source>Meldungen</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>stratagon::NewGameWindow</name>
    <message>
        <source>Neues Spiel</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Weltherrschaft</source>
        <translation>World domination</translation>
    </message>
    <message>
        <source>einfaches Spiel</source>
        <translation>simple game</translation>
    </message>
    <message>
        <source>Karte :</source>
        <translation>Map:</translation>
    </message>
    <message>
        <source>Deine Seite :</source>
        <translation>Your side:</translation>
    </message>
    <message>
        <source>Aktive Gegner :</source>
        <translation>Opponents:</translation>
    </message>
    <message>
        <source>Ändern</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Starten</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Lade...</source>
        <translation>Loading...</translation>
    </message>
    <message>
        <source>Die Karte enthält keine Länder. Das Spiel kann nicht gestartet werden.</source>
        <translation>The map holds no countries. The game cannot start.</translation>
    </message>
    <message>
        <source>Fehler !</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Bitte wähle zuerst über &quot;Ändern&quot; dein Land.</source>
        <translation>Please choose your country with &quot;Change&quot; first.</translation>
    </message>
    <message>
        <source>Andere Karte wählen</source>
        <translation>Choose another map</translation>
    </message>
    <message>
        <source>Anderes Land als deine Seite wählen</source>
        <translation>Choose another country as your side</translation>
    </message>
    <message>
        <source>Andere Zahl aktiver Gegner wählen</source>
        <translation>Choose another number of active opponents</translation>
    </message>
    <message>
        <source>Regeln :</source>
        <translation>Rules:</translation>
    </message>
    <message>
        <source>Stärke der Gegner :</source>
        <translation>Opponents&apos; strength:</translation>
    </message>
    <message>
        <source>Ein Jahr vergeht in :</source>
        <translation>A year passes in:</translation>
    </message>
    <message>
        <source>Karte: %1. Deine Seite: %2. Aktive Gegner: %3. Regeln: %4. Stärke der Gegner: %5. Ein Jahr vergeht in %6.</source>
        <translation>Map: %1. Your side: %2. Active opponents: %3. Rules: %4. Opponents&apos; strength: %5. A year passes in %6.</translation>
    </message>
</context>
<context>
    <name>stratagon::OpponentCharacterBox</name>
    <message>
        <source>Gegner :</source>
        <translation>Opponents:</translation>
    </message>
    <message>
        <source>Wie die Gegner spielen</source>
        <translation>How the opponents play</translation>
    </message>
    <message>
        <source>Für jeden Gegner …</source>
        <translation>For each opponent …</translation>
    </message>
    <message>
        <source>Wähle für jeden Gegner einen Charakter oder den Zufall.</source>
        <translation>Choose a character for each opponent, or leave it to chance.</translation>
    </message>
    <message>
        <source>Gegner %1: %2</source>
        <translation>Opponent %1: %2</translation>
    </message>
    <message>
        <source>Charakter der Gegner</source>
        <translation>The opponents&apos; characters</translation>
    </message>
    <message>
        <source>Gegner %1 :</source>
        <translation>Opponent %1:</translation>
    </message>
</context>
<context>
    <name>stratagon::OpponentPickWindow</name>
    <message>
        <source>Wie viele Gegner ?</source>
        <translation>Opponents?</translation>
    </message>
    <message numerus="yes">
        <source>%n Gegner</source>
        <translation>
            <numerusform>%n opponent</numerusform>
            <numerusform>%n opponents</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>stratagon::OptionsMenuWindow</name>
    <message>
        <source>Optionsmenü </source>
        <translation>Options menu</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Spiel abbrechen</source>
        <translation>Abort game</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Spiel speichern</source>
        <translation>Save game</translation>
    </message>
    <message>
        <source>Spiel laden</source>
        <translation>Load game</translation>
    </message>
    <message>
        <source>Ein Kontinent, ein Feldherr: Viel Erfolg !</source>
        <translation>One continent, one commander: good luck!</translation>
    </message>
    <message>
        <source>Stratagon Optionsmenü</source>
        <translation>Stratagon options menu</translation>
    </message>
    <message>
        <source>Spielpause</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Spielstart</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Zurück zum Spiel</source>
        <translation>Back to the game</translation>
    </message>
    <message>
        <source>Spiel starten</source>
        <translation>Start game</translation>
    </message>
    <message>
        <source>Wollen sie diese &apos;Mission&apos; neu starten ?</source>
        <translation>Do you want to start this &apos;mission&apos; again?</translation>
    </message>
    <message>
        <source>Einführung</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Ein kurzes geführtes Spiel, das dir die ersten Schritte zeigt</source>
        <translation>A short guided game that shows you the first steps</translation>
    </message>
    <message>
        <source>Möchtest du eine kurze Einführung spielen?</source>
        <translation>Would you like to play a short introduction?</translation>
    </message>
    <message>
        <source>Neu starten</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>Aufgeben</source>
        <translation>Give up</translation>
    </message>
    <message>
        <source>Starte ein neues Spiel, lade oder speichere eines, stell das Spiel ein oder beende es.</source>
        <translation>Start a new game, load or save one, change the settings or quit.</translation>
    </message>
</context>
<context>
    <name>stratagon::PickWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>stratagon::PlaybackWindow</name>
    <message>
        <source>Ansehen</source>
        <translation>Watch</translation>
    </message>
    <message>
        <source>Tempo :</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Noch einmal ab hier</source>
        <translation>Play again from here</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Stand : %1 – das Ende des Spiels</source>
        <translation>As of %1 – the end of the game</translation>
    </message>
    <message>
        <source>Stand : %1</source>
        <translation>As of %1</translation>
    </message>
    <message>
        <source>Anhalten</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Abspielen</source>
        <translation>Play</translation>
    </message>
</context>
<context>
    <name>stratagon::Program</name>
    <message>
        <source>Fehler !</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Ein Fehler ist aufgetreten : %1 Das Programm wird beendet.</source>
        <translation>An error occurred: %1 The program will end.</translation>
    </message>
    <message>
        <source>Fehler : %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>Willst du das laufende Spiel aufgeben und die Einführung spielen?</source>
        <translation>Do you want to give up the game you are playing and play the introduction?</translation>
    </message>
    <message>
        <source>Einführung</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Dieser Monat lässt sich nicht noch einmal spielen.</source>
        <translation>This month cannot be played again.</translation>
    </message>
    <message>
        <source>Noch einmal ab hier</source>
        <translation>Play again from here</translation>
    </message>
    <message>
        <source>Du spielst noch einmal ab %1. Das Spiel ist angehalten: Starte die Uhr, wenn du bereit bist.</source>
        <translation>You are playing again from %1. The game is paused: start the clock when you are ready.</translation>
    </message>
</context>
<context>
    <name>stratagon::RanksWindow</name>
    <message>
        <source>Dienstgrade</source>
        <translation>Ranks</translation>
    </message>
    <message>
        <source>  Hier sehen sie alle Dienstgrade der Soldaten aus dem Spiel  .     In der Mitte sehen sie die benötigten Erfahrungspunkte für%1den Rang</source>
        <translation>Here you see every rank of the soldiers in the game. Beside each rank are the experience points it needs.%1</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Die Dienstgrade deiner Generäle und wie viele Erfahrungspunkte jeder verlangt.</source>
        <translation>Your generals&apos; ranks and how many experience points each one needs.</translation>
    </message>
</context>
<context>
    <name>stratagon::RecordsChart</name>
    <message>
        <source>Unabhängige Länder</source>
        <translation>Independent countries</translation>
    </message>
    <message>
        <source>Du (%1)</source>
        <translation>You (%1)</translation>
    </message>
    <message>
        <source>Länder</source>
        <translation>Countries</translation>
    </message>
</context>
<context>
    <name>stratagon::ReportWindow</name>
    <message numerus="yes">
        <source>%n Jahre, </source>
        <translation>
            <numerusform>%n year, </numerusform>
            <numerusform>%n years, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Monate</source>
        <translation>
            <numerusform>%n month</numerusform>
            <numerusform>%n months</numerusform>
        </translation>
    </message>
    <message>
        <source> (%1 bis %2)</source>
        <translation> (%1 to %2)</translation>
    </message>
    <message>
        <source>%1 Std. %2 Min.</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 Min. %2 Sek.</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source> (Spieluhr : %1)</source>
        <translation> (game clock: %1)</translation>
    </message>
    <message>
        <source>Du hast gewonnen!</source>
        <translation>You have won!</translation>
    </message>
    <message>
        <source>Du hast verloren!</source>
        <translation>You have lost!</translation>
    </message>
    <message>
        <source>Stand : %1</source>
        <translation>As of %1</translation>
    </message>
    <message>
        <source>Spieldauer</source>
        <translation>Length of game</translation>
    </message>
    <message>
        <source>Gespielte Zeit</source>
        <translation>Time played</translation>
    </message>
    <message>
        <source>Angriffe gestartet</source>
        <translation>Attacks launched</translation>
    </message>
    <message>
        <source>Angriffe auf dich</source>
        <translation>Attacks on you</translation>
    </message>
    <message>
        <source>Schlachten gewonnen / verloren</source>
        <translation>Battles won / lost</translation>
    </message>
    <message>
        <source>Länder erobert / verloren</source>
        <translation>Countries taken / lost</translation>
    </message>
    <message>
        <source>Generäle angeworben / entlassen</source>
        <translation>Generals recruited / dismissed</translation>
    </message>
    <message>
        <source>Höchster Rang</source>
        <translation>Highest rank</translation>
    </message>
    <message>
        <source>Größtes Reich</source>
        <translation>Largest empire</translation>
    </message>
    <message numerus="yes">
        <source>%n Länder</source>
        <translation>
            <numerusform>%n country</numerusform>
            <numerusform>%n countries</numerusform>
        </translation>
    </message>
    <message>
        <source>Spielbilanz</source>
        <translation>Game summary</translation>
    </message>
    <message>
        <source>%1 :</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Spielbilanz.png</source>
        <translation>Game summary.png</translation>
    </message>
    <message>
        <source>PNG-Bilder (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>Das Bild lässt sich nicht als PNG kodieren.</source>
        <translation>The picture cannot be encoded as PNG.</translation>
    </message>
    <message>
        <source>Das Bild konnte nicht gespeichert werden : %1
%2</source>
        <translation>The picture could not be saved: %1
%2</translation>
    </message>
    <message>
        <source>Fehler !</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>mehr EP</source>
        <translation>more XP</translation>
    </message>
    <message>
        <source>schwächster Nachbar</source>
        <translation>weakest neighbour</translation>
    </message>
    <message>
        <source>ohne Verteidiger</source>
        <translation>no defender</translation>
    </message>
    <message>
        <source>Rückeroberung</source>
        <translation>retaking</translation>
    </message>
    <message>
        <source>Gegenangriff</source>
        <translation>counter-attack</translation>
    </message>
    <message>
        <source>Schwäche des Führenden</source>
        <translation>the leader&apos;s weak point</translation>
    </message>
    <message>
        <source>Angriffe der Gegner</source>
        <translation>Opponents&apos; attacks</translation>
    </message>
    <message>
        <source>Länder je Seite</source>
        <translation>Countries of each side</translation>
    </message>
    <message>
        <source>Ansehen</source>
        <translation>Watch</translation>
    </message>
</context>
<context>
    <name>stratagon::SettingsWindow</name>
    <message>
        <source>Sehr Leicht</source>
        <translation>Very easy</translation>
    </message>
    <message>
        <source>Leicht</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>Mittel</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Schwer</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>Irrsinnig</source>
        <translation>Insane</translation>
    </message>
    <message>
        <source>Der Gegner greift etwa alle %1 Jahre an.</source>
        <translation>The opponent attacks about every %1 years.</translation>
    </message>
    <message>
        <source>Der Gegner greift etwa alle %1 Monate an.</source>
        <translation>The opponent attacks about every %1 months.</translation>
    </message>
    <message>
        <source>Der Gegner greift etwa jeden Monat an.</source>
        <translation>The opponent attacks about every month.</translation>
    </message>
    <message>
        <source>einmal</source>
        <translation>once</translation>
    </message>
    <message>
        <source>zweimal</source>
        <translation>twice</translation>
    </message>
    <message>
        <source>dreimal</source>
        <translation>three times</translation>
    </message>
    <message>
        <source>viermal</source>
        <translation>four times</translation>
    </message>
    <message>
        <source>Der Gegner greift etwa %1 im Monat an.</source>
        <translation>The opponent attacks about %1 a month.</translation>
    </message>
    <message>
        <source>Die ursprünglichen Regeln. Gilt ab dem nächsten Spiel.</source>
        <translation>The original rules. Applies from the next game.</translation>
    </message>
    <message>
        <source>Schnelle Schlachten, schwächere neutrale Länder.</source>
        <translation>Quick battles, weaker neutral countries.</translation>
    </message>
    <message>
        <source>Spiel bedingte Einstellungen</source>
        <translation>Game settings</translation>
    </message>
    <message>
        <source>Ein Jahr vergeht in</source>
        <translation>A year passes in</translation>
    </message>
    <message>
        <source>KI - Einstellungen</source>
        <translation>Opponent strength</translation>
    </message>
    <message>
        <source>Farben :</source>
        <translation>Colours:</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Farbenblind</source>
        <translation>Colour-blind</translation>
    </message>
    <message>
        <source>Regeln :</source>
        <translation>Rules:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ein Fehler ist aufgetreten : %1</source>
        <translation>An error occurred: %1</translation>
    </message>
    <message>
        <source>Fehler : %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Klassisch</source>
        <translation>Classic</translation>
    </message>
    <message>
        <source>Zügig</source>
        <translation>Brisk</translation>
    </message>
    <message>
        <source>Schriftgröße :</source>
        <translation>Text size:</translation>
    </message>
    <message>
        <source>Schriftgröße</source>
        <translation>Text size</translation>
    </message>
    <message>
        <source>%1 Sekunden</source>
        <translation>%1 seconds</translation>
    </message>
    <message>
        <source>Ansagen :</source>
        <translation>Speech :</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Wichtige</source>
        <translation>Important</translation>
    </message>
    <message>
        <source>Alle</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Was dir ein Bildschirmleser vom laufenden Spiel von selbst sagt</source>
        <translation>What a screen reader tells you of the running game by itself</translation>
    </message>
    <message>
        <source>Anhalten, wenn du angegriffen wirst</source>
        <translation>Pause when you are attacked</translation>
    </message>
    <message>
        <source>Hier stellst du das Tempo, die Stärke der Gegner, die Farben, die Regeln, die Sprache, die Klänge und die Ansagen ein.</source>
        <translation>Here you set the pace, the opponents&apos; strength, the colours, the rules, the language, the sounds and the announcements.</translation>
    </message>
</context>
<context>
    <name>stratagon::SoundSettingsBox</name>
    <message>
        <source>Ton :</source>
        <translation>Sound:</translation>
    </message>
    <message>
        <source>An</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Lautstärke :</source>
        <translation>Volume:</translation>
    </message>
    <message>
        <source>Lautstärke</source>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>stratagon::StatusLabel</name>
    <message>
        <source>Spiel pausiert</source>
        <translation>Game paused</translation>
    </message>
    <message>
        <source>Spiel läuft</source>
        <translation>Game running</translation>
    </message>
</context>
<context>
    <name>stratagon::TaskWindow</name>
    <message>
        <source>Aufgabe geben</source>
        <translation>Give task</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Zur Verfügung bereithalten</source>
        <translation>Stand by</translation>
    </message>
    <message>
        <source>General ausbilden</source>
        <translation>Train general</translation>
    </message>
    <message>
        <source>Aufgabe des Generals</source>
        <translation>General’s task</translation>
    </message>
    <message>
        <source>Aufgabe für %1 %2</source>
        <translation>Task for %1 %2</translation>
    </message>
    <message>
        <source>Der ausgewählte General führt gerade eine Schlacht!!! Die Aufgabe kann nicht gewechselt werden!!!</source>
        <translation>The chosen general is fighting a battle right now! His task cannot be changed!</translation>
    </message>
    <message>
        <source>Schlacht</source>
        <translation>Battle</translation>
    </message>
    <message>
        <source>Aufgaben</source>
        <translation>Tasks</translation>
    </message>
    <message>
        <source>Jetzige Aufgabe: %1.</source>
        <translation>Current task: %1.</translation>
    </message>
</context>
<context>
    <name>stratagon::TurningPanel</name>
    <message numerus="yes">
        <source>%1 bis %2: Du verlierst %n Länder.</source>
        <translation>
            <numerusform>%1 to %2: you lose %n country.</numerusform>
            <numerusform>%1 to %2: you lose %n countries.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 bis %2: Du eroberst %n Länder.</source>
        <translation>
            <numerusform>%1 to %2: you conquer %n country.</numerusform>
            <numerusform>%1 to %2: you conquer %n countries.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 überholt dich, %3 Länder gegen deine %4.</source>
        <translation>%1: %2 overtakes you, %3 countries against your %4.</translation>
    </message>
    <message>
        <source>%1: Du überholst %2, deine %3 Länder gegen seine %4.</source>
        <translation>%1: you overtake %2, your %3 countries against his %4.</translation>
    </message>
    <message numerus="yes">
        <source>%1: Dein Reich ist am größten, %n Länder.</source>
        <translation>
            <numerusform>%1: your empire is at its largest, %n country.</numerusform>
            <numerusform>%1: your empire is at its largest, %n countries.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wendepunkte : noch keine</source>
        <translation>Turning points: none yet</translation>
    </message>
    <message>
        <source>Wendepunkte</source>
        <translation>Turning points</translation>
    </message>
    <message>
        <source>Dieses Spiel wurde ab %1 noch einmal gespielt (↺).</source>
        <translation>This game was played again from %1 (↺).</translation>
    </message>
    <message>
        <source>Noch einmal ab hier</source>
        <translation>Play again from here</translation>
    </message>
    <message>
        <source>Noch einmal ab hier: %1</source>
        <translation>Play again from here: %1</translation>
    </message>
    <message>
        <source>Dieses Spiel lässt sich nicht noch einmal spielen.</source>
        <translation>This game cannot be played again.</translation>
    </message>
    <message>
        <source>Gewählt : %1</source>
        <translation>Chosen: %1</translation>
    </message>
    <message>
        <source>%1 liegt vor dem Beginn des Spielverlaufs, den das Spiel kennt.</source>
        <translation>%1 lies before the start of the course of the game that the game knows.</translation>
    </message>
    <message>
        <source>Klicke in die Kurve, um einen Monat zu wählen.</source>
        <translation>Click on the chart to choose a month.</translation>
    </message>
</context>
</TS>
