// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/MainWindow.h"

#include "scene/Geometry.h"
#include "scene/Scene.h"
#include "sim/Apparatus.h"
#include "sim/Clicks.h"
#include "sim/Exercise.h"
#include "ui/Accessibility.h"
#include "ui/ApparatusView.h"
#include "ui/Drawings.h"
#include "ui/Flash.h"
#include "ui/Fonts.h"
#include "ui_MainWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QFocusFrame>
#include <QKeyEvent>
#include <QLayout>
#include <QPainter>
#include <QShortcut>
#include <QTimer>
#include <utility>

MainWindow::MainWindow(Exercise &form, QWidget *parent)
    : QMainWindow(parent), m_exercise(form), m_ui(std::make_unique<Ui::MainWindow>())
{
    m_ui->setupUi(this);
    // A fixed window: minimise and close, no maximise.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(Drawings::programIcon());

    m_apparatus = new ApparatusView(form.state().scene, m_ui->centralwidget);
    m_apparatus->setGeometry(QRect(QPoint(0, 0), m_apparatus->sizeHint()));
    m_apparatus->lower();
    m_ui->centralwidget->setFixedSize(m_apparatus->sizeHint());
    QWidget::setTabOrder(m_ui->fillWaterButton, m_apparatus); // after the designed tab stops
    m_apparatus->setFocusArea(QRect(
        0, 0, std::min(m_ui->waterFrame->x(), m_ui->calculationFrame->x()), m_apparatus->height()));
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    setUpLook();
    setUpSelector();
    nameMean({});
    m_ui->calculationFrame->installEventFilter(this);
    // Keys reach these filters after the screen reader's bridge has offered
    // them to the reader: a key the reader takes for itself never acts here.
    for (QWidget *control : m_ui->centralwidget->findChildren<QWidget *>())
        if (control->focusPolicy() != Qt::NoFocus)
            control->installEventFilter(this);
    // The focus shows as an outline around the focused control, whatever its kind.
    auto *focusFrame = new QFocusFrame(this);
    connect(qApp, &QApplication::focusChanged, focusFrame,
            [this, focusFrame](QWidget *, QWidget *now) {
                // The apparatus, mostly under the frames, draws its own outline.
                const bool framed = now && now->window() == this && now != m_apparatus;
                focusFrame->setWidget(framed ? now : nullptr);
            });
    m_describing.setSingleShot(true);
    m_describing.setInterval(500); // ms: at most twice a second
    connect(&m_describing, &QTimer::timeout, this, [this] {
        if (std::exchange(m_describeAgain, false))
            describeApparatus();
    });
    m_speaking.setSingleShot(true);
    m_speaking.setInterval(2000); // ms: a report's length, said slowly
    connect(&m_speaking, &QTimer::timeout, this, [this] {
        if (std::exchange(m_speakAgain, false))
            speakLevels();
    });
    m_flash = new Flash(m_ui->centralwidget);
    m_announcer = new Announcer(m_ui->centralwidget);
    connectHandlers();
}

// Designed fonts and colours: MS Sans Serif 8.25 pt unless named, frame
// captions in the highlight colour. Labels are left transparent: the style
// shades the frames' panels, and an opaque label would stand out of them.
void MainWindow::setUpLook()
{
    const QString sansSerif = QStringLiteral("MS Sans Serif");
    for (QWidget *w : std::initializer_list<QWidget *>{m_ui->headingLabel, m_ui->waterReadingBox,
                                                       m_ui->liquidReadingBox})
        w->setFont(Fonts::font(sansSerif, 12, true));
    for (QWidget *w :
         std::initializer_list<QWidget *>{m_ui->waterReadingCaption, m_ui->liquidReadingCaption})
        w->setFont(Fonts::font(sansSerif, 13.5, true));

    // Only the frames' captions take the highlight colour; their controls keep
    // the standard text colours.
    const QPalette standard = palette();
    QPalette caption = standard, controls = standard;
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text}) {
        caption.setColor(role, standard.color(QPalette::Highlight));
        controls.setColor(role, standard.color(role));
    }
    for (QGroupBox *frame : {m_ui->waterFrame, m_ui->liquidFrame, m_ui->calculationFrame}) {
        frame->setAutoFillBackground(true); // frames hide the table top behind them
        frame->setPalette(caption);
        for (QWidget *control : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            control->setPalette(controls);
    }
}

