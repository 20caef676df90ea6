// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellTestSupport.h"

#include "generals/GeneralListWindow.h"
#include "generals/TaskWindow.h"
#include "mapview/GamePanels.h"
#include "mapview/GuidePanel.h"
#include "platform/Language.h"
#include "shell/HelpWindow.h"
#include "shell/LoadGameWindow.h"
#include "shell/PickWindow.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableView>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTreeView>
#include <QTreeWidget>

namespace stratagon::test {
namespace {

// The windows open in German switch to a pseudo-translation that wraps
// every text of the catalogs in ⟦…⟧: a text without the brackets either
// never went through a catalog or did not follow the switch.
class PseudoLanguage {
public:
    PseudoLanguage() { switchTo(QStringLiteral("pseudo"), QStringLiteral(":/pseudo")); }
    ~PseudoLanguage() { switchTo(QStringLiteral("de"), QStringLiteral(":/i18n")); }

private:
    void switchTo(const QString& code, const QString& folder)
    {
        translations_.use(code, folder);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        settle();
    }
    Translations translations_;
};

struct Shown {
    QString where;
    QString text;
};

QString plain(const QString& text)
{
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

void addItems(std::vector<Shown>& out, const QString& where, const QAbstractItemModel& model,
              const QModelIndex& parent = {})
{
    for (int r = 0; r < model.rowCount(parent); ++r)
        for (int c = 0; c < model.columnCount(parent); ++c) {
            const QModelIndex i = model.index(r, c, parent);
            for (const int role :
                 {Qt::DisplayRole, Qt::ToolTipRole, Qt::AccessibleTextRole, Qt::AccessibleDescriptionRole})
                out.push_back({where + QStringLiteral(" item %1,%2").arg(r).arg(c), model.data(i, role).toString()});
            addItems(out, where, model, i);
        }
}

void addHeaders(std::vector<Shown>& out, const QString& where, const QAbstractItemModel& model, Qt::Orientation o)
{
    const int count = o == Qt::Horizontal ? model.columnCount() : model.rowCount();
    for (int s = 0; s < count; ++s)
        out.push_back({where + QStringLiteral(" header %1").arg(s), model.headerData(s, o).toString()});
}

// Every text of a widget a player or his screen reader meets.
void addTexts(std::vector<Shown>& out, QWidget* w)
{
    const QString where = placeOf(w);
    if (w->isWindow())
        out.push_back({where + " title", w->windowTitle()});
    out.push_back({where + " tooltip", w->toolTip()});
    out.push_back({where + " accessible name", w->accessibleName()});
    out.push_back({where + " accessible description", w->accessibleDescription()});
    if (auto* label = qobject_cast<QLabel*>(w))
        out.push_back({where, label->text()});
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        out.push_back({where, button->text()});
    else if (auto* box = qobject_cast<QGroupBox*>(w))
        out.push_back({where, box->title()});
    else if (auto* line = qobject_cast<QLineEdit*>(w))
        out.push_back({where + " placeholder", line->placeholderText()});
    else if (auto* edit = qobject_cast<QTextEdit*>(w))
        out.push_back({where, edit->toPlainText()});
    else if (auto* combo = qobject_cast<QComboBox*>(w); combo)
        addItems(out, where, *combo->model());
    else if (auto* view = qobject_cast<QAbstractItemView*>(w);
             view && view->model() && !qobject_cast<QHeaderView*>(w)) {
        addItems(out, where, *view->model());
        auto* tree = qobject_cast<QTreeView*>(w);
        auto* table = qobject_cast<QTableView*>(w);
        if ((tree && !tree->isHeaderHidden()) || (table && table->horizontalHeader()->isVisible()))
            addHeaders(out, where, *view->model(), Qt::Horizontal);
        if (table && table->verticalHeader()->isVisible())
            addHeaders(out, where, *view->model(), Qt::Vertical);
    }
}

// What a screen reader finds inside a widget that draws its parts itself (the map's countries).
void addAccessibleParts(std::vector<Shown>& out, QWidget* w)
{
    if (qobject_cast<QAbstractItemView*>(w) || qobject_cast<QComboBox*>(w))
        return;  // their items are walked above
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    for (int i = 0; a && i < a->childCount(); ++i) {
        QAccessibleInterface* part = a->child(i);
        if (!part || (part->object() && part->object()->isWidgetType()))
            continue;
        const QString where = placeOf(w) + QStringLiteral(" part %1").arg(i);
        out.push_back({where + " accessible name", part->text(QAccessible::Name)});
        out.push_back({where + " accessible description", part->text(QAccessible::Description)});
    }
}

std::vector<Shown> shownTexts()
{
    std::vector<Shown> texts;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        addTexts(texts, window);
        for (QWidget* w : window->findChildren<QWidget*>())
            // The announcer repeats texts checked where they are shown (the messages).
            if (w->window() == window && w->isVisibleTo(window) &&
                !(w->parentWidget() && w->parentWidget()->objectName() == QLatin1String("announcer"))) {
                addTexts(texts, w);
                addAccessibleParts(texts, w);
            }
    }
    return texts;
}

// What of a text is neither wrapped nor a name; empty when nothing.
QString unwrapped(QString text, const QStringList& names)
{
    static const QRegularExpression innermost(QStringLiteral("⟦[^⟦⟧]*⟧"));
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    // "5s", "240s": a year's length in seconds, the unit's symbol alike in every language.
    static const QRegularExpression seconds(QStringLiteral("\\b\\d+s\\b"));
    text = plain(text);
    for (qsizetype before = -1; before != text.size();) {
        before = text.size();
        text.remove(innermost);
    }
    for (const QString& name : names)
        text.remove(name);
    text.remove(seconds);
    return text.contains(letter) ? text.trimmed() : QString();
}

// Proper names stand as they are in every language.
QStringList properNames(const WorldState& w)
{
    QStringList names = {
        QStringLiteral("Stratagon !"),  // the game's name, the main window's title
        QStringLiteral("Deutsch"),      // each language offered under its own name
        QStringLiteral("English"),
    };
    for (int s = 1; s <= std::min(w.countryCount, MaxCountries); ++s)
        for (int g = 1; g <= std::min(w.generalCount[s], MaxGenerals); ++g)
            names << QString::fromStdString(w.generalName[s][g]);
    names.removeAll(QString());
    // The longest first, so that no shorter name leaves part of a longer one.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    return names;
}

// Every text of the open windows and of the messages shown since `fromMessage`.
void expectAllWrapped(const TestProgram& t, const char* scene, std::size_t fromMessage = SIZE_MAX)
{
    const QStringList names = properNames(*t.world);
    std::vector<Shown> texts = shownTexts();
    for (std::size_t i = fromMessage; i < t.dialogs.shown.size(); ++i) {
        const ShownMessage& m = t.dialogs.shown[i];
        texts.push_back({"dialog " + m.kind, m.text});
        texts.push_back({"dialog " + m.kind + " title", m.title});
    }
    for (const Shown& s : texts) {
        const QString left = unwrapped(s.text, names);
        EXPECT_TRUE(left.isEmpty()) << scene << ": " << s.where.toStdString() << ": \"" << left.toStdString()
                                    << "\" in \"" << s.text.toStdString() << '"';
    }
}

QPushButton* sideChangeButton(const QWidget* newGame)
{
    for (QPushButton* b : newGame->findChildren<QPushButton*>())
        if (b->pos() == QPoint(248, 88))
            return b;
    return nullptr;
}

}  // namespace

TEST(WindowTexts, TheWindowsBeforeAGameShowOnlyTranslatedTexts)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    t.program->showSettings();
    t.program->showCredits();
    t.program->showLoadGame();
    t.program->showHelp();
    {
        PseudoLanguage pseudo;
        expectAllWrapped(t, "menu, settings, credits, load game, help");
    }
    for (QWidget* w : std::initializer_list<QWidget*>{t.program->settingsWindow(), t.program->creditsWindow(),
                                                      t.program->loadGameWindow(), t.program->helpWindow()})
        closeByFrame(w);

