// SPDX-License-Identifier: GPL-3.0-or-later
// Every window at every text size, in German and in English, on a screen of
// 1366 × 768 and one of 1280 × 720 (ctest runs this file once on each, the
// screen set up by the offscreen platform's configuration): the whole window
// with its title bar on the screen, no text wider than its box, and the
// buttons that close a window within it.

#include "ShellTestSupport.h"

#include "generals/GeneralListWindow.h"
#include "generals/RanksWindow.h"
#include "generals/TaskWindow.h"
#include "platform/KeyboardAccess.h"
#include "platform/WindowFit.h"
#include "shell/HelpWindow.h"
#include "shell/LoadGameWindow.h"
#include "shell/MapPickWindow.h"
#include "shell/OpponentPickWindow.h"
#include "shell/ReportWindow.h"

#include <QtWidgets>

namespace stratagon::test {
namespace {

// Room a control's own frame and decoration take beside its text.
int decoration(const QWidget* w)
{
    if (qobject_cast<const QRadioButton*>(w) || qobject_cast<const QCheckBox*>(w))
        return w->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 6;
    if (qobject_cast<const QComboBox*>(w))
        return w->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8;
    if (qobject_cast<const QAbstractButton*>(w))
        return 6;
    return 0;
}

// The texts of one window that do not fit their boxes, as "where: text (needs n, has m)".
QStringList cutTexts(const QWidget* window)
{
    QStringList cut;
    const auto check = [&cut](const QWidget* w, const QString& text, int needs, int has) {
        if (needs > has)
            cut << QStringLiteral("%1: \"%2\" (needs %3, has %4)").arg(placeOf(w), text).arg(needs).arg(has);
    };
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->window() != window)
            continue;
        // The announcer's text is for the ear: a point, not meant to be read.
        if (w->parentWidget() && w->parentWidget()->objectName() == QLatin1String("announcer"))
            continue;
        const QFontMetrics metrics = w->fontMetrics();
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            const QString text = label->text();
            if (text.isEmpty() || Qt::mightBeRichText(text))
                continue;
            if (label->wordWrap())
                check(w, text, label->heightForWidth(label->width()), label->height());
            else
                for (const QString& line : text.split('\n'))
                    check(w, line, metrics.horizontalAdvance(line), label->contentsRect().width());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            const bool underIcon = qobject_cast<const QToolButton*>(w) &&
                                   static_cast<const QToolButton*>(w)->toolButtonStyle() == Qt::ToolButtonTextUnderIcon;
            QString text = button->text();
            text.remove('&');
            if (!text.isEmpty())
                check(w, text,
                      metrics.horizontalAdvance(text) + decoration(w) +
                          (underIcon || button->icon().isNull() ? 0 : button->iconSize().width()),
                      w->width());
        } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                check(w, combo->itemText(i), metrics.horizontalAdvance(combo->itemText(i)) + decoration(w), w->width());
        } else if (const auto* header = qobject_cast<const QHeaderView*>(w)) {
            if (header->orientation() != Qt::Horizontal)
                continue;
            for (int s = 0; s < header->count(); ++s) {
                const QString text = header->model()->headerData(s, Qt::Horizontal).toString();
                if (!header->isSectionHidden(s) && !text.isEmpty())
                    check(w, text, metrics.horizontalAdvance(text) + 2 * w->style()->pixelMetric(QStyle::PM_HeaderMargin),
                          header->sectionSize(s));
            }
        } else if (const auto* group = qobject_cast<const QGroupBox*>(w); group && !group->title().isEmpty()) {
            check(w, group->title(), metrics.horizontalAdvance(group->title()), w->width());
        }
    }
    // The rows of a list of columns (the roster's, the saves'): each column as wide as its texts.
    for (const QTreeWidget* tree : window->findChildren<QTreeWidget*>()) {
        if (!tree->isVisibleTo(window) || tree->header()->sectionResizeMode(0) != QHeaderView::ResizeToContents)
            continue;
        for (int r = 0; r < tree->topLevelItemCount(); ++r)
            for (int c = 0; c + 1 < tree->columnCount(); ++c)
                for (const QString& line : tree->topLevelItem(r)->text(c).split('\n'))
                    check(tree, line, tree->fontMetrics().horizontalAdvance(line), tree->columnWidth(c));
    }
    return cut;
}

