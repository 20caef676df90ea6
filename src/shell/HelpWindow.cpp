// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/HelpWindow.h"

#include "platform/Retranslate.h"
#include "platform/WindowStyle.h"
#include "session/GameText.h"
#include "simulation/Character.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QTimer>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace stratagon {

namespace {

// The whole game by keyboard, for players without a mouse or with a screen reader.
QString keyGuide()
{
    return QCoreApplication::translate(
        "HelpWindow",
        "<h3>Mit der Tastatur spielen</h3>"
        "<p>Zu Beginn eines Spiels hat die Karte den Fokus; ein schwarz-weißer Rand zeigt das Land, auf dem du "
        "stehst, zuerst dein Heimatland. Die <b>Pfeiltasten</b> gehen zum Nachbarland, das am ehesten in "
        "dieser Richtung liegt, auch über das Meer. <b>Buchstaben</b> springen zum Land, dessen Name so "
        "beginnt; derselbe Buchstabe noch einmal geht zum nächsten. Die <b>Eingabetaste</b> greift im Modus "
        "Schlacht das Land an, im Modus Info zeigt sie es.</p>"
        "<p><b>Tab</b> und <b>Umschalt+Tab</b> gehen durch alle Knöpfe und Listen eines Fensters; die "
        "<b>Eingabetaste</b> drückt den gewählten Knopf (in den anderen Fenstern auch die <b>Leertaste</b>), "
        "<b>Escape</b> schließt ein Fenster mit „Abbrechen“ oder „Schließen“.</p>"
        "<ul>"
        "<li><b>Escape</b>: Optionsmenü</li>"
        "<li><b>F1</b>: diese Anleitung</li>"
        "<li><b>F2</b>: Generäle</li>"
        "<li><b>F3</b>: Bilanz</li>"
        "<li><b>F4</b>: Seitenmenü ein- und ausblenden</li>"
        "<li><b>F5</b>: Modus wechseln</li>"
        "<li><b>F6</b>: die Lage in einem Satz: Datum, deine Länder, Schlachten, Angriffe auf dich, freie "
        "Generäle, Tempo und ob die Uhr läuft</li>"
        "<li><b>F7</b>: zurück zur Karte, wo immer du gerade bist</li>"
        "<li><b>F8</b>: Einführung überspringen, nach ihrem letzten Wort weiterspielen</li>"
        "<li><b>F9</b>: zum nächsten deiner Länder, das angegriffen wird</li>"
        "<li><b>F10</b>: zum nächsten Land, das du angreifen kannst, die beste Siegchance zuerst</li>"
        "<li><b>F12</b>: den Satz der Einführung noch einmal hören</li>"
        "<li><b>Leertaste</b> (überall im Hauptfenster): Pause und weiter</li>"
        "<li><b>-</b> und <b>+</b>: langsamer und schneller</li>"
        "</ul>"
        "<p>Unter <b>Optionen</b> stellst du die <b>Schriftgröße</b> aller Fenster ein, und was dir ein "
        "Bildschirmleser vom laufenden Spiel von selbst sagt (<b>Ansagen</b>: Alle, Wichtige oder Aus): Angriffe "
        "auf dich, verlorene Länder und das Ende des Spiels immer, deine Eroberungen und Schlachten bei „Wichtige“, "
        "Beförderungen und die Eroberungen der anderen nur bei „Alle“; höchstens eine Ansage in der Sekunde. Dort "
        "lässt du das Spiel auch anhalten, wenn du angegriffen wirst.</p>");
}

// The computer opponents' characters, each with its own line.
QString opponentGuide()
{
    QString characters;
    for (int c = 0; c < CharacterCount; ++c)
        characters += QStringLiteral("<li><b>%1</b>: %2</li>")
                          .arg(gametext::characterName(c), gametext::characterDescription(c));
    return QCoreApplication::translate(
               "HelpWindow",
               "<h3>Die Computergegner</h3><p>Jeder Computergegner hat einen Charakter. Im Fenster "
               "<b>Neues Spiel</b> wählst du ihn bei <b>Gegner</b> für alle oder für jeden einzeln; "
               "<b>Gemischt</b> gibt jedem zufällig einen anderen, <b>Zufällig</b> einem einzelnen irgendeinen. "
               "Neue Spiele nach den Regeln „Klassisch“ beginnen mit „Standard“, nach „Zügig“ mit „Gemischt“; "
               "was du wählst, gilt für die Regeln, die gerade eingestellt sind.</p><ul>%1</ul>"
               "<p>Die Stärke in den Einstellungen bestimmt, wie oft und wie gut ein Gegner mit Charakter "
               "entscheidet. Ab „Leicht“ rechnet er mit den genauen Siegchancen, bildet untätige Generäle aus "
               "und lässt ab „Mittel“ Verteidiger zu Hause; ab „Schwer“ greift er nie mit weniger als der "
               "halben Chance an und schickt seinen besten General nicht in unsichere Schlachten. Auf "
               "„Sehr Leicht“ spielt er wie ein Anfänger: Er greift an, sobald sein bester General mehr EP hat "
               "als der Verteidiger, und lässt niemanden zu Hause. „Standard“ spielt auf jeder Stärke gleich, "
               "nur öfter oder seltener.</p><p>Die Info-Leiste zeigt den Charakter eines Gegners hinter "
               "seinem Namen, etwa „Ägypten (Eroberer), Kolonie : Libyen“, ihr Tooltip beschreibt ihn. Greift "
               "ein Gegner dich oder ein Land neben deinen an, sagen die Meldungen, warum; die Bilanz zählt "
               "die Gründe aller Angriffe der Gegner.</p>")
        .arg(characters);
}

}  // namespace