void MainWindow::setUpSelector()
{
    QComboBox *combo = m_ui->liquidSelector;
    combo->addItems(Liquids::selectorOrder(m_exercise.liquidNames()));
    combo->setCompleter(nullptr); // typed text stays as typed
    // An editable combo box picks the item its typed text names once the edit
    // is finished (focus lost, Enter); here typing only steers the flow, and
    // only a choice from the list picks.
    QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
    QObject::disconnect(combo->lineEdit(), &QLineEdit::returnPressed, combo, nullptr);
    // The text at start names a liquid of the list.
    combo->setCurrentIndex(combo->findText(m_exercise.state().selectorText, Qt::MatchExactly));
}

// Names as a screen reader speaks them: the design names the controls without
// their decorative marks; the mean is named by its caption and its value.
void MainWindow::nameMean(const QString &mean)
{
    QString name = m_ui->meanCaption->text().remove(u':');
    if (!mean.isEmpty())
        name += u' ' + mean;
    if (m_ui->meanLabel->accessibleName() != name) // a change is announced even when equal
        m_ui->meanLabel->setAccessibleName(name);
}

// A mean too long for its place is cut visibly, never silently into
// another number; the whole of it is in the tool tip and the spoken name.
void MainWindow::showMean(const QString &mean)
{
    QLabel *label = m_ui->meanLabel;
    const QString shown =
        label->fontMetrics().elidedText(mean, Qt::ElideRight, label->contentsRect().width());
    label->setText(shown);
    label->setToolTip(shown == mean ? QString() : mean);
}

MainWindow::~MainWindow() = default;

void MainWindow::connectHandlers()
{
    Exercise &form = m_exercise;
    Ui::MainWindow &ui = *m_ui;
    // The core announces every change it makes; the window shows it from there.
    connect(&form, &Exercise::changed, this, &MainWindow::sync);

    // Each button and menu item names its click (sim/Clicks.h) in the design.
    // A refusal comes first in a handler, before any flow: the button pressed
    // last is the one refused, and flashes.
    for (const Click &click : Clicks::all) {
        const auto names = [&click](const QObject *o) {
            return o->property("click").toString() == QLatin1String(click.keyword);
        };
        for (QAbstractButton *button : findChildren<QAbstractButton *>()) {
            if (!names(button))
                continue;
            connect(button, &QAbstractButton::clicked, this,
                    [this, button] { m_pressed = button; });
            connect(button, &QAbstractButton::clicked, &form, click.handler);
        }
        for (QAction *action : findChildren<QAction *>()) {
            if (names(action))
                connect(action, &QAction::triggered, &form, click.handler);
        }
    }
    connect(&form, &Exercise::refused, this, [this](Refusal why) {
        m_refusal = why;
        if (m_pressed) {
            m_flash->ring(m_pressed);
            m_announcer->announce(spokenReason(why));
        }
    });
    // A refused reading: the box to correct flashes and takes the focus.
    connect(ui.computeButton, &QAbstractButton::clicked, this, [this] {
        m_pressed = nullptr;
        if (const std::optional<Exercise::Reading> refused = m_exercise.computeViscosity()) {
            QLineEdit *box = *refused == Exercise::Reading::water ? m_ui->waterReadingBox
                                                                  : m_ui->liquidReadingBox;
            box->setFocus(Qt::OtherFocusReason);
            box->selectAll();
            m_flash->ring(box);
            m_announcer->announce(spokenReason(m_refusal)); // after the box is named
            return;
        }
        // Spoken where the student is, ready for the next readings.
        const ExerciseState &state = m_exercise.state();
        if (const QStringList &results = state.results[state.liquid]; !results.isEmpty())
            m_announcer->announce(
                tr("Результат %1, среднее значение %2").arg(results.constLast(), state.mean));
    });

    connect(ui.clearButton, &QAbstractButton::clicked, this,
            [this] { m_announcer->announce(tr("Список результатов очищен")); });

    // Typing into the selector runs nothing; only a pick from its list does.
    connect(ui.liquidSelector, &QComboBox::editTextChanged, &form, &Exercise::setSelectorText);
    // A pick has set the edit text, and so the selector's text, already.
    connect(ui.liquidSelector, &QComboBox::activated, &form, &Exercise::chooseLiquid);
    // The Enter that confirms a pick also reaches the window once the list has
    // closed: it has done its work.
    connect(ui.liquidSelector, &QComboBox::activated, this, [this] {
        m_pickConfirmed = true;
        QTimer::singleShot(0, this, [this] { m_pickConfirmed = false; });
    });
    // F10 opens the menu, as on the desktops' own programs.
    connect(new QShortcut(Qt::Key_F10, this), &QShortcut::activated, this,
            [this] { m_ui->menubar->setActiveAction(m_ui->mainMenu->menuAction()); });
    // The focus never left the control under the menu, so Qt tells nothing as
    // the menu closes: a screen reader is told where the student is again,
    // once it has taken in that the menu closed.
    for (QMenu *menu : m_ui->menubar->findChildren<QMenu *>())
        connect(menu, &QMenu::aboutToHide, this, [] {
            QTimer::singleShot(300, [] {
                QWidget *focused = QApplication::focusWidget();
                if (focused && !QApplication::activePopupWidget()) {
                    QAccessibleEvent told(focused, QAccessible::Focus);
                    QAccessible::updateAccessibility(&told);
                }
            });
        });

    connect(ui.aboutAction, &QAction::triggered, this, &MainWindow::aboutRequested);
    // "Теория" and "Таблица вязкостей" do nothing.

    connect(ui.waterReadingBox, &QLineEdit::textChanged, &form, &Exercise::setWaterReading);
    connect(ui.liquidReadingBox, &QLineEdit::textChanged, &form, &Exercise::setLiquidReading);
}

