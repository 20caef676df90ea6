// SPDX-License-Identifier: GPL-3.0-or-later
// A small window that tries, one key each, the ways a Qt Widgets program can
// make the screen reader say something while the keyboard focus stays on a
// "map", and shows the controls whose speech the game relies on. Played by
// tools/screenreader/probe.py; see tools/screenreader/README.md.
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFrame>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QValidator>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cstdio>

namespace {

// A label that calls itself a notification.
class NoticeLabel : public QLabel {
public:
    using QLabel::QLabel;
};

// A label of another role, named by its text.
class RoleLabelAccessible : public QAccessibleWidget {
public:
    RoleLabelAccessible(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<QLabel*>(widget())->text() : QAccessibleWidget::text(t);
    }
};

// A frame that calls itself a notification and says its text through a
// label inside it: the screen reader keeps a notification's inner labels in
// its history, not its name.
class NoticeFrame : public QFrame {
public:
    NoticeFrame() : label_(new QLabel(this)) { (new QVBoxLayout(this))->addWidget(label_); }
    void announce(const QString& text)
    {
        hide();
        label_->setText(text);
        show();
    }

private:
    QLabel* label_;
};

class NoticeFrameAccessible : public QAccessibleWidget {
public:
    explicit NoticeFrameAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Notification) {}
};

// A label that calls itself an alert.
class AlertLabel : public QLabel {
public:
    using QLabel::QLabel;
};


// A slider whose value is a text ("30 Sekunden") besides the number.
class SecondsSlider : public QSlider {
public:
    SecondsSlider() : QSlider(Qt::Horizontal) {}
    QString valueText() const { return QStringLiteral("%1 Sekunden").arg(5 + value() * 5); }
};

class SecondsAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SecondsAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Slider) {}
    SecondsSlider* slider() const { return static_cast<SecondsSlider*>(widget()); }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                : QAccessibleWidget::interface_cast(t);
    }
    // The value as text, read when asked: no event, so nothing for the
    // screen reader to trip over while the slider has the focus.
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value || t == QAccessible::Description ? slider()->valueText()
                                                                        : QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return slider()->value(); }
    void setCurrentValue(const QVariant& v) override { slider()->setValue(v.toInt()); }
    QVariant maximumValue() const override { return slider()->maximum(); }
    QVariant minimumValue() const override { return slider()->minimum(); }
    QVariant minimumStepSize() const override { return 1; }
};

// A spin box that shows words, not numbers.
class StrengthSpin : public QSpinBox {
public:
    StrengthSpin() { setRange(0, 4); }

protected:
    QString textFromValue(int v) const override { return names().value(v); }
    int valueFromText(const QString& text) const override { return int(names().indexOf(text)); }
    QValidator::State validate(QString& text, int&) const override
    {
        return names().contains(text) ? QValidator::Acceptable : QValidator::Intermediate;
    }

private:
    static QStringList names()
    {
        return {QStringLiteral("Sehr Leicht"), QStringLiteral("Leicht"), QStringLiteral("Mittel"),
                QStringLiteral("Schwer"), QStringLiteral("Irrsinnig")};
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* w = static_cast<QWidget*>(object);
    if (dynamic_cast<NoticeLabel*>(w))
        return new RoleLabelAccessible(w, QAccessible::Notification);
    if (dynamic_cast<NoticeFrame*>(w))
        return new NoticeFrameAccessible(w);
    if (dynamic_cast<AlertLabel*>(w))
        return new RoleLabelAccessible(w, QAccessible::AlertMessage);
    if (dynamic_cast<SecondsSlider*>(w) && w->objectName() == QLatin1String("custom"))
        return new SecondsAccessible(w);
    Q_UNUSED(className);
    return nullptr;
}

class Map : public QWidget {
public:
    explicit Map(QMainWindow* window) : window_(window)
    {
        setFocusPolicy(Qt::StrongFocus);
        setAccessibleName(QStringLiteral("Karte"));
        setMinimumSize(400, 250);
        auto* layout = new QVBoxLayout(this);
        notice_ = new NoticeLabel;
        frame_ = new NoticeFrame;
        layout->addWidget(frame_);
        frame_->hide();
        alert_ = new AlertLabel;
        plain_ = new QLabel(QStringLiteral("Lage"));
        for (QLabel* l : {static_cast<QLabel*>(notice_), static_cast<QLabel*>(alert_), plain_})
            layout->addWidget(l);
        notice_->hide();
        alert_->hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).fillRect(rect(), hasFocus() ? Qt::darkGreen : Qt::darkGray);
    }