    NewGameWindow* newGame = t.program->showNewGame();
    ASSERT_TRUE(newGame);
    QPushButton* changes[] = {newGame->findChild<QPushButton*>("mapChangeButton"), sideChangeButton(newGame),
                              newGame->findChild<QPushButton*>("opponentChangeButton")};
    for (QPushButton* change : changes) {
        press(change);
        ASSERT_TRUE(newGame->pickWindow());
        {
            PseudoLanguage pseudo;
            expectAllWrapped(t, "new game and a choice");
        }
        closeByFrame(newGame->pickWindow());
    }
}

TEST(WindowTexts, TheGameWindowsAndTheirQuestionsShowOnlyTranslatedTexts)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    MainWindow* main = startGame(t);
    ASSERT_TRUE(main);
    WorldState& w = *t.world;
    // A battle of the player's and a few ticks: the panels, the messages, the battle list.
    const int neighbour = countryIndexByName(w, w.neighbourName[w.side[0]][1]);
    DeployWindow* deploy = t.program->showDeploy(neighbour);
    ASSERT_TRUE(deploy);
    press(deploy->findChild<QPushButton*>("launchAttack"));
    for (int i = 0; i < 8; ++i)
        main->session().tick();
    main->session().view().shownCountry = w.side[0];
    main->refreshPanels();
    ASSERT_GT(w.battleCount, 0);

    GeneralListWindow* roster = t.program->showGeneralList();
    ASSERT_TRUE(roster && roster->list()->topLevelItemCount() > 0);
    // A general free for a task: the one sent into battle is not.
    const int p = w.side[0];
    for (int g = w.generalCount[p]; g >= 1; --g)
        if (w.generalStatus[p][g] != InBattle) {
            roster->list()->topLevelItem(g - 1)->setSelected(true);
            break;
        }
    roster->openTask();
    t.program->showRanks();
    t.program->showReport();
    t.program->showDeploy(countryIndexByName(w, w.neighbourName[p][2]));
    ASSERT_TRUE(t.program->taskWindow() && t.program->deployWindow());
    {
        PseudoLanguage pseudo;
        expectAllWrapped(t, "main window, roster, task, ranks, report, deployment");
    }
    closeByFrame(t.program->deployWindow());

    // The options menu over the paused game, a game saved, the questions asked on the way.
    press(main->optionsMenuButton());
    const OptionsMenuWindow* menu = t.program->optionsMenu();
    {
        PseudoLanguage pseudo;
        const std::size_t before = t.dialogs.shown.size();
        t.dialogs.inputs.push_back(QStringLiteral("1"));  // the save's name, the player's own: here without words
        press(menu->findChild<QPushButton*>("saveButton"));
        roster->dismissGeneral();
        expectAllWrapped(t, "options menu of a paused game and its questions", before);
        EXPECT_GE(t.dialogs.shown.size(), before + 2);
    }
    // The save listed before the switch.
    press(menu->findChild<QPushButton*>("loadButton"));
    ASSERT_TRUE(t.program->loadGameWindow());
    EXPECT_EQ(t.program->loadGameWindow()->findChild<QTreeWidget*>()->topLevelItemCount(), 1);
    PseudoLanguage pseudo;
    expectAllWrapped(t, "the saved game listed");
}

TEST(WindowTexts, TheGuidedGameAndItsEndShowOnlyTranslatedTexts)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    MainWindow* main = t.program->startGuidance();
    ASSERT_TRUE(main && main->gamePanels()->guide()->isVisible());
    PseudoLanguage pseudo;
    expectAllWrapped(t, "guided game");

    // Every country his: the game is won, the message says so and the summary opens.
    const std::size_t before = t.dialogs.shown.size();
    WorldState& w = *t.world;
    for (int c = 1; c <= w.countryCount; ++c)
        w.countryOwner[c] = w.side[0];
    main->session().tick();
    settle();
    ASSERT_TRUE(t.program->reportWindow());
    expectAllWrapped(t, "end of the game", before);
    EXPECT_GT(t.dialogs.shown.size(), before);
}

}  // namespace stratagon::test
