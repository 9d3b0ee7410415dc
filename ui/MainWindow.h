// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sim/Exercise.h"
#include "sim/Liquids.h"

#include <QMainWindow>
#include <QTimer>
#include <memory>

class Announcer;
class ApparatusView;
class Flash;
struct Element;
namespace Ui {
class MainWindow;
}

// The main window: the apparatus view with the frames and controls over
// it. Every control calls one handler of the core's Exercise; the window shows
// the state whenever the core announces a change.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(Exercise &form, QWidget *parent = nullptr);
    ~MainWindow() override;

    ApparatusView *apparatus() const { return m_apparatus; }

    // Focuses "Открыть кран", or "Закрыть кран" while the tap is open.
    void focusTap();

signals:
    void aboutRequested(); // menu "О программе..."

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Brings every widget in line with the core's state; runs on Exercise::changed.
    void sync();
    void setUpLook();
    void setUpSelector();
    void nameMean(const QString &mean);
    void showMean(const QString &mean);
    void connectHandlers();
    void pressEnter();
    bool filterReadingKey(QObject *watched, QEvent *event);
    void syncTap(bool closed);
    void syncList(int liquid, const QStringList &items);
    QString level(const Element &column, int decimals = 2) const;
    QString apparatusInWords() const;
    void describeApparatus();
    void speakLevels();
    void tellRunningDry();
    static QString spokenReason(Refusal why);

    Exercise &m_exercise;
    std::unique_ptr<Ui::MainWindow> m_ui;
    ApparatusView *m_apparatus;
    Flash *m_flash;
    Announcer *m_announcer;
    QWidget *m_pressed = nullptr; // the button whose handler ran last
    int m_listLiquid = -1;        // the liquid whose results the list shows
    QTimer m_describing;          // runs for half a second after each description
    bool m_describeAgain = false; // a change came meanwhile
    QTimer m_speaking;            // runs for two seconds after the levels are spoken
    bool m_speakAgain = false;    // the levels changed meanwhile
    bool m_spokenTapOpen = false; // the picture last spoken, or seen unspoken
    QString m_spokenLevels;
    bool m_waterDry = true, m_liquidDry = true; // at the last change
    Refusal m_refusal{};                        // the last one
    bool m_pickConfirmed = false;               // a pick from the selector's list, this very event
};