QString HelpWindow::guideText()
{
    // One piece a section, so that each is translated on its own.
    return tr("<h2>Stratagon – Spielanleitung</h2>") +
           tr("<h3>Das Ziel</h3><p>Du führst ein Land des Kontinents. Erobere mit deinen Generälen alle "
              "Länder, dann hast du gewonnen. Hältst du kein einziges Land mehr, hast du verloren.</p>") +
           tr("<h3>Die Karte</h3><p><b>Rot</b> sind deine Länder, <b>grün</b> die deines Gegners. Spielst du "
              "gegen mehrere Gegner, hat jeder seine eigene Farbe: grün, blau, violett, türkis und orange. "
              "Alle anderen Länder behalten die Farben der Karte: Sie greifen niemanden an und verteidigen "
              "sich nur. Um ein Land, das einen weißen Kreis mit schwarzem Kreuz trägt, wird gerade "
              "gekämpft.</p>") +
           tr("<h3>Die zwei Modi</h3><p>Der Knopf <b>Modus</b> wechselt zwischen <b>Schlacht</b> und "
              "<b>Info</b>. Im Modus Schlacht greift ein Klick auf ein Nachbarland an; im Modus Info zeigt "
              "ein Klick nur, wem das Land gehört und welche Generäle es hat.</p>") +
           tr("<h3>Angreifen</h3><p>Klicke im Modus Schlacht auf ein Land, das an eines deiner Länder grenzt. "
              "Im Fenster siehst du das Ziel, seinen Besitzer, den General, der es verteidigen wird, und für "
              "den General, den du wählst, deine Siegchance. Jede Zeile der Liste nennt Rang, EP, Aufgabe und "
              "Siegchance eines Generals; wer gerade kämpft, ist ausgegraut. Dein bester bereiter General ist "
              "schon gewählt. <b>Enter</b> oder ein Doppelklick schickt ihn los, <b>Escape</b> bricht ab. "
              "Jede Schlacht beginnt 20 : 80 gegen dich; wer über 100 Punkte kommt, gewinnt das Land. Je mehr "
              "Erfahrungspunkte (EP) dein General gegenüber dem Verteidiger hat, desto besser stehen deine "
              "Chancen. Du kannst bis zu 25 Schlachten zugleich führen.</p>") +
           tr("<h3>Bereitschaft</h3><p>Ein General, der gerade kämpft, ist <b>nicht bereit</b>. Jeder andere "
              "– ob er sich bereithält oder ausgebildet wird – kann sofort in eine Schlacht ziehen.</p>") +
           tr("<h3>Aufgaben und Ausbildung</h3><p>Unter <b>Generäle</b> findest du deine Generalliste. Dort "
              "stellst du neue Unteroffiziere ein, entlässt Generäle und gibst ihnen eine <b>Aufgabe</b>: "
              "sich bereithalten oder ausgebildet werden. Wer ausgebildet wird, gewinnt von Zeit zu Zeit "
              "einen EP dazu; ein Sieg bringt 5 EP.</p>") +
           tr("<h3>Ränge</h3><p>Der Rang folgt den EP: vom Unteroffizier (0 bis 4 EP) bis zum General (ab 95 "
              "EP). <b>Dienstgrade</b> in der Generalliste zeigt die ganze Leiter. Steigt einer deiner "
              "Generäle auf, steht es in den Meldungen.</p>") +
           tr("<h3>Pause und Tempo</h3><p>Die <b>Leertaste</b> oder der Pause-Knopf hält das Spiel an und "
              "lässt es weiterlaufen. Solange du pausiert hast, bleibt die Zeit stehen, auch wenn du andere "
              "Fenster öffnest und schließt; Angriffe kannst du trotzdem befehlen, sie beginnen, sobald es "
              "weitergeht. Mit <b>-</b> und <b>+</b> (oder den Tempo-Knöpfen) spielst du mit halbem, "
              "einfachem, doppeltem oder vierfachem Tempo.</p>") +
           tr("<h3>Meldungen und Kämpfe</h3><p>Die Meldungen nennen die neuesten Ereignisse zuerst, jede mit "
              "ihrem Datum. Was dich betrifft, ist fett gedruckt; ein Angriff auf dich ist zusätzlich mit ⚠ "
              "markiert. Die Kampfliste zeigt alle laufenden Schlachten, deine zuerst.</p>") +
           tr("<h3>Regeln: Klassisch und Zügig</h3><p>Unter <b>Einstellungen</b> wählst du bei <b>Regeln</b>, "
              "wie dein nächstes neues Spiel gespielt wird; ein laufendes oder geladenes Spiel behält seine "
              "Regeln. <b>Klassisch</b> sind die Regeln, wie sie hier beschrieben sind. <b>Zügig</b> ändert "
              "Zahlen und hat Regeln gegen Riesen und endlose Spiele:</p><ul><li>Jede Schlacht beginnt 30 : 70. "
              "Der Punktestand bewegt sich nach dem Verhältnis der EP beider Generäle, nicht nach ihrem "
              "Unterschied, in großen Schritten: auch Schlachten zwischen Unteroffizieren kommen voran, und "
              "ein etwas schwächerer Angreifer hat eine Chance.</li><li>Eine Schlacht dauert höchstens 4 Jahre; "
              "ist sie dann nicht entschieden, behält der Verteidiger sein Land.</li><li>Die Generäle der "
              "Länder ohne Spieler beginnen mit der Hälfte ihrer EP und werden halb so schnell ausgebildet. "
              "Die Computergegner beginnen mit so starken Generälen wie du.</li><li>Deine neuen Generäle "
              "beginnen mit 3 EP, die des Gegners mit 4, auf „Schwer“ mit 5 und auf „Irrsinnig“ mit 8 (sonst "
              "1). In der Ausbildung gewinnen deine etwa 5 EP im Jahr, die des Gegners je nach Stärke 4 bis 5 "
              "(sonst 3).</li><li>Land macht stark: Wer mehr Länder hält, bildet schneller aus, mit der halben "
              "Karte anderthalbmal, mit der ganzen doppelt so schnell wie mit einem Land.</li><li>Ein Sieg bringt "
              "5 EP nur gegen einen mindestens gleich starken General. Gegen einen schwächeren bringt er den "
              "Teil, den dessen EP von deinen ausmachen (gegen halb so viele 2 EP), gegen einen mit weniger als "
              "einem Fünftel deiner EP nichts: Kein General wird zum Riesen, nur weil er Schwächere schlägt. "
              "Über 500 EP kommt keiner hinaus, weder durch Ausbildung noch durch Siege.</li><li>Der Gegner führt bis zu zehn Generäle statt fünf, bildet auch seine neuen aus und "
              "lässt seinen besten freien General zu Hause.</li><li>Fällt das Heimatland eines Computergegners, "
              "ist er geschlagen: Er scheidet aus, und alle seine Länder fallen an den, der es erobert hat. "
              "Deine eigenen Länder zählen wie immer einzeln.</li></ul>") +
           opponentGuide() +
           tr("<p><b>F1</b> öffnet diese Anleitung jederzeit; solange sie offen ist, wartet das Spiel.</p>") +
           keyGuide();
}

HelpWindow::HelpWindow(GameSession& session, QWidget* game) : DialogWindow(game, Qt::NonModal)
{
    // Reading takes time the game should not run on.
    hold_ = session.hold();
    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("guide"));
    auto* close = new QPushButton(this);
    followLanguage(this, [this, text, close] {
        setWindowTitle(tr("Spielanleitung"));
        setAccessibleDescription(tr("Die Regeln des Spiels und alle Tasten."));
        text->setAccessibleName(tr("Spielanleitung"));
        text->setHtml(guideText());
        close->setText(tr("Schließen"));
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addLayout(buttons);
    resize(560, 620);
    centreOver(*this, game);
}

void HelpWindow::closeEvent(QCloseEvent* event)
{
    hold_.release();
    DialogWindow::closeEvent(event);
}

void HelpWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    DialogWindow::keyPressEvent(event);
}

}  // namespace stratagon
