#include "ui/MainWindow.h"

#include "sim/Form1.h"
#include "ui/ApparatusView.h"
#include "ui/Fonts.h"
#include "ui_MainWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>

MainWindow::MainWindow(Form1 &form, QWidget *parent)
    : QMainWindow(parent), m_form(form), m_ui(std::make_unique<Ui::MainWindow>())
{
    m_ui->setupUi(this);
    const QString sansSerif = QStringLiteral("MS Sans Serif");
    setFont(Fonts::font(sansSerif, 8.25));
    for (QWidget *w : std::initializer_list<QWidget *>{m_ui->Label18, m_ui->lo, m_ui->ll})
        w->setFont(Fonts::font(sansSerif, 12, true));
    for (QWidget *w : std::initializer_list<QWidget *>{m_ui->Label16, m_ui->Label17})
        w->setFont(Fonts::font(sansSerif, 13.5, true));

    m_apparatus = new ApparatusView(form.state().scene, m_ui->centralwidget);
    m_apparatus->setGeometry(QRect(QPoint(0, 0), m_apparatus->sizeHint()));
    m_apparatus->lower();
    m_ui->centralwidget->setFixedSize(m_apparatus->sizeHint());
    for (QWidget *frame : {m_ui->Frame1, m_ui->Frame2, m_ui->Frame3})
        frame->setAutoFillBackground(true); // frames hide the table top behind them

    m_ui->Combo1->addItems(Liquids::selectorOrder());
    m_ui->Combo1->setCompleter(nullptr); // typed text stays as typed
    const int start = m_ui->Combo1->findText(form.state().Combo1Text, Qt::MatchExactly);
    if (start >= 0)
        m_ui->Combo1->setCurrentIndex(start);
    else
        m_ui->Combo1->setEditText(form.state().Combo1Text);

    m_lists = {m_ui->List1_0, m_ui->List1_1, m_ui->List1_2, m_ui->List1_3,
               m_ui->List1_4, m_ui->List1_5, m_ui->List1_6};
    for (int i = 0; i < Liquids::count; ++i)
        m_lists[i]->setAccessibleName(tr("Результаты: %1").arg(Liquids::catalogue[i].name));
    m_ui->lo->installEventFilter(this);
    m_ui->ll->installEventFilter(this);
    connectHandlers();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectHandlers()
{
    Form1 &form = m_form;
    Ui::MainWindow &ui = *m_ui;
    const auto button = [this](QAbstractButton *b, auto handler) {
        connect(b, &QAbstractButton::clicked, this, [this, handler] {
            handler();
            sync();
        });
    };
    button(ui.Command1, [&form] { form.Command1_Click(); });
    button(ui.Command3, [&form] { form.Command3_Click(); });
    button(ui.Command2, [&form] { form.Command2_Click(); });
    button(ui.Command9, [&form] { form.Command9_Click(); });
    button(ui.Command4, [&form] { form.Command4_Click(); });
    button(ui.Command10, [&form] { form.Command10_Click(); });
    button(ui.Command6, [&form] { form.Command6_Click(); });
    button(ui.Command5, [&form, &ui] {
        if (const std::optional<Form1::Reading> refused = form.Command5_Click()) {
            QLineEdit *box = *refused == Form1::Reading::lo ? ui.lo : ui.ll;
            box->setFocus(Qt::OtherFocusReason);
            box->selectAll();
        }
    });

    // Typing into the selector runs nothing; only a pick from its list does.
    connect(ui.Combo1, &QComboBox::editTextChanged, this,
            [&form](const QString &text) { form.setCombo1Text(text); });
    connect(ui.Combo1, &QComboBox::activated, this, [this, &form, &ui](int index) {
        form.setCombo1Text(ui.Combo1->itemText(index));
        form.Combo1_Click();
        sync();
    });
    connect(ui.lo, &QLineEdit::textChanged, this,
            [&form](const QString &text) { form.setLoText(text); });
    connect(ui.ll, &QLineEdit::textChanged, this,
            [&form](const QString &text) { form.setLlText(text); });
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
    event->accept();
    emit closed();
}