    void keyPressEvent(QKeyEvent* e) override
    {
        const QString key = e->text();
        ++count_;
        const QString n = QString::number(count_);
        if (key == QLatin1String("n"))  // notification shown (hidden first)
            showNotice(QStringLiteral("Meldung %1: Angriff auf Ägypten").arg(n));
        else if (key == QLatin1String("N"))  // the same text again
            showNotice(QStringLiteral("Gleiche Meldung: Angriff auf Ägypten"));
        else if (key == QLatin1String("k"))  // a notification frame with a label inside
            frame_->announce(QStringLiteral("Rahmen %1: Ägypten greift dich an").arg(n));
        else if (key == QLatin1String("K"))
            frame_->announce(QStringLiteral("Gleicher Rahmen: Ägypten greift dich an"));
        else if (key == QLatin1String("m")) {  // notification renamed while shown
            notice_->show();
            notice_->setText(QStringLiteral("Umbenannt %1: Schlacht gewonnen").arg(n));
            QAccessibleEvent ev(notice_, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&ev);
        } else if (key == QLatin1String("b")) {  // three notifications at once
            for (int i = 1; i <= 3; ++i)
                showNotice(QStringLiteral("Schub %1 Teil %2: Angriff auf Land Nummer %2").arg(n).arg(i));
        } else if (key == QLatin1String("w")) {  // a long one, then a short one 0.3 s later
            showNotice(QStringLiteral("Lang %1: Ägypten greift Libyen an, Libyen verteidigt sich mit drei "
                                      "Generälen, die Schlacht dauert noch lange")
                           .arg(n));
            QTimer::singleShot(300, this, [this, n] { showNotice(QStringLiteral("Kurz %1: Pause").arg(n)); });
        } else if (key == QLatin1String("t"))  // a tool tip
            QToolTip::showText(mapToGlobal(rect().center()), QStringLiteral("Hinweis %1: Spiel pausiert").arg(n), this);
        else if (key == QLatin1String("a")) {  // an Alert event on a plain label
            plain_->setText(QStringLiteral("Alarm %1: Angriff auf Marokko").arg(n));
            QAccessibleEvent ev(plain_, QAccessible::Alert);
            QAccessible::updateAccessibility(&ev);
        } else if (key == QLatin1String("l")) {  // a label of role alert shown
            alert_->hide();
            alert_->setText(QStringLiteral("Alarmrolle %1: Angriff auf Tunesien").arg(n));
            alert_->show();
        } else if (key == QLatin1String("s"))  // the status bar
            window_->statusBar()->showMessage(QStringLiteral("Statuszeile %1: Spiel läuft").arg(n));
        else if (key == QLatin1String("d"))  // the focused widget's description
            setAccessibleDescription(QStringLiteral("Beschreibung %1: Sudan erobert").arg(n));
        else if (key == QLatin1String("D"))  // the same description again, after another
            repeatDescription();
        else if (key == QLatin1String("r"))  // the focused widget's name
            setAccessibleName(QStringLiteral("Name %1: Tschad verloren").arg(n));
        else if (key == QLatin1String("i")) {  // text inserted into a label without focus
            const QString text = QStringLiteral("Eingefügt %1: Niger angegriffen").arg(n);
            plain_->setText(text);
            QAccessibleTextInsertEvent ev(plain_, 0, text);
            QAccessible::updateAccessibility(&ev);
        } else if (key == QLatin1String("o"))
            openDialog();
        else
            QWidget::keyPressEvent(e);
    }

private:
    void showNotice(const QString& text)
    {
        notice_->hide();
        notice_->setText(text);
        notice_->show();
    }