// Enter takes a reading from l0 on to l', and computes from l'; elsewhere it
// presses the focused button, or else opens the tap.
void MainWindow::pressEnter()
{
    if (std::exchange(m_pickConfirmed, false))
        return; // the Enter that chose a liquid in the selector's list
    QWidget *focused = QApplication::focusWidget();
    if (focused == m_ui->waterReadingBox)
        m_ui->liquidReadingBox->setFocus(Qt::TabFocusReason);
    else if (focused == m_ui->liquidReadingBox)
        m_ui->computeButton->animateClick();
    else if (auto *button = qobject_cast<QPushButton *>(focused);
             button && button->window() == this)
        button->animateClick();
    else if (m_ui->openTapButton->isEnabled())
        m_ui->openTapButton->animateClick();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Alt+Р, the calculation frame's access key, leads to the first reading.
    if (watched == m_ui->calculationFrame && event->type() == QEvent::Shortcut) {
        m_ui->waterReadingBox->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // With a screen reader listening, the keypad's Enter is its own
            // ("Where am I" for Orca); Qt hands a key on when the reader is
            // slow to claim it, so it is never taken for Enter here.
            if (!(key->key() == Qt::Key_Enter && QAccessible::isActive()))
                pressEnter();
            return true;
        }
        // An Alt combination whose access key has no enabled control would
        // otherwise type its letter into the box.
        if (key->modifiers().testFlag(Qt::AltModifier) && !key->text().isEmpty())
            return true;
        if (filterReadingKey(watched, event))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// The reading boxes' key filter sees typed keys only; pasted text passes as it is.
bool MainWindow::filterReadingKey(QObject *watched, QEvent *event)
{
    QLineEdit *box = watched == m_ui->waterReadingBox    ? m_ui->waterReadingBox
                     : watched == m_ui->liquidReadingBox ? m_ui->liquidReadingBox
                                                         : nullptr;
    const QString typed = static_cast<QKeyEvent *>(event)->text();
    if (!box || typed.size() != 1)
        return false;
    QChar key = typed.front();
    m_exercise.filterReadingKey(key);
    if (key == typed.front())
        return false;
    box->insert(QString(key));
    return true;
}

// Enter with no control focused.
void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        pressEnter();
    else
        QMainWindow::keyPressEvent(event);
}

void MainWindow::focusTap()
{
    (m_ui->closeTapButton->isEnabled() ? m_ui->closeTapButton : m_ui->openTapButton)->setFocus();
}

void MainWindow::sync()
{
    const ExerciseState &state = m_exercise.state();
    syncTap(!state.tapOpen);
    m_ui->headingLabel->setText(state.heading);
    m_ui->headingLabel->adjustSize(); // the heading sizes itself to the liquid's name
    syncList(state.liquid, state.results[state.liquid]);
    showMean(state.mean);
    nameMean(state.mean);
    m_ui->reverseScaleAction->setChecked(state.scaleReversed);
    m_apparatus->refresh();
    describeApparatus();
    speakLevels();
    tellRunningDry();
}

// The focus follows the tap to the button that now works, unless it is on the
// apparatus. The new one is
// enabled and focused before the old one is disabled: Qt would otherwise pass
// the focus on to the selector and select its text.
void MainWindow::syncTap(bool closed)
{
    QPushButton *open = m_ui->openTapButton, *close = m_ui->closeTapButton;
    if (open->isEnabled() == closed && close->isEnabled() == !closed)
        return;
    QPushButton *now = closed ? open : close, *before = closed ? close : open;
    now->setEnabled(true);
    if (!m_apparatus->hasFocus()) // a student following the levels stays with them
        now->setFocus(Qt::OtherFocusReason);
    before->setEnabled(false);
}