// The window with its title bar and border on the screen's free area, and
// every button that leaves it inside it.
QStringList offScreen(const QWidget* window)
{
    QStringList off;
    const QRect free = availableArea(*window);
    // pos() is where the frame begins, as the window manager places it.
    const QRect outer(window->pos(), window->size().grownBy(expectedFrame(*window)));
    if (!free.contains(outer))
        off << QStringLiteral("%1 at %2,%3 %4×%5 with its frame, the screen's free area is %6×%7")
                   .arg(placeOf(window))
                   .arg(outer.x())
                   .arg(outer.y())
                   .arg(outer.width())
                   .arg(outer.height())
                   .arg(free.width())
                   .arg(free.height());
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        static const QStringList leaving = {"OK",     "Abbrechen", "Schließen", "Ende",   "Abbruch",
                                            "Cancel", "Close",     "Starten",   "Start"};
        if (!button->isVisibleTo(window) || !leaving.contains(button->text()))
            continue;
        const QRect at(button->mapTo(window, QPoint()), button->size());
        if (!window->rect().contains(at))
            off << placeOf(button) + " outside its window";
    }
    return off;
}

// The main window's controls, placed in boxes of their own: none over another.
QStringList overlapping(const QWidget* window)
{
    QStringList over;
    std::vector<const QWidget*> boxes;
    for (const QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisibleTo(window) && !w->isWindow() && !w->testAttribute(Qt::WA_TransparentForMouseEvents) &&
            !w->geometry().isEmpty())
            boxes.push_back(w);
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t k = i + 1; k < boxes.size(); ++k)
            if (boxes[i]->geometry().intersects(boxes[k]->geometry()))
                over << placeOf(boxes[i]) + " over " + placeOf(boxes[k]);
    return over;
}

void expectFits(const QWidget* window)
{
    ASSERT_TRUE(window && window->isVisible());
    settle();
    QStringList problems = cutTexts(window) + offScreen(window);
    if (qobject_cast<const MainWindow*>(window))
        problems += overlapping(window);
    EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
}

// The screen this run stands on, as ctest set it up; none for the runs on
// the offscreen platform's usual screen, which this test leaves alone.
QSize testScreen()
{
    const QStringList size = qEnvironmentVariable("STRATAGON_TEST_SCREEN").split('x');
    return size.size() == 2 ? QSize(size[0].toInt(), size[1].toInt()) : QSize();
}

// "Spiel starten", "Starten", in any language.
MainWindow* startAnyGame(TestProgram& t)
{
    if (t.world->monthInterval == 0)
        t.world->monthInterval = 2500, t.world->aiDivisor = 16;
    press(t.program->showOptionsMenu()->findChild<QPushButton*>("startButton"));
    press(t.program->newGameWindow()->findChild<QPushButton*>("startButton"));
    return t.program->mainWindow();
}

struct Sized {
    Sized(const QString& language, int percent)
    {
        t.program->useLanguage(language);
        t.program->preferences().setTextSizePercent(percent);
        applyTextSize(percent);
        t.program->preferences().setValue("guide/offered", "nein");
        settle();
    }
    ~Sized()
    {
        t.program->useLanguage("de");
        applyTextSize(100);
    }
    TestProgram t;
};

class TextFit : public testing::TestWithParam<std::tuple<const char*, int>> {
protected:
    void SetUp() override
    {
        const QSize screen = testScreen();
        if (!screen.isValid())
            GTEST_SKIP() << "run by ctest on a screen of 1366 × 768 and one of 1280 × 720";
        ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().size(), screen);
    }
    QString language() const { return QString::fromLatin1(std::get<0>(GetParam())); }
    int percent() const { return std::get<1>(GetParam()); }
};