    void repeatDescription()
    {
        setAccessibleDescription(QStringLiteral("Wiederholt: Angriff auf Ägypten"));
        setAccessibleDescription(QString());
        setAccessibleDescription(QStringLiteral("Wiederholt: Angriff auf Ägypten"));
    }

    void openDialog();

    QMainWindow* window_;
    NoticeLabel* notice_;
    NoticeFrame* frame_;
    AlertLabel* alert_;
    QLabel* plain_;
    int count_ = 0;
};

void Map::openDialog()
{
    auto* dialog = new QDialog(window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("Einstellungen"));
    dialog->setAccessibleDescription(
        QStringLiteral("Dialogbeschreibung: Hier stellst du Tempo, Farben und Gegner ein."));
    auto* form = new QFormLayout;
    // Each slider starts elsewhere: the screen reader says a new value only
    // when it differs from the last value it said, of any control.
    auto slider = [form, start = 0](QSlider* s, const QString& caption) mutable {
        s->setRange(0, 4);
        s->setValue(++start % 5);
        s->setPageStep(1);
        auto* label = new QLabel(caption);
        label->setBuddy(s);
        form->addRow(label, s);
        return s;
    };
    slider(new QSlider(Qt::Horizontal), QStringLiteral("Tempo A :"));
    auto* described = static_cast<SecondsSlider*>(slider(new SecondsSlider, QStringLiteral("Tempo B :")));
    described->setAccessibleDescription(described->valueText());
    QObject::connect(described, &QSlider::valueChanged, described,
                     [described] { described->setAccessibleDescription(described->valueText()); });
    auto* custom = new SecondsSlider;
    custom->setObjectName(QStringLiteral("custom"));
    slider(custom, QStringLiteral("Tempo C :"));
    auto* named = static_cast<SecondsSlider*>(slider(new SecondsSlider, QStringLiteral("Tempo D :")));
    auto rename = [named] { named->setAccessibleName(QStringLiteral("Tempo D : ") + named->valueText()); };
    rename();
    QObject::connect(named, &QSlider::valueChanged, named, rename);

    auto* unlabelled = new SecondsSlider;  // no buddy: the name carries the value
    unlabelled->setRange(0, 4);
    unlabelled->setValue(0);
    auto renameE = [unlabelled] {
        unlabelled->setAccessibleName(QStringLiteral("Tempo E : ") + unlabelled->valueText());
    };
    renameE();
    QObject::connect(unlabelled, &QSlider::valueChanged, unlabelled, renameE);
    form->addRow(unlabelled);
    auto* spin = new QSpinBox;
    spin->setRange(5, 60);
    spin->setSingleStep(5);
    spin->setValue(30);
    spin->setSuffix(QStringLiteral(" Sekunden"));
    auto* spinLabel = new QLabel(QStringLiteral("Tempo F :"));
    spinLabel->setBuddy(spin);
    form->addRow(spinLabel, spin);

    auto* strengthSpin = new StrengthSpin;
    auto* strengthSpinLabel = new QLabel(QStringLiteral("Stärke G :"));
    strengthSpinLabel->setBuddy(strengthSpin);
    form->addRow(strengthSpinLabel, strengthSpin);

    auto* colours = new QComboBox;
    colours->addItems({QStringLiteral("Standard"), QStringLiteral("Farbenblind")});
    auto* coloursLabel = new QLabel(QStringLiteral("Farben :"));
    coloursLabel->setBuddy(colours);
    form->addRow(coloursLabel, colours);
    auto* rules = new QComboBox;  // no buddy: only a label beside it
    rules->addItems({QStringLiteral("Klassisch"), QStringLiteral("Zügig")});
    auto* strength = new QComboBox;  // buddy, and the value in the description
    strength->addItems({QStringLiteral("Sehr Leicht"), QStringLiteral("Leicht")});
    strength->setAccessibleDescription(strength->currentText());
    QObject::connect(strength, &QComboBox::currentTextChanged, strength,
                     [strength](const QString& t) { strength->setAccessibleDescription(t); });
    auto* strengthLabel = new QLabel(QStringLiteral("Stärke :"));
    strengthLabel->setBuddy(strength);
    form->addRow(strengthLabel, strength);
    auto* language = new QComboBox;  // no buddy, a name with the value
    language->addItems({QStringLiteral("Deutsch"), QStringLiteral("English")});
    auto renameLanguage = [language] { language->setAccessibleName(QStringLiteral("Sprache : ") + language->currentText()); };
    renameLanguage();
    QObject::connect(language, &QComboBox::currentTextChanged, language, renameLanguage);
    form->addRow(language);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Regeln :")));
    row->addWidget(rules);
    form->addRow(row);

    auto* table = new QTableWidget(3, 3);
    table->setAccessibleName(QStringLiteral("Schlachten"));
    table->setHorizontalHeaderLabels({QStringLiteral("Land"), QStringLiteral("Angreifer"), QStringLiteral("Stand")});
    const QStringList lands{QStringLiteral("Ägypten"), QStringLiteral("Libyen"), QStringLiteral("Sudan")};
    for (int r = 0; r < 3; ++r) {
        table->setItem(r, 0, new QTableWidgetItem(lands[r]));
        table->setItem(r, 1, new QTableWidgetItem(QStringLiteral("Tschad")));
        table->setItem(r, 2, new QTableWidgetItem(QStringLiteral("%1 zu 3").arg(r + 1)));
    }
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false);
    form->addRow(table);
    auto* tree = new QTreeWidget;
    tree->setAccessibleName(QStringLiteral("Generäle"));
    tree->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Rang")});
    for (const QString& name : {QStringLiteral("Abebe"), QStringLiteral("Bakari"), QStringLiteral("Chike")})
        tree->addTopLevelItem(new QTreeWidgetItem({name, QStringLiteral("Leutnamt")}));
    form->addRow(tree);

    auto* panel = new QGroupBox(QStringLiteral("Lage"));
    auto* panelLayout = new QVBoxLayout(panel);
    auto* focusable = new QLabel(QStringLiteral("Fokussierbar: Jahr 1 800, 12 von 40 Ländern"));
    // The flags set the focus policy (to a click's alone): the policy after them.
    focusable->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    focusable->setFocusPolicy(Qt::StrongFocus);
    panelLayout->addWidget(focusable);
    form->addRow(panel);
    auto* bare = new QLabel(QStringLiteral("Fokussierbar ohne Rahmen: 3 Schlachten laufen"));
    bare->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    bare->setFocusPolicy(Qt::StrongFocus);
    form->addRow(bare);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    dialog->open();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QAccessible::installFactory(factory);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Probe"));
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    auto* button = new QPushButton(QStringLiteral("Knopf"));
    auto* map = new Map(&window);
    layout->addWidget(button);
    layout->addWidget(map);
    window.setCentralWidget(central);
    window.statusBar()->showMessage(QStringLiteral("Bereit"));
    window.resize(700, 450);
    // Where the focus goes, for the transcript's reader.
    QObject::connect(&app, &QApplication::focusChanged, &app, [](QWidget*, QWidget* now) {
        if (now)
            fprintf(stderr, "focus: %s %s\n", now->metaObject()->className(), qPrintable(now->accessibleName()));
    });
    window.show();
    map->setFocus();
    return app.exec();
}
