// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/MainWindow.h"

#include "sim/Form1.h"
#include "ui/ApparatusView.h"
#include "ui/Fonts.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QPainter>
#include <QShortcut>
#include <QSvgRenderer>

namespace {
// The watering can, rendered here: a QIcon made from the SVG file would load
// the icon engine and image format plugins at every start.
QIcon programIcon()
{
    QSvgRenderer svg(QStringLiteral(":/art/talven.svg"));
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
} // namespace

MainWindow::MainWindow(Form1 &form, QWidget *parent)
    : QMainWindow(parent), m_form(form), m_ui(std::make_unique<Ui::MainWindow>())
{
    m_ui->setupUi(this);
    // A fixed window: minimise and close, no maximise.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(programIcon());

    m_apparatus = new ApparatusView(form.state().scene, m_ui->centralwidget);
    m_apparatus->setGeometry(QRect(QPoint(0, 0), m_apparatus->sizeHint()));
    m_apparatus->lower();
    m_ui->centralwidget->setFixedSize(m_apparatus->sizeHint()); // 7965 x 6210 twips
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_lists = {m_ui->List1_0, m_ui->List1_1, m_ui->List1_2, m_ui->List1_3,
               m_ui->List1_4, m_ui->List1_5, m_ui->List1_6};
    setUpLook();
    setUpSelector();
    for (int i = 0; i < Liquids::count; ++i)
        m_lists[i]->setAccessibleName(tr("Результаты: %1").arg(Liquids::catalogue[i].name));
    m_ui->lo->installEventFilter(this);
    m_ui->ll->installEventFilter(this);
    connectHandlers();
}

// Designed fonts and colours: MS Sans Serif 8.25 pt unless named, frame
// captions in the highlight colour. Labels are left transparent: the style
// shades the frames' panels, and an opaque label would stand out of them.
void MainWindow::setUpLook()
{
    const QString sansSerif = QStringLiteral("MS Sans Serif");
    for (QWidget *w : std::initializer_list<QWidget *>{m_ui->Label18, m_ui->lo, m_ui->ll})
        w->setFont(Fonts::font(sansSerif, 12, true));
    for (QWidget *w : std::initializer_list<QWidget *>{m_ui->Label16, m_ui->Label17})
        w->setFont(Fonts::font(sansSerif, 13.5, true));

    // Only the frames' captions take the highlight colour; their controls keep
    // the standard text colours.
    const QPalette standard = palette();
    QPalette caption = standard, controls = standard;
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text}) {
        caption.setColor(role, standard.color(QPalette::Highlight));
        controls.setColor(role, standard.color(role));
    }
    for (QGroupBox *frame : {m_ui->Frame1, m_ui->Frame2, m_ui->Frame3}) {
        frame->setAutoFillBackground(true); // frames hide the table top behind them
        frame->setPalette(caption);
        for (QWidget *control : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            control->setPalette(controls);
    }
}

void MainWindow::setUpSelector()
{
    QComboBox *combo = m_ui->Combo1;
    combo->addItems(Liquids::selectorOrder());
    combo->setCompleter(nullptr); // typed text stays as typed
    const int start = combo->findText(m_form.state().Combo1Text, Qt::MatchExactly);
    if (start >= 0)
        combo->setCurrentIndex(start);
    else
        combo->setEditText(m_form.state().Combo1Text);
}

MainWindow::~MainWindow() = default;

void MainWindow::connectHandlers()
{
    Form1 &form = m_form;
    Ui::MainWindow &ui = *m_ui;
    // The core announces every change it makes; the window shows it from there.
    connect(&form, &Form1::changed, this, &MainWindow::sync);

    const std::pair<QAbstractButton *, void (Form1::*)()> buttons[] = {
        {ui.Command1, &Form1::Command1_Click}, {ui.Command3, &Form1::Command3_Click},
        {ui.Command2, &Form1::Command2_Click}, {ui.Command9, &Form1::Command9_Click},
        {ui.Command4, &Form1::Command4_Click}, {ui.Command10, &Form1::Command10_Click},
        {ui.Command6, &Form1::Command6_Click},
    };
    for (const auto &[button, handler] : buttons)
        connect(button, &QAbstractButton::clicked, &form, handler);
    connect(ui.Command5, &QAbstractButton::clicked, this, [this] {
        if (const std::optional<Form1::Reading> refused = m_form.Command5_Click()) {
            QLineEdit *box = *refused == Form1::Reading::lo ? m_ui->lo : m_ui->ll;
            box->setFocus(Qt::OtherFocusReason);
            box->selectAll();
        }
    });

    // Typing into the selector runs nothing; only a pick from its list does.
    connect(ui.Combo1, &QComboBox::editTextChanged, &form, &Form1::setCombo1Text);
    connect(ui.Combo1, &QComboBox::activated, this, [this](int index) {
        m_form.setCombo1Text(m_ui->Combo1->itemText(index));
        m_form.Combo1_Click();
    });
    // Enter presses the focused button, or else opens the tap.
    const auto enter = [this] {
        if (auto *focused = qobject_cast<QPushButton *>(QApplication::focusWidget());
            focused && focused->window() == this)
            focused->animateClick();
        else if (m_ui->Command1->isEnabled())
            m_ui->Command1->animateClick();
    };
    for (QKeySequence key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, enter);

    connect(ui.реверс, &QAction::triggered, &form, &Form1::revers_Click);
    connect(ui.опрогр, &QAction::triggered, this, &MainWindow::aboutRequested);
    // "Теория" and "Таблица вязкостей" do nothing.

    connect(ui.lo, &QLineEdit::textChanged, &form, &Form1::setLoText);
    connect(ui.ll, &QLineEdit::textChanged, &form, &Form1::setLlText);
}

// The reading boxes' key filter sees typed keys only; pasted text passes as it is.
bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    QLineEdit *box = watched == m_ui->lo ? m_ui->lo : watched == m_ui->ll ? m_ui->ll : nullptr;
    if (!box || event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const QString typed = static_cast<QKeyEvent *>(event)->text();
    if (typed.size() != 1)
        return false;
    QChar key = typed.front();
    if (box == m_ui->lo)
        m_form.lo_KeyPress(key);
    else
        m_form.ll_KeyPress(key);
    if (key == typed.front())
        return false;
    box->insert(QString(key));
    return true;
}

void MainWindow::focusTap()
{
    (m_ui->Command3->isEnabled() ? m_ui->Command3 : m_ui->Command1)->setFocus();
}

void MainWindow::sync()
{
    if (m_closed)
        return;
    const Form1State &state = m_form.state();
    m_ui->Command1->setEnabled(state.Command1Enabled);
    m_ui->Command3->setEnabled(state.Command3Enabled);
    m_ui->Label18->setText(state.Label18Caption);
    m_ui->Label18->adjustSize(); // the heading sizes itself to the liquid's name
    for (int i = 0; i < Liquids::count; ++i) {
        syncList(m_lists[i], state.List1[i]);
        m_lists[i]->setVisible(i == state.zhidkost);
    }
    m_ui->sred1->setText(state.sred1Caption);
    m_ui->реверс->setChecked(state.reversChecked);
    m_apparatus->refresh();
}

void MainWindow::syncList(QListWidget *view, const QStringList &items)
{
    const int count = view->count();
    bool same = count == items.size();
    for (int row = 0; same && row < count; ++row)
        same = view->item(row)->text() == items[row];
    if (same)
        return;
    view->clear();
    view->addItems(items);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_closed = true;
    m_form.closeWindow();
    event->accept();
}