TEST_P(TextFit, TheWindowsBeforeAGame)
{
    Sized s(language(), percent());
    TestProgram& t = s.t;
    ASSERT_TRUE(t.program->start());
    OptionsMenuWindow* menu = t.program->optionsMenu();
    expectFits(menu);
    for (QWidget* window : std::initializer_list<QWidget*>{t.program->showSettings(), t.program->showCredits(),
                                                           t.program->showLoadGame()}) {
        SCOPED_TRACE(placeOf(window).toStdString());
        expectFits(window);
        window->close();
        settle();
    }
    NewGameWindow* newGame = t.program->showNewGame();
    expectFits(newGame);
    for (const char* change : {"mapChangeButton", "sideChangeButton", "opponentChangeButton"}) {
        SCOPED_TRACE(change);
        press(newGame->findChild<QAbstractButton*>(change));
        expectFits(newGame->pickWindow());
        newGame->pickWindow()->close();
        settle();
    }
}

TEST_P(TextFit, TheGameAndItsWindows)
{
    Sized s(language(), percent());
    TestProgram& t = s.t;
    ASSERT_TRUE(t.program->start());
    MainWindow* main = startAnyGame(t);
    expectFits(main);
    WorldState& w = *t.world;
    for (int i = 0; i < 40; ++i)
        main->session().tick();
    const int neighbour = countryIndexByName(w, w.neighbourName[w.side[0]][1]);
    main->showCountry(neighbour);
    expectFits(main);

    GeneralListWindow* roster = t.program->showGeneralList();
    expectFits(roster);
    roster->list()->topLevelItem(0)->setSelected(true);
    press(roster->findChild<QPushButton*>("taskButton"));
    ASSERT_TRUE(t.program->taskWindow());
    expectFits(t.program->taskWindow());
    t.program->taskWindow()->close();
    expectFits(t.program->showRanks());
    t.program->ranksWindow()->close();
    roster->close();
    for (QWidget* window : std::initializer_list<QWidget*>{t.program->showDeploy(neighbour), t.program->showReport(),
                                                           t.program->showHelp(), t.program->showOptionsMenu()}) {
        SCOPED_TRACE(placeOf(window).toStdString());
        expectFits(window);
        if (window != t.program->optionsMenu())
            window->close();
        settle();
    }
    expectFits(t.program->showSettings());
}

TEST_P(TextFit, TheGuidedGame)
{
    Sized s(language(), percent());
    TestProgram& t = s.t;
    ASSERT_TRUE(t.program->start());
    MainWindow* main = t.program->startGuidance();
    ASSERT_TRUE(main);
    expectFits(main);
    t.dialogs.inputs = {"Neu"};
    GeneralListWindow* roster = t.program->showGeneralList();
    expectFits(roster);
}

// Each new game fits its own map as the first one did, whichever map came
// before: the same size for the same map, no empty room beside the panels.
TEST_P(TextFit, EveryMapFitsItsWindow)
{
    Sized s(language(), percent());
    TestProgram& t = s.t;
    ASSERT_TRUE(t.program->start());
    std::map<std::string, QSize> first;
    for (const char* map : {"Amerika", "Europa", "Afrika", "Asien", "Amerika", "Europa"}) {
        SCOPED_TRACE(map);
        t.program->preferences().setMapName(map);
        MainWindow* main = startAnyGame(t);
        ASSERT_TRUE(main);
        expectFits(main);
        EXPECT_EQ(main->size(), mainContentSize(main->metrics(), main->mapScale(), main->arrangement()));
        EXPECT_EQ(first.emplace(map, main->size()).first->second, main->size());
        t.dialogs.threeWay = {Answer::No};
        press(main->findChild<QPushButton*>("optionsMenuButton"));
        press(t.program->optionsMenu()->findChild<QPushButton*>("abortButton"));
    }
}

INSTANTIATE_TEST_SUITE_P(, TextFit,
                         testing::Combine(testing::Values("de", "en"), testing::Values(100, 125, 150, 175, 200)),
                         [](const testing::TestParamInfo<TextFit::ParamType>& info) {
                             return std::string(std::get<0>(info.param)) + "_" + std::to_string(std::get<1>(info.param));
                         });

}  // namespace
}  // namespace stratagon::test