// One list widget shows the selected liquid's results list. New results are
// appended, so that a screen reader hears of the new row, and scrolled to.
void MainWindow::syncList(int liquid, const QStringList &items)
{
    QListWidget *view = m_ui->resultsList;
    const int count = view->count();
    bool prefix = liquid == m_listLiquid && count <= items.size();
    for (int row = 0; prefix && row < count; ++row)
        prefix = view->item(row)->text() == items[row];
    if (!prefix) {
        view->clear();
        view->addItems(items);
        view->scrollToBottom();
        if (liquid != m_listLiquid)
            view->setAccessibleName(tr("Результаты: %1").arg(m_exercise.liquidNames()[liquid]));
        m_listLiquid = liquid;
    } else if (count < items.size()) {
        view->addItems(items.mid(count));
        view->scrollToBottom();
    }
}

// The level of a column in scale divisions, as the scale shown numbers it.
QString MainWindow::level(const Element &column, int decimals) const
{
    const double divisions = Geometry::divisionsAboveZero(column);
    const bool reversed = m_exercise.state().scaleReversed;
    return m_exercise.locale().toString(reversed ? Scene::scaleMarks - 1 - divisions : divisions,
                                        'f', decimals);
}

QString MainWindow::apparatusInWords() const
{
    const ExerciseState &state = m_exercise.state();
    return tr("Вода %1, %2 %3, кран %4")
        .arg(level(state.scene.water()), state.heading, level(state.scene.liquid()),
             state.tapOpen ? tr("открыт") : tr("закрыт"));
}

// What the apparatus shows, in words, at most twice a second while it moves.
void MainWindow::describeApparatus()
{
    if (m_describing.isActive()) {
        m_describeAgain = true; // once the half second is over
        return;
    }
    m_describing.start();
    const QString description = apparatusInWords();
    if (m_apparatus->accessibleDescription() !=
        description) // a change is announced even when equal
        m_apparatus->setAccessibleDescription(description);
}

// Orca cannot speak Qt 6.4's description changes (they carry the object, not
// the text), and it queues notifications until a key is pressed: a student
// watching the apparatus hears that the tap opens, then only both levels
// every two seconds, and the whole picture as the tap closes. A voice of 14
// characters a second says a report ("уведомление 4,8 и 4,9") in about a
// second and a half, so none waits behind another and what is heard is what
// is shown; a key, Alt+З among them, silences what Orca was saying.
void MainWindow::speakLevels()
{
    const ExerciseState &state = m_exercise.state();
    const bool tapOpen = state.tapOpen;
    const QString levels =
        tr("%1 и %2").arg(level(state.scene.water(), 1), level(state.scene.liquid(), 1));
    if (!m_apparatus->hasFocus()) {
        m_spokenTapOpen = tapOpen;
        m_spokenLevels = levels;
        return;
    }
    if (tapOpen != m_spokenTapOpen) {
        m_announcer->announce(tapOpen ? tr("кран открыт") : apparatusInWords());
    } else if (levels == m_spokenLevels || !tapOpen) {
        return;
    } else if (m_speaking.isActive()) {
        m_speakAgain = true; // once the two seconds are over
        return;
    } else {
        m_announcer->announce(levels);
    }
    m_spokenTapOpen = tapOpen;
    m_spokenLevels = levels;
    m_speaking.start();
}

// A tube that runs dry while the tap is open is told wherever the focus is.
void MainWindow::tellRunningDry()
{
    const Scene &scene = m_exercise.state().scene;
    const bool waterDry = scene.water().height <= Apparatus::waterEmptyLimit;
    const bool liquidDry = scene.liquid().height <= Geometry::emptyColumnHeight;
    if (m_exercise.state().tapOpen) {
        if (waterDry && !m_waterDry)
            m_announcer->announce(tr("Левая трубка опустела"));
        if (liquidDry && !m_liquidDry)
            m_announcer->announce(tr("Правая трубка опустела"));
    }
    m_waterDry = waterDry;
    m_liquidDry = liquidDry;
}

QString MainWindow::spokenReason(Refusal why)
{
    switch (why) {
    case Refusal::TubeFull:
        return tr("Трубка полна");
    case Refusal::TubeEmpty:
        return tr("Трубка пуста");
    case Refusal::NothingToFlow:
        return tr("Обе трубки пусты");
    case Refusal::ReadingL0:
        return tr("l ноль: нужно число");
    case Refusal::ReadingL1:
        return tr("l штрих: нужно число больше нуля");
    case Refusal::OutOfRange:
        return tr("Результат вне пределов: проверьте l ноль и l штрих");
    }
    return {};
}

void MainWindow::closeEvent(QCloseEvent *) // accepted as it comes: the window closes
{
    m_exercise.noteWindowClosed();
}
